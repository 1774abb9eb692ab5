// The reports on a large database (2,000 clients, 20,000 goods, 100,000 deliveries with 500,000
// lines over ten years): the sales summaries spread over the months of one year and the profit
// summaries, each beside the one bare grouped query that gives the same totals, read by a bare
// query loop. The database is the large demo database named by MQ_BENCH_DB (bench/run builds
// it) or given as the argument; without one, a database of the same size is written here with
// bulk inserts (into the file named, when it does not exist yet).
#include "BenchUtil.h"
#include "Database.h"
#include "ProfitSummary.h"
#include "SaleLists.h"
#include "SaleSummary.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <memory>

namespace {

// Rows per table of the database written here.
constexpr int kClients = 2000;
constexpr int kGoods = 20000;
constexpr int kDeliveries = 100000;
constexpr int kLinesPerDelivery = 5;
constexpr int kSalesmen = 60;
constexpr int kDepartments = 8;
constexpr int kExpenses = 20000;

void run(TDatabase& db, const QString& sql) { db.ExecCommand(sql); }

// Ten years from 2015 to 2024, with the masters the documents need. SQLite's own date
// arithmetic is fine here: this database is only ever SQLite.
void buildDatabase(TDatabase& db)
{
    const auto numbers = [](int n) {
        return QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i < %1) ").arg(n);
    };
    db.BeginTrans();
    run(db, QStringLiteral("insert into departments(Id, Name) ") + numbers(kDepartments)
                + QStringLiteral("select i, '部门' || i from n"));
    run(db, QStringLiteral("insert into employee(Id, Name) ") + numbers(kSalesmen)
                + QStringLiteral("select i, '业务员' || i from n"));
    run(db, QStringLiteral("insert into districts(Id, Code, Name, SlfId, PrtId) ") + numbers(40)
                + QStringLiteral("select i, case when i <= 8 then printf('%02d', i) else printf('%02d%02d', 1 + i % 8, i) end, "
                                 "'地区' || i, i, case when i <= 8 then 0 else 1 + i % 8 end from n"));
    run(db, QStringLiteral("insert into client(Id, Name, Linkman, Tel, DistrictId) ") + numbers(kClients)
                + QStringLiteral("select i, '客户' || i || '有限公司', '联系人' || i, '0571-' || (8000000 + i), 1 + i % 40 from n"));
    run(db, QStringLiteral("insert into wareclass(Id, Code, Name, SlfId, PrtId) ") + numbers(240)
                + QStringLiteral("select i, case when i % 6 = 1 then i || '.' else (i - (i - 1) % 6) || '.' || i || '.' end, "
                                 "'类别' || i, i, case when i % 6 = 1 then 0 else i - (i - 1) % 6 end from n"));
    run(db, QStringLiteral("insert into ware(Id, ClassId, Code, Name, LookId, PartNo, Brand, Package, Unit, CostPrice, "
                           "InnerPrice, SalePrice1, ProfitRate) ")
                + numbers(kGoods)
                + QStringLiteral("select i, case when i % 7 = 0 then null else 1 + i % 240 end, 'W' || i, '货品' || i, "
                                 "'HP' || i, 'M' || (i % 1000), '品牌' || (i % 50), '箱', '个', 1 + i % 90, 1.2 + i % 90, "
                                 "2 + i % 90, i % 15 from n"));
    // Every twentieth delivery is a return; every hundredth has no salesman.
    run(db, QStringLiteral("insert into sale(Id, Code, BizDate, ClientId, SalemanId, DeptId, TypeId, DiscountFund, "
                           "TotalFund, Transcosts) ")
                + numbers(kDeliveries)
                + QStringLiteral("select i, 'CG' || i, date('2015-01-01', '+' || ((i - 1) * 3653 / %1) || ' days'), "
                                 "1 + (i * 7919) % %2, case when i % 100 = 0 then null else 1 + i % %3 end, "
                                 "1 + i % %4, case when i % 20 = 0 then 2 else 1 end, 0, 0, 0 from n")
                      .arg(kDeliveries)
                      .arg(kClients)
                      .arg(kSalesmen)
                      .arg(kDepartments));
    run(db, QStringLiteral("insert into saledl(dlId, MastId, WareId, UnitName, UnitRate, Qty, Price, Discount, Fund, "
                           "CostPrice, InnerPrice, ProfitRate) ")
                + numbers(kDeliveries * kLinesPerDelivery)
                + QStringLiteral("select i, (i - 1) / %1 + 1, 1 + (i * 104729) % %2, '个', case when i % 10 = 0 then 12 "
                                 "else 1 end, q, p, dc, round(q * p * dc, 2), 1 + i % 90, 1.2 + i % 90, i % 15 from "
                                 "(select i, 1 + i % 17 as q, 0.5 + (i * 37 % 10000) / 100.0 as p, case when i % 3 = 0 "
                                 "then 0.9 else 1 end as dc from n)")
                      .arg(kLinesPerDelivery)
                      .arg(kGoods));
    run(db, QStringLiteral("insert into outlay(Id, Code, BizDate, Sign, Fund, SalemanId, DeptId, ClientId) ")
                + numbers(kExpenses)
                + QStringLiteral("select i, 'FY' || i, date('2015-01-01', '+' || ((i - 1) * 3653 / %1) || ' days'), "
                                 "case when i % 10 = 0 then -1 else 1 end, 10 + i % 500, 1 + i % %2, 1 + i % %3, "
                                 "1 + i % %4 from n")
                      .arg(kExpenses)
                      .arg(kSalesmen)
                      .arg(kDepartments)
                      .arg(kClients));
    db.CommitTrans();
    run(db, QStringLiteral("analyze"));
}

