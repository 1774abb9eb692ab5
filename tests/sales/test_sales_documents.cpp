// Quotations, orders and deliveries: conversions, line rules, prices, signs and stopped lines.
#include "BilldlSets.h"
#include "OrderBill.h"
#include "QuotBill.h"
#include "SalesFixture.h"

namespace {

class SalesDocumentsTest : public SalesTest {
protected:
    static RQuotdl QuotLine(int wareId, double qty, double price)
    {
        RQuotdl l;
        l.WareId = wareId;
        l.Qty = qty;
        l.Price = price;
        l.UnitName = QStringLiteral("个");
        l.dlNote = QStringLiteral("报价备注");
        return l;
    }
    static ROrderdl OrderLine(int wareId, double qty, double price, double discount = 1.0, double rate = 1.0)
    {
        ROrderdl l;
        l.WareId = wareId;
        l.Qty = qty;
        l.Price = price;
        l.Discount = discount;
        l.UnitRate = rate;
        l.UnitName = rate == 1.0 ? QStringLiteral("个") : QStringLiteral("箱");
        return l;
    }
    RQuot SavedQuot(const QList<RQuotdl>& lines, int clientId = 1, QDate date = QDate(2013, 1, 15))
    {
        RQuot q;
        q.BizDate = date;
        q.ClientId = clientId;
        q.DeptId = 2;
        q.SalemanId = 2;
        q.Billman = CurrentOperator().LoginId;
        q.TimeLimit = QDate(2013, 3, 1);
        q.Lines = lines;
        BillAmounts::Recalc(q, TDecimals{2, 2});
        QString message;
        EXPECT_TRUE(TQuotBill::Save(q, message)) << message.toStdString();
        return q;
    }
    ROrder SavedOrder(const QList<ROrderdl>& lines, int clientId = 1, QDate date = QDate(2013, 1, 15))
    {
        ROrder o;
        o.BizDate = date;
        o.ClientId = clientId;
        o.DeptId = 1;
        o.SalemanId = 1;
        o.TypeId = 1;
        o.Billman = CurrentOperator().LoginId;
        o.Lines = lines;
        BillAmounts::Recalc(o, TDecimals{2, 2});
        QString message;
        EXPECT_TRUE(TOrderBill::Save(o, message)) << message.toStdString();
        return o;
    }
    RSale SavedDeliveryOf(const ROrder& order, int lineIndex, double qty, int typeId = 1)
    {
        RSale s = NewSale(0, *order.ClientId);
        s.TypeId = typeId;
        RSaledl l = SaleLine(order.Lines[lineIndex].WareId, qty, *order.Lines[lineIndex].Price);
        l.UnitRate = order.Lines[lineIndex].UnitRate;
        l.OrdlId = order.Lines[lineIndex].dlId;
        s.Lines << l;
        return Saved(s);
    }
};

}  // namespace

