// Receipts: allocations lowering the outstanding amounts of deliveries, refunds, the receipt
// list, its finder and line dataset, and what the document pattern does differently here.
#include "FinanceFixture.h"
#include "ReceiptLists.h"
#include "SaleGathering.h"
#include "SaleLists.h"

namespace {

class ReceiptTest : public FinanceTest {
protected:
    // The settlement row of a delivery as (total, payment, discount, balance); payment and
    // discount null when no receipt touched the delivery.
    QList<QVariant> Settlement(TSaleGathering& g, const RSale& sale)
    {
        if (!g.DataSet()->Locate(QStringLiteral("Id"), sale.Id)) return {};
        return {Money(g.TotalFundFld), Money(g.PaymentFundFld), Money(g.DiscountFundFld), Money(g.BalanceFundFld)};
    }
    static QList<QVariant> Row(double total, const QVariant& pay, const QVariant& dis, double balance)
    {
        return {total, pay, dis, balance};
    }
    int OpenFor(TSaleGathering& g, int clientId)
    {
        TSaleWhere where;
        where.ClientIdFld->SetValue(clientId);
        return g.Open(&where);
    }
};

TEST_P(ReceiptTest, AllocationLowersOutstandingAtOnceCheckedOrNot)
{
    const RSale a = Delivery(QDate(2013, 1, 5), {200, 100});       // 300
    const RSale b = Delivery(QDate(2013, 1, 6), {150, 50}, 1, 1, 20, 20);  // 200 with freight and discount
    const RSale other = Delivery(QDate(2013, 1, 6), {70}, 2);
    RReceipt r = Receipt(QDate(2013, 1, 20), {Allocation(a, 100, 10), Allocation(b, 50)});
    EXPECT_DOUBLE_EQ(r.PayFund, 150);
    EXPECT_DOUBLE_EQ(r.DisFund, 10);

    TSaleGathering g;
    EXPECT_EQ(OpenFor(g, 1), 2);  // only the client's deliveries
    EXPECT_EQ(Settlement(g, a), Row(300, 100.0, 10.0, 190));
    EXPECT_EQ(Settlement(g, b), Row(200, 50.0, 0.0, 150));
    EXPECT_EQ(g.Open(nullptr), 3);
    EXPECT_EQ(Settlement(g, other), Row(70, QVariant(), QVariant(), 70));

    ASSERT_TRUE(TReceiptBill::ToggleCheck(r));
    OpenFor(g, 1);
    EXPECT_EQ(Settlement(g, a), Row(300, 100.0, 10.0, 190));

    // A second receipt settles the rest of a: the picker no longer offers it, and deleting the
    // (unchecked) second receipt brings it back with what remains.
    const RReceipt rest = Receipt(QDate(2013, 1, 25), {Allocation(a, 185, 5)});
    OpenFor(g, 1);
    g.ShowUnsettled();
    EXPECT_EQ(g.DataSet()->RecordCount(), 1);
    EXPECT_EQ(g.IdFld->AsInteger(), b.Id);
    QString message;
    ASSERT_TRUE(TReceiptBill::Delete(rest, message)) << message.toStdString();
    OpenFor(g, 1);
    g.ShowUnsettled();
    EXPECT_EQ(g.DataSet()->RecordCount(), 2);
    EXPECT_EQ(Settlement(g, a), Row(300, 100.0, 10.0, 190));

    // The picked line proposes the whole outstanding amount and no discount.
    ASSERT_TRUE(g.DataSet()->Locate(QStringLiteral("Id"), b.Id));
    const RReceiptdl picked = g.AsReceiptdl();
    EXPECT_EQ(picked.SaleId, b.Id);
    EXPECT_EQ(picked.SaleCode, b.Code);
    EXPECT_EQ(picked.Saleman, QStringLiteral("王五"));
    EXPECT_EQ(picked.SaleDate, QDate(2013, 1, 6));
    EXPECT_DOUBLE_EQ(picked.dlPayFund, 150);
    EXPECT_DOUBLE_EQ(picked.dlDisFund, 0);
}

TEST_P(ReceiptTest, RefundRunsTheOtherWay)
{
    const RSale back = Delivery(QDate(2013, 1, 5), {80}, 1, 2);  // a return: -80
    TSaleGathering g;
    OpenFor(g, 1);
    EXPECT_EQ(Settlement(g, back), Row(-80, QVariant(), QVariant(), -80));
    const RReceiptdl picked = g.AsReceiptdl();
    EXPECT_DOUBLE_EQ(picked.dlPayFund, 80);  // entered positive; the receipt's sign decides
    EXPECT_DOUBLE_EQ(*picked.ShldFund, -80);

    Receipt(QDate(2013, 1, 9), {Allocation(back, 60, 5)}, -1);
    OpenFor(g, 1);
    EXPECT_EQ(Settlement(g, back), Row(-80, -60.0, -5.0, -15));
    g.ShowUnsettled();
    EXPECT_EQ(g.DataSet()->RecordCount(), 1);
}

TEST_P(ReceiptTest, CriteriaAndGoodsSelectDeliveries)
{
    const RSale early = Delivery(QDate(2013, 1, 5), {10});
    const RSale late = Delivery(QDate(2013, 1, 31), {20}, 1, 1, 0, 0, 2);
    RSale screws = NewSale(0);
    screws.BizDate = QDate(2013, 1, 20);
    screws.Lines << SaleLine(2, 3, 1.5);
    BillAmounts::Recalc(screws);
    screws = Saved(screws);
    Exec(QStringLiteral("insert into sale(Id, Code, BizDate, ClientId, TypeId, TotalFund) values "
                        "(99, 'CG13019999', '2013-01-10', 1, 1, 500)"));  // no lines: never listed

    TSaleGathering g;
    TSaleWhere where;
    where.EndDateFld->SetValue(QDate(2013, 1, 31));
    where.BeginDateFld->SetValue(QDate(2013, 1, 20));
    EXPECT_EQ(g.Open(&where), 2);  // the end day is included
    where.DeptIdFld->SetValue(2);
    EXPECT_EQ(g.Open(&where), 1);
    EXPECT_EQ(g.IdFld->AsInteger(), late.Id);
    where.Reset();
    where.WareNameXFld->SetValue(QStringLiteral("螺丝"));
    EXPECT_EQ(g.Open(&where), 1);
    EXPECT_EQ(g.IdFld->AsInteger(), screws.Id);
    where.Reset();
    EXPECT_EQ(g.Open(&where), 3);
    EXPECT_EQ(g.IdFld->AsInteger(), early.Id);  // by date
}

TEST_P(ReceiptTest, SaveLoadAndLines)
{
    const RSale a = Delivery(QDate(2013, 1, 5), {300});
    const RSale back = Delivery(QDate(2013, 1, 6), {40}, 1, 2);
    RReceipt r = TReceiptBill::NewRecord();
    EXPECT_EQ(r.Sign, 1);
    EXPECT_EQ(r.BizDate, QDate(2013, 1, 15));
    EXPECT_EQ(r.Billman, QStringLiteral("张三"));
    r.ClientId = 1;
    r.BankId = 2;
    r.HandmanId = 2;
    r.Prefund = 100;
    r.OtherFund = 20;
    r.Note = QStringLiteral("一月");
    r.Lines = {Allocation(a, 290), Allocation(back, 10, 2)};
    TReceiptBill::Recalc(r);
    EXPECT_DOUBLE_EQ(r.TotalFund, 420);
    QString message;
    ASSERT_TRUE(TReceiptBill::Save(r, message)) << message.toStdString();
    EXPECT_EQ(r.Code, QStringLiteral("FK13010001"));

    RReceipt loaded;
    ASSERT_TRUE(TReceiptBill::Load(r.Id, loaded));
    EXPECT_EQ(loaded.ClientName, QStringLiteral("甲公司"));
    EXPECT_EQ(loaded.BankName, QStringLiteral("现金"));
    EXPECT_EQ(loaded.HandmanName, QStringLiteral("赵六"));
    EXPECT_DOUBLE_EQ(loaded.TotalFund, 420);
    EXPECT_DOUBLE_EQ(loaded.PayFund, 300);
    EXPECT_DOUBLE_EQ(loaded.DisFund, 2);
    ASSERT_EQ(loaded.Lines.size(), 2);
    EXPECT_EQ(loaded.Lines[1].SaleCode, back.Code);
    EXPECT_EQ(loaded.Lines[1].Saleman, QStringLiteral("王五"));
    EXPECT_EQ(loaded.Lines[1].SaleDate, QDate(2013, 1, 6));
    EXPECT_DOUBLE_EQ(*loaded.Lines[1].ShldFund, 40);  // as stored, without the return's sign
    EXPECT_DOUBLE_EQ(*loaded.Lines[1].RecpFund, 0);

    // The line dataset reads back what it was given, and a picked line is appended posted.
    TReceiptdlSet lines;
    lines.SetAsDatas(loaded.Lines);
    RReceiptdl extra = Allocation(a, 5);
    lines.AppendLine(extra);
    const RReceiptdls read = lines.AsDatas();
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[0].dlId, loaded.Lines[0].dlId);
    EXPECT_EQ(read[1].SaleDate, loaded.Lines[1].SaleDate);
    EXPECT_EQ(read[1].ShldFund, loaded.Lines[1].ShldFund);
    EXPECT_EQ(read[2].dlId, 0);
    EXPECT_EQ(TReceiptBill::DuplicateLines(read),
              QStringList({QStringLiteral("\r\n明细第 1 行与第 3 行的记录重复"), QStringLiteral("\r\n明细第 3 行与第 1 行的记录重复")}));

