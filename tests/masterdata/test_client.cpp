#include "MasterFixture.h"
#include "MasterLists.h"

namespace {

class ClientTest : public MasterTest {};

TEST_P(ClientTest, FirstClientGetsIdOneAndPseudoDistrictIsStoredAsNull)
{
    int first = -5;
    EXPECT_FALSE(TClientSet::FirstClientId(first));
    EXPECT_EQ(first, -5);

    RClient c;
    c.Name = QStringLiteral("华南贸易");
    c.DistrictId = -1;  // added while "全部" was selected
    ASSERT_TRUE(TClientSet::SaveClient(c));
    EXPECT_EQ(c.Id, 1);
    EXPECT_TRUE(Scalar(QStringLiteral("select DistrictId from Client where Id=1")).isNull());
    ASSERT_TRUE(TClientSet::FirstClientId(first));
    EXPECT_EQ(first, 1);

    // An edit keeps what the editor does not show (the imported tax number).
    Exec(QStringLiteral("update Client set TaxId='4401' where Id=1"));
    RClient loaded;
    ASSERT_TRUE(TClientSet::LoadClient(1, loaded));
    loaded.Tel = QStringLiteral("020-1234");
    ASSERT_TRUE(TClientSet::SaveClient(loaded));
    EXPECT_EQ(Scalar(QStringLiteral("select TaxId from Client where Id=1")).toString(), QStringLiteral("4401"));
    EXPECT_FALSE(loaded.DistrictId.has_value());
}

TEST_P(ClientTest, DistrictFilterTakesSubdistrictsAndNulled)
{
    RDistricts tree{{0, "", "华南"}, {0, "", "广州"}, {0, "", "华北"}};
    NumberClasses(tree, {-1, 0, -1});
    ASSERT_TRUE(TDistrictSet::SaveDistrictTree(tree));
    const struct {
        const char* name;
        int district;
    } clients[] = {{"a", tree[0].Id}, {"b", tree[1].Id}, {"c", tree[2].Id}, {"d", 0}};
    for (const auto& row : clients) {
        RClient c;
        c.Name = QString::fromLatin1(row.name);
        c.DistrictId = row.district;
        ASSERT_TRUE(TClientSet::SaveClient(c));
    }
    TClientList list;
    list.RefreshList();
    const struct {
        QString code;
        QStringList names;
    } cases[] = {{tree[0].Code, {"a", "b"}}, {tree[1].Code, {"b"}}, {PseudoCode::Nulled, {"d"}},
                 {PseudoCode::Classed, {"a", "b", "c"}}, {PseudoCode::All, {"a", "b", "c", "d"}}};
    for (const auto& c : cases) {
        list.FilterByDistrict(c.code);
        EXPECT_EQ(Visible(list.DataSet(), QStringLiteral("Name")), c.names) << c.code.toStdString();
    }
}

TEST_P(ClientTest, ListAddsWithDefaultDistrictAndRefusesDeletingAClientInUse)
{
    RDistricts tree{{0, "", "华东"}};
    NumberClasses(tree, {-1});
    ASSERT_TRUE(TDistrictSet::SaveDistrictTree(tree));

    TClientList list;
    list.RefreshList();
    list.DefaultDistrict = tree[0];
    list.Editor = NamingEditor<RClient>(QStringLiteral("东方商行"));
    list.AddItem();
    ASSERT_EQ(list.RecordCount(), 1);
    EXPECT_EQ(list.DistNameFld->AsString(), QStringLiteral("华东"));
    EXPECT_EQ(Scalar(QStringLiteral("select DistrictId from Client where Id=1")).toInt(), tree[0].Id);

    Exec(QStringLiteral("insert into sale(Id, Code, BizDate, ClientId) values (1, 'CG13010001', '2013-01-05', 1)"));
    Messages.Answers.enqueue(true);
    list.DeleteItem();
    EXPECT_EQ(Messages.Texts.value(0), QStringLiteral("\r您确定要删除 东方商行 吗?\t\t"));
    EXPECT_TRUE(Messages.Last().contains(QStringLiteral("为了数据的完整性,现在不能删除该资料")));
    EXPECT_EQ(list.RecordCount(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from Client")).toInt(), 1);

    // Cancelling the confirmation deletes nothing, even where nothing refers to the client.
    Exec(QStringLiteral("delete from sale"));
    Messages.Answers.enqueue(false);
    list.DeleteItem();
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from Client")).toInt(), 1);
    list.DeleteItem();
    EXPECT_EQ(list.RecordCount(), 0);
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from Client")).toInt(), 0);
}

MQ_BOTH_ENGINES(ClientTest);

}  // namespace
