// Sales invoices: lines over delivery lines, the invoiced / not-invoiced split of the
// receivable summary, the invoice list, and what the document pattern does differently here.
#include "FinanceFixture.h"
#include "FundCalc.h"
#include "SlInvLists.h"

namespace {

class InvoiceTest : public FinanceTest {};

TEST_P(InvoiceTest, InvoiceOverSomeLinesSplitsInvoicedAndNot)
{
    const RSale s = Delivery(QDate(2013, 1, 5), {10, 20, 30});
    const RSale back = Delivery(QDate(2013, 1, 8), {4, 6}, 1, 2);  // a return: -10
    const QList<int> lines = SaleLineIds(s);
    Invoice(QDate(2013, 2, 3), {lines[0], lines[2], SaleLineIds(back)[0]});

    // Invoiced amounts are dated by the invoice, the others by the delivery.
    struct Case {
        TDateBound Begin, End;
        double Invoiced, Uninvoiced;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, 36, 14},                      // 10 + 30 - 4 ; 20 - 6
        {std::nullopt, QDate(2013, 1, 31), 0, 14},                 // not yet invoiced by then
        {QDate(2013, 2, 1), QDate(2013, 2, 28), 36, 0},            // invoiced in February
        {QDate(2013, 1, 6), std::nullopt, 36, -6},                 // the return's open line only
    };
    for (const Case& c : cases) {
        TInvFundCalc calc;
        calc.Prepare(0, 0, c.End, c.Begin);
        double invoiced = -1, uninvoiced = -1;
        calc.Totals(1, invoiced, uninvoiced);
        EXPECT_DOUBLE_EQ(invoiced, c.Invoiced) << c.Begin.value_or(QDate()).toString().toStdString();
        EXPECT_DOUBLE_EQ(uninvoiced, c.Uninvoiced) << c.End.value_or(QDate()).toString().toStdString();
        EXPECT_EQ(calc.Totals(2).Invoiced, 0.0);  // a client without deliveries
    }
    TInvFundCalc dept2;
    dept2.Prepare(0, 2, std::nullopt, std::nullopt);
    EXPECT_EQ(dept2.Totals(1).Uninvoiced, 0.0);

    // Deleting the invoice makes its lines not invoiced again.
    RSlInv v;
    v.Id = 1;
    ASSERT_TRUE(TSlInvBill::Load(v));
    QString message;
    ASSERT_TRUE(TSlInvBill::Delete(v, message)) << message.toStdString();
    TInvFundCalc after;
    after.Prepare(1, 0, std::nullopt, std::nullopt);
    EXPECT_EQ(after.Totals(1).Invoiced, 0.0);
    EXPECT_DOUBLE_EQ(after.Totals(1).Uninvoiced, 50);
}

