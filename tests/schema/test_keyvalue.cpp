#include "KeyValue.h"
#include "Labels.h"
#include "PickList.h"
#include "SchemaFixture.h"

#include <QSqlQuery>

namespace {

QList<QVariant> Row(TDatabase& db, int keyId)
{
    QSqlQuery q = db.Select(QStringLiteral("select Vstr, Vint, Vfloat, Vbool from keyvalue where KeyId=:K"),
                            {DBParam(QStringLiteral("K"), keyId)});
    if (!q.next()) return {};
    return {q.value(0), q.value(1), q.value(2), q.value(3)};
}

int Rows(TDatabase& db, const QString& table)
{
    QSqlQuery q = db.Select(QStringLiteral("select count(*) from ") + table, {});
    return q.next() ? q.value(0).toInt() : -1;
}

}  // namespace

class Settings : public SchemaTest {
protected:
    void TearDown() override
    {
        TCaptions::Reset();
        SchemaTest::TearDown();
    }
};
MQ_BOTH_ENGINES(Settings);

TEST_P(Settings, ReadingAMissingKeyCreatesAnEmptyRow)
{
    TKeyValue2 store;
    EXPECT_EQ(store.GetInt(500), 0);
    EXPECT_FALSE(store.GetBool(501));
    const QList<QVariant> row = Row(Db(), 500);
    ASSERT_EQ(row.size(), 4);
    for (const QVariant& v : row) EXPECT_TRUE(v.isNull());
    // The uncached reader does not create keys.
    KeyData data;
    EXPECT_FALSE(TKeyValueSet::GetKey(502, data));
    EXPECT_TRUE(Row(Db(), 502).isEmpty());
    EXPECT_EQ(TKeyValueSet::GetStr(502), QString());
}

TEST_P(Settings, EveryWriteReplacesAllFourValues)
{
    TKeyValue2 store;
    store.SetBool(9, true);
    EXPECT_EQ(store.GetInt(9), 0);
    EXPECT_TRUE(store.GetBool(9));
    EXPECT_EQ(Row(Db(), 9), (QList<QVariant>{QStringLiteral(""), 0, 0.0, 1}));

    store.SetInt(600, 42);  // a key not yet stored
    EXPECT_EQ(store.GetInt(600), 42);
    EXPECT_TRUE(store.GetBool(600));  // integers are written with Vbool true
    TKeyValue2 other;  // a fresh cache reads what the first one wrote
    EXPECT_EQ(other.GetInt(600), 42);
    EXPECT_TRUE(other.GetBool(9));

    ASSERT_TRUE(TKeyValueSet::SetStr(600, QStringLiteral("文本")));
    KeyData data;
    ASSERT_TRUE(TKeyValueSet::GetKey(600, data));
    EXPECT_EQ(data.Vstr, QStringLiteral("文本"));
    EXPECT_EQ(data.Vint, 0);
    EXPECT_FALSE(data.Vbool);
    EXPECT_TRUE(TKeyValueSet::SetKey(601, KeyData{QStringLiteral("x"), 3, 2.5, true}));
    ASSERT_TRUE(TKeyValueSet::GetKey(601, data));
    EXPECT_EQ(data.Vint, 3);
    EXPECT_DOUBLE_EQ(data.Vfloat, 2.5);
    EXPECT_TRUE(data.Vbool);
}

TEST_P(Settings, TheGlobalStoreFollowsTheConnection)
{
    EXPECT_EQ(GlobalKeyValue().GetInt(KeyIds::QtyDecimals), 2);
    GlobalKeyValue().SetInt(KeyIds::QtyDecimals, 4);
    EXPECT_EQ(GlobalKeyValue().GetInt(KeyIds::QtyDecimals), 4);

    QTemporaryDir dir;
    TDatabase other;
    ASSERT_TRUE(other.Connect(QStringLiteral("Provider=SQLite;Data Source=%1/other.db").arg(dir.path()), true));
    TSchema::CreateOrUpgrade(other);
    SetThreadDatabase(&other);
    EXPECT_EQ(GlobalKeyValue().GetInt(KeyIds::QtyDecimals), 2);
    SetThreadDatabase(&Db());
    EXPECT_EQ(GlobalKeyValue().GetInt(KeyIds::QtyDecimals), 4);
}