TEST_P(SalesDocumentsTest, QuotationBecomesOrderBecomesDelivery)
{
    RQuot quot = SavedQuot({QuotLine(1, 2, 12.5), QuotLine(2, 100, 0.45), QuotLine(3, 10, 2)});
    EXPECT_EQ(quot.Code, QStringLiteral("CD13010001"));
    ASSERT_TRUE(TQuotBill::ToggleCheck(quot));

    Clock.Time = QDateTime(QDate(2013, 1, 20), QTime(14, 0, 0));
    ROrder order = TOrderBill::CreateFromQuot(quot);
    EXPECT_EQ(order.Id, 0);
    EXPECT_EQ(order.TypeId, 1);
    EXPECT_FALSE(order.TimeLimit);
    EXPECT_EQ(order.ClientId, quot.ClientId);
    EXPECT_EQ(order.DeptId, 2);
    EXPECT_EQ(order.BizDate, QDate(2013, 1, 20));
    EXPECT_DOUBLE_EQ(order.TotalFund, quot.TotalFund);
    ASSERT_EQ(order.Lines.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(order.Lines[i].dlId, 0);
        EXPECT_EQ(order.Lines[i].Discount, 1.0);
        EXPECT_EQ(order.Lines[i].Fund, quot.Lines[i].Fund);
        EXPECT_EQ(order.Lines[i].dlNote, QStringLiteral("报价备注"));
    }
    QString message;
    ASSERT_TRUE(TOrderBill::Save(order, message)) << message.toStdString();
    EXPECT_EQ(order.Code, QStringLiteral("CD13010001"));  // counted per table
    ASSERT_TRUE(TOrderBill::ToggleCheck(order));

    // The first line was delivered in full before: 生成发货 still proposes the whole order.
    SavedDeliveryOf(order, 0, 2);
    RSale sale = TSaleBill::CreateFromOrder(order);
    EXPECT_EQ(sale.Id, 0);
    EXPECT_EQ(sale.TypeId, 1);
    EXPECT_DOUBLE_EQ(sale.TotalFund, order.TotalFund);
    EXPECT_DOUBLE_EQ(sale.DiscountFund, 0);
    ASSERT_EQ(sale.Lines.size(), 3);
    EXPECT_EQ(sale.Lines[0].Qty, 2.0);
    EXPECT_EQ(sale.Lines[0].OrdlId, order.Lines[0].dlId);
    EXPECT_EQ(sale.Lines[0].OrdCode, order.Code);
    EXPECT_EQ(sale.Lines[0].CostPrice, 6.5);  // the goods item's current prices
    EXPECT_EQ(sale.Lines[0].InnerPrice, 8.0);
    EXPECT_EQ(sale.Lines[0].ProfitRate, 3);
    ASSERT_TRUE(TSaleBill::Save(sale, message)) << message.toStdString();
    EXPECT_EQ(sale.Code, QStringLiteral("CG13010002"));

    RSale loaded;
    loaded.Id = sale.Id;
    ASSERT_TRUE(TSaleBill::Load(loaded));
    EXPECT_EQ(loaded.Lines[2].OrdCode, order.Code);
    EXPECT_EQ(loaded.Lines[2].WareUnit, QStringLiteral("米"));
}

TEST_P(SalesDocumentsTest, ReturnsCountAgainstTheOrderLine)
{
    ROrder order = SavedOrder({OrderLine(1, 10, 10, 0.9), OrderLine(2, 2, 60, 1, 12)});
    SavedDeliveryOf(order, 0, 10);
    std::optional<ROrderLineProgress> p = TOrderBill::LineProgress(order.Lines[0].dlId);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->RemainingQty, 0);
    EXPECT_FALSE(p->Open());

    const RSale back = SavedDeliveryOf(order, 0, 5, 2);  // 退货, sign -1
    p = TOrderBill::LineProgress(order.Lines[0].dlId);
    EXPECT_DOUBLE_EQ(p->DeliveredQty, 5);
    EXPECT_DOUBLE_EQ(p->RemainingQty, 5);
    EXPECT_TRUE(p->Open());
    EXPECT_EQ(p->LastSendDate, QDate(2013, 1, 15));

    // Boxes of 12: two ordered, one box worth of pieces delivered.
    p = TOrderBill::LineProgress(order.Lines[1].dlId);
    EXPECT_DOUBLE_EQ(p->OrderedQty, 24);
    RSale pieces = NewSale(0);
    RSaledl l = SaleLine(2, 12, 5);
    l.OrdlId = order.Lines[1].dlId;
    pieces.Lines << l;
    Saved(pieces);

    // A line from an order line proposes what remains, in the order line's own unit.
    RSale sale = NewSale(0);
    std::optional<RSaledl> fromOrder = TSaleBill::LineFromOrderLine(sale, order.Lines[0].dlId);
    ASSERT_TRUE(fromOrder);
    EXPECT_EQ(fromOrder->Qty, 5.0);
    EXPECT_EQ(fromOrder->Discount, 0.9);
    EXPECT_EQ(fromOrder->Price, 10.0);
    EXPECT_EQ(fromOrder->Fund, 45.0);
    EXPECT_EQ(fromOrder->OrdlId, order.Lines[0].dlId);
    EXPECT_EQ(fromOrder->OrdCode, order.Code);
    EXPECT_EQ(fromOrder->WareName, QStringLiteral("芯片A"));
    EXPECT_EQ(fromOrder->CostPrice, 6.5);
    fromOrder = TSaleBill::LineFromOrderLine(sale, order.Lines[1].dlId);
    EXPECT_EQ(fromOrder->Qty, 1.0);
    EXPECT_EQ(fromOrder->UnitRate, 12.0);
    EXPECT_EQ(fromOrder->UnitName, QStringLiteral("箱"));

    // Another client's order is refused.
    RSale otherClient = NewSale(0, 2);
    EXPECT_FALSE(TSaleBill::LineFromOrderLine(otherClient, order.Lines[0].dlId));
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("订单与发货不是同一个客户, 请重新选择"));
    // Nothing is added to a checked delivery.
    RSale checkedSale = back;
    ASSERT_TRUE(TSaleBill::ToggleCheck(checkedSale));
    EXPECT_FALSE(TSaleBill::LineFromOrderLine(checkedSale, order.Lines[0].dlId));
}