TEST_P(InvoiceTest, CreateSaveAndLoad)
{
    const RSale s = Delivery(QDate(2013, 1, 5), {10, 20, 30});
    const RSale back = Delivery(QDate(2013, 1, 8), {4}, 1, 2);
    Exec(QStringLiteral("update saledl set Fund=Fund+0.004 where MastId=%1").arg(s.Id));  // amounts of 10.004 ...
    RSlInv v;
    EXPECT_FALSE(TSlInvBill::CreateFromSaleLines({}, v));
    ASSERT_TRUE(TSlInvBill::CreateFromSaleLines(SaleLineIds(s) + SaleLineIds(back), v));
    EXPECT_EQ(v.Id, 0);
    EXPECT_EQ(v.ClientId, 1);
    EXPECT_EQ(v.HandmanId, 1);  // the delivery's salesman
    EXPECT_EQ(v.InvDate, QDate(2013, 1, 15));
    EXPECT_EQ(v.Billman, QStringLiteral("张三"));
    ASSERT_EQ(v.Lines.size(), 4);
    EXPECT_EQ(v.Lines[0].WareCode, QStringLiteral("A100"));
    EXPECT_EQ(v.Lines[0].WareLookId, QStringLiteral("XPA"));
    EXPECT_EQ(*v.Lines[3].Qty, -1);  // a return line with its type's sign
    EXPECT_EQ(*v.Lines[3].Fund, -4);
    EXPECT_EQ(*v.Lines[3].Tax, 0);
    v.Lines.removeLast();
    EXPECT_DOUBLE_EQ(TSlInvBill::Total(v), 60.01);

    v.InvNo = QStringLiteral("00012345");
    v.InvCode = QStringLiteral("3300");
    v.TotalFund = TSlInvBill::Total(v);
    QString message;
    ASSERT_TRUE(TSlInvBill::Save(v, message)) << message.toStdString();
    EXPECT_EQ(v.Code, QStringLiteral("IV13010001"));

    RSlInv loaded;
    loaded.Id = v.Id;
    ASSERT_TRUE(TSlInvBill::Load(loaded));
    EXPECT_EQ(loaded.ClientName, QStringLiteral("甲公司"));
    EXPECT_EQ(loaded.HandmanName, QStringLiteral("王五"));
    EXPECT_DOUBLE_EQ(*loaded.TotalFund, 60.01);
    ASSERT_EQ(loaded.Lines.size(), 3);
    EXPECT_EQ(loaded.Lines[1].SaledlId, s.Lines[1].dlId);
    EXPECT_EQ(loaded.Lines[1].WareName, QStringLiteral("芯片A"));
    EXPECT_DOUBLE_EQ(*loaded.Lines[1].Fund, 20.004);

    // The line dataset round trip, and duplicate delivery lines.
    TSlInvdlSet grid;
    grid.SetAsDatas(loaded.Lines);
    grid.AppendLine(loaded.Lines[0]);
    const RSlInvdls rows = grid.AsDatas();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[2].dlId, loaded.Lines[2].dlId);
    EXPECT_EQ(rows[2].WareCode, loaded.Lines[2].WareCode);
    EXPECT_EQ(TSlInvBill::DuplicateLines(rows),
              QStringList({QStringLiteral("\r\n明细第 1 行与第 4 行的记录重复."), QStringLiteral("\r\n明细第 4 行与第 1 行的记录重复.")}));

    // A failing line statement leaves neither the header change nor the other lines.
    loaded.Note = QStringLiteral("改");
    RSlInvdl bad;
    bad.SaledlId = 9999;  // no such delivery line
    loaded.Lines.insert(0, loaded.Lines[0]);
    loaded.Lines[0].dlId = 0;
    loaded.Lines << bad;
    EXPECT_THROW(TSlInvBill::Save(loaded, message), EDatabaseError);
    EXPECT_EQ(Count(QStringLiteral("select count(*) from slinvfrmdl")), 3);
    EXPECT_EQ(Column(QStringLiteral("select [Note] from slinvfrm")), QStringList{QString()});

    // Checked: no line is picked, and the maker cannot delete it.
    ASSERT_TRUE(TSlInvBill::ToggleCheck(v));
    EXPECT_TRUE(TSlInvBill::LinesFromSale(v, SaleLineIds(back)).isEmpty());
    EXPECT_FALSE(TSlInvBill::Delete(v, message));
    v.Checkman.clear();
    v.CheckTime.reset();
    EXPECT_EQ(TSlInvBill::LinesFromSale(v, SaleLineIds(back)).size(), 1);
    EXPECT_TRUE(TSlInvBill::LinesFromSale(v, SaleLineIds(back))[0].dlNote.isEmpty());

    Login(QStringLiteral("李四"), QStringLiteral(",69,"));
    EXPECT_THROW(TSlInvBill::NewRecord(), EAbort);  // right 70
}

TEST_P(InvoiceTest, ListCriteria)
{
    const RSale s = Delivery(QDate(2013, 1, 5), {10, 20, 30});
    const RSale t = Delivery(QDate(2013, 1, 5), {5}, 2);
    RSlInv a = Invoice(QDate(2013, 1, 31), {SaleLineIds(s)[0]}, QStringLiteral("A-100%"));
    Invoice(QDate(2013, 2, 1), {SaleLineIds(s)[1]}, QStringLiteral("B-200"));
    Invoice(QDate(2013, 2, 10), SaleLineIds(t), QStringLiteral("C-300"));
    ASSERT_TRUE(TSlInvBill::ToggleCheck(a));

    TSlInvSet list;
    TSlInvWhere where;
    EXPECT_EQ(list.OpenList(&where), 3);
    where.EndDateFld->SetValue(QDate(2013, 2, 1));
    EXPECT_EQ(list.OpenList(&where), 2);
    where.BeginDateFld->SetValue(QDate(2013, 2, 1));
    EXPECT_EQ(list.OpenList(&where), 1);
    where.Reset();
    where.ClientIdFld->SetValue(2);
    EXPECT_EQ(list.OpenList(&where), 1);
    EXPECT_EQ(list.ClientNameFld->AsString(), QStringLiteral("乙公司"));
    where.Reset();
    where.InvNoFld->SetValue(QStringLiteral("0%"));  // a typed % is literal
    EXPECT_EQ(list.OpenList(&where), 1);
    EXPECT_EQ(list.InvNoFld->AsString(), QStringLiteral("A-100%"));
    where.Reset();
    where.ChecksFld->SetValue(false);
    EXPECT_EQ(list.OpenList(&where), 2);
    where.ChecksFld->SetValue(true);
    EXPECT_EQ(list.OpenList(&where), 1);
    EXPECT_TRUE(list.OpenById(a.Id));
}

MQ_BOTH_ENGINES(InvoiceTest);

}  // namespace
