#include "QuotDetails.h"
#include "QuotLists.h"
#include "ReportsFixture.h"
#include "SaleDetails.h"
#include "SaleLists.h"

#include <functional>

namespace {

class SaleDetailsTest : public ReportsTest {
protected:
    // Order 1 (line 101: A100). Deliveries: 1 to 甲 with A100 from order line 101 and C300; 2 a
    // return of 螺丝 from 乙. Invoice No.001 covers the A100 line (dlId 101).
    void Prepare() override
    {
        ReportsTest::Prepare();
        Order({QDate(2013, 2, 1), 1, 1, 1}, {{1, 3, 10}});
        Sale({QDate(2013, 2, 5), 1, 1, 1}, {TLine{1, 3, 10, 0.9, 1, 101, 6, 8, 10}, TLine{3, 1, 55}});
        Sale({QDate(2013, 3, 5), 2, 2, 2, 2}, {TLine{2, 5, 10, 1, 1, {}, 3, 4, 5}});
        Exec(QStringLiteral("insert into slinvfrm(Id, Code, InvNo, ClientId, InvDate) values (1,'FP1','No.001',1,'2013-02-20')"));
        Exec(QStringLiteral("insert into slinvfrmdl(dlId, MastId, SaledlId) values (1,1,101)"));
    }
};

struct TDetailCase {
    const char* Name;
    std::function<void(TSaleWhere&)> Criteria;
    QStringList Expected;  // dlId|WareCode|Qty|Fund|InnerFund|OrdCode|InvNo
};

TEST_P(SaleDetailsTest, LinesCarryTheSignOfTheirTypeAndFollowTheCriteria)
{
    const QList<TDetailCase> cases = {
        {"every line; a return is negative", [](TSaleWhere&) {},
         {"101|A100|3.00|27.00|24.00|CD1|No.001", "102|C300|1.00|55.00|0.00|-|-", "201|B200|-5.00|-50.00|-20.00|-|-"}},
        {"invoiced lines", [](TSaleWhere& w) { w.InvIfFld->SetValue(true); }, {"101|A100|3.00|27.00|24.00|CD1|No.001"}},
        {"lines on no invoice", [](TSaleWhere& w) { w.InvIfFld->SetValue(false); },
         {"102|C300|1.00|55.00|0.00|-|-", "201|B200|-5.00|-50.00|-20.00|-|-"}},
        {"the deliveries of one order line", [](TSaleWhere& w) { w.OrdlIdFld->SetValue(101); },
         {"101|A100|3.00|27.00|24.00|CD1|No.001"}},
        {"an order number fragment", [](TSaleWhere& w) { w.OrdCodeFld->SetValue(QStringLiteral("D1")); },
         {"101|A100|3.00|27.00|24.00|CD1|No.001"}},
        {"the goods class 01 and below", [](TSaleWhere& w) { w.WareClassIdFld->SetValue(QStringLiteral("01")); },
         {"101|A100|3.00|27.00|24.00|CD1|No.001", "102|C300|1.00|55.00|0.00|-|-"}},
        {"a goods name fragment", [](TSaleWhere& w) { w.WareNameXFld->SetValue(QStringLiteral("螺")); },
         {"201|B200|-5.00|-50.00|-20.00|-|-"}},
        {"one goods item", [](TSaleWhere& w) { w.WareIdFld->SetValue(3); }, {"102|C300|1.00|55.00|0.00|-|-"}},
        {"returns", [](TSaleWhere& w) { w.TypeIdFld->SetValue(2); }, {"201|B200|-5.00|-50.00|-20.00|-|-"}},
        {"a client in a period", [](TSaleWhere& w) {
             w.ClientIdFld->SetValue(1);
             w.BeginDateFld->SetValue(QDate(2013, 2, 5));
             w.EndDateFld->SetValue(QDate(2013, 2, 5));
         }, {"101|A100|3.00|27.00|24.00|CD1|No.001", "102|C300|1.00|55.00|0.00|-|-"}},
        {"a salesman and a department", [](TSaleWhere& w) {
             w.SalemanIdFld->SetValue(2);
             w.DeptIdFld->SetValue(2);
         }, {"201|B200|-5.00|-50.00|-20.00|-|-"}},
    };
    for (const TDetailCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSaleWhere where;
        c.Criteria(where);
        TSaleDetails details;
        details.Open(&where);
        details.DataSet()->SetSort(QStringLiteral("dlId"));
        EXPECT_EQ(Rows(details.DataSet(), {"dlId", "WareCode", "Qty", "Fund", "InnerFund", "OrdCode", "InvNo"}), c.Expected);
    }
}

TEST_P(SaleDetailsTest, ARowReadsAsARecord)
{
    TSaleDetails details;
    EXPECT_EQ(details.Open(nullptr), 3);
    ASSERT_TRUE(details.Locate(QStringLiteral("dlId"), 201));
    const RSaleDetail r = details.AsData();
    EXPECT_EQ(r.Id, 2);
    EXPECT_EQ(r.Code, QStringLiteral("CG2"));
    EXPECT_EQ(r.BizDate, QDate(2013, 3, 5));
    EXPECT_EQ(r.ClientName, QStringLiteral("乙公司"));
    EXPECT_EQ(r.SalemanName, QStringLiteral("赵六"));
    EXPECT_EQ(r.DeptName, QStringLiteral("市场部"));
    EXPECT_EQ(r.TypeName, QStringLiteral("退货"));
    EXPECT_EQ(r.WareName, QStringLiteral("螺丝"));
    EXPECT_EQ(r.WareUnit, QStringLiteral("盒"));
    EXPECT_EQ(r.Qty, -5.0);
    EXPECT_EQ(r.Fund, -50.0);
    EXPECT_FALSE(r.OrdlId.has_value());
    ASSERT_TRUE(details.Locate(QStringLiteral("dlId"), 101));
    EXPECT_EQ(details.InvDateFld->AsDate(), QDate(2013, 2, 20));
    EXPECT_EQ(details.InvIdFld->AsInteger(), 1);
    EXPECT_EQ(details.AsData().OrdlId, 101);
    EXPECT_EQ(details.AsData().Discount, 0.9);
    EXPECT_EQ(details.BillIdFld->Visible(), false);
    EXPECT_EQ(details.InnerFundFld->DisplayLabel(), QStringLiteral("内部结算额"));
    EXPECT_EQ(details.WareNameFld->DisplayLabel(), QStringLiteral("品名"));
}

class QuotDetailsTest : public ReportsTest {
protected:
    void Prepare() override
    {
        ReportsTest::Prepare();
        Exec(QStringLiteral("insert into slquotfrm(Id, Code, OldCode, BizDate, ClientId, SalemanId, DeptId, TotalFund, "
                            "Billman, Note, TimeLimit) values (1,'CD1','Q-7','2013-04-01',1,2,1,0,'张三','年度报价',"
                            "'2013-05-01'),(2,'CD2','X-8','2013-04-09',2,1,2,0,'李四','临时','2013-04-30')"));
        Exec(QStringLiteral("insert into slquotfrmdl(dlId, MastId, WareId, UnitName, UnitRate, Qty, Price, Fund) values "
                            "(1,1,1,'个',1,100,9.5,950),(2,1,2,'盒',1,10,3,30),(3,2,3,'台',1,1,60,60)"));
    }
};

TEST_P(QuotDetailsTest, LinesFollowTheCriteria)
{
    const QList<QPair<std::function<void(TQuotWhere&)>, QStringList>> cases = {
        {[](TQuotWhere&) {}, {"1|CD1|Q-7|芯片A|100.00|950.00|赵六", "1|CD1|Q-7|螺丝|10.00|30.00|赵六", "2|CD2|X-8|电源|1.00|60.00|王五"}},
        {[](TQuotWhere& w) { w.BillCodeFld->SetValue(QStringLiteral("Q-")); }, {"1|CD1|Q-7|芯片A|100.00|950.00|赵六", "1|CD1|Q-7|螺丝|10.00|30.00|赵六"}},
        {[](TQuotWhere& w) { w.NoteFld->SetValue(QStringLiteral("临")); }, {"2|CD2|X-8|电源|1.00|60.00|王五"}},
        {[](TQuotWhere& w) { w.WareClassIdFld->SetValue(QStringLiteral("01")); },
         {"1|CD1|Q-7|芯片A|100.00|950.00|赵六", "2|CD2|X-8|电源|1.00|60.00|王五"}},
        {[](TQuotWhere& w) { w.WareLookIdXFld->SetValue(QStringLiteral("LS")); }, {"1|CD1|Q-7|螺丝|10.00|30.00|赵六"}},
        {[](TQuotWhere& w) {
             w.BeginDateFld->SetValue(QDate(2013, 4, 2));
             w.SalemanIdFld->SetValue(1);
         }, {"2|CD2|X-8|电源|1.00|60.00|王五"}},
    };
    int n = 0;
    for (const auto& [criteria, expected] : cases) {
        SCOPED_TRACE(n++);
        TQuotWhere where;
        criteria(where);
        TQuotDetails details;
        details.Open(&where);
        details.DataSet()->SetSort(QStringLiteral("Id , WareCode"));
        EXPECT_EQ(Rows(details.DataSet(), {"Id", "Code", "OldCode", "WareName", "Qty", "Fund", "QuotmanName"}), expected);
    }
    TQuotDetails all;
    EXPECT_EQ(all.Open(nullptr), 3);
    ASSERT_TRUE(all.Locate(QStringLiteral("Id"), 2));
    EXPECT_EQ(all.ClientNameFld->AsString(), QStringLiteral("乙公司"));
    EXPECT_EQ(all.DeptNameFld->AsString(), QStringLiteral("市场部"));
    EXPECT_EQ(all.TimeLimitFld->AsDate(), QDate(2013, 4, 30));
    EXPECT_EQ(all.NoteFld->AsString(), QStringLiteral("临时"));
    EXPECT_EQ(all.BillmanFld->AsString(), QStringLiteral("李四"));
    EXPECT_EQ(all.WareUnitFld->AsString(), QStringLiteral("台"));
}

MQ_BOTH_ENGINES(SaleDetailsTest);
MQ_BOTH_ENGINES(QuotDetailsTest);

}  // namespace
