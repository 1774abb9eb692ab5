// The documents of the small demo, made as an operator makes them in the entry windows: lines
// from goods or order lines, amounts by the document classes, saved and checked through them.
// The sales clerk (wangjing) makes the sales documents and the accountant (liuyang) checks them
// and makes the finance documents.
#include "BillAmounts.h"
#include "DemoRandom.h"
#include "DemoWriter.h"
#include "Errors.h"
#include "Numbers.h"
#include "OrderBill.h"
#include "Operator.h"
#include "QuotBill.h"
#include "SaleBill.h"

namespace {

// Acts as another operator for a while; the previous one returns at the end of the scope.
class TActAs {
public:
    explicit TActAs(const QString& loginId) : m_previous(CurrentOperator().LoginId) { CurrentOperator().LoadOperator(loginId); }
    ~TActAs() { CurrentOperator().LoadOperator(m_previous); }

private:
    QString m_previous;
};

template <class R, class Bill>
void SaveOrFail(R& rec)
{
    QString message;
    if (!Bill::Save(rec, message)) throw EMqError(QStringLiteral("保存演示单据失败: %1").arg(message));
}

template <class R, class Bill>
void Check(R& rec)
{
    TActAs checker(QStringLiteral("liuyang"));
    if (!Bill::ToggleCheck(rec)) throw EMqError(QStringLiteral("审核演示单据失败: %1").arg(rec.Code));
}

class TSmallDocs {
public:
    TSmallDocs(const TDemoMasters& m, const TDemoIds& ids, quint32 seed, const QDate& end)
        : m_m(m), m_ids(ids), m_random(seed ^ 0x3C3C7788u), m_end(end)
    {
    }

    void Run(const TDemoProgress& progress)
    {
        TActAs clerk(QStringLiteral("wangjing"));
        makeQuotations();
        makeOrders();
        makeDeliveries();
        if (progress) progress(QStringLiteral("销售单据"), m_sales.size(), m_sales.size());
    }

private:
    QDate day(int daysBeforeEnd) const
    {
        QDate d = m_end.addDays(-daysBeforeEnd);
        return d.dayOfWeek() == 7 ? d.addDays(-1) : d;
    }

    int clientId(int c) const { return m_ids.Clients.at(c % m_ids.Clients.size()); }

    // A goods item the client buys.
    int wareFor(int c)
    {
        const TDemoClient& client = m_m.Clients.at(c % m_m.Clients.size());
        for (int t : client.Tops) {
            const auto range = m_m.TopWares.at(t);
            if (range.second > 0) return m_ids.Wares.at(range.first + m_random.Int(0, range.second - 1));
        }
        return m_ids.Wares.at(m_random.Int(0, int(m_ids.Wares.size()) - 1));
    }

    template <class R>
    void fillHead(R& rec, int c, int daysBeforeEnd)
    {
        const TDemoClient& client = m_m.Clients.at(c % m_m.Clients.size());
        rec.BizDate = day(daysBeforeEnd);
        rec.ClientId = clientId(c);
        rec.SalemanId = m_ids.Saleman(m_m, client.Saleman);
        rec.DeptId = m_ids.SalemanDept(m_m, client.Saleman);
    }

    double qtyFor() { return m_random.Int(1, 12) * (m_random.Chance(0.3) ? 10 : 1); }

    void makeQuotations()
    {
        for (int q = 0; q < 4; ++q) {
            RQuot quot = TQuotBill::NewRecord();
            fillHead(quot, q, 80 - q * 6);
            quot.TimeLimit = quot.BizDate.addDays(30);
            for (int k = 0, n = m_random.Int(2, 4); k < n; ++k) {
                std::optional<RQuotdl> line = TQuotBill::LineFromWare(quot, wareFor(q));
                if (!line) continue;
                line->Qty = qtyFor();
                line->Price = priceOf(line->WareId);
                quot.Lines.append(*line);
            }
            BillAmounts::Recalc(quot, TDecimals::Configured());
            SaveOrFail<RQuot, TQuotBill>(quot);
            if (q < 3) Check<RQuot, TQuotBill>(quot);
            m_quots.append(quot);
        }
    }

    double priceOf(int wareId) const
    {
        const int index = int(m_ids.Wares.indexOf(wareId));
        const RWare& w = m_m.Wares.at(index).Rec;
        return w.SalePrice1.value_or(0.0);
    }

