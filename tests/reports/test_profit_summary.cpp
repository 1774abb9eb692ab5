#include "ProfitSummary.h"
#include "ReportsFixture.h"
#include "SaleLists.h"

#include <memory>

namespace {

const QStringList kAmounts = {"Qty", "SaleFund", "SalePercent", "InnerFund", "CostFund", "OutlayFund", "ProfitFund"};

class ProfitSummaryTest : public ReportsTest {
protected:
    // Deliveries of 2013 (line: goods qty × price, cost / inner price per base unit, commission rate):
    //   1  甲 王五 销售部        A100 10 × 100, cost 60, inner 80, rate 10           sale 1000
    //   2  乙 赵六 销售部        B200 20 × 5, cost 3, inner 4, rate 5                sale 100
    //   3  乙 赵六 销售部 return B200 4 × 5, same prices                             sale -20
    //   4  丙 (no salesman) 市场部  C300 4 × 50, cost 50, inner 60, rate 2           sale 200
    //                           D400 10 packs of 5 × 2, cost 1, inner 1.2 per piece  sale 20
    // and one delivery of 2012. Expense vouchers of 2013: 孙七 / 市场部 300; 赵六 / 销售部 / 乙
    // -50 (taken in); and one of 2012. All sales of 2013 come to 1300.
    void Prepare() override
    {
        ReportsTest::Prepare();
        Sale({QDate(2013, 3, 10), 1, 1, 1}, {TLine{1, 10, 100, 1, 1, {}, 60, 80, 10}});
        Sale({QDate(2013, 4, 1), 2, 2, 1}, {TLine{2, 20, 5, 1, 1, {}, 3, 4, 5}});
        Sale({QDate(2013, 4, 15), 2, 2, 1, 2}, {TLine{2, 4, 5, 1, 1, {}, 3, 4, 5}});
        Sale({QDate(2013, 5, 20), 3, std::nullopt, 2}, {TLine{3, 4, 50, 1, 1, {}, 50, 60, 2}, TLine{4, 10, 2, 1, 5, {}, 1, 1.2, 0}});
        Sale({QDate(2012, 12, 31), 1, 1, 1}, {TLine{1, 1, 100, 1, 1, {}, 60, 80, 10}});
        Outlay(QDate(2013, 6, 1), 1, 300, 3, 2, std::nullopt);
        Outlay(QDate(2013, 6, 2), -1, 50, 2, 1, 2);
        Outlay(QDate(2012, 12, 1), 1, 999, 1, 1, 1);
        Where.BeginDateFld->SetValue(QDate(2013, 1, 1));
        Where.EndDateFld->SetValue(QDate(2013, 12, 31));
    }

    QStringList Compute(TSumBy& set, const QString& member)
    {
        set.Compute(&Where);
        return Rows(set.DataSet(), QStringList{member} + kAmounts);
    }

