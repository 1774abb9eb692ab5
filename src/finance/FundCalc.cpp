#include "FundCalc.h"

#include "Criteria.h"
#include "Database.h"
#include "Field.h"
#include "Numbers.h"
#include "ReceivableSql.h"

#include <QList>
#include <QSqlQuery>
#include <QVector>

namespace {

struct TWindow {
    TDateBound Begin;
    TDateBound End;
    bool Empty = false;  // takes in nothing
};

// One summed amount: its expression and the date column that places it in a window.
struct TMeasure {
    QString Expr;
    QString DateColumn;
};

QString windowCondition(const QString& column, const TWindow& w)
{
    TCriteria c;
    if (w.Begin) c.Date(column, QStringLiteral(">="), *w.Begin);
    if (w.End) c.Date(column, QStringLiteral("<="), *w.End);
    return c.IsEmpty() ? QStringLiteral("1=1") : c.Conditions();
}

// Per client: measure m in window w at index m * windows + w. One grouped query over the whole
// table; amounts are money (four decimals) so that engines agree and sums free of binary noise
// compare with 0.
QHash<int, QVector<double>> groupedSums(const QString& from, const QString& clientColumn, const QString& deptColumn,
                                        int clientId, int deptId, const QList<TMeasure>& measures,
                                        const QList<TWindow>& windows)
{
    QStringList sums;
    QList<int> slots;
    for (int m = 0; m < measures.size(); ++m) {
        for (int w = 0; w < windows.size(); ++w) {
            if (windows[w].Empty) continue;
            sums << QStringLiteral("sum(case when %1 then %2 end)")
                        .arg(windowCondition(measures[m].DateColumn, windows[w]), measures[m].Expr);
            slots << m * int(windows.size()) + w;
        }
    }
    QHash<int, QVector<double>> result;
    if (sums.isEmpty()) return result;
    TCriteria where;
    where.Id(clientColumn, clientId);
    where.Id(deptColumn, deptId);
    // Grouping by +column reads the table in its own order and sorts the rows: walking a
    // large table in the order of its client index costs a random read per row.
    QSqlQuery q = GlobalDatabase().Select(QStringLiteral("select +%1, %2 from %3 where 1=1%4 group by +%1")
                                              .arg(clientColumn, sums.join(QStringLiteral(", ")), from, where.Text()),
                                          {});
    const int width = int(measures.size() * windows.size());
    while (q.next()) {
        if (q.isNull(0)) continue;  // documents without a client belong to nobody's balance
        QVector<double>& row = result[TField::ToInt(q.value(0))];
        if (row.isEmpty()) row.resize(width);
        for (int i = 0; i < slots.size(); ++i) row[slots[i]] += Numbers::RoundHalfEven(TField::ToFloat(q.value(i + 1)), 4);
    }
    return result;
}

QList<TWindow> threeWindows(const TFundWindows& w)
{
    TWindow opening;
    if (w.Begin) opening.End = w.Begin->addDays(-1);
    else opening.Empty = true;
    return {opening, TWindow{w.Begin, w.End}, TWindow{std::nullopt, w.End}};
}

// Fills one calculator per window from the three movement sources.
void prepareMovements(int clientId, int deptId, const QList<TWindow>& windows, const QList<QHash<int, RShldinTotals>*>& out)
{
    using namespace ReceivableSql;
    for (QHash<int, RShldinTotals>* totals : out) totals->clear();
    const int n = int(windows.size());
    const auto take = [&](const QHash<int, QVector<double>>& sums, auto assign) {
        for (auto it = sums.cbegin(); it != sums.cend(); ++it)
            for (int w = 0; w < n; ++w) assign((*out[w])[it.key()], it.value(), w);
    };
    take(groupedSums(QStringLiteral("sale m left join saletype t on m.TypeId=t.Id"), QStringLiteral("m.ClientId"),
                     QStringLiteral("m.DeptId"), clientId, deptId, {{SaleAmount(), QStringLiteral("m.BizDate")}},
                     windows),
         [](RShldinTotals& t, const QVector<double>& v, int w) { t.Increase += v[w]; });
    take(groupedSums(QStringLiteral("shouldin m"), QStringLiteral("m.ClientId"), QStringLiteral("m.DeptId"), clientId,
                     deptId, {{ShldinAmount(), QStringLiteral("m.BizDate")}}, windows),
         [](RShldinTotals& t, const QVector<double>& v, int w) { t.Increase += v[w]; });
    take(groupedSums(QStringLiteral("receipt m"), QStringLiteral("m.ClientId"), QStringLiteral("m.DeptId"), clientId,
                     deptId,
                     {{ReceiptAdvance(), QStringLiteral("m.BizDate")}, {ReceiptDecrease(), QStringLiteral("m.BizDate")}},
                     windows),
         [n](RShldinTotals& t, const QVector<double>& v, int w) {
             t.Advance += v[w];
             t.Decrease += v[n + w];
         });
}

void prepareInvoices(int clientId, int deptId, const QList<TWindow>& windows, const QList<QHash<int, RInvTotals>*>& out)
{
    for (QHash<int, RInvTotals>* totals : out) totals->clear();
    // First per delivery, reading its lines in the order of their delivery index: the lines on
    // no invoice, and the invoiced lines per window of their invoice's date (a line counts once
    // per invoice line pointing at it). Then per client, the deliveries by their type's sign,
    // the lines on no invoice placed by the delivery's date.
    QStringList inner{QStringLiteral("sum(case when id.dlId is null then d.Fund end) as u")};
    QStringList outer;
    QList<int> live;
    for (int w = 0; w < windows.size(); ++w) {
        if (windows[w].Empty) continue;
        live << w;
        inner << QStringLiteral("sum(case when id.dlId is not null and %1 then d.Fund end) as i%2")
                     .arg(windowCondition(QStringLiteral("im.InvDate"), windows[w]))
                     .arg(w);
        outer << QStringLiteral("sum(t.Sign*x.i%1)").arg(w)
              << QStringLiteral("sum(case when %1 then t.Sign*x.u end)").arg(windowCondition(QStringLiteral("m.BizDate"), windows[w]));
    }
    if (live.isEmpty()) return;
    TCriteria sales;
    sales.Id(QStringLiteral("s.ClientId"), clientId);
    sales.Id(QStringLiteral("s.DeptId"), deptId);
    const QString only = sales.IsEmpty()
                             ? QString()
                             : QStringLiteral(" where d.MastId in (select s.Id from sale s %1)").arg(sales.Where());
    QSqlQuery q = GlobalDatabase().Select(
        QStringLiteral("select +m.ClientId, %1 from ((select d.MastId as MastId, %2 from (saledl d left join slinvfrmdl "
                       "id on d.dlId=id.SaledlId) left join slinvfrm im on id.MastId=im.Id%3 group by d.MastId) x cross "
                       "join sale m) left join saletype t on m.TypeId=t.Id where m.Id=x.MastId group by +m.ClientId")
            .arg(outer.join(QStringLiteral(", ")), inner.join(QStringLiteral(", ")), only),
        {});
    while (q.next()) {
        if (q.isNull(0)) continue;
        const int client = TField::ToInt(q.value(0));
        for (int k = 0; k < live.size(); ++k) {
            RInvTotals& t = (*out[live[k]])[client];
            t.Invoiced += Numbers::RoundHalfEven(TField::ToFloat(q.value(1 + 2 * k)), 4);
            t.Uninvoiced += Numbers::RoundHalfEven(TField::ToFloat(q.value(2 + 2 * k)), 4);
        }
    }
}

}  // namespace

