#include "DbFixture.h"
#include "RecordSet.h"

namespace {

class TUnitSet : public TRecordSet {
public:
    TUnitSet()
    {
        IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("ID"));
        NameFld = AddField(TFieldType::WideString, QStringLiteral("Name"), 30, true, QStringLiteral("名称"));
        RateFld = AddField(TFieldType::Float, QStringLiteral("Rate"), -1, true, QStringLiteral("换算率"));
        NoteFld = AddField(TFieldType::WideString, QStringLiteral("NoteX"), 50, true, QStringLiteral("备注"));
    }
    // The writing pattern: SQL first, then the local row.
    bool Save(int id, const QString& name, double rate)
    {
        const int n = Database().Execute(QStringLiteral("update unit set Name=:Name, Rate=:Rate where Id=:Id"),
                                         {DBParam("Name", name), DBParam("Rate", rate), DBParam("Id", id)});
        if (n != 1) return false;
        EditOrAppendById(IdFld, id);
        NameFld->SetValue(name);
        RateFld->SetValue(rate);
        DataSet()->Post();
        return true;
    }
    TField *IdFld, *NameFld, *RateFld, *NoteFld;
};

class RecordSetTest : public DbTest {
protected:
    void Prepare() override
    {
        Db().ExecCommand(QStringLiteral("create table unit (Id integer primary key, Name varchar(30), Rate float, NoteX varchar(50))"));
    }
    void fill()
    {
        Db().Execute(QStringLiteral("insert into unit values (1,'个',1,null), (2,'箱',12,'a'), (3,'套',0.5,'b')"));
    }
};

}  // namespace

TEST_P(RecordSetTest, OpenEmptyAndBindByNameCaseInsensitively)
{
    TUnitSet set;
    EXPECT_EQ(set.Open(QStringLiteral("select * from unit")), 0);
    EXPECT_TRUE(set.Active());
    fill();
    EXPECT_EQ(set.Open(QStringLiteral("select notex, RATE, name, id from unit order by Id")), 3);
    EXPECT_EQ(set.NameFld->AsString(), QStringLiteral("个"));
    set.DataSet()->Last();
    EXPECT_DOUBLE_EQ(set.RateFld->AsFloat(), 0.5);
    EXPECT_EQ(set.NoteFld->AsString(), QStringLiteral("b"));
}

TEST_P(RecordSetTest, MissingDeclaredColumnFailsWithoutAStaleResult)
{
    fill();
    TUnitSet set;
    ASSERT_EQ(set.Open(QStringLiteral("select * from unit")), 3);
    const QString bad = QStringLiteral("select Id, Name, Rate from unit");
    try {
        set.Open(bad);
        FAIL() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("SQL语句错误,原文如下:\r\n") + bad + QStringLiteral("\r\n\r\n错误提示:\r\n")));
        EXPECT_TRUE(e.Message().contains(QStringLiteral("NoteX")));
    }
    EXPECT_FALSE(set.Active());
    EXPECT_EQ(set.RecordCount(), 0);
    EXPECT_THROW(set.Open(QStringLiteral("select * from nosuch")), EDatabaseError);
    EXPECT_FALSE(set.Active());
}

TEST_P(RecordSetTest, LocalPatchShowsTheWriteUntilAnotherSetRefreshes)
{
    fill();
    TUnitSet a, b;
    a.Open(QStringLiteral("select * from unit order by Id"));
    b.Open(QStringLiteral("select * from unit order by Id"));
    ASSERT_TRUE(a.Save(2, QStringLiteral("大箱"), 24));
    EXPECT_EQ(a.RecordCount(), 3);
    ASSERT_TRUE(a.Locate(QStringLiteral("Id"), 2));
    EXPECT_EQ(a.NameFld->AsString(), QStringLiteral("大箱"));
    ASSERT_TRUE(b.Locate(QStringLiteral("Id"), 2));
    EXPECT_EQ(b.NameFld->AsString(), QStringLiteral("箱"));
    b.Refresh();
    EXPECT_EQ(b.NameFld->AsString(), QStringLiteral("大箱"));
    EXPECT_EQ(b.IdFld->AsInteger(), 2);  // the cursor stays on the row
    EXPECT_FALSE(a.Save(99, QStringLiteral("x"), 1));
}

TEST_P(RecordSetTest, JoinValuesSumAndDeletes)
{
    fill();
    TUnitSet set;
    set.Open(QStringLiteral("select * from unit order by Id"));
    EXPECT_EQ(set.JoinValues(set.NameFld, QStringLiteral(",")), QStringLiteral("个,箱,套"));
    set.DataSet()->SetRecNo(2);
    EXPECT_DOUBLE_EQ(set.SumField(set.RateFld), 13.5);
    EXPECT_EQ(set.DataSet()->RecNo(), 2);
    set.DeleteCurrent();
    EXPECT_EQ(set.RecordCount(), 2);
    set.DeleteAll();
    EXPECT_EQ(set.RecordCount(), 0);
    set.DeleteCurrent();  // nothing left: no error
    EXPECT_EQ(set.JoinValues(set.NameFld, QStringLiteral(",")), QString());
    TRecordSet shared;
    shared.Open(QStringLiteral("select max(Id) from unit"));
    EXPECT_EQ(shared.FirstValue().toInt(), 3);  // the database was not touched
}

MQ_BOTH_ENGINES(RecordSetTest);
