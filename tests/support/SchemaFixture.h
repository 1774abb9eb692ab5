#pragma once
#include "DbFixture.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QSqlQuery>
#include <QThread>

// A fresh database with the full schema and seed rows, on each engine (tests link mq_admin).
// On PostgreSQL the schema is built once per test cluster, in a template database named after
// the scripts' content, and every test database is a copy of it.
class SchemaTest : public DbTest {
protected:
    void Prepare() override { TSchema::CreateOrUpgrade(Db()); }  // nothing to do on a copy
    QString PgTemplate() override { return SchemaPgTemplate(); }

public:
    static QString SchemaPgTemplate()
    {
        static const QString name = buildPgTemplate();
        return name;
    }

private:
    static QString scriptsDigest()
    {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        QStringList files;
        QDirIterator it(QStringLiteral(":/schema"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) files << it.next();
        files.sort();
        for (const QString& path : files) {
            QFile f(path);
            if (f.open(QIODevice::ReadOnly)) hash.addData(QByteArray(path.toUtf8() + f.readAll()));
        }
        return QString::fromLatin1(hash.result().toHex().left(12));
    }

    static bool exists(TDatabase& admin, const QString& database)
    {
        QSqlQuery q = admin.Select(QStringLiteral("select count(*) from pg_database where datname=:N"),
                                   {DBParam(QStringLiteral("N"), database)});
        return q.next() && q.value(0).toInt() > 0;
    }

    // Runs a statement that needs the database to be free of sessions; a session that just
    // closed may still be registered for a moment.
    static bool retry(TDatabase& admin, const QString& sql)
    {
        for (int attempt = 0; attempt < 50; ++attempt) {
            try {
                admin.ExecCommand(sql);
                return true;
            } catch (const EDatabaseError&) {
                QThread::msleep(100);
            }
        }
        return false;
    }

    // Empty when the template cannot be built: each test then creates the schema itself.
    static QString buildPgTemplate()
    {
        const QString adminConnection = PgAdminConnection();
        if (adminConnection.isEmpty()) return QString();
        const QString name = QStringLiteral("mq_schema_") + scriptsDigest();
        try {
            TDatabase admin;
            if (!admin.Connect(adminConnection)) return QString();
            if (exists(admin, name)) return name;
            // Built under a name of its own and renamed when complete, so other test processes
            // never copy a half-built template.
            const QString work = name + QStringLiteral("_%1").arg(QCoreApplication::applicationPid());
            admin.ExecCommand(QStringLiteral("drop database if exists ") + work);
            admin.ExecCommand(QStringLiteral("create database ") + work);
            {
                TDatabase db;
                QString connection = adminConnection;
                connection.replace(QStringLiteral("Initial Catalog=postgres"), QStringLiteral("Initial Catalog=") + work);
                if (!db.Connect(connection)) return QString();
                TSchema::CreateOrUpgrade(db);
            }
            if (!retry(admin, QStringLiteral("alter database %1 rename to %2").arg(work, name))) {
                retry(admin, QStringLiteral("drop database if exists %1").arg(work));
                return exists(admin, name) ? name : QString();  // another process was quicker
            }
            return name;
        } catch (const std::exception&) {
            return QString();
        }
    }
};
