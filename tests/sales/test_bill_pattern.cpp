// The document pattern, on its worked example, the delivery.
#include "SalesFixture.h"

namespace {
class BillPatternTest : public SalesTest {};
}  // namespace

TEST_P(BillPatternTest, SecondSaveIsAnUpdateAndNewLinesGetTheirKeys)
{
    RSale s = NewSale(2);
    QString message;
    ASSERT_TRUE(TSaleBill::Save(s, message)) << message.toStdString();
    EXPECT_EQ(s.Id, 1);
    EXPECT_EQ(s.Code, QStringLiteral("CG13010001"));
    EXPECT_EQ(s.BillTime, Clock.Time);
    EXPECT_EQ(LineIds(s.Lines), (QList<int>{1, 2}));
    EXPECT_EQ(s.Lines[1].MastId, 1);

    s.Note = QStringLiteral("第二次");
    s.Lines << SaleLine(2, 5, 2.5);
    ASSERT_TRUE(TSaleBill::Save(s, message)) << message.toStdString();
    EXPECT_EQ(s.Id, 1);
    EXPECT_EQ(s.Code, QStringLiteral("CG13010001"));
    EXPECT_EQ(LineIds(s.Lines), (QList<int>{1, 2, 3}));
    EXPECT_EQ(Count(QStringLiteral("select count(*) from sale")), 1);

    RSale loaded;
    loaded.Id = 1;
    ASSERT_TRUE(TSaleBill::Load(loaded));
    EXPECT_EQ(loaded.Note, QStringLiteral("第二次"));
    EXPECT_EQ(loaded.Billman, QStringLiteral("张三"));
    EXPECT_EQ(loaded.ClientName, QStringLiteral("甲公司"));
    EXPECT_EQ(loaded.TypeName, QStringLiteral("销售"));
    ASSERT_EQ(loaded.Lines.size(), 3);
    EXPECT_EQ(loaded.Lines[2].WareCode, QStringLiteral("B200"));
    EXPECT_DOUBLE_EQ(*loaded.Lines[2].Fund, 12.5);

    EXPECT_EQ(Saved(NewSale(1)).Code, QStringLiteral("CG13010002"));
}

TEST_P(BillPatternTest, RemovedAndAddedLinesInOneEditThenAllLinesRemoved)
{
    RSale other = Saved(NewSale(1));
    RSale s = Saved(NewSale(3));
    ASSERT_EQ(LineIds(s.Lines), (QList<int>{2, 3, 4}));
    s.Lines.removeAt(1);
    s.Lines << SaleLine(1, 9, 1.0);
    QString message;
    ASSERT_TRUE(TSaleBill::Save(s, message));
    EXPECT_EQ(LineIds(s.Lines), (QList<int>{2, 4, 5}));
    EXPECT_EQ(StoredLineIds(s.Id), (QList<int>{2, 4, 5}));

    s.Lines.clear();
    ASSERT_TRUE(TSaleBill::Save(s, message));
    EXPECT_TRUE(StoredLineIds(s.Id).isEmpty());
    EXPECT_EQ(StoredLineIds(other.Id), (QList<int>{1}));
}