    TSaleWhere Where;
};

TEST_P(ProfitSummaryTest, SalesmenEarnTheirCommissionLessTheirExpenses)
{
    TSumBySaleman set;
    EXPECT_EQ(Compute(set, "SalemanName"),
              (QStringList{// (1000 - 800) × 10% with no expenses
                           "王五|10.00|1000.00|76.92|800.00|600.00|-|20.00",
                           // a return lowers every figure; (100-80)×5% - (20-16)×5% + 50 taken in
                           "赵六|16.00|80.00|6.15|64.00|48.00|-50.00|50.80",
                           // expenses only
                           "孙七|-|-|-|-|-|300.00|-300.00"}));
    // The delivery without a salesman counts in the total the shares are measured against.
    EXPECT_LT(TSumBy::SumField(set.SalePercentFld), 100.0);
    EXPECT_EQ(set.ItemFld, set.SalemanNameFld);
}

TEST_P(ProfitSummaryTest, DepartmentsAndClientsEarnSalesLessCostLessExpenses)
{
    TSumByDept depts;
    EXPECT_EQ(Compute(depts, "DeptName"), (QStringList{"销售部|26.00|1080.00|83.08|864.00|648.00|-50.00|482.00",
                                                       "市场部|54.00|220.00|16.92|300.00|250.00|300.00|-330.00",
                                                       "后勤部|-|-|-|-|-|-|-"}));
    TSumByClient clients;
    EXPECT_EQ(Compute(clients, "ClientName"), (QStringList{"甲公司|10.00|1000.00|76.92|800.00|600.00|-|400.00",
                                                           "乙公司|16.00|80.00|6.15|64.00|48.00|-50.00|82.00",
                                                           "丙公司|54.00|220.00|16.92|300.00|250.00|-|-30.00"}));
    EXPECT_EQ(Rows(clients.DataSet(), {"ClientId", "ClientLinkman", "ClientTel", "ClientFax", "ClientAddr"}).first(),
              QStringLiteral("1|老甲|111|911|甲路1号"));
}

TEST_P(ProfitSummaryTest, GoodsListOnlyWhatSoldAndClassesListEveryClass)
{
    TSumByWare goods;
    EXPECT_EQ(Compute(goods, "WareName"), (QStringList{"芯片A|10.00|1000.00|76.92|800.00|600.00|-|400.00",
                                                       "螺丝|16.00|80.00|6.15|64.00|48.00|-|32.00",
                                                       "电源|4.00|200.00|15.38|240.00|200.00|-|0.00",
                                                       "电线|50.00|20.00|1.54|60.00|50.00|-|-30.00"}));
    TSumByWareclass classes;
    EXPECT_EQ(Compute(classes, "CataName"), (QStringList{"电子|4.00|200.00|15.38|240.00|200.00|-|0.00",
                                                         "芯片|10.00|1000.00|76.92|800.00|600.00|-|400.00",
                                                         "五金|16.00|80.00|6.15|64.00|48.00|-|32.00",
                                                         "-|50.00|20.00|1.54|60.00|50.00|-|-30.00"}));

    // The goods objects read every criterion; classes without sales keep empty rows.
    Where.ClientIdFld->SetValue(1);
    EXPECT_EQ(Compute(goods, "WareCode"), QStringList{"A100|10.00|1000.00|100.00|800.00|600.00|-|400.00"});
    EXPECT_EQ(Compute(classes, "CataCode"),
              (QStringList{"01|-|-|-|-|-|-|-", "0101|10.00|1000.00|100.00|800.00|600.00|-|400.00", "02|-|-|-|-|-|-|-"}));
    Where.ClientIdFld->Clear();
    Where.WareNameXFld->SetValue(QStringLiteral("螺"));
    EXPECT_EQ(Compute(goods, "WareCode"), QStringList{"B200|16.00|80.00|100.00|64.00|48.00|-|32.00"});
    Where.WareNameXFld->Clear();
    Where.TypeIdFld->SetValue(2);
    EXPECT_EQ(Compute(goods, "WareCode"), QStringList{"B200|-4.00|-20.00|100.00|-16.00|-12.00|-|-8.00"});
}

TEST_P(ProfitSummaryTest, TheMemberObjectsReadOnlyTheDates)
{
    Where.ClientIdFld->SetValue(1);
    Where.SalemanIdFld->SetValue(1);
    TSumByDept depts;
    EXPECT_EQ(Compute(depts, "DeptName").first(), QStringLiteral("销售部|26.00|1080.00|83.08|864.00|648.00|-50.00|482.00"));
    // Without dates everything counts: the 2012 delivery and expense too.
    TSumBySaleman salesmen;
    salesmen.Compute(nullptr);
    EXPECT_EQ(Rows(salesmen.DataSet(), {"SalemanName", "Qty", "SaleFund", "OutlayFund", "ProfitFund"}).first(),
              QStringLiteral("王五|11.00|1100.00|999.00|-977.00"));
}

TEST(ProfitShare, SharesRoundToTwoDecimalsWithTiesToEven)
{
    EXPECT_DOUBLE_EQ(TSumBy::SalePercent(1, 800).toDouble(), 0.12);   // 0.125
    EXPECT_DOUBLE_EQ(TSumBy::SalePercent(3, 800).toDouble(), 0.38);   // 0.375
    EXPECT_DOUBLE_EQ(TSumBy::SalePercent(-1, 3).toDouble(), -33.33);
    EXPECT_TRUE(TSumBy::SalePercent(5, 0).isNull());  // every sale cancelled by returns
}

TEST_P(ProfitSummaryTest, ObjectsAreOfferedInTheWindowsOrder)
{
    QStringList names;
    for (const TProfitObject& o : ProfitObjects()) {
        std::unique_ptr<TSumBy> set(o.Create(nullptr));
        set->Compute(&Where);
        names << QStringLiteral("%1 %2 %3 %4").arg(o.Name).arg(o.Report).arg(o.GridLayout).arg(set->ItemFld->DisplayLabel());
        EXPECT_GT(set->DataSet()->RecordCount(), 0);
    }
    EXPECT_EQ(names, (QStringList{"销售员 10 218 销售员", "部门 61 283 部门", "客户 9 217 客户名称", "产品 8 216 品名",
                                  "产品类别 35 238 类别"}));
}

MQ_BOTH_ENGINES(ProfitSummaryTest);

}  // namespace