// The reference: the grouped statement read by a bare query loop; returns the sum of its
// second column (over the groups with a key unless told otherwise) so the totals can be compared.
double bareAggregate(TDatabase& db, const QString& sql, bool withoutKey = true)
{
    QSqlQuery q = db.Select(sql, {});
    double total = 0;
    QVariant sink;
    const int columns = q.record().count();
    while (q.next()) {
        if (withoutKey || !q.value(0).isNull()) total += q.value(1).toDouble();
        for (int c = 0; c < columns; ++c) sink = q.value(c);
    }
    return total;
}

QString yearCriteria(int year)
{
    return QStringLiteral(" and m.BizDate>='%1-01-01' and m.BizDate<='%1-12-31'").arg(year);
}

void setYear(TSaleWhere* where, int year)
{
    where->Reset();
    if (year > 0) {
        where->BeginDateFld->SetValue(QDate(year, 1, 1));
        where->EndDateFld->SetValue(QDate(year, 12, 31));
    }
}

QString totalsNote(double ours, double reference)
{
    return qAbs(ours - reference) < 0.005 * qMax(1.0, qAbs(reference) / 1e6)
               ? QStringLiteral("totals agree (%1)").arg(ours, 0, 'f', 2)
               : QStringLiteral("TOTALS DIFFER: %1 vs %2").arg(ours, 0, 'f', 2).arg(reference, 0, 'f', 2);
}

// A sales summary of one dimension over the months of a year, beside the bare grouped sum of
// the same line amounts (each rounded to two decimals, as the summary adds them).
void saleSummary(TDatabase& db, int runs, const QString& name, TSaleSumView* view, const QString& key, int year)
{
    std::unique_ptr<TSaleSumView> owner(view);
    setYear(view->Where(), year);
    const double ours = BestSeconds(runs, [&] { view->Compute(); });
    double reference = 0;
    const double bare = BestSeconds(runs, [&] {
        reference = bareAggregate(
            db, QStringLiteral("select %1, sum(round(cast(t.Sign*d.Qty*d.Price as numeric), 2)) from (sale m inner join "
                               "saledl d on m.Id=d.MastId) "
                               "inner join saletype t on t.Id=m.TypeId where 1=1 %2 group by %1")
                    .arg(key, yearCriteria(year)));
    });
    Report(QStringLiteral("sales summary by %1 per month, %2").arg(name).arg(year), ours, bare,
           QStringLiteral("%1 rows, %2").arg(view->DataSet()->RecordCount()).arg(totalsNote(TMqClientDataSet::SumField(view->TotFundFld), reference)));
}

