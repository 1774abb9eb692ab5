#pragma once
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the built mqsalectl as a script does: arguments, optional standard input, exit code and
// both outputs.
struct TCliRun {
    int ExitCode = -1;
    QString Out;
    QString Err;

    QJsonObject Json() const { return QJsonDocument::fromJson(Out.toUtf8()).object(); }
    // The CSV rows of the output, split on line ends (values in these tests hold no line ends).
    QStringList Lines() const { return Out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts); }
};

inline TCliRun RunCli(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral(MQSALECTL_PATH), args);
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    TCliRun r;
    if (!p.waitForFinished(300000)) return r;
    r.ExitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Out = QString::fromUtf8(p.readAllStandardOutput());
    r.Err = QString::fromUtf8(p.readAllStandardError());
    return r;
}
