#pragma once
#include <QString>
#include <QStringList>

// Splits an SQL script into its statements (drivers run one statement per call). Statements end
// at ";" outside string literals, quoted names, comments, PostgreSQL dollar-quoted bodies and
// the begin ... end body of a SQLite trigger. Comments are dropped; empty statements skipped.
namespace SqlScript {
QStringList Split(const QString& script);
}
