#include "Database.h"

#include "MqLib.h"
#include "RecordSet.h"
#include "Seams.h"
#include "SqliteExtensions.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

TDBParameter DBParam(const QString& name, const QVariant& value) { return {name, value}; }
TxDBParameter xDBParam(const QString& name, const QByteArray& stream) { return {name, stream}; }

namespace {
QAtomicInt g_connectionSerial;
TDatabase* g_global = nullptr;
thread_local TDatabase* t_current = nullptr;

const QString kSQLite = QStringLiteral("SQLite");
const QString kPostgreSQL = QStringLiteral("PostgreSQL");
}  // namespace

TDatabase::TDatabase()
    : m_connectionName(QStringLiteral("mq%1").arg(g_connectionSerial.fetchAndAddRelaxed(1)))
{
}

TDatabase::~TDatabase()
{
    m_shared.reset();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

QString TDatabase::ValueOf(const QString& connectionString, const QString& key)
{
    // Item by item, so a key is never found inside another key or inside a value. A value in
    // double quotes may hold ';' (a password); a doubled quote inside stands for one.
    const QString& s = connectionString;
    int i = 0;
    while (i < s.size()) {
        const int eq = s.indexOf(u'=', i);
        const int semi = s.indexOf(u';', i);
        if (eq < 0) return QString();
        if (semi >= 0 && semi < eq) {  // an item without "=": skip it
            i = semi + 1;
            continue;
        }
        const QString name = s.mid(i, eq - i).trimmed();
        int v = eq + 1;
        while (v < s.size() && s[v] == u' ') ++v;
        QString value;
        if (v < s.size() && s[v] == u'"') {
            int j = v + 1;
            for (; j < s.size(); ++j) {
                if (s[j] != u'"') {
                    value += s[j];
                } else if (j + 1 < s.size() && s[j + 1] == u'"') {
                    value += u'"';
                    ++j;
                } else {
                    break;
                }
            }
            const int next = s.indexOf(u';', j);
            i = next < 0 ? int(s.size()) : next + 1;
        } else {
            const int next = s.indexOf(u';', eq + 1);
            value = (next < 0 ? s.mid(eq + 1) : s.mid(eq + 1, next - eq - 1)).trimmed();
            i = next < 0 ? int(s.size()) : next + 1;
        }
        if (name.compare(key, Qt::CaseInsensitive) == 0) return value;
    }
    return QString();
}

TEngine TDatabase::EngineOf(const QString& connectionString)
{
    const QString provider = ValueOf(connectionString, QStringLiteral("Provider"));
    if (provider.compare(kSQLite, Qt::CaseInsensitive) == 0) return TEngine::SQLite;
    if (provider.compare(kPostgreSQL, Qt::CaseInsensitive) == 0) return TEngine::PostgreSQL;
    return TEngine::None;
}

bool TDatabase::Connect(const QString& connectionString, bool createFile)
{
    SetConnected(false);
    m_connectionString = connectionString;
    m_lastConnectError.clear();
    try {
        if (!openFromString(createFile)) throw EDatabaseError(m_lastConnectError);
    } catch (const EDatabaseError& e) {
        m_lastConnectError = e.Message();
        SetConnected(false);
        ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(e.Message()));
    }
    return Connected();
}

bool TDatabase::openFromString(bool createFile)
{
    m_engine = EngineOf(m_connectionString);
    if (m_engine == TEngine::None) {
        m_lastConnectError = QStringLiteral("不支持的数据库提供者: %1")
                                 .arg(ValueOf(m_connectionString, QStringLiteral("Provider")));
        return false;
    }
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    const QString source = GetDataSource();
    if (m_engine == TEngine::SQLite) {
        if (source.isEmpty()) {
            m_lastConnectError = QStringLiteral("没有指定数据库文件");
            return false;
        }
        if (!createFile && !QFileInfo::exists(source)) {
            m_lastConnectError = QStringLiteral("数据库文件不存在: %1").arg(source);
            return false;
        }
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        m_db.setDatabaseName(source);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    } else {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
        m_db.setHostName(source);
        const QString port = ValueOf(m_connectionString, QStringLiteral("Port"));
        if (!port.isEmpty()) m_db.setPort(port.toInt());
        m_db.setDatabaseName(ValueOf(m_connectionString, QStringLiteral("Initial Catalog")));
        m_db.setUserName(ValueOf(m_connectionString, QStringLiteral("User ID")));
        m_db.setPassword(ValueOf(m_connectionString, QStringLiteral("Password")));
        m_db.setConnectOptions(QStringLiteral("connect_timeout=20"));
    }
    m_db.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!m_db.open()) {
        m_lastConnectError = m_db.lastError().text();
        return false;
    }
    m_transLevel = 0;
    if (m_engine == TEngine::SQLite) {
        setupSqlite();
    } else {
        run(QStringLiteral("set client_min_messages to warning"));
    }
    return true;
}

