#include "Client.h"
#include "MasterFixture.h"
#include "Ware.h"

namespace {

RTreeClasses named(const QStringList& names)
{
    RTreeClasses out;
    for (const QString& n : names) out.append(RTreeClass{0, QString(), n});
    return out;
}

TEST(ClassNumbering, ThreeLevelsAndSiblings)
{
    // A > B > C, then D at the top.
    RTreeClasses flat = named({"A", "B", "C", "D"});
    NumberClasses(flat, {-1, 0, 1, -1});
    const struct {
        int slf, prt;
        const char* code;
    } expected[] = {{1, 0, "1."}, {2, 1, "1.2."}, {3, 2, "1.2.3."}, {4, 0, "4."}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(flat[i].SlfId, expected[i].slf) << i;
        EXPECT_EQ(flat[i].PrtId, expected[i].prt) << i;
        EXPECT_EQ(flat[i].Code, QString::fromLatin1(expected[i].code)) << i;
    }
}

TEST(ClassNumbering, ChildAddedToMiddleClassRenumbersTheRest)
{
    // A, B, C at the top; B gets a child D: C moves from 3. to 4.
    TClassTree tree(WareClassTable());
    tree.Load({{1, "1.", "A", "", "", 1, 0}, {2, "2.", "B", "", "", 2, 0}, {3, "3.", "C", "", "", 3, 0}});
    TClassTree::TNode* d = tree.AddClass(tree.FindById(2));
    d->Data.Name = QStringLiteral("D");
    RTreeClasses records;
    ASSERT_TRUE(tree.CollectClasses(records));
    QStringList got;
    for (const RTreeClass& r : records) got << QStringLiteral("%1 %2 %3 %4").arg(r.Name).arg(r.SlfId).arg(r.PrtId).arg(r.Code);
    EXPECT_EQ(got, QStringList({"A 1 0 1.", "B 2 0 2.", "D 3 2 2.3.", "C 4 0 4."}));
    EXPECT_EQ(tree.FindById(3)->Data.Code, QStringLiteral("4."));  // written back to the node
    EXPECT_EQ(TClassTree::NodePath(d), QStringLiteral("B\\D\\"));
}

TEST(ClassTreeModel, LoadsParentsBySlfIdAndMovesOnlyWhereAllowed)
{
    TClassTree tree(DistrictTable());
    // The orphan (PrtId 9) goes to the top; blank names stay when not skipped.
    tree.Load({{1, "1.", "A", "", "", 1, 0}, {2, "1.2.", "B", "", "", 2, 1}, {3, "1.2.3.", "", "", "", 3, 2},
               {4, "4.", "X", "", "", 4, 9}});
    ASSERT_EQ(tree.TopLevel().size(), 2u);
    TClassTree::TNode* a = tree.FindById(1);
    TClassTree::TNode* b = tree.FindById(2);
    TClassTree::TNode* c = tree.FindById(3);
    EXPECT_EQ(c->Parent, b);
    EXPECT_FALSE(tree.CanMove(a, a));
    EXPECT_FALSE(tree.CanMove(b, a));        // already its parent
    EXPECT_FALSE(tree.CanMove(a, c));        // into its own descendant
    EXPECT_FALSE(tree.CanMove(a, nullptr));  // already at the top
    EXPECT_TRUE(tree.Move(c, nullptr));
    EXPECT_EQ(tree.TopLevel().size(), 3u);
    EXPECT_EQ(tree.AddClass(nullptr)->Data.Name, QStringLiteral("新的区域"));

    TClassTree skipping(WareClassTable());
    skipping.Load({{1, "1.", "A", "", "", 1, 0}, {3, "2.", "", "", "", 2, 0}}, true);
    EXPECT_EQ(skipping.Count(), 1);
}

// The goods class tree and the district tree save alike; each case names its member rows.
struct TreeCase {
    const TTreeTable& (*Table)();
    const char* MemberInsert;  // %1 = member Id, %2 = node Id
};

class TreeSaveTest : public MasterTest {
protected:
    void RunScenario(const TreeCase& tc);
};

void TreeSaveTest::RunScenario(const TreeCase& tc)
{
    const TTreeTable& table = tc.Table();
    // A; B > B1 > B11; C
    TClassTree tree(table);
    auto add = [&](TClassTree::TNode* parent, const char* name) {
        TClassTree::TNode* n = tree.AddClass(parent);
        n->Data.Name = QString::fromUtf8(name);
        return n;
    };
    TClassTree::TNode* a = add(nullptr, "A");
    TClassTree::TNode* b = add(nullptr, "B");
    TClassTree::TNode* b1 = add(b, "B1");
    TClassTree::TNode* b11 = add(b1, "B11");
    TClassTree::TNode* c = add(nullptr, "C");
    ASSERT_TRUE(tree.SaveClasses());
    EXPECT_EQ(Column(QStringLiteral("select Code from %1 order by SlfId").arg(table.Table)),
              QStringList({"1.", "2.", "2.3.", "2.3.4.", "5."}));
    const int idA = a->Data.Id, idB1 = b1->Data.Id, idB11 = b11->Data.Id, idC = c->Data.Id;
    EXPECT_EQ(idA, 1);  // the first node of an empty table

    const auto member = [&](int id, int node) { Exec(QString::fromLatin1(tc.MemberInsert).arg(id).arg(node)); };
    member(1, idB1);
    member(2, idB11);
    member(3, idC);
    member(4, idA);

    // Rename A, move C under it, add D under A, remove B with everything below it.
    a->Data.Name = QStringLiteral("A2");
    ASSERT_TRUE(tree.Move(c, a));
    add(a, "D");
    tree.Remove(b);
    ASSERT_TRUE(tree.SaveClasses());

    const QString member_col = QStringLiteral("select %1 from %2 where Id=%3");
    auto memberNode = [&](int id) {
        return Scalar(member_col.arg(table.MemberColumn, table.MemberTable).arg(id));
    };
    EXPECT_TRUE(memberNode(1).isNull());
    EXPECT_TRUE(memberNode(2).isNull());
    EXPECT_EQ(memberNode(3).toInt(), idC);
    EXPECT_EQ(memberNode(4).toInt(), idA);
    EXPECT_EQ(Column(QStringLiteral("select Name || ' ' || Code || ' ' || PrtId from %1 order by SlfId").arg(table.Table)),
              QStringList({"A2 1. 0", "C 1.2. 1", "D 1.3. 1"}));
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from %1 where Id in (%2, %3)").arg(table.Table).arg(idB1).arg(idB11)).toInt(), 0);
    EXPECT_EQ(c->Data.Id, idC);
    EXPECT_GT(tree.FindByCode(QStringLiteral("1.3."))->Data.Id, idC);

    // Saving again without changes rewrites the same codes and Ids.
    const QStringList before = Column(QStringLiteral("select Id || Code from %1 order by Id").arg(table.Table));
    TTreeClassSet set(table);
    set.OpenAll();
    RTreeClasses again = set.AsDatas();
    ASSERT_TRUE(SaveTree(table, again));
    EXPECT_EQ(Column(QStringLiteral("select Id || Code from %1 order by Id").arg(table.Table)), before);
}

TEST_P(TreeSaveTest, GoodsClassesRenameMoveAddRemove)
{
    RunScenario({&WareClassTable, "insert into ware(Id, Name, ClassId) values (%1, 'w', %2)"});
}

TEST_P(TreeSaveTest, DistrictsRenameMoveAddRemove)
{
    RunScenario({&DistrictTable, "insert into Client(Id, Name, DistrictId) values (%1, 'c', %2)"});
}

TEST_P(TreeSaveTest, FailedSaveWritesNothingAndKeepsIds)
{
    RDistricts tree{{0, "", "North", "", "", 0, 0}, {0, "", "South", "", "", 0, 0}};
    NumberClasses(tree, {-1, -1});
    ASSERT_TRUE(TDistrictSet::SaveDistrictTree(tree));
    Exec(QStringLiteral("insert into Client(Id, Name, DistrictId) values (1, 'c', 2)"));

    // Another workstation removed North meanwhile; this one drops South and renames North.
    Exec(QStringLiteral("delete from districts where Id=1"));
    RDistricts stale{tree[0]};
    stale[0].Name = QStringLiteral("Nord");
    stale.append({0, "", "East", "", "", 0, 0});
    NumberClasses(stale, {-1, -1});
    try {
        TDistrictSet::SaveDistrictTree(stale);
        FAIL() << "no error";
    } catch (const EMqError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("保存失败, 没有返回成功值."));
    }
    EXPECT_EQ(stale[1].Id, 0);
    EXPECT_EQ(Scalar(QStringLiteral("select DistrictId from Client where Id=1")).toInt(), 2);
    EXPECT_EQ(Column(QStringLiteral("select Code from districts")), QStringList({"2."}));
    EXPECT_EQ(Db().TransLevel(), 0);
}

TEST_P(TreeSaveTest, BlankNameStopsBeforeAnythingIsWritten)
{
    TClassTree tree(WareClassTable());
    tree.AddClass(nullptr)->Data.Name = QStringLiteral("A");
    TClassTree::TNode* blank = tree.AddClass(nullptr);
    blank->Data.Name = QStringLiteral("  ");
    TClassTree::TNode* reported = nullptr;
    EXPECT_FALSE(tree.SaveClasses(&reported));
    EXPECT_EQ(reported, blank);
    EXPECT_EQ(Messages.Last(), QStringLiteral("\r\n分类名称不能是空白,必须填写.\t"));
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from wareclass")).toInt(), 0);
}

MQ_BOTH_ENGINES(TreeSaveTest);

}  // namespace
