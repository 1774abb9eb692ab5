#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

class TDatabase;

// What every command gets: the global options, its own arguments and the two output streams.
struct TCliContext {
    QString DbFile;        // --db: a SQLite database file
    QString PgConnection;  // --pg: a PostgreSQL connection string
    QStringList Args;      // the arguments after the command name
    QTextStream& Out;
    QTextStream& Err;

    bool HasDatabase() const { return !DbFile.isEmpty() || !PgConnection.isEmpty(); }
    // The connection string of the chosen database.
    QString ConnectionString() const;
    // Connects; a SQLite file is created when createFile is set. On failure writes the one-line
    // error and returns false.
    bool Connect(TDatabase& db, bool createFile) const;
    // Writes "mqsalectl: " and the message on one line to stderr; returns the exit code 1.
    int Fail(const QString& message) const;
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
