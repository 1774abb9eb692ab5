#include "OrderLists.h"
#include "OrderProgress.h"
#include "ReportsFixture.h"

#include <tuple>

namespace {

class OrderProgressTest : public ReportsTest {
protected:
    // Order 1 of 甲: line 101 A100 10 boxes of 12 at 100, discount 0.9; line 102 B200 5 at 2.
    // Order 2 of 乙: line 201 B200 5 at 2; line 202 C300 0.4 at 50. Order 3 of 丙: line 301
    // D400 0.6 at 10. Delivered: 100 pieces of A100 at 9 and 7 B200 at 2 against order 1, then
    // 4 pieces of A100 returned.
    void Prepare() override
    {
        ReportsTest::Prepare();
        Order({QDate(2013, 2, 1), 1, 1, 1}, {TLine{1, 10, 100, 0.9, 12}, TLine{2, 5, 2}});
        Order({QDate(2013, 3, 1), 2, 2, 2}, {TLine{2, 5, 2}, TLine{3, 0.4, 50}});
        Order({QDate(2013, 3, 5), 3, 3, 1}, {TLine{4, 0.6, 10}});
        Sale({QDate(2013, 2, 5), 1, 1, 1}, {TLine{1, 100, 9, 1, 1, 101}, TLine{2, 7, 2, 1, 1, 102}});
        Sale({QDate(2013, 2, 10), 1, 1, 1, 2}, {TLine{1, 4, 9, 1, 1, 101}});
        CurrentOperator().LoginId = QStringLiteral("张三");
        CurrentOperator().Rights = QStringLiteral(",71,");
    }