// A profit summary beside the bare grouped sales sums of the same statement.
void profitSummary(TDatabase& db, int runs, const QString& name, TSumBy* set, const QString& key, int year)
{
    std::unique_ptr<TSumBy> owner(set);
    TSaleWhere where;
    setYear(&where, year);
    const double ours = BestSeconds(runs, [&] { set->Compute(&where); });
    double reference = 0;
    const double bare = BestSeconds(runs, [&] {
        reference = bareAggregate(
            db, QStringLiteral("select %1, sum(t.Sign*d.Fund), sum(t.Sign*d.UnitRate*d.Qty), "
                               "sum(t.Sign*d.InnerPrice*d.UnitRate*d.Qty), sum(t.Sign*d.CostPrice*d.UnitRate*d.Qty) "
                               "from sale m, saledl d, saletype t where m.Id=d.MastId and m.TypeId=t.Id %2 group by %1")
                    .arg(key, year > 0 ? yearCriteria(year) : QString()),
            false);
    });
    // The rows hold the members' sales; the shares also count the sales of no member.
    Report(QStringLiteral("profit summary by %1, %2").arg(name, year > 0 ? QString::number(year) : QStringLiteral("all years")),
           ours, bare,
           QStringLiteral("%1 rows, %2").arg(set->DataSet()->RecordCount()).arg(totalsNote(TMqClientDataSet::SumField(set->SaleFundFld), reference)));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = 3;
    QTemporaryDir dir;
    TDatabase& db = GlobalDatabase();
    // A file named on the command line is used when it exists and written otherwise.
    const QString named = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString demo = named.isEmpty() ? qEnvironmentVariable("MQ_BENCH_DB") : named;
    if (!demo.isEmpty() && QFileInfo::exists(demo)) {
        if (!db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1").arg(demo))) return 1;
    } else {
        const QString file = named.isEmpty() ? dir.filePath(QStringLiteral("bench.db")) : named;
        if (!db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1").arg(file), true)) return 1;
        TSchema::CreateOrUpgrade(db);
        QElapsedTimer t;
        t.start();
        buildDatabase(db);
        QTextStream(stderr) << "built the bench database in " << t.elapsed() << " ms\n";
    }
    QSqlQuery last = db.Select(QStringLiteral("select max(BizDate) from sale"), {});
    const int year = last.next() ? TField::ToDate(last.value(0)).year() : 2024;

    saleSummary(db, runs, QStringLiteral("client"), new TSaleSumClient, QStringLiteral("m.ClientId"), year);
    saleSummary(db, runs, QStringLiteral("salesman"), new TSaleSumSaleman, QStringLiteral("m.SalemanId"), year);
    saleSummary(db, runs, QStringLiteral("goods"), new TSaleSumWare, QStringLiteral("d.WareId"), year);
    profitSummary(db, runs, QStringLiteral("salesman"), new TSumBySaleman, QStringLiteral("m.SalemanId"), year);
    profitSummary(db, runs, QStringLiteral("salesman"), new TSumBySaleman, QStringLiteral("m.SalemanId"), 0);
    profitSummary(db, runs, QStringLiteral("client"), new TSumByClient, QStringLiteral("m.ClientId"), year);
    profitSummary(db, runs, QStringLiteral("goods"), new TSumByWare, QStringLiteral("d.WareId"), year);
    return 0;
}
