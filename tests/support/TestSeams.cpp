#include "TestSeams.h"

TRecordingMessages::TRecordingMessages() { Platform::SetMessages(this); }
TRecordingMessages::~TRecordingMessages() { Platform::SetMessages(nullptr); }

void TRecordingMessages::Show(TMsgKind, const QString& text) { Texts << text; }

bool TRecordingMessages::OkCancel(TMsgKind, const QString& text)
{
    Texts << text;
    return Answers.isEmpty() ? DefaultAnswer : Answers.dequeue();
}

bool TRecordingMessages::YesNo(const QString& text)
{
    Texts << text;
    return Answers.isEmpty() ? DefaultAnswer : Answers.dequeue();
}

bool TRecordingMessages::Input(const QString&, const QString& prompt, QString& value)
{
    Texts << prompt;
    if (Inputs.isEmpty()) return false;
    value = Inputs.dequeue();
    return true;
}

QStringList TRecordingMessages::Plain() const
{
    QStringList out;
    for (QString t : Texts) {
        while (t.startsWith(u'\r') || t.startsWith(u'\n')) t.remove(0, 1);
        while (t.endsWith(u'\t')) t.chop(1);
        out << t;
    }
    return out;
}

TFixedClock::TFixedClock(const QDateTime& now) : Time(now) { Platform::SetClock(this); }
TFixedClock::~TFixedClock() { Platform::SetClock(nullptr); }

TFakeHttp::TFakeHttp() { Platform::SetHttp(this); }
TFakeHttp::~TFakeHttp() { Platform::SetHttp(nullptr); }

THttpReply TFakeHttp::Get(const QString& url, int)
{
    Urls << url;
    return Reply;
}

THttpReply TFakeHttp::PostForm(const QString& url, const QList<QPair<QString, QString>>& fields, int)
{
    Urls << url;
    Posts << fields;
    return Reply;
}

TRecordingShell::TRecordingShell() { Platform::SetShell(this); }
TRecordingShell::~TRecordingShell() { Platform::SetShell(nullptr); }

bool TRecordingShell::Open(const QString& target)
{
    Opened << target;
    return Result;
}

bool TRecordingShell::Start(const QString& program, const QStringList& args)
{
    Opened << (args.isEmpty() ? program : program + u' ' + args.join(u' '));
    return Result;
}

TScriptedFileDialogs::TScriptedFileDialogs() { Platform::SetFileDialogs(this); }
TScriptedFileDialogs::~TScriptedFileDialogs() { Platform::SetFileDialogs(nullptr); }

QString TScriptedFileDialogs::OpenFile(const QString&, const QString&, const QString&)
{
    return Files.isEmpty() ? QString() : Files.dequeue();
}

QString TScriptedFileDialogs::SaveFile(const QString&, const QString&, const QString&)
{
    return Files.isEmpty() ? QString() : Files.dequeue();
}
