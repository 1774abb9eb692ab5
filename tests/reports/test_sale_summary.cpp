#include "ReportsFixture.h"
#include "SaleLists.h"
#include "SaleSummary.h"

#include <QRandomGenerator>
#include <memory>

namespace {

class SaleSummaryTest : public ReportsTest {
protected:
    // Five deliveries over two years. Summary amounts are Qty × Price of each line, rounded to
    // two decimals per line and without the line's discount:
    //   1  2013-01-05 Sat  甲 王五 销售部  A100 3 × 1.115 = 3.35; B200 3 × 1.115 (discount 0.5) = 3.35
    //   2  2014-01-07 Tue  甲 赵六 市场部  C300 2 × 50 = 100
    //   3  2013-05-15 Wed  乙 王五 销售部  return of B200 4 × 2.5 = -10
    //   4  2013-08-20 Tue  no client, no salesman, 销售部  D400 (no class) 1 × 7 = 7
    //   5  2013-11-11 Mon  丙 孙七 销售部  A100 10 × 2 = 20
    void Prepare() override
    {
        ReportsTest::Prepare();
        Sale({QDate(2013, 1, 5), 1, 1, 1}, {{1, 3, 1.115}, {2, 3, 1.115, 0.5}});
        Sale({QDate(2014, 1, 7), 1, 2, 2}, {{3, 2, 50}});
        Sale({QDate(2013, 5, 15), 2, 1, 1, 2}, {{2, 4, 2.5}});
        Sale({QDate(2013, 8, 20), std::nullopt, std::nullopt, 1}, {{4, 1, 7}});
        Sale({QDate(2013, 11, 11), 3, 3, 1}, {{1, 10, 2}});
    }

    static QStringList Columns(const TSaleSumView& view)
    {
        return {view.NameFld->FieldName(), QStringLiteral("JanFund"), QStringLiteral("MayFund"),
                QStringLiteral("AugFund"), QStringLiteral("NovFund"), QStringLiteral("SprFund"),
                QStringLiteral("SumFund"), QStringLiteral("AutFund"), QStringLiteral("WinFund"),
                QStringLiteral("MonFund"), QStringLiteral("TueFund"), QStringLiteral("WedFund"),
                QStringLiteral("SatFund"), QStringLiteral("TotFund")};
    }

