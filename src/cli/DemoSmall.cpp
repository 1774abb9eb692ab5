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
#include "OutlayBill.h"
#include "QuotBill.h"
#include "ReceiptBill.h"
#include "SaleBill.h"
#include "SaleGathering.h"
#include "SaleLists.h"
#include "ShldinBill.h"
#include "SlInvBill.h"

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
        TActAs accountant(QStringLiteral("liuyang"));
        makeReceipts();
        makeInvoices();
        makeOtherReceivables();
        makeExpenses();
        if (progress) progress(QStringLiteral("财务单据"), 1, 1);
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

    // A receipt line settling a delivery: the whole outstanding amount, as the picker offers it.
    RReceiptdl settle(const RSale& sale)
    {
        TSaleGathering gathering;
        TSaleWhere where;
        where.ClientIdFld->SetValue(*sale.ClientId);
        gathering.Open(&where);
        TDataSet* rows = gathering.DataSet();
        for (rows->First(); !rows->Eof(); rows->Next())
            if (gathering.IdFld->AsInteger() == sale.Id) return gathering.AsReceiptdl();
        throw EMqError(QStringLiteral("演示发货单 %1 没有应收余额").arg(sale.Code));
    }

    void saveReceipt(RReceipt& r, bool check)
    {
        TReceiptBill::Recalc(r);
        QString message;
        if (!TReceiptBill::Save(r, message)) throw EMqError(QStringLiteral("保存演示单据失败: %1").arg(message));
        if (check && !TReceiptBill::ToggleCheck(r)) throw EMqError(QStringLiteral("审核演示单据失败: %1").arg(r.Code));
    }

    // Paid in full, paid in part with a discount, and an advance without deliveries.
    void makeReceipts()
    {
        for (int i = 0; i < 3; ++i) {
            const RSale& sale = m_sales.at(i);
            RReceipt r = TReceiptBill::NewRecord();
            r.BizDate = sale.BizDate.addDays(10);
            r.ClientId = sale.ClientId;
            r.BankId = m_ids.Banks.at(1 + i % 2);
            r.HandmanId = sale.SalemanId;
            r.DeptId = sale.DeptId;
            RReceiptdl line = settle(sale);
            if (i == 2) {
                line.dlDisFund = Numbers::RoundTo(std::fmod(line.dlPayFund, 10.0), 2);
                line.dlPayFund = Numbers::RoundTo(line.dlPayFund * 0.6 - line.dlDisFund, 2);
            }
            r.Lines.append(line);
            saveReceipt(r, i < 2);
        }
        RReceipt advance = TReceiptBill::NewRecord();
        advance.BizDate = day(20);
        advance.ClientId = clientId(7);
        advance.BankId = m_ids.Banks.at(1);
        advance.HandmanId = m_sales.last().SalemanId;
        advance.Prefund = 5000;
        advance.Note = QStringLiteral("预收货款");
        saveReceipt(advance, false);
    }

    void makeInvoices()
    {
        for (int i = 0; i < 2; ++i) {
            QList<int> lines;
            for (const RSaledl& l : m_sales.at(i).Lines) lines << l.dlId;
            RSlInv inv;
            if (!TSlInvBill::CreateFromSaleLines(lines, inv)) throw EMqError(QStringLiteral("演示发票没有明细"));
            inv.InvDate = m_sales.at(i).BizDate.addDays(2);
            inv.InvCode = QStringLiteral("3200241130");
            inv.InvNo = QStringLiteral("%1").arg(1208800 + i, 8, 10, QChar(u'0'));
            inv.TotalFund = TSlInvBill::Total(inv);
            QString message;
            if (!TSlInvBill::Save(inv, message)) throw EMqError(QStringLiteral("保存演示单据失败: %1").arg(message));
            if (i == 0 && !TSlInvBill::ToggleCheck(inv)) throw EMqError(QStringLiteral("审核演示单据失败: %1").arg(inv.Code));
        }
    }

    void makeOtherReceivables()
    {
        for (int i = 0; i < 2; ++i) {
            RShldin r = TShldinBill::NewRecord();
            r.BizDate = day(30 - i * 15);
            r.ClientId = clientId(i + 2);
            r.ItemId = m_ids.ShldinItems.at(i == 0 ? 0 : 2);
            r.Fund = i == 0 ? 120 : 800;
            r.Sign = 1;
            r.HandmanId = m_ids.Saleman(m_m, m_m.Clients.at(i + 2).Saleman);
            r.DeptId = m_ids.SalemanDept(m_m, m_m.Clients.at(i + 2).Saleman);
            r.Note = i == 0 ? QStringLiteral("代付运费") : QStringLiteral("设备安装调试");
            QString message;
            if (!TShldinBill::Save(r, message)) throw EMqError(QStringLiteral("保存演示单据失败: %1").arg(message));
            if (i == 0 && !TShldinBill::ToggleCheck(r)) throw EMqError(QStringLiteral("审核演示单据失败: %1").arg(r.Code));
        }
    }

    void makeExpenses()
    {
        const QList<double> funds{356.5, 1280, 96, 2400};
        for (int i = 0; i < funds.size(); ++i) {
            ROutlay o = TOutlayBill::NewRecord();
            o.BizDate = day(70 - i * 18);
            o.Sign = 1;
            o.ItemId = m_ids.OutlayItems.at(i % m_ids.OutlayItems.size());
            o.BankId = m_ids.Banks.at(i % 2);
            o.Fund = funds.at(i);
            const TDemoClient& client = m_m.Clients.at(i % m_m.Clients.size());
            o.ClientId = clientId(i);
            o.SalemanId = m_ids.Saleman(m_m, client.Saleman);
            o.HandmanId = o.SalemanId;
            o.DeptId = m_ids.SalemanDept(m_m, client.Saleman);
            QString message;
            if (!TOutlayBill::Save(o, message)) throw EMqError(QStringLiteral("保存演示单据失败: %1").arg(message));
            if (i < 3 && !TOutlayBill::ToggleCheck(o)) throw EMqError(QStringLiteral("审核演示单据失败: %1").arg(o.Code));
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