TEST_P(SalesDocumentsTest, StoppingAndResumingAnOrderLine)
{
    ROrder order = SavedOrder({OrderLine(1, 5, 10)});
    const int line = order.Lines[0].dlId;
    ASSERT_TRUE(TOrderBill::SetLineStopped(line, true));
    EXPECT_FALSE(TOrderBill::LineProgress(line)->Open());
    EXPECT_FALSE(TOrderBill::SetLineStopped(line, true));  // already stopped
    ASSERT_TRUE(TOrderBill::SetLineStopped(line, false));
    EXPECT_TRUE(TOrderBill::LineProgress(line)->Open());
    EXPECT_DOUBLE_EQ(TOrderBill::LineProgress(line)->RemainingQty, 5);
    EXPECT_FALSE(TOrderBill::SetLineStopped(4242, true));

    Login(QStringLiteral("王二"), QStringLiteral(",1054,"));
    EXPECT_THROW(TOrderBill::SetLineStopped(line, true), EAbort);
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(71)."));
}

TEST_P(SalesDocumentsTest, OrderAndQuotationLinesRoundToTheConfiguredDecimals)
{
    struct Case {
        int qtyPlaces, pricePlaces;
        double qty, price, discount;
        double roundedQty, roundedPrice, fund;
    };
    const QList<Case> cases = {
        {2, 2, 3, 3.333, 1, 3, 3.33, 9.99},
        {2, 2, 3, 10, 0.9, 3, 10, 27.00},
        {3, 3, 1.23456, 3.33349, 1, 1.235, 3.333, 4.12},
        {3, 3, 2, 0.1255, 0.5, 2, 0.126, 0.13},
        {0, 2, 2.5, 1.005, 1, 3, 1.01, 3.03},
    };
    TOrderdlSet lines;
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(c.qty).arg(c.price).toStdString());
        GlobalKeyValue().SetInt(KeyIds::QtyDecimals, c.qtyPlaces);
        GlobalKeyValue().SetInt(KeyIds::PriceDecimals, c.pricePlaces);
        const TDecimals places = TDecimals::Configured();
        lines.SetAsDatas({OrderLine(1, c.qty, c.price, c.discount)});
        lines.PostAmount(places);
        const ROrderdl posted = lines.AsDatas().first();
        EXPECT_DOUBLE_EQ(*posted.Qty, c.roundedQty);
        EXPECT_DOUBLE_EQ(*posted.Price, c.roundedPrice);
        EXPECT_DOUBLE_EQ(*posted.Fund, c.fund);
    }
    // Quotations round the same way, without a discount: 2 × 0.125 with two price places.
    GlobalKeyValue().SetInt(KeyIds::QtyDecimals, 2);
    GlobalKeyValue().SetInt(KeyIds::PriceDecimals, 2);
    RQuotdl q = QuotLine(1, 2, 0.125);
    BillAmounts::PostLine(q, TDecimals::Configured());
    EXPECT_DOUBLE_EQ(*q.Price, 0.13);
    EXPECT_DOUBLE_EQ(*q.Fund, 0.26);
    // Deliveries take quantity and price as entered: 3 × 100 less 15 plus freight 20 is 305.
    RSale s = NewSale(0);
    s.Lines << SaleLine(1, 3, 100.004);
    s.DiscountFund = 15;
    s.Transcosts = 20;
    BillAmounts::Recalc(s);
    EXPECT_DOUBLE_EQ(*s.Lines[0].Price, 100.004);
    EXPECT_DOUBLE_EQ(*s.Lines[0].Fund, 300.01);
    EXPECT_DOUBLE_EQ(s.TotalFund, 305.01);
}