    // Months, quarters and weekdays each add up to the total, and a cell no line reached is empty.
    static void ExpectConsistent(const TSaleSumView& view)
    {
        const TDataSet* ds = view.DataSet();
        for (int r = 0; r < ds->RecordCount(); ++r) {
            const auto sum = [&](auto fieldOf, int n) {
                double s = 0;
                bool any = false;
                for (int i = 1; i <= n; ++i) {
                    const QVariant v = ds->ValueAt(r, fieldOf(i)->Index());
                    any = any || !v.isNull();
                    s += v.toDouble();
                }
                return any ? QString::number(s, 'f', 2) : QStringLiteral("-");
            };
            const QVariant total = ds->ValueAt(r, view.TotFundFld->Index());
            const QString expected = total.isNull() ? QStringLiteral("-") : QString::number(total.toDouble(), 'f', 2);
            EXPECT_EQ(sum([&](int i) { return view.MonthFld(i); }, 12), expected) << "row " << r;
            EXPECT_EQ(sum([&](int i) { return view.QuarterFld(i); }, 4), expected) << "row " << r;
            EXPECT_EQ(sum([&](int i) { return view.WeekdayFld(i); }, 7), expected) << "row " << r;
        }
    }
};

struct TSummaryCase {
    const char* Name;
    int Kind;  // index into SaleSumKinds()
    std::function<void(TSaleWhere&)> Criteria;
    QStringList Expected;  // name|Jan|May|Aug|Nov|Q1|Q2|Q3|Q4|Mon|Tue|Wed|Sat|Total
};

TEST_P(SaleSummaryTest, EveryDimensionSpreadsTheLinesOverMonthsQuartersAndWeekdays)
{
    const auto none = [](TSaleWhere&) {};
    const QList<TSummaryCase> cases = {
        {"clients; both Januaries add up; a delivery without client has its own row", 0, none,
         {"甲公司|106.70|-|-|-|106.70|-|-|-|-|100.00|-|6.70|106.70", "乙公司|-|-10.00|-|-|-|-10.00|-|-|-|-|-10.00|-|-10.00",
          "丙公司|-|-|-|20.00|-|-|-|20.00|20.00|-|-|-|20.00", "其他Id=0|-|-|7.00|-|-|-|7.00|-|-|7.00|-|-|7.00"}},
        {"clients of 2013 only", 0,
         [](TSaleWhere& w) {
             w.BeginDateFld->SetValue(QDate(2013, 1, 1));
             w.EndDateFld->SetValue(QDate(2013, 12, 31));
         },
         {"甲公司|6.70|-|-|-|6.70|-|-|-|-|-|-|6.70|6.70", "乙公司|-|-10.00|-|-|-|-10.00|-|-|-|-|-10.00|-|-10.00",
          "丙公司|-|-|-|20.00|-|-|-|20.00|20.00|-|-|-|20.00", "其他Id=0|-|-|7.00|-|-|-|7.00|-|-|7.00|-|-|7.00"}},
        {"one client", 0, [](TSaleWhere& w) { w.ClientIdFld->SetValue(1); },
         {"甲公司|106.70|-|-|-|106.70|-|-|-|-|100.00|-|6.70|106.70"}},
        {"salesmen", 1, none,
         {"王五|6.70|-10.00|-|-|6.70|-10.00|-|-|-|-|-10.00|6.70|-3.30", "赵六|100.00|-|-|-|100.00|-|-|-|-|100.00|-|-|100.00",
          "孙七|-|-|-|20.00|-|-|-|20.00|20.00|-|-|-|20.00", "其他Id=0|-|-|7.00|-|-|-|7.00|-|-|7.00|-|-|7.00"}},
        {"goods by code", 2, none,
         {"芯片A|3.35|-|-|20.00|3.35|-|-|20.00|20.00|-|-|3.35|23.35", "螺丝|3.35|-10.00|-|-|3.35|-10.00|-|-|-|-|-10.00|3.35|-6.65",
          "电源|100.00|-|-|-|100.00|-|-|-|-|100.00|-|-|100.00", "电线|-|-|7.00|-|-|-|7.00|-|-|7.00|-|-|7.00"}},
        {"goods of the class 01 and below", 2, [](TSaleWhere& w) { w.WareClassIdFld->SetValue(QStringLiteral("01")); },
         {"芯片A|3.35|-|-|20.00|3.35|-|-|20.00|20.00|-|-|3.35|23.35", "电源|100.00|-|-|-|100.00|-|-|-|-|100.00|-|-|100.00"}},
        {"goods classes; nothing rolls up; goods without class in a row of their own", 3, none,
         {"电子|100.00|-|-|-|100.00|-|-|-|-|100.00|-|-|100.00", "芯片|3.35|-|-|20.00|3.35|-|-|20.00|20.00|-|-|3.35|23.35",
          "五金|3.35|-10.00|-|-|3.35|-10.00|-|-|-|-|-10.00|3.35|-6.65", "其他Id=|-|-|7.00|-|-|-|7.00|-|-|7.00|-|-|7.00"}},
        {"the class 01 and the classes below it", 3, [](TSaleWhere& w) { w.WareClassIdFld->SetValue(QStringLiteral("01")); },
         {"电子|100.00|-|-|-|100.00|-|-|-|-|100.00|-|-|100.00", "芯片|3.35|-|-|20.00|3.35|-|-|20.00|20.00|-|-|3.35|23.35"}},
        {"districts of the clients", 4, none,
         {"华东|-|-|-|20.00|-|-|-|20.00|20.00|-|-|-|20.00", "上海|106.70|-|-|-|106.70|-|-|-|-|100.00|-|6.70|106.70",
          "华北|-|-10.00|-|-|-|-10.00|-|-|-|-|-10.00|-|-10.00", "其他Id=|-|-|7.00|-|-|-|7.00|-|-|7.00|-|-|7.00"}},
        {"the district 01 and below", 4, [](TSaleWhere& w) { w.DistCodeFld->SetValue(QStringLiteral("01")); },
         {"华东|-|-|-|20.00|-|-|-|20.00|20.00|-|-|-|20.00", "上海|106.70|-|-|-|106.70|-|-|-|-|100.00|-|6.70|106.70"}},
        {"departments", 5, none,
         {"销售部|6.70|-10.00|7.00|20.00|6.70|-10.00|7.00|20.00|20.00|7.00|-10.00|6.70|23.70",
          "市场部|100.00|-|-|-|100.00|-|-|-|-|100.00|-|-|100.00", "后勤部|-|-|-|-|-|-|-|-|-|-|-|-|-"}},
        {"one department still lists them all", 5, [](TSaleWhere& w) { w.DeptIdFld->SetValue(2); },
         {"销售部|-|-|-|-|-|-|-|-|-|-|-|-|-", "市场部|100.00|-|-|-|100.00|-|-|-|-|100.00|-|-|100.00",
          "后勤部|-|-|-|-|-|-|-|-|-|-|-|-|-"}},
        {"returns only", 1, [](TSaleWhere& w) { w.TypeIdFld->SetValue(2); },
         {"王五|-|-10.00|-|-|-|-10.00|-|-|-|-|-10.00|-|-10.00", "赵六|-|-|-|-|-|-|-|-|-|-|-|-|-",
          "孙七|-|-|-|-|-|-|-|-|-|-|-|-|-"}},
        {"a period without deliveries lists the members with empty cells", 0,
         [](TSaleWhere& w) { w.BeginDateFld->SetValue(QDate(2020, 1, 1)); },
         {"甲公司|-|-|-|-|-|-|-|-|-|-|-|-|-", "乙公司|-|-|-|-|-|-|-|-|-|-|-|-|-", "丙公司|-|-|-|-|-|-|-|-|-|-|-|-|-"}},
    };
    for (const TSummaryCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::unique_ptr<TSaleSumView> view(SaleSumKinds()[c.Kind].Create(nullptr));
        view->Where()->Reset();
        c.Criteria(*view->Where());
        view->Compute();
        EXPECT_EQ(Rows(view->DataSet(), Columns(*view)), c.Expected);
        ExpectConsistent(*view);
    }
}

TEST_P(SaleSummaryTest, RowsKeepTheMemberTextsAndCodes)
{
    TSaleSumClient clients;
    clients.Compute();
    EXPECT_EQ(Rows(clients.DataSet(), {"ClientId", "ClientName", "ClientLinkman", "ClientLinktel"}),
              (QStringList{"1|甲公司|老甲|111", "2|乙公司|老乙|222", "3|丙公司|-|-", "0|其他Id=0|-|-"}));
    TSaleSumWarecata classes;
    classes.Compute();
    EXPECT_EQ(Rows(classes.DataSet(), {"WarecataId", "WarecataCode", "WarecataName"}),
              (QStringList{"1|01|电子", "2|0101|芯片", "3|02|五金", "0|-|其他Id="}));
    TSaleSumWare goods;
    goods.Where()->WareIdFld->SetValue(3);
    goods.Compute();
    EXPECT_EQ(Rows(goods.DataSet(), {"WareId", "WareCode", "WareName", "WarePartNo", "WareBrand", "WarePackage", "WareUnit"}),
              (QStringList{"3|C300|电源|12V|牌3|箱|台"}));
}

TEST_P(SaleSummaryTest, ProgressEndsAtTheCountAndTheTimeIsKept)
{
    TSaleSumSaleman view;
    QList<QPair<int, int>> events;
    view.OnProgress = [&](int count, int position) { events << qMakePair(count, position); };
    view.Compute();
    // One group per salesman and day: 王五 twice, 赵六, 孙七, no salesman.
    ASSERT_EQ(events.size(), 5);
    EXPECT_EQ(events.first(), qMakePair(5, 1));
    EXPECT_EQ(events.last(), qMakePair(5, 5));
    EXPECT_GT(view.LostTime(), 0.0);
    EXPECT_EQ(view.DataSet()->RecNo(), 1);
}

TEST_P(SaleSummaryTest, PeriodsShowTheirColumnsOnly)
{
    TSaleSumClient view;
    view.Compute();
    const auto visible = [&view] {
        QStringList names;
        for (const TField* f : view.DataSet()->Fields())
            if (f->Visible() && f->IsNumeric() && f->DataType() != TFieldType::Integer) names << f->FieldName();
        return names.join(u',');
    };
    view.ShowPeriod(TSalePeriod::Weekday);
    EXPECT_EQ(visible(), QStringLiteral("MonFund,TueFund,WedFund,ThuFund,FriFund,SatFund,SunFund,TotFund"));
    view.ShowPeriod(TSalePeriod::Quarter);
    EXPECT_EQ(visible(), QStringLiteral("SprFund,SumFund,AutFund,WinFund,TotFund"));
    view.ShowPeriod(TSalePeriod::Month);
    EXPECT_EQ(visible().count(u','), 12);
    EXPECT_EQ(view.DataSet()->FieldByName(QStringLiteral("JanFund"))->DisplayLabel(), QStringLiteral("一月份|销售额"));
    EXPECT_EQ(view.DataSet()->FieldByName(QStringLiteral("ClientName"))->Visible(), true);
}

// Each line is rounded to two decimals before it is added, halves away from zero; the database
// must round exactly as the program does, on both engines.
TEST_P(SaleSummaryTest, LineRoundingMatchesTheProgramsRoundingOnManyAmounts)
{
    Exec(QStringLiteral("delete from sale"));
    QRandomGenerator rnd(20130105);
    QHash<int, double> expected;
    Db().BeginTrans();
    for (int i = 0; i < 150; ++i) {
        const int client = 1 + int(rnd.bounded(3));
        const bool back = rnd.bounded(5) == 0;
        QList<TLine> lines;
        for (int n = 0; n < 3; ++n) {
            // Prices of three decimals and quantities with halves make many exact ties.
            const double qty = (1 + int(rnd.bounded(40))) / 2.0;
            const double price = int(rnd.bounded(100000)) / 1000.0;
            lines << TLine{1, qty, price};
            expected[client] = Numbers::RoundTo(expected[client] + Numbers::RoundTo((back ? -1 : 1) * qty * price, 2), 2);
        }
        Sale({QDate(2013, 1, 1).addDays(int(rnd.bounded(365))), client, 1, 1, back ? 2 : 1}, lines);
    }
    Db().CommitTrans();
    TSaleSumClient view;
    view.Compute();
    const TDataSet* ds = view.DataSet();
    ASSERT_EQ(ds->RecordCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const int client = ds->ValueAt(r, view.ClientIdFld->Index()).toInt();
        EXPECT_EQ(QString::number(ds->ValueAt(r, view.TotFundFld->Index()).toDouble(), 'f', 2),
                  QString::number(expected[client], 'f', 2))
            << "client " << client;
    }
}

TEST_P(SaleSummaryTest, AddingToTheCurrentRowRoundsEveryStep)
{
    TSaleSumDept view;
    view.Compute();
    view.DataSet()->Locate(QStringLiteral("DeptId"), 3);
    view.DataSet()->Edit();
    view.AddToMonth(QDate(2013, 2, 1), 0.125);
    view.AddToMonth(QDate(2013, 2, 1), 0.125);
    view.AddToQuarter(QDate(2013, 12, 1), 1.005);
    view.AddToWeekday(QDate(2013, 12, 1), -2);
    view.DataSet()->Post();
    EXPECT_DOUBLE_EQ(view.MonthFld(2)->AsFloat(), 0.26);  // 0.13 + 0.13
    EXPECT_DOUBLE_EQ(view.QuarterFld(4)->AsFloat(), 1.01);
    EXPECT_DOUBLE_EQ(view.WeekdayFld(7)->AsFloat(), -2.0);  // a Sunday
    EXPECT_TRUE(view.MonthFld(1)->IsNull());
}

MQ_BOTH_ENGINES(SaleSummaryTest);

}  // namespace
