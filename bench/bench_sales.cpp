// The delivery document on a database that already holds 200,000 delivery lines: saving a new
// 100-line delivery, loading it, checking it and saving an edit of 10 of its lines. Each line
// gives the statements the operation ran; the reference is the same writes and reads done by
// bare prepared queries, one statement per row.
#include "BenchUtil.h"
#include "BillAmounts.h"
#include "BillAmounts.h"
#include "Database.h"
#include "Operator.h"
#include "SaleBill.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

namespace {

constexpr int kLines = 100;

RSale newSale(int round)
{
    RSale s;
    s.BizDate = QDate(2013, 1, 15);
    s.ClientId = 1 + round % 50;
    s.DeptId = 1;
    s.SalemanId = 1;
    s.TypeId = 1;
    s.Billman = CurrentOperator().LoginId;
    for (int i = 0; i < kLines; ++i) {
        RSaledl l;
        l.WareId = 1 + (round * kLines + i) % 1000;
        l.UnitName = QStringLiteral("个");
        l.Qty = 1 + i % 7;
        l.Price = 2.5 + i;
        l.Discount = 1;
        l.CostPrice = 1.5;
        l.InnerPrice = 2;
        l.ProfitRate = 3;
        l.dlNote = QStringLiteral("明细%1").arg(i);
        s.Lines << l;
    }
    BillAmounts::Recalc(s);
    return s;
}

// The statements run by op, and its time as the best of runs.
struct TMeasure {
    double Seconds = 1e300;
    quint64 Statements = 0;
};

TMeasure measure(int runs, const std::function<void(int)>& prepare, const std::function<void(int)>& op)
{
    TMeasure m;
    for (int r = 0; r < runs; ++r) {
        prepare(r);
        const quint64 before = GlobalDatabase().StatementCount();
        QElapsedTimer t;
        t.start();
        op(r);
        m.Seconds = std::min(m.Seconds, t.nsecsElapsed() / 1e9);
        m.Statements = GlobalDatabase().StatementCount() - before;
    }
    return m;
}

void require(bool ok, const char* what)
{
    if (!ok) {
        QTextStream(stderr) << "failed: " << what << "\n";
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int existingLines = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200000;
    const int runs = 5;
    QTemporaryDir dir;
    TDatabase& db = GlobalDatabase();
    if (!db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1/bench.db").arg(dir.path()), true)) return 1;
    TSchema::CreateOrUpgrade(db);
    CurrentOperator().LoginId = QStringLiteral("sa");

    // Masters and the existing deliveries (100 lines each, dated 2012) by bulk SQL.
    const int docs = existingLines / kLines;
    db.BeginTrans();
    db.ExecCommand(QStringLiteral("insert into departments(Id, Name) values (1, '销售部')"));
    db.ExecCommand(QStringLiteral("insert into employee(Id, Name) values (1, '业务员')"));
    db.ExecCommand(QStringLiteral("insert into Client(Id, Name) with recursive n(i) as (select 1 union all select i+1 "
                                  "from n where i < 50) select i, '客户' || i from n"));
    db.ExecCommand(QStringLiteral("insert into ware(Id, Code, Name, Unit, CostPrice, InnerPrice, SalePrice1, ProfitRate) "
                                  "with recursive n(i) as (select 1 union all select i+1 from n where i < 1000) "
                                  "select i, 'W' || i, '货品' || i, '个', 1.5, 2, 3, 3 from n"));
    db.ExecCommand(QStringLiteral("insert into sale(Id, Code, BizDate, ClientId, SalemanId, DeptId, TypeId, DiscountFund, "
                                  "TotalFund, Billman, BillTime, Transcosts) with recursive n(i) as (select 1 union all "
                                  "select i+1 from n where i < %1) select i, 'CG12' || substr('00' || (1 + i % 12), -2) "
                                  "|| substr('00000' || i, -5), date('2012-01-01', '+' || (i % 365) || ' days'), "
                                  "1 + i % 50, 1, 1, 1, 0, 1000, 'sa', '2012-06-01 08:00:00', 0 from n")
                       .arg(docs));
    db.ExecCommand(QStringLiteral("insert into saledl(dlId, MastId, WareId, UnitName, UnitRate, Qty, Price, Discount, "
                                  "Fund, dlNote, CostPrice, InnerPrice, ProfitRate) with recursive n(i) as (select 0 "
                                  "union all select i+1 from n where i < %1) select i+1, 1 + i / %2, 1 + i % 1000, '个', "
                                  "1, 1 + i % 7, 2.5, 1, 2.5 * (1 + i % 7), '', 1.5, 2, 3 from n")
                       .arg(docs * kLines - 1)
                       .arg(kLines));
    db.CommitTrans();
    QTextStream(stdout) << QStringLiteral("%1 deliveries with %2 lines in the database\n").arg(docs).arg(docs * kLines);

    QString message;
    QList<RSale> saved;
    const TMeasure save = measure(runs, [](int) {}, [&](int r) {
        RSale s = newSale(r);
        require(TSaleBill::Save(s, message), "save a new delivery");
        saved << s;
    });
    // Reference: one statement per row, prepared once.
    const double saveBare = BestSeconds(runs, [&] {
        QSqlDatabase& h = db.Handle();
        QSqlQuery q(h);
        q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        q.exec(QStringLiteral("select max(Id) from sale"));
        q.next();
        const int id = q.value(0).toInt() + 1;
        q.exec(QStringLiteral("select max(Code) from sale where Code like 'CG9901%'"));
        q.exec(QStringLiteral("insert into sale(Id, Code, BizDate, ClientId, SalemanId, DeptId, TypeId, TotalFund, "
                              "Billman, BillTime) values (%1, 'CG9901%1', '2013-01-15', 1, 1, 1, 1, 0, 'sa', "
                              "'2013-01-15 10:00:00')").arg(id));
        q.exec(QStringLiteral("select max(dlId) from saledl"));
        q.next();
        int dlId = q.value(0).toInt();
        QSqlQuery ins(h);
        ins.prepare(QStringLiteral("insert into saledl(MastId, WareId, WareColor, WareSize, WareProp, UnitName, UnitRate, "
                                   "Qty, Price, Discount, Fund, dlNote, OrdlId, CostPrice, InnerPrice, ProfitRate, dlId) "
                                   "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        const RSale s = newSale(0);
        for (const RSaledl& l : s.Lines) {
            const QVariantList values = {id, l.WareId, QString(), QString(), QString(), l.UnitName, l.UnitRate, *l.Qty,
                                         *l.Price, *l.Discount, *l.Fund, l.dlNote, QVariant(), *l.CostPrice,
                                         *l.InnerPrice, *l.ProfitRate, ++dlId};
            for (int i = 0; i < values.size(); ++i) ins.bindValue(i, values[i]);
            ins.exec();
        }
        q.exec(QStringLiteral("COMMIT"));
    });
    Report(QStringLiteral("save a new %1-line delivery").arg(kLines), save.Seconds, saveBare,
           QStringLiteral("%1 statements").arg(save.Statements));

    RSale loaded;
    const TMeasure load = measure(runs, [](int) {}, [&](int) {
        loaded = RSale();
        loaded.Id = saved.first().Id;
        require(TSaleBill::Load(loaded) && loaded.Lines.size() == kLines, "load");
    });
    const double loadBare = BestSeconds(runs, [&] {
        QSqlQuery q(db.Handle());
        q.setForwardOnly(true);
        q.exec(QStringLiteral("select * from sale where Id=%1").arg(saved.first().Id));
        QVariant sink;
        while (q.next())
            for (int c = 0, n = q.record().count(); c < n; ++c) sink = q.value(c);
        q.exec(QStringLiteral("select * from saledl where MastId=%1 order by dlId").arg(saved.first().Id));
        while (q.next())
            for (int c = 0, n = q.record().count(); c < n; ++c) sink = q.value(c);
    });
    Report(QStringLiteral("load it"), load.Seconds, loadBare, QStringLiteral("%1 statements").arg(load.Statements));

    RSale checking = loaded;
    const TMeasure check = measure(
        runs,
        [&](int) {
            if (checking.Checked()) require(TSaleBill::ToggleCheck(checking), "uncheck");
        },
        [&](int) { require(TSaleBill::ToggleCheck(checking), "check"); });
    require(TSaleBill::ToggleCheck(checking), "uncheck");
    const double checkBare = BestSeconds(runs, [&] {
        QSqlQuery q(db.Handle());
        q.exec(QStringLiteral("select datetime('now','localtime')"));
        q.exec(QStringLiteral("update sale set Checkman='sa', CheckTime='2013-01-15 10:00:00' where Id=-1"));
    });
    Report(QStringLiteral("check it"), check.Seconds, checkBare, QStringLiteral("%1 statements").arg(check.Statements));

    RSale editing = loaded;
    const TMeasure edit = measure(
        runs,
        [&](int r) {
            for (int i = 0; i < 10; ++i) {
                RSaledl& l = editing.Lines[i * 10];
                l.Qty = 50 + r * 10 + i;
                BillAmounts::PostLine(l);
            }
            BillAmounts::Recalc(editing);
        },
        [&](int) { require(TSaleBill::Save(editing, message), "save an edit"); });
    const double editBare = BestSeconds(runs, [&] {
        QSqlDatabase& h = db.Handle();
        QSqlQuery q(h);
        q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        q.exec(QStringLiteral("update sale set TotalFund=TotalFund where Id=%1").arg(editing.Id));
        QSqlQuery upd(h);
        upd.prepare(QStringLiteral("update saledl set Qty=?, Fund=? where dlId=?"));
        for (int i = 0; i < 10; ++i) {
            const RSaledl& l = editing.Lines[i * 10];
            upd.bindValue(0, *l.Qty);
            upd.bindValue(1, *l.Fund);
            upd.bindValue(2, l.dlId);
            upd.exec();
        }
        q.exec(QStringLiteral("COMMIT"));
    });
    Report(QStringLiteral("save an edit of 10 lines"), edit.Seconds, editBare, QStringLiteral("%1 statements").arg(edit.Statements));
    return 0;
}
