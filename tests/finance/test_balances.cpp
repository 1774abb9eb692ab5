// Receivable balances: the summary (opening, period, closing, invoiced and not), the statement
// and the detail ledger with their running balances, checked against a hand-computed month.
#include "FinanceFixture.h"
#include "FundCalc.h"
#include "ShldinBook.h"
#include "ShldinFundSet.h"

namespace {

// February 2013 for 甲公司, with January before it and March after it:
//   01-05 delivery 600 + 400                                     balance 1000
//   01-08 receipt: advance 30, other 10, settles 60, discount 5  balance  895
//   01-20 invoice over the 600 line
//   02-10 delivery 300 + 200, freight 20, discount 15 = 505      balance 1400
//   02-10 receipt at the same instant: settles 300, discount 20  balance 1080
//   02-12 other receivable -12.5 for 押金 (saved at 08:00)       balance 1067.5
//   02-12 other receivable +50 (saved earlier, stamped 11:00)    balance 1117.5
//   02-15 return delivery 200                                    balance  917.5
//   02-20 refund receipt, other money 40                         balance  957.5
//   02-25 invoice over the 300 line and the returned line
//   03-05 delivery 77, 03-06 receipt advance 11                  (after the period)
// 乙公司: a delivery of 88 in February for department 2. 丙公司: nothing.
class BalanceTest : public FinanceTest {
protected:
    const QDate Begin{2013, 2, 1};
    const QDate End{2013, 2, 28};

    void Month()
    {
        At(QDate(2013, 1, 5));
        const RSale d1 = Delivery(QDate(2013, 1, 5), {600, 400});
        At(QDate(2013, 1, 8));
        Receipt(QDate(2013, 1, 8), {Allocation(d1, 60, 5)}, 1, 30, 10);
        At(QDate(2013, 1, 20));
        Invoice(QDate(2013, 1, 20), {SaleLineIds(d1)[0]});

        At(QDate(2013, 2, 10), QTime(10, 0));
        const RSale d2 = Delivery(QDate(2013, 2, 10), {300, 200}, 1, 1, 20, 15);
        Receipt(QDate(2013, 2, 10), {Allocation(d1, 200, 20), Allocation(d2, 100)});
        At(QDate(2013, 2, 12), QTime(11, 0));
        Shldin(QDate(2013, 2, 12), 50, 1);
        At(QDate(2013, 2, 12), QTime(8, 0));
        Shldin(QDate(2013, 2, 12), 12.5, -1, 1, 2);
        At(QDate(2013, 2, 15));
        const RSale d3 = Delivery(QDate(2013, 2, 15), {200}, 1, 2);
        At(QDate(2013, 2, 20));
        Receipt(QDate(2013, 2, 20), {}, -1, 0, 40);
        At(QDate(2013, 2, 25));
        Invoice(QDate(2013, 2, 25), {SaleLineIds(d2)[0], SaleLineIds(d3)[0]}, QStringLiteral("No.2"));
        At(QDate(2013, 2, 3));
        Delivery(QDate(2013, 2, 3), {88}, 2, 1, 0, 0, 2);

        At(QDate(2013, 3, 5));
        Delivery(QDate(2013, 3, 5), {77});
        Receipt(QDate(2013, 3, 6), {}, 1, 11);
    }

    // A summary row's figures, named as its fields.
    static QMap<QString, QVariant> Figures(TShldinFundSet& set)
    {
        QMap<QString, QVariant> out;
        for (TField* f : set.DataSet()->Fields())
            if (f->DataType() == TFieldType::Float) out.insert(f->FieldName(), Money(f));
        return out;
    }

