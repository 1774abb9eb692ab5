#pragma once
#include "Database.h"
#include "TestSeams.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

// A fresh, empty database on one engine per test: a new SQLite file, or a new database on the
// private PostgreSQL cluster of the test run. The connection is the test thread's
// GlobalDatabase; messages are recorded.
class DbTest : public ::testing::TestWithParam<TEngine> {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs after connecting; fixtures that need the schema install it here.
    virtual void Prepare() {}
    // PostgreSQL: the database each test database is copied from; empty for the server's default.
    // Lets a fixture build its starting database once per test run instead of once per test.
    virtual QString PgTemplate() { return QString(); }

    TDatabase& Db() { return *m_db; }
    TEngine Engine() const { return GetParam(); }
    // A connection string for the same database (for a second workstation).
    QString ConnectionString() const { return m_connectionString; }
    TRecordingMessages Messages;

public:
    // The maintenance connection string of the test cluster; empty when PostgreSQL is absent.
    static QString PgAdminConnection();
    // Fixtures of other libraries can install the schema for every DbTest-based test.
    static std::function<void(TDatabase&)>& SchemaInstaller();

private:
    std::unique_ptr<TDatabase> m_db;
    QTemporaryDir m_dir;
    QString m_connectionString;
    QString m_pgDatabase;
};

void PrintTo(TEngine engine, std::ostream* os);
std::string EngineName(const ::testing::TestParamInfo<TEngine>& info);

// Runs every TEST_P of the fixture on SQLite and on PostgreSQL.
#define MQ_BOTH_ENGINES(Fixture)                                                                        \
    INSTANTIATE_TEST_SUITE_P(Engines, Fixture, ::testing::Values(TEngine::SQLite, TEngine::PostgreSQL), \
                             EngineName)
