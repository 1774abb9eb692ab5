#include "MasterFixture.h"
#include "MasterLists.h"

namespace {

class StaffTest : public MasterTest {
protected:
    // Insert (Id 1 in the empty table), update, load and show in a loaded list.
    template <class Set, class R>
    void RoundTrip(R record, const std::function<void(R&)>& change, const std::function<QString(const R&)>& text)
    {
        SCOPED_TRACE(Set().Table().Table.toStdString());
        ASSERT_TRUE(Set::Save(record));
        EXPECT_EQ(record.Id, 1);
        change(record);
        ASSERT_TRUE(Set::Save(record));
        R loaded;
        ASSERT_TRUE(Set::Load(1, loaded));
        EXPECT_EQ(text(loaded), text(record));
        Set set;
        set.OpenAll();
        R second = record;
        second.Id = 0;
        ASSERT_TRUE(Set::Save(second));
        set.SetAsData(second);
        EXPECT_EQ(set.RecordCount(), 2);
        EXPECT_EQ(text(set.AsData()), text(second));
        EXPECT_TRUE(Set::Delete(second.Id));
        EXPECT_FALSE(Set::Delete(second.Id));
    }
};

TEST_P(StaffTest, EveryTableSavesUpdatesAndLoads)
{
    RoundTrip<TEmployeeSet, REmployee>(
        {0, "张三", "138", "男", "广州", "备注\n两行"}, [](REmployee& r) { r.Tel = QStringLiteral("139"); },
        [](const REmployee& r) { return QStringList{r.Name, r.Tel, r.Sex, r.Addr, r.Note}.join(u'|'); });
    RoundTrip<TDeptSet, RDept>({0, "销售部", "李四", "8", "一楼", "n"}, [](RDept& r) { r.Mgr = QStringLiteral("王五"); },
                               [](const RDept& r) { return QStringList{r.Name, r.Mgr, r.Tel, r.Addr, r.Note}.join(u'|'); });
    RoundTrip<THouseSet, RHouse>({0, "总仓", "赵六", "9", "n", "not stored"}, [](RHouse& r) { r.Note = QStringLiteral("m"); },
                                 [](const RHouse& r) { return QStringList{r.Name, r.Mgr, r.Tel, r.Note}.join(u'|'); });
    // A unit left without a rate stores 0.
    RoundTrip<TUnitSet, RUnit>({0, "箱"}, [](RUnit& r) { r.Note = QStringLiteral("十二只"); },
                               [](const RUnit& r) { return QStringLiteral("%1|%2|%3").arg(r.Name).arg(r.Rate).arg(r.Note); });
    EXPECT_EQ(Scalar(QStringLiteral("select Rate from unit where Id=1")).toString(), QStringLiteral("0"));
    const auto nameNote = [](const RNameNote& r) -> QString { return r.Name + u'|' + r.Note; };
    RBank bank;
    bank.Name = QStringLiteral("工行");
    RoundTrip<TBankSet, RBank>(bank, [](RBank& r) { r.Note = QStringLiteral("基本户"); }, nameNote);
    RShldinItem item;
    item.Name = QStringLiteral("运费");
    RoundTrip<TShldinItemSet, RShldinItem>(item, [](RShldinItem& r) { r.Note = QStringLiteral("x"); }, nameNote);
    ROutlayItem outlay;
    outlay.Name = QStringLiteral("房租");
    RoundTrip<TOutlayItemSet, ROutlayItem>(outlay, [](ROutlayItem& r) { r.Note = QStringLiteral("y"); }, nameNote);
}

TEST_P(StaffTest, DeletingAnEmployeeClearsOperatorAndBuyerLinksOnlyWhenItGoes)
{
    REmployee kept{0, "张三"}, gone{0, "李四"};
    ASSERT_TRUE(TEmployeeSet::SaveEmployee(kept));
    ASSERT_TRUE(TEmployeeSet::SaveEmployee(gone));
    Exec(QStringLiteral("insert into [operator](LoginId, EmployeeId) values ('u1', %1), ('u2', %2)").arg(kept.Id).arg(gone.Id));
    Exec(QStringLiteral("insert into wareclass(Id, Code, Name, SlfId, PrtId, BuymanId) values (1, '1.', 'A', 1, 0, %1)")
             .arg(gone.Id));
    // The kept employee handled a delivery: the database refuses, and its operator stays linked.
    Exec(QStringLiteral("insert into sale(Id, Code, BizDate, SalemanId) values (1, 'CG13010001', '2013-01-05', %1)")
             .arg(kept.Id));

    EXPECT_THROW(TEmployeeSet::DeleteEmployee(kept.Id), EDatabaseError);
    EXPECT_EQ(Scalar(QStringLiteral("select EmployeeId from [operator] where LoginId='u1'")).toInt(), kept.Id);

    EXPECT_TRUE(TEmployeeSet::DeleteEmployee(gone.Id));
    EXPECT_TRUE(Scalar(QStringLiteral("select EmployeeId from [operator] where LoginId='u2'")).isNull());
    EXPECT_TRUE(Scalar(QStringLiteral("select BuymanId from wareclass where Id=1")).isNull());
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from employee")).toInt(), 1);
}

TEST_P(StaffTest, ItemInUseShowsTheRefusalItselfAndTheConnectionGoesOn)
{
    ROutlayItem rent;
    rent.Name = QStringLiteral("房租");
    ASSERT_TRUE(TOutlayItemSet::SaveOutlayItem(rent));
    Exec(QStringLiteral("insert into outlay(Id, Code, BizDate, Sign, ItemId) values (1, 'FY13010001', '2013-01-05', 1, %1)")
             .arg(rent.Id));
    TOutlayItemList list;
    list.RefreshList();
    Db().BeginTrans();
    list.DeleteItem();
    EXPECT_EQ(Messages.Texts.value(0), QStringLiteral("\r您确定要删除 房租 吗?\t\t"));
    EXPECT_TRUE(Messages.Last().startsWith(QStringLiteral("\r\n为了数据的完整性,现在不能删除该记录.\r\n")));
    EXPECT_EQ(list.RecordCount(), 1);
    ROutlayItem other;
    other.Name = QStringLiteral("水电");
    EXPECT_TRUE(TOutlayItemSet::SaveOutlayItem(other));  // the transaction is still usable
    Db().CommitTrans();
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from outlay_item")).toInt(), 2);
}

TEST_P(StaffTest, RightsAndImportOfTheSmallLists)
{
    CurrentOperator().LoginId = QStringLiteral("clerk");
    CurrentOperator().Rights = QStringLiteral(",65,");  // may open the expense items window only
    TOutlayItemList outlays;
    outlays.RefreshList();
    EXPECT_THROW(outlays.AddItem(), EAbort);
    EXPECT_EQ(Messages.Last(), QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(61).\t"));

    CurrentOperator().Rights = QStringLiteral(",61,");
    outlays.Editor = NamingEditor<ROutlayItem>(QStringLiteral("差旅"));
    outlays.AddItem();
    EXPECT_EQ(outlays.RecordCount(), 1);
    EXPECT_EQ(outlays.NameFld->AsString(), QStringLiteral("差旅"));

    TUnitList units;
    EXPECT_FALSE(units.ImportItems());
    EXPECT_EQ(Messages.Last(), QStringLiteral("\r\n不支持导入功能,请手工录入\t"));
}

MQ_BOTH_ENGINES(StaffTest);

}  // namespace