    // Without lines: every line goes, the receipt stays as an advance.
    loaded.Lines.clear();
    TReceiptBill::Recalc(loaded);
    ASSERT_TRUE(TReceiptBill::Save(loaded, message)) << message.toStdString();
    EXPECT_EQ(Count(QStringLiteral("select count(*) from receiptdl")), 0);
    EXPECT_EQ(Scalar(QStringLiteral("select PayFund from receipt")).toDouble(), 0.0);
}

TEST_P(ReceiptTest, CheckedReceiptIsFrozenAndRightsAreEnforced)
{
    const RSale a = Delivery(QDate(2013, 1, 5), {300});
    RReceipt r = Receipt(QDate(2013, 1, 20), {Allocation(a, 100)});
    ASSERT_TRUE(TReceiptBill::ToggleCheck(r));
    EXPECT_EQ(r.Checkman, QStringLiteral("张三"));

    QString message;
    EXPECT_FALSE(TReceiptBill::Delete(r, message));
    EXPECT_EQ(message, QStringLiteral("单据已经被其他用户张三审核,不允许删除."));
    EXPECT_EQ(Count(QStringLiteral("select count(*) from receiptdl")), 1);  // lines kept
    r.Note = QStringLiteral("改");
    EXPECT_FALSE(TReceiptBill::Save(r, message));
    EXPECT_EQ(message, QStringLiteral("单据已经被用户张三在2013-01-15 10:20:30时审核."));

    Login(QStringLiteral("李四"), QStringLiteral(",24,"));
    EXPECT_THROW(TReceiptBill::ToggleCheck(r), EAbort);  // right 26
    Login(QStringLiteral("李四"), QStringLiteral(",26,"));
    EXPECT_THROW(TReceiptBill::NewRecord(), EAbort);  // right 24
    EXPECT_FALSE(TReceiptBill::ToggleCheck(r));
    EXPECT_TRUE(Messages.Plain().contains(QStringLiteral("不能反审核该单据,因为您不是该单据的审核人.")));
}

