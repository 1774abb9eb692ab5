// The document lists, their filter records, the price history and the signed sales records.
#include "OrderBill.h"
#include "OrderLists.h"
#include "QuotBill.h"
#include "QuotLists.h"
#include "SaleLists.h"
#include "SalesFixture.h"

namespace {

class SalesListsTest : public SalesTest {
protected:
    void Prepare() override
    {
        SalesTest::Prepare();
        // Deliveries: 1 甲公司 (A100), 2 乙公司 (B200, 退货), 3 丙公司 (C1%0 at 0.9), 4 甲公司 in February.
        RSale s = NewSale(1, 1);
        s.OldCode = QStringLiteral("KH-7");
        Saved(s);
        s = NewSale(0, 2);
        s.TypeId = 2;
        s.DeptId = 2;
        s.Lines << SaleLine(2, 4, 3);
        Saved(s);
        s = NewSale(0, 3);
        s.SalemanId = 2;
        s.Lines << SaleLine(3, 2, 10, 0.9);
        Saved(s);
        s = NewSale(1, 1);
        s.BizDate = QDate(2013, 2, 3);
        Saved(s);
    }
    static QList<int> Ids(TRecordSet& set)
    {
        QList<int> ids;
        const int index = set.FieldByName(QStringLiteral("Id"))->Index();
        for (int row = 0; row < set.RecordCount(); ++row) ids << set.DataSet()->ValueAt(row, index).toInt();
        std::sort(ids.begin(), ids.end());
        return ids;
    }
};

}  // namespace

TEST_P(SalesListsTest, DeliveryListByEachCriterion)
{
    struct Case {
        const char* what;
        std::function<void(TSaleWhere&)> set;
        QList<int> ids;
    };
    const QList<Case> cases = {
        {"nothing", [](TSaleWhere&) {}, {1, 2, 3, 4}},
        {"bill id", [](TSaleWhere& w) { w.BillIdFld->SetValue(3); }, {3}},
        {"client", [](TSaleWhere& w) { w.ClientIdFld->SetValue(1); }, {1, 4}},
        {"department", [](TSaleWhere& w) { w.DeptIdFld->SetValue(2); }, {2}},
        {"salesman", [](TSaleWhere& w) { w.SalemanIdFld->SetValue(2); }, {3}},
        {"type", [](TSaleWhere& w) { w.TypeIdFld->SetValue(2); }, {2}},
        {"type -1 is no choice", [](TSaleWhere& w) { w.TypeIdFld->SetValue(-1); }, {1, 2, 3, 4}},
        {"dates", [](TSaleWhere& w) {
             w.BeginDateFld->SetValue(QDate(2013, 1, 15));
             w.EndDateFld->SetValue(QDate(2013, 1, 31));
         },
         {1, 2, 3}},
        {"end date includes its day", [](TSaleWhere& w) { w.EndDateFld->SetValue(QDate(2013, 2, 3)); }, {1, 2, 3, 4}},
        {"goods item", [](TSaleWhere& w) { w.WareIdFld->SetValue(2); }, {2}},
        {"goods class and below", [](TSaleWhere& w) { w.WareClassIdFld->SetValue(QStringLiteral("01")); }, {1, 4}},
        {"goods code with a typed %", [](TSaleWhere& w) { w.WareCodeXFld->SetValue(QStringLiteral("1%")); }, {3}},
        {"goods code substring", [](TSaleWhere& w) { w.WareCodeXFld->SetValue(QStringLiteral("00")); }, {1, 2, 4}},
        {"goods name", [](TSaleWhere& w) { w.WareNameXFld->SetValue(QStringLiteral("螺")); }, {2}},
        {"lookup code", [](TSaleWhere& w) { w.WareLookIdXFld->SetValue(QStringLiteral("DX")); }, {3}},
        {"user's number", [](TSaleWhere& w) { w.UserCodeFld->SetValue(QStringLiteral("H-7")); }, {1}},
    };
    TSaleSet list;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSaleWhere where;
        c.set(where);
        EXPECT_EQ(list.OpenList(&where), c.ids.size());
        EXPECT_EQ(Ids(list), c.ids);
    }
    ASSERT_TRUE(list.OpenById(2));
    EXPECT_EQ(list.TypeNameFld->AsString(), QStringLiteral("退货"));
    EXPECT_EQ(list.ClientNameFld->AsString(), QStringLiteral("乙公司"));
    EXPECT_FALSE(list.OpenById(99));
    EXPECT_EQ(list.OpenList(nullptr), 4);
}

