#include "MasterFixture.h"
#include "MasterLists.h"

namespace {

class WareTest : public MasterTest {
protected:
    int AddWare(const QString& name, std::optional<int> classId, const QString& code = QString())
    {
        RWare w;
        w.Name = name;
        w.Code = code;
        w.ClassId = classId;
        EXPECT_TRUE(TWareSet::SaveWare(w));
        return w.Id;
    }
    // Classes coded 3., 3.10., 3.10.11. and 31. with one goods item each, and one unclassified.
    void MakeClassedGoods()
    {
        Exec(QStringLiteral("insert into wareclass(Id, Code, Name, SlfId, PrtId) values "
                            "(1, '3.', 'X', 3, 0), (2, '3.10.', 'X1', 10, 3), (3, '3.10.11.', 'X11', 11, 10), "
                            "(4, '31.', 'Y', 31, 0)"));
        AddWare(QStringLiteral("a"), 1);
        AddWare(QStringLiteral("b"), 2);
        AddWare(QStringLiteral("c"), 3);
        AddWare(QStringLiteral("d"), 4);
        AddWare(QStringLiteral("e"), std::nullopt);
    }
};

TEST_P(WareTest, SaveInsertsFromIdOneStoresNullsAndUpdates)
{
    RWare w;
    w.Name = QStringLiteral("螺丝");
    w.ClassId = 0;  // no class
    w.SalePrice1 = 12.5;
    w.F02 = 0.0;
    ASSERT_TRUE(TWareSet::SaveWare(w));
    EXPECT_EQ(w.Id, 1);
    EXPECT_TRUE(Scalar(QStringLiteral("select ClassId from ware where Id=1")).isNull());
    EXPECT_TRUE(Scalar(QStringLiteral("select CostPrice from ware where Id=1")).isNull());
    EXPECT_EQ(Scalar(QStringLiteral("select F02 from ware where Id=1")).toDouble(), 0.0);

    RWare loaded;
    ASSERT_TRUE(TWareSet::LoadWare(1, loaded));
    EXPECT_EQ(loaded.Name, QStringLiteral("螺丝"));
    EXPECT_FALSE(loaded.ClassId.has_value());
    EXPECT_EQ(loaded.SalePrice1, 12.5);
    EXPECT_FALSE(loaded.CostPrice.has_value());
    EXPECT_EQ(loaded.F02, 0.0);

    loaded.Code = QStringLiteral("M3");
    ASSERT_TRUE(TWareSet::SaveWare(loaded));
    EXPECT_EQ(Scalar(QStringLiteral("select Code from ware where Id=1")).toString(), QStringLiteral("M3"));
    EXPECT_FALSE(TWareSet::LoadWare(2, loaded));

    RWare missing;
    missing.Id = 99;
    EXPECT_FALSE(TWareSet::SaveWare(missing));
}

TEST_P(WareTest, ClassFiltersTakeDescendantsAndPseudoCodes)
{
    MakeClassedGoods();
    const struct {
        const char* code;
        QStringList names;
    } cases[] = {
        {"3.", {"a", "b", "c"}},
        {"3.10.", {"b", "c"}},
        {"31.", {"d"}},
        {"sys-classed", {"a", "b", "c", "d"}},
        {"sys-nulled", {"e"}},
        {"sys-all", {"a", "b", "c", "d", "e"}},
        {"", {"a", "b", "c", "d", "e"}},
    };
    TWareSet server, local, slot;
    local.OpenWhere();
    slot.OpenWhere();
    for (const auto& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        server.Where()->CataCodeFld->SetValue(code);
        server.OpenWhere();
        EXPECT_EQ(Visible(server.DataSet(), QStringLiteral("Name")), c.names) << "OpenWhere " << c.code;
        local.FilterByClass(code);
        EXPECT_EQ(Visible(local.DataSet(), QStringLiteral("Name")), c.names) << "FilterByClass " << c.code;
        slot.SetClassId(code);
        EXPECT_EQ(Visible(slot.DataSet(), QStringLiteral("Name")), c.names) << "ClassId slot " << c.code;
    }
}

TEST_P(WareTest, TypedTextMatchesLiterallyOnServerAndInSlots)
{
    for (const char* name : {"50%off", "50 off", "a_b", "axb", "O'Brien", "Obrien", "2*3"})
        AddWare(QString::fromLatin1(name), std::nullopt, QStringLiteral("K-") + QString::fromLatin1(name));
    const struct {
        const char* typed;
        QStringList names;
    } cases[] = {{"50%", {"50%off"}}, {"a_b", {"a_b"}}, {"O'B", {"O'Brien"}}, {"*", {"2*3"}}, {"off", {"50 off", "50%off"}}};
    TWareSet server, slot;
    slot.OpenWhere();
    for (const auto& c : cases) {
        const QString typed = QString::fromLatin1(c.typed);
        server.Where()->Reset();
        server.Where()->WareNameFld->SetValue(typed);
        server.OpenWhere();
        EXPECT_EQ(Visible(server.DataSet(), QStringLiteral("Name")), c.names) << c.typed;
        slot.SetWareName(typed);
        EXPECT_EQ(Visible(slot.DataSet(), QStringLiteral("Name")), c.names) << c.typed;
    }
    // Slots add up: name and code together, and clearing one keeps the other.
    slot.SetWareName(QStringLiteral("off"));
    slot.SetWareCode(QStringLiteral("K-50%"));
    EXPECT_EQ(Visible(slot.DataSet(), QStringLiteral("Name")), QStringList({"50%off"}));
    slot.SetWareName(QString());
    EXPECT_EQ(Visible(slot.DataSet(), QStringLiteral("Name")), QStringList({"50%off"}));
    slot.SetWareCode(QString());
    EXPECT_EQ(slot.RecordCount(), 7);
}

TEST_P(WareTest, RefusedDeleteKeepsRowListAndConnection)
{
    const int used = AddWare(QStringLiteral("used"), std::nullopt);
    AddWare(QStringLiteral("free"), std::nullopt);
    Exec(QStringLiteral("insert into sale(Id, Code, BizDate) values (1, 'CG13010001', '2013-01-05'), "
                        "(2, 'CG13010002', '2013-01-09')"));
    Exec(QStringLiteral("insert into saledl(dlId, MastId, WareId, Qty, Price) values "
                        "(1, 1, %1, 1, 8), (2, 2, %1, 2, 6), (3, 1, %1, 1, 10)").arg(used));

    TWareList4Sale list;
    list.RefreshList();
    ASSERT_TRUE(list.Locate(QStringLiteral("Name"), QStringLiteral("used")));
    EXPECT_EQ(list.LowestInPrice(), 6.0);
    EXPECT_EQ(list.HighestInPrice(), 10.0);
    EXPECT_EQ(list.AvgInPrice(), 8.0);
    EXPECT_EQ(list.LastInPrice(), 6.0);  // the latest delivery

    // Inside a caller's transaction too: PostgreSQL must not be left in an aborted one.
    Db().BeginTrans();
    list.DeleteItem();
    EXPECT_EQ(Messages.Texts.value(0), QStringLiteral("\r您确定要删除 当前记录 吗?\t\t"));
    EXPECT_TRUE(Messages.Last().startsWith(
        QStringLiteral("\r\n为了数据的完整性,现在不能删除该资料,因为有的单据中已引用了,除非先把相关的单据删除.\r\n")));
    EXPECT_TRUE(Messages.Last().contains(QStringLiteral("delete from Ware")));
    EXPECT_EQ(list.RecordCount(), 2);
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from ware")).toInt(), 2);
    Db().CommitTrans();
    EXPECT_THROW(TWareSet::DeleteWare(used), EDatabaseError);

    ASSERT_TRUE(list.Locate(QStringLiteral("Name"), QStringLiteral("free")));
    list.DeleteItem();
    EXPECT_EQ(list.RecordCount(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from ware")).toInt(), 1);
}

TEST_P(WareTest, MoveToClassMovesUnclassifiedOrDirectMembersOnly)
{
    MakeClassedGoods();
    AddWare(QStringLiteral("f"), std::nullopt);
    const RWareCata none{0}, x{1, "3."}, x1{2, "3.10."}, y{4, "31."};
    EXPECT_EQ(TWareSet::MoveToClass(none, y), 2);  // e and f
    EXPECT_EQ(Column(QStringLiteral("select Name from ware where ClassId=4 order by Name")), QStringList({"d", "e", "f"}));
    EXPECT_EQ(TWareSet::MoveToClass(x, y), 1);  // a only, not b or c of its subclasses
    EXPECT_EQ(Column(QStringLiteral("select Name from ware where ClassId=2")), QStringList({"b"}));
    EXPECT_EQ(TWareSet::MoveToClass(none, x1), 0);
}

TEST_P(WareTest, AssignClassPatchesTheRowAndNullsAPseudoClass)
{
    MakeClassedGoods();
    TWareSet set;
    set.OpenWhere();
    ASSERT_TRUE(set.Locate(QStringLiteral("Name"), QStringLiteral("e")));
    ASSERT_TRUE(set.AssignClass({4, "31.", "Y"}));
    EXPECT_EQ(set.CataNameFld->AsString(), QStringLiteral("Y"));
    set.FilterByClass(QStringLiteral("31."));
    EXPECT_EQ(Visible(set.DataSet(), QStringLiteral("Name")), QStringList({"d", "e"}));
    ASSERT_TRUE(set.Locate(QStringLiteral("Name"), QStringLiteral("e")));
    ASSERT_TRUE(set.AssignClass({-1, PseudoCode::Nulled}));
    EXPECT_TRUE(Scalar(QStringLiteral("select ClassId from ware where Name='e'")).isNull());
    EXPECT_TRUE(set.CatacodeFld->IsNull());
}

TEST_P(WareTest, ListEditorSaveShowsTheRecordWithoutRequery)
{
    TWareList4Sale list;
    list.RefreshList();
    list.DefaultClass = {0};
    list.Editor = NamingEditor<RWare>(QStringLiteral("新货品"));
    list.AddItem();
    ASSERT_EQ(list.RecordCount(), 1);
    EXPECT_EQ(list.IdFld->AsInteger(), 1);
    EXPECT_EQ(list.NameFld->AsString(), QStringLiteral("新货品"));
    list.FilterByClass(PseudoCode::Nulled);  // listed as unclassified without a requery
    EXPECT_EQ(list.RecordCount(), 1);
    // New goods take the list's default class (the tree node selected in the window).
    Exec(QStringLiteral("insert into wareclass(Id, Code, Name, SlfId, PrtId) values (7, '1.', 'A', 1, 0)"));
    list.DefaultClass = {7, "1.", "A"};
    list.AddItem();
    list.FilterByClass(QStringLiteral("1."));
    ASSERT_EQ(list.RecordCount(), 1);
    EXPECT_EQ(list.CataNameFld->AsString(), QStringLiteral("A"));
    EXPECT_EQ(Scalar(QStringLiteral("select ClassId from ware where Id=2")).toInt(), 7);
    list.FilterByClass(PseudoCode::All);

    QStringList searched;
    list.SearchFields([&](TField* f) { searched << f->FieldName(); });
    EXPECT_EQ(searched, QStringList({"LookId", "Code", "Name", "PartNo", "Barcode"}));

    RWare picked;
    list.OnPick = [&](const RWare& w) { picked = w; return true; };
    ASSERT_TRUE(list.Locate(QStringLiteral("Id"), 1));
    EXPECT_TRUE(list.PickItem());
    EXPECT_EQ(picked.Id, 1);
    EXPECT_EQ(picked.Name, QStringLiteral("新货品"));
}

MQ_BOTH_ENGINES(WareTest);

}  // namespace