void TDatabase::setupSqlite()
{
    const QVariant handle = m_db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        RegisterSqliteExtensions(*static_cast<sqlite3* const*>(handle.data()));
    }
    run(QStringLiteral("PRAGMA foreign_keys = ON"));
    run(QStringLiteral("PRAGMA journal_mode = WAL"));
    run(QStringLiteral("PRAGMA synchronous = NORMAL"));
    // Reports join large tables by key, which reads pages all over the file: a larger page
    // cache and memory-mapped reads keep those reads from going through the file each time.
    run(QStringLiteral("PRAGMA cache_size = -65536"));
    run(QStringLiteral("PRAGMA mmap_size = 268435456"));
}

void TDatabase::run(const QString& sql)
{
    QSqlQuery q(m_db);
    ++m_statements;
    if (!q.exec(sql)) fail(q.lastError().text(), sql);
}

bool TDatabase::Connected() const { return m_db.isValid() && m_db.isOpen(); }

void TDatabase::SetConnected(bool value)
{
    if (value == Connected()) return;
    if (value) {
        if (!openFromString(false)) throw EDatabaseError(m_lastConnectError);
    } else {
        m_transLevel = 0;
        m_db.close();
    }
}

void TDatabase::ensureOpen()
{
    if (!Connected()) SetConnected(true);
}

void TDatabase::fail(const QString& driverText, const QString& sql) const
{
    throw EDatabaseError(driverText + QStringLiteral("\r\n") + sql);
}

QVariant TDatabase::BindValue(const QVariant& v) const
{
    if (!v.isValid() || v.isNull()) return v;
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    case QMetaType::QDate:
        return m_engine == TEngine::SQLite ? QVariant(v.toDate().toString(QStringLiteral("yyyy-MM-dd"))) : v;
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        if (m_engine != TEngine::SQLite) return dt;
        // Business dates carry no time of day; a midnight value is stored as the date alone.
        if (dt.time() == QTime(0, 0)) return dt.date().toString(QStringLiteral("yyyy-MM-dd"));
        return dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    default:
        return v;
    }
}

bool TDatabase::execute(QSqlQuery& q, const QString& sql, const TDBParameters& params,
                        const TxDBParameters& blobs)
{
    const TTranslatedSql t = TSqlDialect::Translate(sql, m_engine);
    // Statements without markers run directly: PostgreSQL cannot prepare DDL, and it saves a trip.
    if (t.ParamNames.isEmpty() && params.isEmpty() && blobs.isEmpty()) return q.exec(t.Text);
    // Names are matched case-insensitively through hashes, so long multi-row statements bind in
    // linear time; the first parameter of a name wins.
    QSet<QString> markers;
    for (const QString& p : t.ParamNames) markers.insert(p.toLower());
    QHash<QString, int> byName;
    byName.reserve(params.size());
    for (int i = 0; i < params.size(); ++i) {
        const QString key = params[i].Name.toLower();
        if (!markers.contains(key)) fail(QStringLiteral("参数 %1 不在语句中").arg(params[i].Name), sql);
        if (!byName.contains(key)) byName.insert(key, i);
    }
    for (const TxDBParameter& p : blobs)
        if (!markers.contains(p.Name.toLower())) fail(QStringLiteral("参数 %1 不在语句中").arg(p.Name), sql);
    if (!q.prepare(t.Text)) fail(q.lastError().text(), sql);
    for (int i = 0; i < t.ParamNames.size(); ++i) {
        const QString& name = t.ParamNames[i];
        QVariant value;
        bool found = false;
        for (const TxDBParameter& b : blobs) {
            if (b.Name.compare(name, Qt::CaseInsensitive) == 0) {
                value = b.Stream;
                found = true;
                break;
            }
        }
        if (!found) {
            const auto it = byName.constFind(name.toLower());
            if (it != byName.cend()) value = BindValue(params[it.value()].Value);
        }
        q.bindValue(i, value);
    }
    return q.exec();
}

