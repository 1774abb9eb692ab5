// The goods list with 100,000 goods: opening it, then the pickers' five filter slots applied as
// a user types, keystroke by keystroke, beside the equivalent server-side like query
// (OpenWhere with the same criterion) on the same rows.
#include "BenchUtil.h"
#include "Database.h"
#include "Schema.h"
#include "Ware.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

namespace {
struct TSlot {
    const char* Name;
    void (TWareSet::*Set)(const QString&);
    TField* TWareWhere::*Criterion;
};
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int runs = 3;
    QTemporaryDir dir;
    TDatabase& db = GlobalDatabase();
    if (!db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1/bench.db").arg(dir.path()), true)) return 1;
    TSchema::CreateOrUpgrade(db);

    // 40 top classes with 5 subclasses each; every seventh goods item unclassified.
    db.BeginTrans();
    db.ExecCommand(QStringLiteral(
        "insert into wareclass(Id, Code, Name, SlfId, PrtId) "
        "with recursive n(i) as (select 0 union all select i+1 from n where i < 239) "
        "select i+1, case when i % 6 = 0 then (i+1) || '.' else (i - i % 6 + 1) || '.' || (i+1) || '.' end, "
        "'类别' || (i+1), i+1, case when i % 6 = 0 then 0 else i - i % 6 + 1 end from n"));
    db.ExecCommand(QStringLiteral(
                       "insert into ware(Id, ClassId, Code, Name, LookId, PartNo, Brand, Package, Unit, SalePrice1) "
                       "with recursive n(i) as (select 1 union all select i+1 from n where i < %1) "
                       "select i, case when i % 7 = 0 then null else 1 + i % 240 end, 'W' || i, '货品' || i || '号', "
                       "'HP' || (i * 7919 % 100003), 'M' || (i % 1000) || '×' || (i % 37), '品牌' || (i % 50), "
                       "'箱', '个', i * 0.37 from n")
                       .arg(rows));
    db.CommitTrans();

    TWareSet list;
    const double open = BestSeconds(runs, [&] { list.OpenWhere(); });
    // Reference: the same statement read by a bare query loop.
    const double bare = BestSeconds(runs, [&] {
        QSqlQuery q(db.Handle());
        q.setForwardOnly(true);
        q.exec(list.SqlText());
        QVariant sink;
        while (q.next())
            for (int c = 0, n = q.record().count(); c < n; ++c) sink = q.value(c);
    });
    Report(QStringLiteral("open the goods list (%1 goods)").arg(rows), open, bare,
           QStringLiteral("%1 rows/s").arg(qRound64(rows / open)));

    const TSlot slots[] = {
        {"LookId", &TWareSet::SetLookId, &TWareWhere::LookIdFld},
        {"WareName", &TWareSet::SetWareName, &TWareWhere::WareNameFld},
        {"PartNo", &TWareSet::SetPartNo, &TWareWhere::PartNoFld},
        {"WareCode", &TWareSet::SetWareCode, &TWareWhere::WareCodeFld},
    };
    const QStringList typed{"1", "12", "123", "1234", "12345"};
    TWareSet server;
    for (const TSlot& slot : slots) {
        for (const QString& text : typed) {
            const double local = BestSeconds(runs, [&] { (list.*slot.Set)(text); });
            const int shown = list.RecordCount();
            const double sql = BestSeconds(runs, [&] {
                server.Where()->Reset();
                (server.Where()->*slot.Criterion)->SetValue(text);
                server.OpenWhere();
            });
            Report(QStringLiteral("slot %1, typed \"%2\"").arg(QString::fromLatin1(slot.Name), text), local, sql,
                   QStringLiteral("%1 rows shown, SQL %2").arg(shown).arg(server.RecordCount()));
        }
        (list.*slot.Set)(QString());
    }
    // The class slot is chosen in the tree, not typed: pseudo codes and a class with subclasses.
    for (const QString& code : {QStringLiteral("sys-classed"), QStringLiteral("sys-nulled"), QStringLiteral("7.")}) {
        const double local = BestSeconds(runs, [&] { list.SetClassId(code); });
        const int shown = list.RecordCount();
        const double sql = BestSeconds(runs, [&] {
            server.Where()->Reset();
            server.Where()->CataCodeFld->SetValue(code);
            server.OpenWhere();
        });
        Report(QStringLiteral("slot ClassId, chosen \"%1\"").arg(code), local, sql,
               QStringLiteral("%1 rows shown, SQL %2").arg(shown).arg(server.RecordCount()));
    }
    return 0;
}