// --- TShldinFundCalc ---------------------------------------------------------------------------

void TShldinFundCalc::Prepare(int clientId, int deptId, const TDateBound& end, const TDateBound& begin)
{
    prepareMovements(clientId, deptId, {TWindow{begin, end}}, {&m_totals});
}

void TShldinFundCalc::PrepareWindows(int clientId, int deptId, const TFundWindows& windows, TShldinFundCalc& opening,
                                     TShldinFundCalc& period, TShldinFundCalc& closing)
{
    prepareMovements(clientId, deptId, threeWindows(windows), {&opening.m_totals, &period.m_totals, &closing.m_totals});
}

RShldinTotals TShldinFundCalc::Totals(int clientId) const { return m_totals.value(clientId); }

void TShldinFundCalc::Totals(int clientId, double& advance, double& decrease, double& increase) const
{
    const RShldinTotals t = Totals(clientId);
    advance = t.Advance;
    decrease = t.Decrease;
    increase = t.Increase;
}

// --- TInvFundCalc ------------------------------------------------------------------------------

void TInvFundCalc::Prepare(int clientId, int deptId, const TDateBound& end, const TDateBound& begin)
{
    prepareInvoices(clientId, deptId, {TWindow{begin, end}}, {&m_totals});
}

void TInvFundCalc::PrepareWindows(int clientId, int deptId, const TFundWindows& windows, TInvFundCalc& opening,
                                  TInvFundCalc& period, TInvFundCalc& closing)
{
    prepareInvoices(clientId, deptId, threeWindows(windows), {&opening.m_totals, &period.m_totals, &closing.m_totals});
}

RInvTotals TInvFundCalc::Totals(int clientId) const { return m_totals.value(clientId); }

void TInvFundCalc::Totals(int clientId, double& invoiced, double& uninvoiced) const
{
    const RInvTotals t = Totals(clientId);
    invoiced = t.Invoiced;
    uninvoiced = t.Uninvoiced;
}