TEST_P(BillPatternTest, RefusedUpdateSaysWhyAndChangesNothing)
{
    struct Case {
        const char* what;
        std::function<void(SalesTest&, const RSale&)> meanwhile;
        QString message;
    };
    const QList<Case> cases = {
        {"checked by another operator",
         [](SalesTest&, const RSale& s) {
             Login(QStringLiteral("李四"));
             RSale copy = s;
             ASSERT_TRUE(TSaleBill::ToggleCheck(copy));
             Login(QStringLiteral("张三"));
         },
         QStringLiteral("单据已经被用户李四在2013-01-15 10:20:30时审核.")},
        {"deleted", [](SalesTest&, const RSale& s) {
             QString m;
             ASSERT_TRUE(TSaleBill::Delete(s, m));
         },
         QStringLiteral("单据已经被删除.")},
        {"saved by someone who is not the maker", [](SalesTest&, const RSale&) { Login(QStringLiteral("李四")); },
         QStringLiteral("操作员李四不是单据的编制人张三,不允许修改.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Login(QStringLiteral("张三"));
        const RSale saved = Saved(NewSale(2));
        c.meanwhile(*this, saved);
        const QString before = Snapshot();
        RSale edited = saved;
        edited.Note = QStringLiteral("改过");
        edited.Lines << SaleLine(2, 1, 1);
        const RSale expected = edited;
        QString message;
        EXPECT_FALSE(TSaleBill::Save(edited, message));
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(edited.Note, expected.Note);
        EXPECT_EQ(LineIds(edited.Lines), LineIds(expected.Lines));
    }
}

TEST_P(BillPatternTest, DeleteOnlyWhileUncheckedAndRolledBackOtherwise)
{
    RSale s = Saved(NewSale(2));
    ASSERT_TRUE(TSaleBill::ToggleCheck(s));
    QString message;
    EXPECT_FALSE(TSaleBill::Delete(s, message));
    EXPECT_EQ(message, QStringLiteral("单据已经被其他用户张三审核,不允许删除."));
    EXPECT_EQ(StoredLineIds(s.Id), (QList<int>{1, 2}));

    Login(QStringLiteral("李四"));
    EXPECT_FALSE(TSaleBill::Delete(s, message));
    EXPECT_EQ(message, QStringLiteral("操作员李四不是单据的编制人张三,不允许删除."));

    Login(QStringLiteral("张三"));
    ASSERT_TRUE(TSaleBill::ToggleCheck(s));
    ASSERT_TRUE(TSaleBill::Delete(s, message)) << message.toStdString();
    EXPECT_EQ(Count(QStringLiteral("select count(*) from saledl")), 0);
    EXPECT_FALSE(TSaleBill::Delete(s, message));
    EXPECT_EQ(message, QStringLiteral("记录已经被其他用户删除."));
}

TEST_P(BillPatternTest, CheckAndUncheckByTheCheckerOnly)
{
    RSale s = Saved(NewSale(1));
    Clock.Time = QDateTime(QDate(2013, 1, 16), QTime(8, 0, 0));
    ASSERT_TRUE(TSaleBill::ToggleCheck(s));
    EXPECT_EQ(s.Checkman, QStringLiteral("张三"));
    EXPECT_EQ(s.CheckTime, Clock.Time);

    Login(QStringLiteral("李四"));
    const QString before = Snapshot();
    RSale theirs = s;
    EXPECT_FALSE(TSaleBill::ToggleCheck(theirs));
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("不能反审核该单据,因为您不是该单据的审核人."));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(theirs.Checked());

    Login(QStringLiteral("王二"), QStringLiteral(",16,"));
    EXPECT_THROW(TSaleBill::ToggleCheck(theirs), EAbort);
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(17)."));

    Login(QStringLiteral("张三"));
    ASSERT_TRUE(TSaleBill::ToggleCheck(s));
    EXPECT_TRUE(s.Checkman.isEmpty());
    EXPECT_FALSE(s.CheckTime);
    EXPECT_TRUE(Scalar(QStringLiteral("select CheckTime from sale")).isNull());

    // A window still showing the document unchecked does not take over a check made since.
    RSale stale = s;
    Login(QStringLiteral("李四"));
    ASSERT_TRUE(TSaleBill::ToggleCheck(s));
    Login(QStringLiteral("张三"));
    EXPECT_FALSE(TSaleBill::ToggleCheck(stale));
    EXPECT_EQ(Scalar(QStringLiteral("select Checkman from sale")).toString(), QStringLiteral("李四"));
}

TEST_P(BillPatternTest, NavigationEnds)
{
    int last = -1;
    EXPECT_FALSE(TSaleBill::LastId(last));
    EXPECT_EQ(last, 0);
    for (int i = 0; i < 3; ++i) Saved(NewSale(1));
    RSale s;
    s.Id = 1;
    EXPECT_EQ(TSaleBill::PriorId(s), 0);
    EXPECT_EQ(TSaleBill::NextId(s), 2);
    s.Id = 3;
    EXPECT_EQ(TSaleBill::NextId(s), 0);
    EXPECT_EQ(TSaleBill::PriorId(s), 2);
    EXPECT_TRUE(TSaleBill::LastId(last));
    EXPECT_EQ(last, 3);
}

TEST_P(BillPatternTest, LoadTakesStoredValuesAndSurvivesDeletedMasterRows)
{
    RSale s = NewSale(1);
    s.Lines[0].UnitRate = 0.5;
    s.Lines[0].Fund = 99.0;  // stored as given, never recomputed
    s.Transcosts = 20;
    s.DiscountFund = 15;
    s = Saved(s);
    WithoutForeignKeys({QStringLiteral("delete from Client where Id=1"), QStringLiteral("delete from departments where Id=1"),
                        QStringLiteral("delete from employee where Id=1"), QStringLiteral("delete from saletype where Id=1"),
                        QStringLiteral("delete from ware where Id=1")});
    RSale loaded;
    loaded.Id = s.Id;
    ASSERT_TRUE(TSaleBill::Load(loaded));
    EXPECT_EQ(loaded.ClientId, 1);
    EXPECT_TRUE(loaded.ClientName.isEmpty());
    EXPECT_TRUE(loaded.DeptName.isEmpty());
    EXPECT_TRUE(loaded.SalemanName.isEmpty());
    EXPECT_TRUE(loaded.TypeName.isEmpty());
    EXPECT_DOUBLE_EQ(loaded.Transcosts, 20);
    EXPECT_DOUBLE_EQ(loaded.DiscountFund, 15);
    EXPECT_EQ(loaded.BizDate, QDate(2013, 1, 15));
    ASSERT_EQ(loaded.Lines.size(), 1);
    EXPECT_DOUBLE_EQ(loaded.Lines[0].UnitRate, 0.5);
    EXPECT_DOUBLE_EQ(*loaded.Lines[0].Fund, 99.0);
    EXPECT_TRUE(loaded.Lines[0].WareName.isEmpty());

    RSale missing = loaded;
    missing.Id = 42;
    EXPECT_FALSE(TSaleBill::Load(missing));
    EXPECT_EQ(missing.Lines.size(), 1);  // untouched
}

TEST_P(BillPatternTest, FailedSaveLeavesDatabaseAndRecordAsBefore)
{
    const RSale fresh = NewSale(2);
    RSale s = fresh;
    QString message;
    int stepSawId = 0;
    const auto refuse = [&](QObject*, RSale& saving) {
        stepSawId = saving.Id;
        return false;
    };
    EXPECT_FALSE(TSaleBill::Save(s, message, refuse));
    EXPECT_EQ(stepSawId, 1);
    EXPECT_EQ(s.Id, 0);
    EXPECT_TRUE(s.Code.isEmpty());
    EXPECT_EQ(LineIds(s.Lines), (QList<int>{0, 0}));
    EXPECT_EQ(Count(QStringLiteral("select count(*) from sale")), 0);
    EXPECT_EQ(Count(QStringLiteral("select count(*) from saledl")), 0);

    // Nothing was used up: the next try gets the first Id and code.
    ASSERT_TRUE(TSaleBill::Save(s, message));
    EXPECT_EQ(s.Id, 1);
    EXPECT_EQ(s.Code, QStringLiteral("CG13010001"));

    // A line the database refuses (no such goods item) in an edit.
    const QString before = Snapshot();
    RSale edited = s;
    edited.Note = QStringLiteral("改过");
    edited.Lines[0].Qty = 100;
    edited.Lines << SaleLine(999, 1, 1);
    const RSale expected = edited;
    EXPECT_THROW(TSaleBill::Save(edited, message), EDatabaseError);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(LineIds(edited.Lines), LineIds(expected.Lines));
    EXPECT_EQ(edited.Note, expected.Note);

    // The same record saves once corrected; the connection is usable again.
    edited.Lines.last().WareId = 3;
    ASSERT_TRUE(TSaleBill::Save(edited, message));
    EXPECT_EQ(LineIds(edited.Lines), (QList<int>{1, 2, 3}));
    EXPECT_DOUBLE_EQ(Scalar(QStringLiteral("select Qty from saledl where dlId=1")).toDouble(), 100);
}

TEST_P(BillPatternTest, CopyIsANewDocumentKeepingOrderLinksAndPrices)
{
    RSale s = NewSale(2);
    s.Lines[0].CostPrice = 6.5;
    s = Saved(s);
    ASSERT_TRUE(TSaleBill::ToggleCheck(s));
    Clock.Time = QDateTime(QDate(2013, 2, 1), QTime(9, 0, 0));
    RSale copy = TSaleBill::Copy(s);
    EXPECT_EQ(copy.Id, 0);
    EXPECT_TRUE(copy.Code.isEmpty());
    EXPECT_FALSE(copy.Checked());
    EXPECT_EQ(copy.BizDate, QDate(2013, 2, 1));
    EXPECT_EQ(LineIds(copy.Lines), (QList<int>{0, 0}));
    EXPECT_EQ(copy.Lines[0].CostPrice, 6.5);
    QString message;
    ASSERT_TRUE(TSaleBill::Save(copy, message));
    EXPECT_EQ(copy.Code, QStringLiteral("CG13020001"));
    EXPECT_EQ(StoredLineIds(s.Id), (QList<int>{1, 2}));  // the original keeps its lines
}

// The finance documents reuse the pattern; some have no lines.
TEST_P(BillPatternTest, ServesDocumentsWithoutLines)
{
    const TBillPattern other(TBillKind{QStringLiteral("shouldin"), QString(), QStringLiteral("YS"), 25,
                                       {QStringLiteral("BizDate"), QStringLiteral("ClientId"), QStringLiteral("Fund"),
                                        QStringLiteral("Sign"), QStringLiteral("Note")},
                                       {},
                                       QStringLiteral("select m.*, c.Name as ClientName from shouldin m left join Client c "
                                                      "on c.Id=m.ClientId where m.Id=:Id"),
                                       QString()});
    RBillStamp head;
    head.Billman = QStringLiteral("张三");
    auto values = [](double fund) {
        return TDBParameters{DBParam(QStringLiteral("BizDate"), QDate(2013, 1, 15)), DBParam(QStringLiteral("ClientId"), 2),
                             DBParam(QStringLiteral("Fund"), fund), DBParam(QStringLiteral("Sign"), -1),
                             DBParam(QStringLiteral("Note"), QStringLiteral("其他"))};
    };
    QString message;
    ASSERT_TRUE(other.Save(head, values(100), {}, message)) << message.toStdString();
    EXPECT_EQ(head.Code, QStringLiteral("YS13010001"));
    ASSERT_TRUE(other.Save(head, values(120), {}, message)) << message.toStdString();
    QString client;
    ASSERT_TRUE(other.Load(head.Id, [&](const TBillRow& r) { client = r.Text(QStringLiteral("ClientName")); }, {}));
    EXPECT_EQ(client, QStringLiteral("乙公司"));
    EXPECT_DOUBLE_EQ(Scalar(QStringLiteral("select Fund from shouldin")).toDouble(), 120);
    EXPECT_THROW(other.ToggleCheck(head), EAbort);  // right 25 not granted
    EXPECT_THROW(other.Save(head, {DBParam(QStringLiteral("Fund"), 1)}, {}, message), EMqError);  // columns as stated
    ASSERT_TRUE(other.Delete(head, message)) << message.toStdString();
    EXPECT_EQ(Count(QStringLiteral("select count(*) from shouldin")), 0);
}

MQ_BOTH_ENGINES(BillPatternTest);