TEST_P(Settings, PickLists)
{
    EXPECT_EQ(TPickList::GetList(99), QString());
    EXPECT_TRUE(TPickList::Items(PickLists::Units).contains(QStringLiteral("个")));

    ASSERT_TRUE(TPickList::SetList(PickLists::Carriers, QStringLiteral("顺丰速运\r\n\r\n自提")));
    EXPECT_EQ(TPickList::Items(PickLists::Carriers), QStringList({QStringLiteral("顺丰速运"), QStringLiteral("自提")}));
    ASSERT_TRUE(TPickList::SetList(20, QStringLiteral("甲")));  // a new list is inserted
    EXPECT_EQ(TPickList::GetList(20), QStringLiteral("甲"));

    TPickListSet lists;
    EXPECT_EQ(lists.Count(), 5);  // 0 to 3 and 20
    lists.SetCount(7);            // appends keys after the largest
    EXPECT_EQ(lists.Count(), 7);
    EXPECT_EQ(Rows(Db(), QStringLiteral("options")), 7);
    EXPECT_EQ(TPickList::GetList(22), QString());
    QSqlQuery q = Db().Select(QStringLiteral("select [List] from options where [Key]=21"), {});
    ASSERT_TRUE(q.next());
    EXPECT_TRUE(q.value(0).isNull());
    lists.SetCount(3);  // never removes lists
    EXPECT_EQ(Rows(Db(), QStringLiteral("options")), 7);
}

TEST_P(Settings, CaptionsComeFromTheStoredList)
{
    EXPECT_EQ(TCaptions::WareS01(), QStringLiteral("货号"));  // built in, before loading
    TCaptions::Load();
    EXPECT_EQ(TCaptions::WareS02(), QStringLiteral("品名"));
    EXPECT_EQ(TCaptions::WareS08(), QStringLiteral("vWareS08"));

    TLabels labels;
    labels.SetLabel(QStringLiteral("WareS02"), QStringLiteral("商品名称"));
    ASSERT_TRUE(labels.SaveLabels());
    TCaptions::Load();
    EXPECT_EQ(TCaptions::WareS02(), QStringLiteral("商品名称"));
    EXPECT_EQ(TLabels().GetLabel(QStringLiteral("WareS02")), QStringLiteral("商品名称"));

    // Without a stored list every caption shows its own name.
    Db().Execute(QStringLiteral("delete from keyvalue where KeyId=37"));
    TCaptions::Load();
    EXPECT_EQ(TCaptions::WareS01(), QStringLiteral("WareS01"));
    EXPECT_EQ(TCaptions::ClientNote(), QStringLiteral("ClientNote"));
}

TEST(Labels, ParsesAndWritesTheCaptionList)
{
    TLabels labels(QStringLiteral("WareS01=编号\r\nbroken line\r\nClient=顾客=甲\n"));
    EXPECT_EQ(labels.GetLabel(QStringLiteral("WareS01")), QStringLiteral("编号"));
    EXPECT_EQ(labels.GetLabel(QStringLiteral("Client")), QStringLiteral("顾客=甲"));
    EXPECT_EQ(labels.GetLabel(QStringLiteral("WareS03")), QStringLiteral("WareS03"));
    labels.SetLabel(QStringLiteral("WareS01"), QStringLiteral("货号"));
    labels.SetLabel(QStringLiteral("WareS03"), QStringLiteral("助记码"));
    EXPECT_EQ(labels.Text(), QStringLiteral("WareS01=货号\nClient=顾客=甲\nWareS03=助记码"));
    EXPECT_EQ(TCaptions::Names().size(), 35);
    EXPECT_EQ(TCaptions::WareNames().last(), QStringLiteral("WarePropLabel"));
}
