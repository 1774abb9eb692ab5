#pragma once
#include <QString>
#include <QStringList>

enum class TEngine { None, SQLite, PostgreSQL };

// The statements of the system are written once, in one form (brackets, "select top N",
// "select now", Month(...)); this is the only place that knows how each engine wants them.
struct TTranslatedSql {
    QString Text;             // engine-ready text with positional "?" markers
    QStringList ParamNames;   // one entry per "?", in order (a name may repeat)
};

class TSqlDialect {
public:
    static TTranslatedSql Translate(const QString& sql, TEngine engine);
    // The distinct ":Name" markers of a statement, in first-seen order.
    static QStringList ParameterNames(const QString& sql);
};