TEST_P(ReceiptTest, ListFinderAndNavigation)
{
    QList<RReceipt> saved;
    for (int day : {3, 10, 31}) saved << Receipt(QDate(2013, 1, day), {}, 1, 100.5 * day, 1);
    Receipt(QDate(2013, 2, 1), {}, 1, 1);

    TReceiptFinder finder;
    int id = 0;
    EXPECT_FALSE(finder.Current(id));  // nothing found yet
    EXPECT_EQ(finder.Find(QDate(2013, 1, 10), QDate(2013, 1, 31)), 2);
    EXPECT_DOUBLE_EQ(finder.TotalFundCalcFld->AsFloat(), 1006);
    EXPECT_EQ(finder.TotalFundCnCalcFld->AsString(), AmountInWords(1006));
    EXPECT_EQ(finder.RecFundFld->FieldName(), QStringLiteral("PayFund"));
    ASSERT_TRUE(finder.Current(id));
    EXPECT_EQ(id, saved[1].Id);
    ASSERT_TRUE(finder.Prior(id));  // at the first row it stays
    EXPECT_EQ(id, saved[1].Id);
    EXPECT_TRUE(finder.AtFirst());
    ASSERT_TRUE(finder.Next(id));
    EXPECT_EQ(id, saved[2].Id);
    EXPECT_TRUE(finder.AtLast());
    EXPECT_EQ(finder.Find(std::nullopt, QDate(2013, 1, 3)), 1);
    EXPECT_EQ(finder.Find(std::nullopt, std::nullopt), 4);

    EXPECT_EQ(TReceiptBill::PriorId(saved[0]), 0);
    EXPECT_EQ(TReceiptBill::NextId(saved[0]), saved[1].Id);
    RReceipt last;
    ASSERT_TRUE(TReceiptBill::LastId(last.Id));
    EXPECT_EQ(TReceiptBill::NextId(last), 0);

    TReceiptSet one;
    ASSERT_TRUE(one.OpenById(saved[2].Id));
    EXPECT_EQ(one.ClientNameFld->AsString(), QStringLiteral("甲公司"));
    EXPECT_EQ(one.BankNameFld->AsString(), QStringLiteral("基本户"));
}

MQ_BOTH_ENGINES(ReceiptTest);

}  // namespace
