// Opening a record set over 100,000 rows and filtering it in memory by a like expression,
// beside a bare QSqlQuery loop over the same rows.
#include "BenchUtil.h"
#include "Database.h"
#include "RecordSet.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

namespace {
class TWareRows : public TRecordSet {
public:
    TWareRows()
    {
        AddField(TFieldType::Integer, QStringLiteral("Id"));
        AddField(TFieldType::WideString, QStringLiteral("Code"), 30);
        AddField(TFieldType::WideString, QStringLiteral("Name"), 60);
        AddField(TFieldType::WideString, QStringLiteral("LookId"), 30);
        AddField(TFieldType::Float, QStringLiteral("Price"));
        AddField(TFieldType::DateTime, QStringLiteral("Day"));
    }
};
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    TDatabase& db = GlobalDatabase();
    if (!db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1/bench.db").arg(dir.path()), true)) return 1;
    db.ExecCommand(QStringLiteral("create table ware (Id integer primary key, Code varchar(30), Name varchar(60), "
                                  "LookId varchar(30), Price float, Day date)"));
    db.BeginTrans();
    for (int i = 1; i <= rows; ++i)
        db.Execute(QStringLiteral("insert into ware values (:Id, :Code, :Name, :LookId, :Price, :Day)"),
                   {DBParam("Id", i), DBParam("Code", QStringLiteral("W%1").arg(i, 6, 10, QChar(u'0'))),
                    DBParam("Name", QStringLiteral("货品%1号").arg(i)), DBParam("LookId", QStringLiteral("HP%1").arg(i)),
                    DBParam("Price", i * 0.37), DBParam("Day", QDate(2013, 1, 1).addDays(i % 3650))});
    db.CommitTrans();
    const QString sql = QStringLiteral("select Id, Code, Name, LookId, Price, Day from ware");

    TWareRows set;
    const double open = BestSeconds(3, [&] { set.Open(sql); });
    const double bare = BestSeconds(3, [&] {
        QSqlQuery q(db.Handle());
        q.setForwardOnly(true);
        q.exec(sql);
        QVariant sink;
        while (q.next())
            for (int c = 0; c < 6; ++c) sink = q.value(c);
    });
    Report(QStringLiteral("open %1 rows").arg(rows), open, bare, QStringLiteral("%1 rows/s").arg(qRound64(rows / open)));

    const double filter = BestSeconds(3, [&] {
        set.DataSet()->SetFilter(QStringLiteral("LookId like '%12%'"));
        set.DataSet()->SetFiltered(true);
        set.DataSet()->SetFiltered(false);
    });
    const double bareLike = BestSeconds(3, [&] {
        QSqlQuery q(db.Handle());
        q.setForwardOnly(true);
        q.exec(sql + QStringLiteral(" where LookId like '%12%'"));
        QVariant sink;
        while (q.next())
            for (int c = 0; c < 6; ++c) sink = q.value(c);
    });
    Report(QStringLiteral("client-side like filter"), filter, bareLike, QStringLiteral("%1 rows/s").arg(qRound64(rows / filter)));
    const double sort = BestSeconds(3, [&] {
        set.DataSet()->SetSort(QStringLiteral("Name DESC"));
        set.DataSet()->SetSort(QString());
    });
    Report(QStringLiteral("sort by a Chinese text column"), sort, bare);
    return 0;
}