int TDatabase::Execute(const QString& sql, const TDBParameters& params, const TxDBParameters& blobs)
{
    ensureOpen();
    QSqlQuery q(m_db);
    ++m_statements;
    if (!execute(q, sql, params, blobs)) fail(q.lastError().text(), sql);
    return q.numRowsAffected();
}

void TDatabase::ExecCommand(const QString& sql, const TDBParameters& params, const TxDBParameters& blobs)
{
    Execute(sql, params, blobs);
}

QSqlQuery TDatabase::Select(const QString& sql, const TDBParameters& params)
{
    ensureOpen();
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    ++m_statements;
    if (!execute(q, sql, params, {})) fail(q.lastError().text(), sql);
    return q;
}

int TDatabase::BeginTrans()
{
    ensureOpen();
    if (m_transLevel == 0) {
        run(m_engine == TEngine::SQLite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    } else {
        run(QStringLiteral("SAVEPOINT mq_sp%1").arg(m_transLevel + 1));
    }
    return ++m_transLevel;
}

void TDatabase::CommitTrans()
{
    if (m_transLevel <= 0) return;
    if (m_transLevel == 1) {
        m_transLevel = 0;
        run(QStringLiteral("COMMIT"));
    } else {
        const int level = m_transLevel--;
        run(QStringLiteral("RELEASE SAVEPOINT mq_sp%1").arg(level));
    }
}

void TDatabase::RollbackTrans()
{
    if (m_transLevel <= 0) return;
    if (m_transLevel == 1) {
        m_transLevel = 0;
        run(QStringLiteral("ROLLBACK"));
    } else {
        const int level = m_transLevel--;
        run(QStringLiteral("ROLLBACK TO SAVEPOINT mq_sp%1").arg(level));
        run(QStringLiteral("RELEASE SAVEPOINT mq_sp%1").arg(level));
    }
}

void TDatabase::LockForUpdate(const QString& resource)
{
    // SQLite transactions begin IMMEDIATE and so already hold the one write lock.
    if (m_engine != TEngine::PostgreSQL || m_transLevel == 0) return;
    QSqlQuery q = Select(QStringLiteral("select pg_advisory_xact_lock(hashtext(:R))"),
                         {DBParam(QStringLiteral("R"), resource)});
    Q_UNUSED(q);
}

QString TDatabase::GetConnectionValue(const QString& key) const { return ValueOf(m_connectionString, key); }
QString TDatabase::GetProvider() const { return GetConnectionValue(QStringLiteral("Provider")); }
QString TDatabase::GetDataSource() const { return GetConnectionValue(QStringLiteral("Data Source")); }

bool TDatabase::IsSqlServer() const
{
    return EngineOf(m_connectionString) != TEngine::SQLite;
}

QString TDatabase::DateLiteral(const QDate& date) const
{
    return QStringLiteral("'") + date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("'");
}

QString TDatabase::DateLiteral(const QDateTime& date) const { return DateLiteral(date.date()); }

QDateTime TDatabase::ServerTime()
{
    if (Platform::Clock().IsFixed()) return Platform::Clock().Now();
    QSqlQuery q = Select(QStringLiteral("select now"), {});
    if (!q.next()) return QDateTime::currentDateTime();
    const QVariant v = q.value(0);
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime();
    return QDateTime::fromString(v.toString(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

TRecordSet& TDatabase::Shared()
{
    if (!m_shared) m_shared = std::make_unique<TRecordSet>(this);
    return *m_shared;
}

TDatabase& GlobalDatabase()
{
    if (t_current) return *t_current;
    if (!g_global) g_global = new TDatabase;  // lives for the whole run
    return *g_global;
}

void SetThreadDatabase(TDatabase* db) { t_current = db; }

TRecordSet& SharedRecordSet() { return GlobalDatabase().Shared(); }

TTransaction::TTransaction(TDatabase& db) : m_db(db) { m_db.BeginTrans(); }

TTransaction::~TTransaction()
{
    if (m_done) return;
    try {
        m_db.RollbackTrans();
    } catch (...) {
        // the connection may be gone; nothing more can be undone here
    }
}

void TTransaction::Commit()
{
    m_done = true;
    m_db.CommitTrans();
}