    void makeOrders()
    {
        // Two quotations became orders; three orders came in directly.
        for (int q = 0; q < 2; ++q) {
            ROrder order = TOrderBill::CreateFromQuot(m_quots.at(q));
            order.BizDate = m_quots.at(q).BizDate.addDays(5);
            BillAmounts::Recalc(order, TDecimals::Configured());
            SaveOrFail<ROrder, TOrderBill>(order);
            Check<ROrder, TOrderBill>(order);
            m_orders.append(order);
        }
        for (int o = 0; o < 3; ++o) {
            ROrder order = TOrderBill::NewRecord();
            fillHead(order, o + 4, 60 - o * 10);
            order.TimeLimit = order.BizDate.addDays(14);
            order.TypeId = o == 2 ? 2 : 1;
            for (int k = 0, n = m_random.Int(2, 4); k < n; ++k) {
                std::optional<ROrderdl> line = TOrderBill::LineFromWare(order, wareFor(o + 4));
                if (!line) continue;
                line->Qty = qtyFor();
                line->Discount = k == 0 ? 0.95 : 1.0;
                order.Lines.append(*line);
            }
            BillAmounts::Recalc(order, TDecimals::Configured());
            SaveOrFail<ROrder, TOrderBill>(order);
            if (o < 2) Check<ROrder, TOrderBill>(order);
            m_orders.append(order);
        }
    }

    void makeDeliveries()
    {
        // Whole orders delivered.
        for (int o = 0; o < 3; ++o) {
            RSale sale = TSaleBill::CreateFromOrder(m_orders.at(o));
            sale.BizDate = m_orders.at(o).BizDate.addDays(3);
            sale.Conveyancer = m_m.Carriers.at(o % m_m.Carriers.size());
            BillAmounts::Recalc(sale);
            SaveOrFail<RSale, TSaleBill>(sale);
            Check<RSale, TSaleBill>(sale);
            m_sales.append(sale);
        }
        // Part of an order's first line.
        {
            const ROrder& order = m_orders.at(3);
            RSale sale = TSaleBill::NewRecord();
            fillHead(sale, 5, 40);
            std::optional<RSaledl> line = TSaleBill::LineFromOrderLine(sale, order.Lines.first().dlId);
            if (line) {
                line->Qty = std::max(1.0, std::floor(line->Qty.value_or(2) / 2));
                sale.Lines.append(*line);
            }
            BillAmounts::Recalc(sale);
            SaveOrFail<RSale, TSaleBill>(sale);
            Check<RSale, TSaleBill>(sale);
            m_sales.append(sale);
        }
        // Deliveries without orders; the last ones are not checked yet, one is a return.
        for (int s = 0; s < 8; ++s) {
            const int c = s % m_m.Clients.size();
            RSale sale = TSaleBill::NewRecord();
            fillHead(sale, c, 75 - s * 9);
            sale.TypeId = s == 5 ? 2 : 1;
            if (s == 5) sale.Note = QStringLiteral("质量问题退货");
            for (int k = 0, n = s == 5 ? 1 : m_random.Int(1, 4); k < n; ++k) {
                std::optional<RSaledl> line = TSaleBill::LineFromWare(sale, wareFor(c));
                if (!line) continue;
                line->Qty = s == 5 ? 1.0 : qtyFor();
                line->Discount = k == 1 ? 0.98 : 1.0;
                sale.Lines.append(*line);
            }
            if (s == 2) sale.Transcosts = 50;
            BillAmounts::Recalc(sale);
            if (s == 3) {
                sale.DiscountFund = Numbers::RoundTo(std::fmod(sale.TotalFund, 10.0), 2);
                BillAmounts::Recalc(sale);
            }
            SaveOrFail<RSale, TSaleBill>(sale);
            if (s < 6) Check<RSale, TSaleBill>(sale);
            m_sales.append(sale);
        }
    }

    const TDemoMasters& m_m;
    const TDemoIds& m_ids;
    TDemoRandom m_random;
    QDate m_end;
    QList<RQuot> m_quots;
    QList<ROrder> m_orders;
    QList<RSale> m_sales;
};

}  // namespace

void DemoWriter::SaveSmallDocuments(const TDemoMasters& m, const TDemoIds& ids, quint32 seed, const QDate& end,
                                    const TDemoProgress& progress)
{
    TSmallDocs(m, ids, seed, end).Run(progress);
}
