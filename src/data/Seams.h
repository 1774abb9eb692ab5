#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

// Everything the system asks of the user or the outside world goes through these small
// interfaces, so that tests can answer questions, record texts and fix the clock.

enum class TMsgKind { Information, Warning, Error, Question };

class IMessages {
public:
    virtual ~IMessages() = default;
    virtual void Show(TMsgKind kind, const QString& text) = 0;
    // OK / Cancel; true for OK.
    virtual bool OkCancel(TMsgKind kind, const QString& text) = 0;
    // Yes / No; true for Yes.
    virtual bool YesNo(const QString& text) = 0;
    // An input box; false when cancelled.
    virtual bool Input(const QString& caption, const QString& prompt, QString& value) = 0;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // Empty when cancelled.
    virtual QString OpenFile(const QString& caption, const QString& filter, const QString& dir = {}) = 0;
    virtual QString SaveFile(const QString& caption, const QString& filter, const QString& name = {}) = 0;
};

struct THttpReply {
    bool Ok = false;          // transport succeeded and the status was 2xx
    int Status = 0;
    QByteArray Body;
    QString Error;
};

class IHttp {
public:
    virtual ~IHttp() = default;
    virtual THttpReply Get(const QString& url, int timeoutMs = 15000) = 0;
    virtual THttpReply PostForm(const QString& url, const QList<QPair<QString, QString>>& fields,
                                int timeoutMs = 15000) = 0;
};

class IShell {
public:
    virtual ~IShell() = default;
    // Opens a file or an address with the desktop's default program.
    virtual bool Open(const QString& fileOrUrl) = 0;
    // Starts a program; false when it cannot be started.
    virtual bool Start(const QString& program, const QStringList& args = {}) = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime Now() = 0;
    // A fixed clock also stands for the server's clock.
    virtual bool IsFixed() const { return false; }
};

namespace Platform {
IMessages& Messages();
IFileDialogs& FileDialogs();
IHttp& Http();
IShell& Shell();
IClock& Clock();

// Installs an implementation (not owned); nullptr puts back the default.
void SetMessages(IMessages* m);
void SetFileDialogs(IFileDialogs* f);
void SetHttp(IHttp* h);
void SetShell(IShell* s);
void SetClock(IClock* c);
}  // namespace Platform
