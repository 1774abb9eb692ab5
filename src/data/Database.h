#pragma once
#include "Errors.h"
#include "SqlDialect.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <memory>

// One named value of a statement, matched to its ":Name" marker.
struct TDBParameter {
    QString Name;
    QVariant Value;
};

// One named binary value of a statement.
struct TxDBParameter {
    QString Name;
    QByteArray Stream;
};

using TDBParameters = QList<TDBParameter>;
using TxDBParameters = QList<TxDBParameter>;

TDBParameter DBParam(const QString& name, const QVariant& value);
TxDBParameter xDBParam(const QString& name, const QByteArray& stream);

class QSqlQuery;
class TRecordSet;

// The one connection of a workstation. Statements are written once in the system's own form;
// the dialect of the engine in use is applied here and nowhere else.
class TDatabase {
public:
    TDatabase();
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    // Opens the database named by the connection string. A failure is shown to the user and
    // yields false. SQLite files are opened only when they exist, unless createFile is set.
    bool Connect(const QString& connectionString, bool createFile = false);
    bool Connected() const;
    void SetConnected(bool value);
    QString LastConnectError() const { return m_lastConnectError; }

    int Execute(const QString& sql, const TDBParameters& params = {}, const TxDBParameters& blobs = {});
    void ExecCommand(const QString& sql, const TDBParameters& params = {}, const TxDBParameters& blobs = {});

    int BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    int TransLevel() const { return m_transLevel; }

    // Serialises a write-critical section (new Ids and codes) among workstations until the
    // current transaction ends.
    void LockForUpdate(const QString& resource);

    QString ConnectionString() const { return m_connectionString; }
    QString GetConnectionValue(const QString& key) const;
    QString GetProvider() const;
    QString GetDataSource() const;
    bool IsSqlServer() const;
    TEngine Engine() const { return m_engine; }

    QString DateLiteral(const QDateTime& date) const;
    QString DateLiteral(const QDate& date) const;
    QDateTime ServerTime();

    // Runs a row-returning statement and hands back the active query (used by record sets).
    QSqlQuery Select(const QString& sql, const TDBParameters& params);
    // Converts a value for binding: dates as the engine stores them, booleans as 0/1.
    QVariant BindValue(const QVariant& value) const;

    TRecordSet& Shared();
    QSqlDatabase& Handle() { return m_db; }
    quint64 StatementCount() const { return m_statements; }

    static TEngine EngineOf(const QString& connectionString);
    static QString ValueOf(const QString& connectionString, const QString& key);

private:
    void ensureOpen();
    bool openFromString(bool createFile);
    bool execute(QSqlQuery& q, const QString& sql, const TDBParameters& params, const TxDBParameters& blobs);
    [[noreturn]] void fail(const QString& driverText, const QString& sql) const;
    void setupSqlite();
    void run(const QString& sql);

    QString m_connectionName;
    QString m_connectionString;
    QString m_lastConnectError;
    QSqlDatabase m_db;
    TEngine m_engine = TEngine::None;
    int m_transLevel = 0;
    quint64 m_statements = 0;
    std::unique_ptr<TRecordSet> m_shared;
};

// The connection every Part uses. A thread may put another one in place (tests that play two
// workstations); otherwise it is the process-wide instance.
TDatabase& GlobalDatabase();
void SetThreadDatabase(TDatabase* db);
// The record set of one-off queries; its result is valid only until the next one-off query.
TRecordSet& SharedRecordSet();

// Runs a statement in a transaction scope: commits when the scope is committed, rolls back
// otherwise (also when an exception leaves the scope).
class TTransaction {
public:
    explicit TTransaction(TDatabase& db = GlobalDatabase());
    ~TTransaction();
    void Commit();

private:
    TDatabase& m_db;
    bool m_done = false;
};