TEST_P(SalesListsTest, SignedSalesRecordsByDistrict)
{
    TSaleWhere where;
    TSaleCords cords;
    cords.Where = &where;
    EXPECT_EQ(cords.Open(), 4);
    where.DistCodeFld->SetValue(QStringLiteral("01"));
    ASSERT_EQ(cords.Open(), 3);  // 甲公司 (0101) twice and 丙公司 (01), not 乙公司 (02)
    QStringList districts;
    for (int row = 0; row < cords.RecordCount(); ++row)
        districts << cords.DataSet()->ValueAt(row, cords.DistCodeFld->Index()).toString();
    districts.sort();
    EXPECT_EQ(districts, (QStringList{QStringLiteral("01"), QStringLiteral("0101"), QStringLiteral("0101")}));

    where.DistCodeFld->Clear();
    where.TypeIdFld->SetValue(2);
    ASSERT_EQ(cords.Open(), 1);
    EXPECT_DOUBLE_EQ(cords.QtyFld->AsFloat(), -4);
    EXPECT_DOUBLE_EQ(cords.FundFld->AsFloat(), -12);
    EXPECT_EQ(cords.MonthxFld->AsInteger(), 1);
    EXPECT_EQ(cords.WarecataCodeFld->AsString(), QStringLiteral("02"));

    where.TypeIdFld->Clear();
    where.SalemanIdFld->SetValue(2);
    ASSERT_EQ(cords.Open(), 1);
    EXPECT_DOUBLE_EQ(cords.FundFld->AsFloat(), 20);  // quantity × price, before the discount
}

TEST_P(SalesListsTest, PriceHistoryNewestFirstOrdersFirstOnADay)
{
    RQuot q;
    q.BizDate = QDate(2013, 1, 15);
    q.ClientId = 3;
    q.Billman = CurrentOperator().LoginId;
    RQuotdl ql;
    ql.WareId = 1;
    ql.Qty = 1;
    ql.Price = 11;
    q.Lines << ql;
    QString message;
    ASSERT_TRUE(TQuotBill::Save(q, message));
    ROrder o;
    o.BizDate = QDate(2013, 1, 15);
    o.ClientId = 2;
    o.Billman = CurrentOperator().LoginId;
    ROrderdl ol;
    ol.WareId = 1;
    ol.Qty = 3;
    ol.Price = 12;
    ol.Discount = 1;
    o.Lines << ol;
    ASSERT_TRUE(TOrderBill::Save(o, message));

    TSalePriceSet history;
    ASSERT_EQ(history.Open(1), 4);
    QStringList rows;
    for (history.DataSet()->First(); !history.DataSet()->Eof(); history.DataSet()->Next()) {
        const RSalePrice p = history.AsData();
        rows << QStringLiteral("%1 %2 %3 %4 %5").arg(p.BizDate.toString(QStringLiteral("MMdd")), p.BizType, p.ClientName)
                    .arg(p.BillKind)
                    .arg(*p.Price);
    }
    EXPECT_EQ(rows, (QStringList{QStringLiteral("0203 发货 甲公司 10 10"), QStringLiteral("0115 订单 乙公司 9 12"),
                                 QStringLiteral("0115 发货 甲公司 10 10"), QStringLiteral("0115 报价 丙公司 14 11")}));
    EXPECT_EQ(history.Open(42), 0);
}

