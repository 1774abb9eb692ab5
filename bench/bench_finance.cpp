// Receivables on a large database (2,000 clients, 20,000 goods, 100,000 deliveries with about
// 500,000 lines, receipts, invoices, other receivables over ten years): the receivable summary
// of every client for the last year, the statement and the detail ledger of the busiest client
// over all ten years, and the outstanding amounts of the deliveries, each beside the one bare
// aggregate statement that gives the same totals, read by a bare query loop. The database is the
// large demo database named by MQ_BENCH_DB (bench/run builds it) or given as the argument;
// without one, the demo generator writes it here (into the file named, when it does not exist).
#include "BenchUtil.h"
#include "Database.h"
#include "DemoData.h"
#include "SaleGathering.h"
#include "SaleLists.h"
#include "Schema.h"
#include "ShldinBook.h"
#include "ShldinFundSet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <cmath>

namespace {

// The bare reference: the statement read by a plain query loop; returns the sums of its
// numeric columns after the first so the totals can be compared.
QList<double> bareAggregate(TDatabase& db, const QString& sql)
{
    QSqlQuery q = db.Select(sql, {});
    const int columns = q.record().count();
    QList<double> totals(qMax(0, columns - 1), 0.0);
    QVariant sink;
    while (q.next()) {
        sink = q.value(0);
        for (int c = 1; c < columns; ++c) totals[c - 1] += TField::ToFloat(q.value(c));
    }
    return totals;
}

QString agree(const QList<double>& ours, const QList<double>& reference)
{
    QStringList parts;
    bool same = ours.size() == reference.size();
    for (int i = 0; i < ours.size(); ++i) {
        parts << QString::number(ours[i], 'f', 2);
        if (same) same = std::fabs(ours[i] - reference[i]) < 0.005 * qMax(1.0, std::fabs(reference[i]) / 1e6);
    }
    QStringList refs;
    for (double r : reference) refs << QString::number(r, 'f', 2);
    return same ? QStringLiteral("totals agree (%1)").arg(parts.join(u'/'))
                : QStringLiteral("TOTALS DIFFER: %1 vs %2").arg(parts.join(u'/'), refs.join(u'/'));
}

double sum(const TField* f) { return TMqClientDataSet::SumField(f); }

// The balance of a statement's opening row.
double opening(TShldinBook& book)
{
    book.DataSet()->First();
    return book.BalanceFld->AsFloat();
}

QString literal(const QDate& d) { return QStringLiteral("'%1'").arg(d.toString(QStringLiteral("yyyy-MM-dd"))); }

// Each client's balance at the end of the period and its invoiced and not-invoiced delivery
// lines: the closing columns of the summary, in one grouped statement.
QString closingAggregate(const QDate& end)
{
    const QString e = literal(end);
    return QStringLiteral(
               "select ClientId, sum(b), sum(i), sum(u) from ("
               "select m.ClientId, t.Sign*m.TotalFund as b, 0 as i, 0 as u from sale m left join saletype t on "
               "m.TypeId=t.Id where m.BizDate<=%1 "
               "union all select ClientId, Sign*Fund, 0, 0 from shouldin where BizDate<=%1 "
               "union all select ClientId, -Sign*(coalesce(Prefund,0)+coalesce(PayFund,0)+coalesce(OtherFund,0)+"
               "coalesce(DisFund,0)), 0, 0 from receipt where BizDate<=%1 "
               "union all select m.ClientId, 0, case when id.dlId is not null and im.InvDate<=%1 then t.Sign*d.Fund end, "
               "case when id.dlId is null and m.BizDate<=%1 then t.Sign*d.Fund end from ((((saledl d inner join sale m "
               "on d.MastId=m.Id) left join saletype t on m.TypeId=t.Id) left join slinvfrmdl id on "
               "d.dlId=id.SaledlId) left join slinvfrm im on id.MastId=im.Id)) x group by ClientId")
        .arg(e);
}

// A client's opening balance and its increases and decreases over the period, as the statement
// adds them up.
QString statementAggregate(int client, const QDate& begin, const QDate& end)
{
    const QString w = QStringLiteral(" and ClientId=%1 and BizDate<=%2").arg(client).arg(literal(end));
    return QStringLiteral(
               "select 1, sum(case when BizDate<%2 then x else 0 end), sum(case when BizDate>=%2 and x>0 then x else 0 end), "
               "sum(case when BizDate>=%2 and x<0 then -x else 0 end) from ("
               "select BizDate, t.Sign*TotalFund as x from sale, saletype t where sale.TypeId=t.Id%1 "
               "union all select BizDate, Sign*Fund from shouldin where 1=1%1 "
               "union all select BizDate, -Sign*(coalesce(PayFund,0)+coalesce(OtherFund,0)+coalesce(Prefund,0)) from "
               "receipt where 1=1%1 "
               "union all select BizDate, -Sign*DisFund from receipt where DisFund<>0%1) s")
        .arg(w, literal(begin));
}

// The same for the ledger: the delivery lines, freight and discounts instead of the totals.
QString ledgerAggregate(int client, const QDate& begin, const QDate& end)
{
    const QString w = QStringLiteral(" and m.ClientId=%1 and m.BizDate<=%2").arg(client).arg(literal(end));
    return QStringLiteral(
               "select 1, sum(case when BizDate<%2 then x else 0 end), sum(case when BizDate>=%2 and x>0 then x else 0 end), "
               "sum(case when BizDate>=%2 and x<0 then -x else 0 end) from ("
               "select m.BizDate, t.Sign*d.Fund as x from ((sale m inner join saledl d on m.Id=d.MastId) inner join "
               "saletype t on m.TypeId=t.Id) left join slinvfrmdl id on id.SaledlId=d.dlId where 1=1%1 "
               "union all select m.BizDate, t.Sign*m.Transcosts from sale m, saletype t where m.TypeId=t.Id and "
               "m.Transcosts<>0%1 "
               "union all select m.BizDate, -t.Sign*m.DiscountFund from sale m, saletype t where m.TypeId=t.Id and "
               "m.DiscountFund<>0%1 "
               "union all select m.BizDate, m.Sign*m.Fund from shouldin m where 1=1%1 "
               "union all select m.BizDate, -m.Sign*(coalesce(m.PayFund,0)+coalesce(m.OtherFund,0)+coalesce(m.Prefund,0)) "
               "from receipt m where 1=1%1 "
               "union all select m.BizDate, -m.Sign*m.DisFund from receipt m where m.DisFund<>0%1) s")
        .arg(w, literal(begin));
}

// Every delivery's signed total and what receipts allocated to it.
QString gatheringAggregate(int client)
{
    const QString c = client > 0 ? QStringLiteral(" and m.ClientId=%1").arg(client) : QString();
    return QStringLiteral(
               "select m.Id, t.Sign*m.TotalFund, r.p, r.d from (sale m left join saletype t on m.TypeId=t.Id) left join "
               "(select d.SaleCode, sum(h.Sign*d.dlPayFund) as p, sum(h.Sign*d.dlDisFund) as d from receiptdl d inner "
               "join receipt h on d.MastId=h.Id group by d.SaleCode) r on r.SaleCode=m.Code where exists (select 1 from "
               "saledl l where l.MastId=m.Id)%1")
        .arg(c);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = 3;
    QTemporaryDir dir;
    TDatabase& db = GlobalDatabase();
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
        TDemoOptions options;
        options.Size = TDemoSize::Large;
        MqDemo::Fill(db, options);
        db.ExecCommand(QStringLiteral("analyze"));
        QTextStream(stderr) << "built the bench database in " << t.elapsed() << " ms\n";
    }