    static QStringList Lines(TOrderProgress& set)
    {
        set.DataSet()->SetSort(QStringLiteral("OrderdlId"));
        return Rows(set.DataSet(), {"OrderdlId", "OrderQty", "CompleteQty", "ResidualQty", "LastSendDate", "Fund", "ComFlag"});
    }
    static QStringList Sums(TOrderWareSums& set)
    {
        return Rows(set.DataSet(), {"WareCode", "OrderQty", "SaleQty", "TerminateQty", "ResidualQty", "OverQty", "OrderFund",
                                    "SaleFund"});
    }
};

TEST_P(OrderProgressTest, LinesShowOrderedDeliveredAndPendingBaseUnits)
{
    TOrderProgress set;
    EXPECT_EQ(BuildOrderProgress(&set, nullptr), 5);
    EXPECT_EQ(Lines(set), (QStringList{// 120 ordered, 100 delivered, 4 returned
                                       "101|120.00|96.00|24.00|2013-02-10|900.00|",
                                       // over-delivered
                                       "102|5.00|7.00|-2.00|2013-02-05|10.00|√",
                                       "201|5.00|-|5.00|-|10.00|", "202|0.40|-|0.40|-|20.00|", "301|0.60|-|0.60|-|6.00|"}));
    ASSERT_TRUE(set.DataSet()->Locate(QStringLiteral("OrderdlId"), 101));
    const ROrderProgress r = set.AsData();
    EXPECT_EQ(r.Id, 1);
    EXPECT_EQ(r.Code, QStringLiteral("CD1"));
    EXPECT_EQ(r.ClientId, 1);
    EXPECT_EQ(r.WareCode, QStringLiteral("A100"));
    EXPECT_EQ(r.WareCostPrice, 6.0);
    EXPECT_EQ(r.WareProfitRate, 10);
    EXPECT_EQ(r.UnitRate, 12.0);
    EXPECT_EQ(r.OrderQty, 120.0);
    EXPECT_EQ(r.ResidualQty, 24.0);
    EXPECT_EQ(r.Discount, 0.9);
    EXPECT_EQ(set.QtyFld->AsFloat(), 10.0);
    EXPECT_EQ(set.ClientNameFld->AsString(), QStringLiteral("甲公司"));
    EXPECT_EQ(set.SalemanNameFld->AsString(), QStringLiteral("王五"));
    EXPECT_EQ(set.TypeNameFld->AsString(), QStringLiteral("普通订单"));
    EXPECT_EQ(set.WarecataCodeFld->AsString(), QStringLiteral("0101"));
}

TEST_P(OrderProgressTest, CriteriaNarrowTheLines)
{
    const QList<QPair<std::function<void(TOrderWhere&)>, QList<int>>> cases = {
        {[](TOrderWhere& w) { w.ClientIdFld->SetValue(2); }, {201, 202}},
        {[](TOrderWhere& w) { w.WareClassIdFld->SetValue(QStringLiteral("01")); }, {101, 202}},
        {[](TOrderWhere& w) { w.BillCodeFld->SetValue(QStringLiteral("D3")); }, {301}},
        {[](TOrderWhere& w) { w.WareIdFld->SetValue(2); }, {102, 201}},
        {[](TOrderWhere& w) { w.BeginDateFld->SetValue(QDate(2013, 3, 2)); }, {301}},
    };
    for (const auto& [criteria, expected] : cases) {
        TOrderWhere where;
        criteria(where);
        TOrderProgress set;
        BuildOrderProgress(&set, &where);
        set.DataSet()->SetSort(QStringLiteral("OrderdlId"));
        QList<int> ids;
        for (int r = 0; r < set.DataSet()->RecordCount(); ++r)
            ids << set.DataSet()->ValueAt(r, set.OrderdlIdFld->Index()).toInt();
        EXPECT_EQ(ids, expected);
    }
}

TEST_P(OrderProgressTest, UnfinishedLeavesOutDoneAndStoppedLinesUntilResumed)
{
    TOrderWhere where;
    where.UnFinishedFld->SetValue(true);
    TOrderProgress set;
    QList<QPair<int, int>> events;
    set.OnProgress = [&](int count, int position) { events << qMakePair(count, position); };
    BuildOrderProgress(&set, &where);
    EXPECT_EQ(Lines(set), (QStringList{"101|120.00|96.00|24.00|2013-02-10|900.00|", "201|5.00|-|5.00|-|10.00|",
                                       "202|0.40|-|0.40|-|20.00|", "301|0.60|-|0.60|-|6.00|"}));
    // Progress runs over every line found, kept or not.
    ASSERT_EQ(events.size(), 5);
    EXPECT_EQ(events.last(), qMakePair(5, 5));

    ASSERT_TRUE(set.DataSet()->Locate(QStringLiteral("OrderdlId"), 201));
    EXPECT_TRUE(set.ToggleTermination());
    EXPECT_EQ(set.ComFlagFld->AsString(), QStringLiteral("中止"));
    EXPECT_EQ(set.ComIdFld->AsInteger(), 201);
    EXPECT_EQ(Db().Select(QStringLiteral("select count(*) from slordercom where OrdlId=201"), {}).next(), true);

    TOrderProgress again;
    BuildOrderProgress(&again, &where);
    EXPECT_EQ(Lines(again), (QStringList{"101|120.00|96.00|24.00|2013-02-10|900.00|", "202|0.40|-|0.40|-|20.00|",
                                         "301|0.60|-|0.60|-|6.00|"}));
    TOrderProgress all;
    BuildOrderProgress(&all, nullptr);
    EXPECT_EQ(Lines(all)[2], QStringLiteral("201|5.00|-|5.00|-|10.00|中止"));
    const RWareTotals t = all.WareTotals(2);
    EXPECT_EQ(std::make_tuple(t.OrderQty, t.CompleteQty, t.TerminateQty, t.ResidualQty, t.OverQty),
              std::make_tuple(10.0, 7.0, 5.0, 0.0, -2.0));

    // Resuming: the set's own row follows, and the line is open again.
    ASSERT_TRUE(set.DataSet()->Locate(QStringLiteral("OrderdlId"), 201));
    EXPECT_TRUE(set.ToggleTermination());
    EXPECT_TRUE(set.ComIdFld->IsNull());
    EXPECT_EQ(set.ComFlagFld->AsString(), QString());
    BuildOrderProgress(&again, &where);
    EXPECT_EQ(Lines(again).size(), 4);
}

TEST_P(OrderProgressTest, StoppingALineTheOtherWorkstationStoppedFailsAndLeavesTheRow)
{
    TOrderProgress set;
    BuildOrderProgress(&set, nullptr);
    Exec(QStringLiteral("insert into slordercom(OrdlId) values (201)"));
    ASSERT_TRUE(set.DataSet()->Locate(QStringLiteral("OrderdlId"), 201));
    EXPECT_FALSE(set.ToggleTermination());
    EXPECT_TRUE(set.ComIdFld->IsNull());
    TOrderProgress empty;
    EXPECT_FALSE(empty.ToggleTermination());
}

TEST_P(OrderProgressTest, TheGoodsSummaryAddsUpTheLinesOfEachItem)
{
    TOrderWareSums sums;
    QStringList hints;
    QList<QPair<int, int>> events;
    sums.OnProgress2 = [&](int count, int position, const QString& hint) {
        events << qMakePair(count, position);
        hints << hint;
    };
    EXPECT_EQ(sums.Open(nullptr), 4);
    EXPECT_EQ(Sums(sums), (QStringList{"A100|120.00|96.00|-|24.00|-|900.00|864.00", "B200|10.00|7.00|-|5.00|-2.00|20.00|14.00",
                                       "C300|0.40|0.00|-|0.40|-|20.00|0.00", "D400|0.60|0.00|-|0.60|-|6.00|0.00"}));
    EXPECT_EQ(hints.first(), QStringLiteral("正在查询订单..."));
    EXPECT_EQ(hints[1], QStringLiteral("正在汇总发货..."));
    EXPECT_EQ(hints[2], QStringLiteral("正在提取数据..."));
    EXPECT_EQ(events[1], qMakePair(4, 0));
    EXPECT_EQ(events.last(), qMakePair(0, 0));
    EXPECT_EQ(hints.last(), QString());

    // Unfinished: 0.4 pending is nothing as a whole number, 0.6 is one; the delivered figures
    // come from the open lines only.
    TOrderWhere where;
    where.UnFinishedFld->SetValue(true);
    sums.Open(&where);
    EXPECT_EQ(Sums(sums), (QStringList{"A100|120.00|96.00|-|24.00|-|900.00|864.00", "B200|10.00|0.00|-|5.00|-|20.00|0.00",
                                       "D400|0.60|0.00|-|0.60|-|6.00|0.00"}));

    // A stopped line shows in TerminateQty when every line counts.
    Exec(QStringLiteral("insert into slordercom(OrdlId) values (201)"));
    sums.Open(nullptr);
    EXPECT_EQ(Sums(sums)[1], QStringLiteral("B200|10.00|7.00|5.00|0.00|-2.00|20.00|14.00"));
}

MQ_BOTH_ENGINES(OrderProgressTest);

}  // namespace