TEST_P(SalesListsTest, OrderAndQuotationLists)
{
    QString message;
    ROrder o;
    o.BizDate = QDate(2013, 1, 15);
    o.ClientId = 1;
    o.DeptId = 1;
    o.TypeId = 2;
    o.OldCode = QStringLiteral("PO-88");
    o.TimeLimit = QDate(2013, 1, 31);
    o.Billman = CurrentOperator().LoginId;
    ROrderdl ol;
    ol.WareId = 2;
    ol.Qty = 1;
    o.Lines << ol;
    ASSERT_TRUE(TOrderBill::Save(o, message));
    o.Id = 0;
    o.TimeLimit = QDate(2013, 3, 1);
    o.TypeId = 1;
    o.OldCode.clear();
    o.Lines[0].WareId = 1;
    ASSERT_TRUE(TOrderBill::Save(o, message));

    TOrderSet orders;
    TOrderWhere ow;
    EXPECT_EQ(orders.OpenList(&ow), 2);
    ow.TimeLimitFld->SetValue(QDate(2013, 2, 1));
    ASSERT_EQ(orders.OpenList(&ow), 1);
    EXPECT_EQ(orders.AsData().Code, QStringLiteral("CD13010001"));
    EXPECT_EQ(orders.TypeNameFld->AsString(), QStringLiteral("加急订单"));
    ow.Reset();
    EXPECT_FALSE(ow.UnFinishedFld->AsBoolean());
    ow.UserCodeFld->SetValue(QStringLiteral("PO"));
    EXPECT_EQ(orders.OpenList(&ow), 1);
    ow.Reset();
    ow.WareClassIdFld->SetValue(QStringLiteral("0101"));
    ASSERT_EQ(orders.OpenList(&ow), 1);
    EXPECT_EQ(orders.AsData().Id, 2);
    EXPECT_TRUE(orders.OpenById(1));

    RQuot q;
    q.BizDate = QDate(2013, 1, 15);
    q.ClientId = 2;
    q.DeptId = 2;
    q.Note = QStringLiteral("年度报价");
    q.Billman = CurrentOperator().LoginId;
    RQuotdl ql;
    ql.WareId = 3;
    q.Lines << ql;
    ASSERT_TRUE(TQuotBill::Save(q, message));
    q.Id = 0;
    q.DeptId = 1;
    q.Note.clear();
    q.Lines[0].WareId = 1;
    ASSERT_TRUE(TQuotBill::Save(q, message));

    TQuotSet quots;
    EXPECT_EQ(quots.OpenList(nullptr), 0);
    TQuotWhere qw;
    EXPECT_EQ(quots.OpenList(&qw), 2);
    qw.DeptIdFld->SetValue(2);
    ASSERT_EQ(quots.OpenList(&qw), 1);
    EXPECT_EQ(quots.ClientNameFld->AsString(), QStringLiteral("乙公司"));
    qw.Reset();
    qw.WareClassIdFld->SetValue(QStringLiteral("01"));
    ASSERT_EQ(quots.OpenList(&qw), 1);
    EXPECT_EQ(quots.CodeFld->AsString(), QStringLiteral("CD13010002"));
    qw.Reset();
    qw.NoteFld->SetValue(QStringLiteral("年度"));
    qw.CodeFld->SetValue(QStringLiteral("0001"));
    EXPECT_EQ(quots.OpenList(&qw), 1);
    EXPECT_TRUE(quots.OpenById(2));
}

TEST_P(SalesListsTest, DocumentTypes)
{
    TSaleTypeSet saleTypes;
    ASSERT_EQ(saleTypes.Open(), 2);
    ASSERT_TRUE(saleTypes.Locate(QStringLiteral("Id"), 2));
    EXPECT_EQ(saleTypes.AsData().Name, QStringLiteral("退货"));
    EXPECT_EQ(saleTypes.AsData().Sign, -1);
    EXPECT_FALSE(saleTypes.IdFld->Visible());

    ROrder o;
    o.BizDate = QDate(2013, 1, 15);
    o.TypeId = 2;
    o.Billman = CurrentOperator().LoginId;
    QString message;
    ASSERT_TRUE(TOrderBill::Save(o, message));
    EXPECT_THROW(TOrderTypeSet::DeleteType(2), EDatabaseError);  // in use
    EXPECT_TRUE(TOrderTypeSet::DeleteType(1));
    TOrderTypeSet orderTypes;
    ASSERT_EQ(orderTypes.Open(), 1);
    EXPECT_EQ(orderTypes.AsData().Name, QStringLiteral("加急订单"));
    Login(QStringLiteral("王二"), QStringLiteral(",1054,"));
    EXPECT_THROW(TOrderTypeSet::DeleteType(2), EAbort);
}

MQ_BOTH_ENGINES(SalesListsTest);
