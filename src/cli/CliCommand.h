#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "Seams.h"

class TDatabase;

// What every command gets: the global options, its own arguments and the two output streams.
struct TCliContext {
    QString DbFile;        // --db: a SQLite database file
    QString PgConnection;  // --pg: a PostgreSQL connection string
    QStringList Args;      // the arguments after the command name
    QTextStream& Out;
    QTextStream& Err;
    QString UserId = QStringLiteral("sa");  // --user
    QString Password;                       // --password

    bool HasDatabase() const { return !DbFile.isEmpty() || !PgConnection.isEmpty(); }
    // The connection string of the chosen database.
    QString ConnectionString() const;
    // Connects; a SQLite file is created when createFile is set. On failure writes the one-line
    // error and returns false.
    bool Connect(TDatabase& db, bool createFile) const;
    // Logs in as --user with --password on the connected database, as the login dialog does;
    // on failure writes the error and returns false.
    bool Login() const;
    // Writes "mqsalectl: " and the message on one line to stderr; returns the exit code 1.
    int Fail(const QString& message) const;
    // Writes one progress line to stderr.
    void Progress(const QString& text) const;
};

// The messages the models show while a command runs: collected instead of shown, so that a
// refused right or a warning becomes the command's one error line.
class TCliMessages : public IMessages {
public:
    TCliMessages() { Platform::SetMessages(this); }
    ~TCliMessages() override { Platform::SetMessages(nullptr); }
    void Show(TMsgKind, const QString& text) override { Texts << text; }
    bool OkCancel(TMsgKind, const QString& text) override
    {
        Texts << text;
        return false;
    }
    bool YesNo(const QString& text) override
    {
        Texts << text;
        return false;
    }
    bool Input(const QString&, const QString&, QString&) override { return false; }
    // The last message shown, or fallback.
    QString Last(const QString& fallback) const { return Texts.isEmpty() ? fallback : Texts.last(); }
    QStringList Texts;
};

// One command of mqsalectl. Commands return the process exit code: 0 success, 1 failure,
// 2 wrong use.
struct TCliCommand {
    QString Name;
    QString SummaryZh;
    QString SummaryEn;
    QString Usage;  // the arguments after the command name, e.g. "" or "FILE"
    bool NeedsDatabase;
    int (*Run)(TCliContext& context);
};

// Every command, in the order the help lists them.
const QList<TCliCommand>& CliCommands();

// The commands, one file each.
int RunInit(TCliContext& context);
int RunBill(TCliContext& context);
int RunList(TCliContext& context);
// The names list accepts.
QStringList ListNames();
int RunReport(TCliContext& context);
// The names report accepts.
QStringList ReportNames();
