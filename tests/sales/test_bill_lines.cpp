// The line datasets of the entry grids: whole-array reading and writing, and posting amounts.
#include "BilldlSets.h"
#include "Labels.h"

#include <gtest/gtest.h>

namespace {

RSaledl line(int dlId, int wareId, std::optional<double> qty, std::optional<double> price)
{
    RSaledl l;
    l.dlId = dlId;
    l.MastId = 7;
    l.WareId = wareId;
    l.WareCode = QStringLiteral("A%1").arg(wareId);
    l.WareName = QStringLiteral("货品%1").arg(wareId);
    l.UnitRate = 0.5;
    l.UnitName = QStringLiteral("半箱");
    l.Qty = qty;
    l.Price = price;
    l.Discount = 0.9;
    l.Fund = 1.23;
    l.dlNote = QStringLiteral("备注");
    l.OrdlId = wareId == 1 ? std::optional<int>(41) : std::nullopt;
    l.OrdCode = wareId == 1 ? QStringLiteral("CD13010001") : QString();
    l.CostPrice = 6.5;
    l.ProfitRate = 3;
    return l;
}

}  // namespace

TEST(BillLines, SaleLinesRoundTripWithNullsAndPendingEdit)
{
    TSaledlSet set;
    const RSaledls lines = {line(1, 1, 2, 10), line(0, 2, std::nullopt, std::nullopt)};
    set.SetAsDatas(lines);
    TDataSet* ds = set.DataSet();
    ASSERT_EQ(ds->RecordCount(), 2);
    EXPECT_EQ(ds->RecNo(), 1);
    EXPECT_EQ(set.WareNameFld->DisplayLabel(), TCaptions::WareS02());
    EXPECT_FALSE(set.OrdlIdFld->Visible());
    EXPECT_EQ(set.OrdCodeFld->DisplayLabel(), QStringLiteral("订单号"));

    ds->Last();
    ds->Edit();
    set.QtyFld->SetValue(3.0);
    set.PriceFld->SetValue(4.0);
    set.PostAmount();  // the amount a posted delivery line gets: 3 × 4 × 0.9
    const RSaledls read = set.AsDatas();
    EXPECT_EQ(ds->RecNo(), 2);  // the cursor stays
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].OrdlId, 41);
    EXPECT_EQ(read[0].OrdCode, QStringLiteral("CD13010001"));
    EXPECT_DOUBLE_EQ(read[0].UnitRate, 0.5);
    EXPECT_EQ(read[0].Fund, 1.23);
    EXPECT_EQ(read[0].CostPrice, 6.5);
    EXPECT_FALSE(read[0].InnerPrice);
    EXPECT_EQ(read[0].ProfitRate, 3);
    EXPECT_EQ(read[1].Qty, 3.0);
    EXPECT_EQ(read[1].Fund, 10.8);
    EXPECT_FALSE(read[1].OrdlId);
    EXPECT_TRUE(read[1].OrdCode.isEmpty());
    EXPECT_EQ(read[1].dlNote, QStringLiteral("备注"));

    set.SetAsDatas({});
    EXPECT_EQ(set.AsDatas().size(), 0);
}

TEST(BillLines, QuotationLinesHaveNoDiscount)
{
    TQuotdlSet set;
    EXPECT_EQ(set.DiscountFld, nullptr);
    EXPECT_EQ(set.DataSet()->FindField(QStringLiteral("Discount")), nullptr);
    RQuotdl l;
    l.WareId = 3;
    l.Qty = 2;
    l.Price = 0.125;
    set.SetAsDatas({l});
    set.PostAmount(TDecimals{2, 2});
    const RQuotdls read = set.AsDatas();
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].Price, 0.13);
    EXPECT_EQ(read[0].Fund, 0.26);
    EXPECT_DOUBLE_EQ(read[0].UnitRate, 1.0);
}

TEST(BillLines, LineAmounts)
{
    struct Case {
        std::optional<double> qty, price, discount;
        double fund;
    };
    const QList<Case> cases = {
        {3, 3.33, 1, 9.99},
        {1, 2.675, 1, 2.68},  // halves away from zero on the decimal value
        {3, 100.004, 1, 300.01},
        {-2, 1.005, 1, -2.01},
        {5, std::nullopt, 1, 0},
        {5, 2, std::nullopt, 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(BillAmounts::LineFund(c.qty, c.price, c.discount), c.fund);
}
