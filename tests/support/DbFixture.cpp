#include "DbFixture.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>

namespace {
QAtomicInt g_serial;
}

void PrintTo(TEngine engine, std::ostream* os) { *os << (engine == TEngine::SQLite ? "SQLite" : "PostgreSQL"); }

std::string EngineName(const ::testing::TestParamInfo<TEngine>& info)
{
    return info.param == TEngine::SQLite ? "SQLite" : "PostgreSQL";
}

QString DbTest::PgAdminConnection()
{
    QFile f(QStringLiteral(MQ_PG_CONN_FILE));
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll()).trimmed();
}

std::function<void(TDatabase&)>& DbTest::SchemaInstaller()
{
    static std::function<void(TDatabase&)> installer;
    return installer;
}

void DbTest::SetUp()
{
    m_db = std::make_unique<TDatabase>();
    if (GetParam() == TEngine::SQLite) {
        ASSERT_TRUE(m_dir.isValid());
        m_connectionString = QStringLiteral("Provider=SQLite;Data Source=%1/test.db").arg(m_dir.path());
        ASSERT_TRUE(m_db->Connect(m_connectionString, true)) << m_db->LastConnectError().toStdString();
    } else {
        const QString admin = PgAdminConnection();
        if (admin.isEmpty())
            GTEST_SKIP() << "PostgreSQL server binaries not found; PostgreSQL test skipped";
        m_pgDatabase = QStringLiteral("mq_t_%1_%2").arg(QCoreApplication::applicationPid()).arg(g_serial.fetchAndAddRelaxed(1));
        {
            TDatabase adminDb;
            ASSERT_TRUE(adminDb.Connect(admin)) << adminDb.LastConnectError().toStdString();
            adminDb.ExecCommand(QStringLiteral("drop database if exists ") + m_pgDatabase);
            const QString source = PgTemplate();
            adminDb.ExecCommand(QStringLiteral("create database ") + m_pgDatabase
                                + (source.isEmpty() ? QString() : QStringLiteral(" template ") + source));
        }
        m_connectionString = admin;
        m_connectionString.replace(QStringLiteral("Initial Catalog=postgres"),
                                   QStringLiteral("Initial Catalog=") + m_pgDatabase);
        ASSERT_TRUE(m_db->Connect(m_connectionString)) << m_db->LastConnectError().toStdString();
    }
    SetThreadDatabase(m_db.get());
    if (SchemaInstaller()) SchemaInstaller()(*m_db);
    Prepare();
}

void DbTest::TearDown()
{
    SetThreadDatabase(nullptr);
    m_db.reset();
    if (!m_pgDatabase.isEmpty()) {
        TDatabase adminDb;
        if (adminDb.Connect(PgAdminConnection())) {
            try {
                adminDb.ExecCommand(QStringLiteral("drop database if exists %1 with (force)").arg(m_pgDatabase));
            } catch (...) {
            }
        }
    }
}