TEST_P(SalesDocumentsTest, NewLinePricesFollowTheOptions)
{
    // Two quotations of the same day for 甲公司: the line with the larger key wins.
    SavedQuot({QuotLine(1, 1, 11)}, 1, QDate(2013, 1, 10));
    SavedQuot({QuotLine(1, 1, 11.5), QuotLine(1, 1, 11.8)}, 1, QDate(2013, 1, 12));
    SavedQuot({QuotLine(1, 1, 10.9)}, 1, QDate(2013, 1, 12));
    SavedQuot({QuotLine(1, 1, 9)}, 2, QDate(2013, 1, 14));
    EXPECT_EQ(TOrderBill::LastQuotedPrice(1, 1), 10.9);
    EXPECT_FALSE(TOrderBill::LastQuotedPrice(1, 2));
    EXPECT_FALSE(TOrderBill::LastQuotedPrice(std::nullopt, 1));

    struct Case {
        int option;
        int clientId;
        int wareId;
        std::optional<double> price;
    };
    const QList<Case> cases = {
        {0, 1, 1, 12.5},          // the goods item's suggested price
        {1, 1, 1, 10.9},          // the last quoted price
        {1, 3, 1, std::nullopt},  // never quoted: no price, amount 0
        {5, 1, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        GlobalKeyValue().SetInt(KeyIds::SalePriceSource, c.option);
        GlobalKeyValue().SetInt(KeyIds::OrderPriceSource, c.option);
        RSale sale = NewSale(0, c.clientId);
        const std::optional<RSaledl> l = TSaleBill::LineFromWare(sale, c.wareId);
        ASSERT_TRUE(l);
        EXPECT_EQ(l->Price, c.price);
        EXPECT_EQ(l->Fund, 0.0);  // no quantity yet
        EXPECT_EQ(l->Discount, 1.0);
        EXPECT_EQ(l->UnitRate, 1.0);
        EXPECT_EQ(l->CostPrice, 6.5);
        EXPECT_EQ(l->InnerPrice, 8.0);
        EXPECT_EQ(l->ProfitRate, 3);
        EXPECT_FALSE(l->OrdlId);
        ROrder order;
        order.ClientId = c.clientId;
        const std::optional<ROrderdl> o = TOrderBill::LineFromWare(order, c.wareId);
        ASSERT_TRUE(o);
        EXPECT_EQ(o->Price, c.price);
    }
    RQuot quot;
    const std::optional<RQuotdl> q = TQuotBill::LineFromWare(quot, 2);
    ASSERT_TRUE(q);
    EXPECT_FALSE(q->Price);
    EXPECT_EQ(q->WareUnit, QStringLiteral("盒"));
    EXPECT_FALSE(TQuotBill::LineFromWare(quot, 999));
}

TEST_P(SalesDocumentsTest, OrdersWithoutTypeAndTheirPattern)
{
    ROrder o = SavedOrder({OrderLine(1, 1, 1)});
    o.TypeId = -1;  // the type combo gives -1 for no selection
    o.TimeLimit = QDate(2013, 2, 28);
    QString message;
    ASSERT_TRUE(TOrderBill::Save(o, message)) << message.toStdString();
    ROrder loaded;
    loaded.Id = o.Id;
    ASSERT_TRUE(TOrderBill::Load(loaded));
    EXPECT_EQ(loaded.TypeId, -1);
    EXPECT_TRUE(loaded.TypeName.isEmpty());
    EXPECT_EQ(loaded.TimeLimit, QDate(2013, 2, 28));

    ASSERT_TRUE(TOrderBill::ToggleCheck(o));
    EXPECT_FALSE(TOrderBill::Delete(o, message));
    EXPECT_EQ(message, QStringLiteral("单据已经被其他用户张三审核,不允许删除."));

    Login(QStringLiteral("王二"), QStringLiteral(",1054,,59,"));
    EXPECT_THROW(TOrderBill::ToggleCheck(o), EAbort);
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(1055)."));
    RQuot quot;
    EXPECT_THROW(TQuotBill::ToggleCheck(quot), EAbort);
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(58)."));
    EXPECT_THROW(TSaleBill::NewRecord(), EAbort);
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(16)."));
    const ROrder fresh = TOrderBill::NewRecord();
    EXPECT_EQ(fresh.Billman, QStringLiteral("王二"));
    EXPECT_EQ(fresh.TypeId, 1);
    EXPECT_EQ(fresh.BizDate, QDate(2013, 1, 15));
}

MQ_BOTH_ENGINES(SalesDocumentsTest);
