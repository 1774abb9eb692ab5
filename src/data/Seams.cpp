#include "Seams.h"

#include "QtHttp.h"

#include <QDesktopServices>
#include <QProcess>
#include <QTextStream>
#include <QUrl>
#include <cstdio>

namespace {

// Without a window system (the command-line companion) messages go to stderr and questions
// take the safe answer.
class TConsoleMessages : public IMessages {
public:
    void Show(TMsgKind, const QString& text) override
    {
        QTextStream(stderr) << text.trimmed() << Qt::endl;
    }
    bool OkCancel(TMsgKind kind, const QString& text) override
    {
        Show(kind, text);
        return false;
    }
    bool YesNo(const QString& text) override
    {
        Show(TMsgKind::Question, text);
        return false;
    }
    bool Input(const QString&, const QString&, QString&) override { return false; }
};

class TNoFileDialogs : public IFileDialogs {
public:
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
};

class TDesktopShell : public IShell {
public:
    bool Open(const QString& target) override
    {
        const QUrl url = target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"))
                             ? QUrl(target)
                             : QUrl::fromLocalFile(target);
        return QDesktopServices::openUrl(url);
    }
    bool Start(const QString& program, const QStringList& args) override
    {
        return QProcess::startDetached(program, args);
    }
};

class TSystemClock : public IClock {
public:
    QDateTime Now() override { return QDateTime::currentDateTime(); }
};

IMessages* g_messages = nullptr;
IFileDialogs* g_files = nullptr;
IHttp* g_http = nullptr;
IShell* g_shell = nullptr;
IClock* g_clock = nullptr;

template <typename I, typename Default>
I& pick(I* installed)
{
    static Default fallback;
    return installed ? *installed : fallback;
}

}  // namespace

IMessages& Platform::Messages() { return pick<IMessages, TConsoleMessages>(g_messages); }
IFileDialogs& Platform::FileDialogs() { return pick<IFileDialogs, TNoFileDialogs>(g_files); }
IHttp& Platform::Http() { return pick<IHttp, TQtHttp>(g_http); }
IShell& Platform::Shell() { return pick<IShell, TDesktopShell>(g_shell); }
IClock& Platform::Clock() { return pick<IClock, TSystemClock>(g_clock); }

void Platform::SetMessages(IMessages* m) { g_messages = m; }
void Platform::SetFileDialogs(IFileDialogs* f) { g_files = f; }
void Platform::SetHttp(IHttp* h) { g_http = h; }
void Platform::SetShell(IShell* s) { g_shell = s; }
void Platform::SetClock(IClock* c) { g_clock = c; }