    // Brief, in, out and balance of every statement row.
    static QStringList Lines(TShldinBook& book)
    {
        QStringList out;
        TDataSet* ds = book.DataSet();
        for (ds->First(); !ds->Eof(); ds->Next()) {
            const auto num = [](const TField* f) { return f->IsNull() ? QStringLiteral("-") : QString::number(f->AsFloat()); };
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(book.BizDateFld->AsDate().toString(QStringLiteral("MM-dd")), book.BriefFld->AsString(),
                            num(book.InFundFld), num(book.OutFundFld), num(book.BalanceFld));
        }
        return out;
    }
};

TEST_P(BalanceTest, SummaryOpeningPeriodAndClosing)
{
    Month();
    TShldinFundSet set;
    QList<QPair<int, int>> progress;
    set.OnProgress = [&](int count, int position) { progress << qMakePair(count, position); };
    set.Where->BeginDateFld->SetValue(Begin);
    set.Where->EndDateFld->SetValue(End);
    EXPECT_GE(set.Compute(), 0.0);
    ASSERT_EQ(set.DataSet()->RecordCount(), 3);
    EXPECT_EQ(progress, (QList<QPair<int, int>>{{3, 1}, {3, 2}, {3, 3}}));

    set.DataSet()->First();
    EXPECT_EQ(set.ClientNameFld->AsString(), QStringLiteral("甲公司"));
    const QMap<QString, QVariant> a = Figures(set);
    const QMap<QString, QVariant> expected{
        {QStringLiteral("PreoutFundA"), 30.0},   {QStringLiteral("PreoutFund1"), QVariant()},
        {QStringLiteral("PreoutFund"), 30.0},    {QStringLiteral("ShldinFundA"), 1000.0},
        {QStringLiteral("ShldinFund1"), 342.5},  {QStringLiteral("ShldinFund"), 1342.5},
        {QStringLiteral("PayFundA"), 75.0},      {QStringLiteral("PayFund1"), 280.0},
        {QStringLiteral("PayFundZ"), 355.0},     {QStringLiteral("InvFundA"), 600.0},
        {QStringLiteral("InvFund1"), 100.0},     {QStringLiteral("InvFundZ"), 700.0},
        {QStringLiteral("UinvFundA"), 400.0},    {QStringLiteral("UinvFund1"), 200.0},
        {QStringLiteral("UinvFundZ"), 600.0},    {QStringLiteral("BalanceFund"), 957.5}};
    EXPECT_EQ(a, expected);

    set.DataSet()->Next();
    EXPECT_EQ(Figures(set).value(QStringLiteral("ShldinFund1")), QVariant(88.0));
    EXPECT_EQ(Figures(set).value(QStringLiteral("UinvFundZ")), QVariant(88.0));
    EXPECT_EQ(Figures(set).value(QStringLiteral("ShldinFundA")), QVariant());
    set.DataSet()->Next();
    EXPECT_EQ(set.ClientNameFld->AsString(), QStringLiteral("丙公司"));
    const QMap<QString, QVariant> none = Figures(set);
    for (auto it = none.cbegin(); it != none.cend(); ++it)
        EXPECT_EQ(it.value(), it.key() == QStringLiteral("BalanceFund") ? QVariant(0.0) : QVariant()) << it.key().toStdString();

    // One department: 甲公司's documents belong to department 1.
    set.Where->DeptIdFld->SetValue(2);
    set.Compute();
    set.DataSet()->First();
    EXPECT_EQ(Figures(set).value(QStringLiteral("BalanceFund")), QVariant(0.0));
    set.DataSet()->Next();
    EXPECT_EQ(Figures(set).value(QStringLiteral("BalanceFund")), QVariant(88.0));
}

TEST_P(BalanceTest, SummaryClientSearchAndLaterPeriod)
{
    Month();
    Exec(QStringLiteral("update Client set LookId='JGS', Tel='0571-1234' where Id=1"));
    TShldinFundSet set;
    set.Where->BeginDateFld->SetValue(QDate(2014, 1, 1));
    set.Where->EndDateFld->SetValue(QDate(2014, 1, 31));
    struct Case {
        QString Key;
        QStringList Clients;
    };
    for (const Case& c : {Case{QStringLiteral("乙"), {QStringLiteral("乙公司")}}, Case{QStringLiteral("jgs"), {QStringLiteral("甲公司")}},
                          Case{QStringLiteral("1234"), {QStringLiteral("甲公司")}}, Case{QStringLiteral("丁"), {}},
                          Case{QString(), {QStringLiteral("甲公司"), QStringLiteral("乙公司"), QStringLiteral("丙公司")}}}) {
        set.Where->ClientKeyFld->SetValue(c.Key);
        set.Compute();
        QStringList names;
        TDataSet* ds = set.DataSet();
        for (ds->First(); !ds->Eof(); ds->Next()) names << set.ClientNameFld->AsString();
        EXPECT_EQ(names, c.Clients) << c.Key.toStdString();
    }

    // A period after every document: opening and closing agree, the period is empty.
    set.DataSet()->First();
    const QMap<QString, QVariant> f = Figures(set);
    for (const QString& base : {QStringLiteral("PreoutFund"), QStringLiteral("ShldinFund"), QStringLiteral("PayFund"),
                                QStringLiteral("InvFund"), QStringLiteral("UinvFund")}) {
        const QString closing = f.contains(base + u'Z') ? base + u'Z' : base;
        EXPECT_EQ(f.value(base + u'A'), f.value(closing)) << base.toStdString();
        EXPECT_EQ(f.value(base + u'1'), QVariant()) << base.toStdString();
    }
    EXPECT_EQ(f.value(QStringLiteral("PreoutFund")), QVariant(41.0));
    EXPECT_EQ(f.value(QStringLiteral("BalanceFund")), QVariant(1023.5));  // 957.5 + 77 - 11
}

TEST_P(BalanceTest, SummaryQueriesDoNotGrowWithClients)
{
    Month();
    TShldinFundSet set;
    set.Where->BeginDateFld->SetValue(Begin);
    set.Where->EndDateFld->SetValue(End);
    const auto statements = [&] {
        const quint64 before = Db().StatementCount();
        set.Compute();
        return Db().StatementCount() - before;
    };
    const quint64 few = statements();
    for (int id = 10; id < 40; ++id) {
        Exec(QStringLiteral("insert into Client(Id, Name) values (%1, '客户%1')").arg(id));
        Delivery(QDate(2013, 2, 2), {double(id)}, id);
        Shldin(QDate(2013, 1, 2), id, 1, id);
    }
    EXPECT_EQ(statements(), few);
    EXPECT_EQ(set.DataSet()->RecordCount(), 33);
}

TEST_P(BalanceTest, StatementInDateOrderWithRunningBalance)
{
    Month();
    TShldinBook book;
    book.Compute(1, End, Begin);
    EXPECT_EQ(Lines(book), QStringList({
                               QStringLiteral("01-31 结存 - - 895"),
                               QStringLiteral("02-10 销售 505 - 1400"),
                               QStringLiteral("02-10 收款  - 300 1100"),
                               QStringLiteral("02-10 折扣  - 20 1080"),
                               QStringLiteral("02-12 应收 押金 - 12.5 1067.5"),
                               QStringLiteral("02-12 应收 代垫运费 50 - 1117.5"),
                               QStringLiteral("02-15 退货 - 200 917.5"),
                               QStringLiteral("02-20 收款  40 - 957.5"),
                           }));
    book.DataSet()->First();
    EXPECT_EQ(book.TypeIdFld->AsInteger(), TShldinBook::OpeningType);
    book.DataSet()->Next();
    EXPECT_EQ(book.TypeIdFld->AsInteger(), 10);
    EXPECT_EQ(book.DeptNameFld->AsString(), QStringLiteral("销售部"));
    book.DataSet()->Next();
    EXPECT_EQ(book.TypeIdFld->AsInteger(), 11);
    EXPECT_TRUE(book.BillCodeFld->AsString().startsWith(QStringLiteral("FK")));

    // The ledger: every delivery line with its invoice, then freight and discount.
    TShldinBookdl ledger;
    ledger.Compute(1, End, Begin);
    EXPECT_EQ(Lines(ledger), QStringList({
                                 QStringLiteral("01-31 结存 - - 895"),
                                 QStringLiteral("02-10 销售 300 - 1195"),
                                 QStringLiteral("02-10 销售 200 - 1395"),
                                 QStringLiteral("02-10 销售 运费 20 - 1415"),
                                 QStringLiteral("02-10 销售 折让 - 15 1400"),
                                 QStringLiteral("02-10 收款  - 300 1100"),
                                 QStringLiteral("02-10 折扣  - 20 1080"),
                                 QStringLiteral("02-12 应收 押金 - 12.5 1067.5"),
                                 QStringLiteral("02-12 应收 代垫运费 50 - 1117.5"),
                                 QStringLiteral("02-15 退货 - 200 917.5"),
                                 QStringLiteral("02-20 收款  40 - 957.5"),
                             }));
    ledger.DataSet()->SetRecNo(2);
    EXPECT_EQ(ledger.InvNoFld->AsString(), QStringLiteral("No.2"));
    EXPECT_EQ(ledger.InvDateFld->AsDate(), QDate(2013, 2, 25));
    EXPECT_EQ(ledger.WareNameFld->AsString(), QStringLiteral("芯片A"));
    EXPECT_DOUBLE_EQ(ledger.QtyFld->AsFloat(), 1);
    ledger.DataSet()->SetRecNo(3);
    EXPECT_TRUE(ledger.InvNoFld->AsString().isEmpty());
    ledger.DataSet()->SetRecNo(4);
    EXPECT_TRUE(ledger.QtyFld->IsNull());

    // January: the receipt of 100 (advance 30, settled 60, other 10) with its discount of 5.
    book.Compute(1, QDate(2013, 1, 31), QDate(2013, 1, 1));
    EXPECT_EQ(Lines(book), QStringList({QStringLiteral("12-31 结存 - - 0"), QStringLiteral("01-05 销售 1000 - 1000"),
                                        QStringLiteral("01-08 收款  - 100 900"), QStringLiteral("01-08 折扣  - 5 895")}));

    // A client without documents in the period: only the opening row.
    book.Compute(3, End, Begin);
    EXPECT_EQ(Lines(book), QStringList{QStringLiteral("01-31 结存 - - 0")});
}

TEST_P(BalanceTest, RunningBalanceIsHeldAtTwoDecimals)
{
    At(QDate(2013, 1, 3));
    Shldin(QDate(2013, 1, 3), 10.004);
    At(QDate(2013, 1, 4));
    Shldin(QDate(2013, 1, 4), 10.004);
    TShldinBook book;
    book.Compute(1, QDate(2013, 1, 31), QDate(2013, 1, 1));
    EXPECT_EQ(Lines(book), QStringList({QStringLiteral("12-31 结存 - - 0"), QStringLiteral("01-03 应收 代垫运费 10.004 - 10"),
                                        QStringLiteral("01-04 应收 代垫运费 10.004 - 20")}));
}

MQ_BOTH_ENGINES(BalanceTest);

}  // namespace