    QDate first, last;
    {
        QSqlQuery q = db.Select(QStringLiteral("select min(BizDate), max(BizDate) from sale"), {});
        if (q.next()) {
            first = TField::ToDate(q.value(0));
            last = TField::ToDate(q.value(1));
        }
    }
    if (!last.isValid()) return 1;
    int busiest = 0;
    {
        QSqlQuery q = db.Select(QStringLiteral("select top 1 ClientId, count(*) from sale group by ClientId order by count(*) desc"), {});
        if (q.next()) busiest = q.value(0).toInt();
    }

    // The receivable summary of every client for the last year.
    {
        const QDate begin(last.year(), 1, 1), end(last.year(), 12, 31);
        TShldinFundSet set;
        set.Where->BeginDateFld->SetValue(begin);
        set.Where->EndDateFld->SetValue(end);
        const double ours = BestSeconds(runs, [&] { set.Compute(); });
        QList<double> reference;
        const double bare = BestSeconds(runs, [&] { reference = bareAggregate(db, closingAggregate(end)); });
        Report(QStringLiteral("receivable summary, %1 clients, %2").arg(set.DataSet()->RecordCount()).arg(last.year()), ours,
               bare,
               agree({sum(set.BalanceFundFld), sum(set.InvFundZFld), sum(set.UinvFundZFld)}, reference));
    }

    // The busiest client's statement and ledger over every year.
    {
        TShldinBook book;
        const double ours = BestSeconds(runs, [&] { book.Compute(busiest, last, first); });
        QList<double> reference;
        const double bare = BestSeconds(runs, [&] { reference = bareAggregate(db, statementAggregate(busiest, first, last)); });
        Report(QStringLiteral("statement of one client, %1 rows, %2 years").arg(book.DataSet()->RecordCount()).arg(last.year() - first.year() + 1),
               ours, bare, agree({opening(book), sum(book.InFundFld), sum(book.OutFundFld)}, reference));
    }
    {
        TShldinBookdl ledger;
        const double ours = BestSeconds(runs, [&] { ledger.Compute(busiest, last, first); });
        QList<double> reference;
        const double bare = BestSeconds(runs, [&] { reference = bareAggregate(db, ledgerAggregate(busiest, first, last)); });
        Report(QStringLiteral("detail ledger of one client, %1 rows").arg(ledger.DataSet()->RecordCount()), ours, bare,
               agree({opening(ledger), sum(ledger.InFundFld), sum(ledger.OutFundFld)}, reference));
    }

    // Outstanding amounts: every delivery (收款汇总表), and one client's (the receipt picker).
    for (int client : {0, busiest}) {
        TSaleGathering gathering;
        TSaleWhere where;
        if (client > 0) where.ClientIdFld->SetValue(client);
        const double ours = BestSeconds(runs, [&] { gathering.Open(&where); });
        QList<double> reference;
        const double bare = BestSeconds(runs, [&] { reference = bareAggregate(db, gatheringAggregate(client)); });
        Report(QStringLiteral("outstanding amounts, %1 deliveries").arg(gathering.DataSet()->RecordCount()), ours, bare,
               agree({sum(gathering.TotalFundFld), sum(gathering.PaymentFundFld), sum(gathering.DiscountFundFld)}, reference));
    }
    return 0;
}
