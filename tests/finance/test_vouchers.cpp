// Other receivables and expense vouchers: both directions, their lists, finders and sums, and
// the guarded changes they share with every document.
#include "FinanceFixture.h"
#include "FundCalc.h"
#include "OutlayLists.h"
#include "ShldinLists.h"

namespace {

class VoucherTest : public FinanceTest {
protected:
    ROutlay Outlay(const QDate& day, double fund, int sign, int salemanId = 1, int deptId = 1, int clientId = 1)
    {
        ROutlay o;
        o.BizDate = day;
        o.Sign = sign;
        o.ItemId = 1;
        o.BankId = 1;
        o.Fund = fund;
        o.HandmanId = 2;
        o.ClientId = clientId;
        o.DeptId = deptId;
        o.SalemanId = salemanId;
        if (!TOutlayBill::Save(o)) throw EMqError(QStringLiteral("outlay save failed"));
        return o;
    }
};

TEST_P(VoucherTest, OtherReceivableMovesTheBalanceBothWays)
{
    Shldin(QDate(2013, 1, 5), 100);
    const RShldin down = Shldin(QDate(2013, 1, 6), 30, -1);
    Shldin(QDate(2013, 1, 7), 55, 1, 2);

    TShldinFundCalc calc;
    calc.Prepare(0, 0, std::nullopt, std::nullopt);
    double advance = -1, decrease = -1, increase = -1;
    calc.Totals(1, advance, decrease, increase);
    EXPECT_DOUBLE_EQ(increase, 70);
    EXPECT_EQ(advance, 0.0);
    EXPECT_EQ(decrease, 0.0);
    EXPECT_DOUBLE_EQ(calc.Totals(2).Increase, 55);

    RShldin loaded;
    ASSERT_TRUE(TShldinBill::Load(down.Id, loaded));
    EXPECT_EQ(loaded.Code, QStringLiteral("YS13010002"));
    EXPECT_EQ(loaded.Sign, -1);
    EXPECT_EQ(loaded.ItemName, QStringLiteral("代垫运费"));
    EXPECT_EQ(loaded.ClientName, QStringLiteral("甲公司"));
    EXPECT_EQ(loaded.HandmanName, QStringLiteral("王五"));
    EXPECT_EQ(loaded.DeptName, QStringLiteral("销售部"));

    TShldinFinder finder;
    int id = 0;
    EXPECT_FALSE(finder.Next(id));  // not open
    EXPECT_EQ(finder.Find(QDate(2013, 1, 6), std::nullopt), 2);
    ASSERT_TRUE(finder.Current(id));
    EXPECT_EQ(id, down.Id);
    finder.Where->ClientIdFld->SetValue(2);
    EXPECT_EQ(finder.OpenList(), 1);
    finder.Where->Reset();
    EXPECT_TRUE(finder.Where->ClientIdFld->IsNull());
    EXPECT_EQ(finder.OpenList(), 3);
}

TEST_P(VoucherTest, ExpensesBothWaysListsAndSums)
{
    Outlay(QDate(2013, 1, 3), 100, 1, 1, 1);
    Outlay(QDate(2013, 1, 4), 200, 1, 2, 1);
    Outlay(QDate(2013, 1, 5), 150, -1, 1, 2);
    Outlay(QDate(2013, 2, 1), 99.5, 1, 1, 2, 2);

    TOutlaySet list;
    struct Case {
        const char* Name;
        std::function<void(TOutlayWhere&)> Set;
        int Rows;
        double Signed;
    };
    const Case cases[] = {
        {"all", [](TOutlayWhere&) {}, 4, 249.5},
        {"amount from 100 to below 200", [](TOutlayWhere& w) { w.Fund1Fld->SetValue(100); w.Fund2Fld->SetValue(200); }, 2, -50},
        {"direction -1", [](TOutlayWhere& w) { w.SignIdFld->SetValue(-1); }, 1, -150},
        {"direction 1", [](TOutlayWhere& w) { w.SignIdFld->SetValue(1); }, 3, 399.5},
        {"January, end day included", [](TOutlayWhere& w) { w.BizDate1Fld->SetValue(QDate(2013, 1, 4)); w.BizDate2Fld->SetValue(QDate(2013, 1, 5)); }, 2, 50},
        {"salesman and department", [](TOutlayWhere& w) { w.SalemanIdFld->SetValue(1); w.DeptIdFld->SetValue(2); }, 2, -50.5},
        {"client", [](TOutlayWhere& w) { w.ClientIdFld->SetValue(2); }, 1, 99.5},
        {"code", [](TOutlayWhere& w) { w.CodeFld->SetValue(QStringLiteral("0004")); }, 1, 99.5},
    };
    for (const Case& c : cases) {
        list.Where->Reset();
        c.Set(*list.Where);
        EXPECT_EQ(list.OpenList(), c.Rows) << c.Name;
        EXPECT_DOUBLE_EQ(list.SignedTotal(), c.Signed) << c.Name;
    }
    list.Where->Reset();
    list.OpenList();
    EXPECT_EQ(list.FundCnCalcFld->AsString(), AmountInWords(100));
    EXPECT_EQ(list.ItemNameFld->AsString(), QStringLiteral("差旅费"));
    EXPECT_EQ(list.BankNameFld->AsString(), QStringLiteral("基本户"));
    EXPECT_EQ(list.SalemanNameFld->AsString(), QStringLiteral("王五"));

    const QHash<int, double> bySaleman = TOutlaySums::Sum(TOutlaySums::TBy::Saleman, QDate(2013, 1, 1), QDate(2013, 1, 31));
    EXPECT_DOUBLE_EQ(bySaleman.value(1), -50);
    EXPECT_DOUBLE_EQ(bySaleman.value(2), 200);
    const QHash<int, double> byDept = TOutlaySums::Sum(TOutlaySums::TBy::Dept, std::nullopt, std::nullopt);
    EXPECT_DOUBLE_EQ(byDept.value(2), -50.5);
}

TEST_P(VoucherTest, ChangesAreGuardedLikeEveryDocument)
{
    At(QDate(2013, 1, 10), QTime(8, 0));
    ROutlay o = Outlay(QDate(2013, 1, 3), 100, 1);
    const QDateTime made = *o.BillTime;
    At(QDate(2013, 1, 12), QTime(8, 0));
    o.Fund = 120;
    ASSERT_TRUE(TOutlayBill::Save(o));
    ROutlay loaded;
    ASSERT_TRUE(TOutlayBill::Load(o.Id, loaded));
    EXPECT_DOUBLE_EQ(loaded.Fund, 120);
    EXPECT_EQ(loaded.Billman, QStringLiteral("张三"));
    EXPECT_EQ(*loaded.BillTime, made);  // an edit keeps the making time

    // Only the maker changes a voucher, and nobody while it is checked.
    Login(QStringLiteral("李四"), FinanceRights());
    loaded.Fund = 1;
    QString message;
    EXPECT_FALSE(TOutlayBill::Save(loaded, message));
    EXPECT_EQ(message, QStringLiteral("操作员李四不是单据的编制人张三,不允许修改."));
    ASSERT_TRUE(TOutlayBill::ToggleCheck(loaded));
    Login(QStringLiteral("张三"), FinanceRights());
    o.Fund = 2;
    EXPECT_FALSE(TOutlayBill::Save(o));
    EXPECT_FALSE(TOutlayBill::Delete(o));
    EXPECT_DOUBLE_EQ(Scalar(QStringLiteral("select Fund from outlay")).toDouble(), 120);

    RShldin s = Shldin(QDate(2013, 1, 5), 100);
    ASSERT_TRUE(TShldinBill::ToggleCheck(s));
    EXPECT_FALSE(TShldinBill::Delete(s, message));
    EXPECT_EQ(message, QStringLiteral("单据已经被其他用户张三审核,不允许删除."));
    TShldinSet set;
    ASSERT_TRUE(set.OpenById(s.Id));
    EXPECT_THROW(set.DeleteCurrent(), EMqError);
    ASSERT_TRUE(TShldinBill::ToggleCheck(s));
    set.DeleteCurrent();
    EXPECT_TRUE(set.IsEmpty());
    EXPECT_EQ(Count(QStringLiteral("select count(*) from shouldin")), 0);
}

TEST_P(VoucherTest, NewAndCopyTakeTodayAndTheOperator)
{
    At(QDate(2013, 1, 20), QTime(16, 0));
    RShldin s = Shldin(QDate(2013, 1, 5), 100, -1);
    ASSERT_TRUE(TShldinBill::ToggleCheck(s));
    Login(QStringLiteral("李四"), FinanceRights());
    const RShldin copy = TShldinBill::Copy(s);
    EXPECT_EQ(copy.Id, 0);
    EXPECT_TRUE(copy.Code.isEmpty());
    EXPECT_EQ(copy.BizDate, QDate(2013, 1, 20));
    EXPECT_EQ(copy.Billman, QStringLiteral("李四"));
    EXPECT_FALSE(copy.Checked());
    EXPECT_TRUE(copy.Checkman.isEmpty());
    EXPECT_EQ(copy.Sign, -1);
    EXPECT_DOUBLE_EQ(copy.Fund, 100);
    EXPECT_EQ(TShldinBill::NewRecord().Sign, 1);
    EXPECT_FALSE(TOutlayBill::NewRecord().Sign.has_value());

    Login(QStringLiteral("李四"), QStringLiteral(",25,,64,"));
    EXPECT_THROW(TShldinBill::NewRecord(), EAbort);
    EXPECT_THROW(TOutlayBill::Copy(ROutlay()), EAbort);
}

MQ_BOTH_ENGINES(VoucherTest);

}  // namespace
