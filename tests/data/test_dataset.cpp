#include "ClientDataSet.h"
#include "Criteria.h"
#include "DataSetModel.h"
#include "Errors.h"
#include "FilterExpr.h"

#include <gtest/gtest.h>

namespace {

// A small goods list held in memory.
class Goods : public TMqClientDataSet {
public:
    Goods()
    {
        Id = AddFieldDef(TFieldType::Integer, QStringLiteral("Id"), 0, false, QStringLiteral("ID"));
        Code = AddFieldDef(TFieldType::WideString, QStringLiteral("Code"), 50, true, QStringLiteral("货号"));
        Name = AddFieldDef(TFieldType::WideString, QStringLiteral("Name"), 250, true, QStringLiteral("品名"));
        Note = AddFieldDef(TFieldType::WideString, QStringLiteral("Note"), 10, true, QStringLiteral("备注"));
        Price = AddFieldDef(TFieldType::Currency, QStringLiteral("Price"), 0, true, QStringLiteral("单价"));
        Day = AddFieldDef(TFieldType::DateTime, QStringLiteral("Day"), 0, true, QStringLiteral("日期"));
        CreateDataSet();
    }
    void add(int id, const char* code, const char* name, QVariant note, double price, const char* day)
    {
        DataSet()->Append();
        Id->SetValue(id);
        Code->SetValue(QString::fromUtf8(code));
        Name->SetValue(QString::fromUtf8(name));
        Note->SetValue(note);
        Price->SetValue(price);
        Day->SetValue(QString::fromUtf8(day));
        DataSet()->Post();
    }
    QStringList codes() const
    {
        QStringList out;
        for (int i = 0; i < DataSet()->RecordCount(); ++i) out << DataSet()->ValueAt(i, Code->Index()).toString();
        return out;
    }
    TField *Id, *Code, *Name, *Note, *Price, *Day;
};

class DataSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.add(1, "A-1", "张三", QStringLiteral("红"), 10.5, "2013-01-15");
        g.add(2, "B-2", "阿里", QVariant(), 2.25, "2013-02-01");
        g.add(3, "A-3", "50%折扣", QStringLiteral("O'Brien"), 100, "2012-12-31");
        g.add(4, "C-4", "北京", QStringLiteral("蓝"), 7, "2013-01-01");
    }
    Goods g;
};

}  // namespace

TEST_F(DataSetTest, FieldSizesFollowTheDeclarationRules)
{
    EXPECT_EQ(g.Name->Size(), 140);  // 250 is capped
    EXPECT_EQ(g.Code->Size(), 50);
    EXPECT_EQ(g.Note->Size(), 20);   // 10 keeps the default
    EXPECT_THROW(g.AddFieldDef(TFieldType::Integer, QStringLiteral("Late"), 0, true, QString()), EMqError);
}

TEST_F(DataSetTest, DisplayFormats)
{
    g.DataSet()->First();
    g.Price->SetValue(1234567.5);
    EXPECT_EQ(g.Price->DisplayText(), QStringLiteral("1,234,567.50"));
    EXPECT_EQ(g.Day->DisplayText(), QStringLiteral("2013-01-15"));
    TFundField fund(g.DataSet(), QStringLiteral("x"));
    EXPECT_EQ(fund.Format(3.14159), QStringLiteral("3.14"));
}

TEST_F(DataSetTest, SumKeepsTheCursorAndEmptySumIsZero)
{
    g.DataSet()->SetRecNo(3);
    EXPECT_DOUBLE_EQ(TMqClientDataSet::SumField(g.Price), 119.75);
    EXPECT_EQ(g.DataSet()->RecNo(), 3);
    Goods empty;
    EXPECT_DOUBLE_EQ(TMqClientDataSet::SumField(empty.Price), 0.0);
}

TEST_F(DataSetTest, FilterExpressions)
{
    const struct {
        const char* expr;
        QStringList codes;
    } cases[] = {
        {"Code like 'A%'", {"A-1", "A-3"}},
        {"Name like '%50\\%%' escape '\\'", {"A-3"}},
        {"Code like '%-_'", {"A-1", "B-2", "A-3", "C-4"}},
        {"Note = null", {"B-2"}},
        {"Note <> null and Price > 5", {"A-1", "A-3", "C-4"}},
        {"Note = 'O''Brien' or Id = 2", {"B-2", "A-3"}},
        {"code like 'a%' and not (Price >= 100)", {"A-1"}},
        {"Day >= '2013-01-01' and Day <= '2013-01-31'", {"A-1", "C-4"}},
        {"Code <> 'A-1'", {"B-2", "A-3", "C-4"}},
        {"Note is null", {"B-2"}},
    };
    for (const auto& c : cases) {
        g.DataSet()->SetFilter(QString::fromUtf8(c.expr));
        g.DataSet()->SetFiltered(true);
        EXPECT_EQ(g.codes(), c.codes) << c.expr;
    }
    g.DataSet()->SetFiltered(false);
    EXPECT_EQ(g.DataSet()->RecordCount(), 4);
}

TEST_F(DataSetTest, MalformedFilterIsRefusedAndChangesNothing)
{
    for (const char* bad : {"Code like", "Nope = 1", "Code = 'x", "(Code = 'x'", "Price > 'abc'", "Code ! 1"}) {
        g.DataSet()->SetFilter(QString::fromUtf8(bad));
        EXPECT_THROW(g.DataSet()->SetFiltered(true), EMqError) << bad;
        EXPECT_EQ(g.DataSet()->RecordCount(), 4) << bad;
    }
}

TEST_F(DataSetTest, SortTextOrdersByFieldsAndChineseByPinyin)
{
    g.DataSet()->SetSort(QStringLiteral("Name"));
    EXPECT_EQ(g.codes(), (QStringList{"A-3", "B-2", "C-4", "A-1"}));  // 50%, 阿里 a, 北京 b, 张三 z
    g.DataSet()->SetSort(QStringLiteral("Code DESC , Name"));
    EXPECT_EQ(g.codes(), (QStringList{"C-4", "B-2", "A-3", "A-1"}));
    g.DataSet()->SetSort(QStringLiteral("Price"));
    EXPECT_EQ(g.codes(), (QStringList{"B-2", "C-4", "A-1", "A-3"}));  // as numbers, not text
    g.DataSet()->SetSort(QStringLiteral("Day desc"));
    EXPECT_EQ(g.codes(), (QStringList{"B-2", "A-1", "C-4", "A-3"}));
    g.DataSet()->SetSort(QString());
    EXPECT_EQ(g.codes(), (QStringList{"A-1", "B-2", "A-3", "C-4"}));
}

TEST_F(DataSetTest, LocateBookmarksAndLocalEdits)
{
    TDataSet* ds = g.DataSet();
    ASSERT_TRUE(ds->Locate(QStringLiteral("Code"), QStringLiteral("a-3"), TDataSet::CaseInsensitive));
    EXPECT_EQ(g.Id->AsInteger(), 3);
    const TBookmark mark = ds->GetBookmark();
    EXPECT_FALSE(ds->Locate(QStringLiteral("Code"), QStringLiteral("a-3")));
    EXPECT_TRUE(ds->Locate(QStringLiteral("Id"), 2));
    ds->SetSort(QStringLiteral("Name"));
    ASSERT_TRUE(ds->GotoBookmark(mark));
    EXPECT_EQ(g.Code->AsString(), QStringLiteral("A-3"));

    ds->Edit();
    g.Name->SetValue(QStringLiteral("改"));
    ds->Cancel();
    EXPECT_EQ(g.Name->AsString(), QStringLiteral("50%折扣"));
    ds->Delete();
    EXPECT_FALSE(ds->BookmarkValid(mark));
    EXPECT_EQ(ds->RecordCount(), 3);
    EXPECT_TRUE(ds->Locate(QStringLiteral("Code;Id"), QVariantList{QStringLiteral("C-4"), 4}));
}

TEST_F(DataSetTest, ModelShowsVisibleFieldsWithLabelsAndFormats)
{
    TDataSetModel model(g.DataSet());
    ASSERT_EQ(model.columnCount(), 5);  // Id is hidden
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("货号"));
    EXPECT_EQ(model.data(model.index(0, 3), Qt::DisplayRole).toString(), QStringLiteral("10.50"));
    model.SetEditable(true);
    EXPECT_TRUE(model.setData(model.index(1, 1), QStringLiteral("新"), Qt::EditRole));
    EXPECT_EQ(g.DataSet()->ValueAt(1, g.Name->Index()).toString(), QStringLiteral("新"));
    g.DataSet()->SetFilter(QStringLiteral("Code like 'A%'"));
    g.DataSet()->SetFiltered(true);
    EXPECT_EQ(model.rowCount(), 2);
}

namespace {
class GoodsWhere : public TCustomWhere {
public:
    GoodsWhere()
    {
        Begin = AddFieldDef(TFieldType::DateTime, QStringLiteral("BeginDate"), 0, true, QString());
        ClientId = AddFieldDef(TFieldType::Integer, QStringLiteral("ClientId"), 0, false, QString());
        Code = AddFieldDef(TFieldType::WideString, QStringLiteral("Code"), 50, true, QString());
        CreateDataSet();
        DataSet()->Append();
    }
    QString where()
    {
        UpdateRecord();
        return TCriteria()
            .Date(QStringLiteral("m.BizDate"), QStringLiteral(">="), Begin->Value())
            .Id(QStringLiteral("m.ClientId"), ClientId->AsInteger())
            .Contains(QStringLiteral("m.Code"), Code->AsString())
            .Where();
    }
    TField *Begin, *ClientId, *Code;
};
}  // namespace

TEST(Criteria, OnlySetCriteriaBecomeConditions)
{
    GoodsWhere w;
    EXPECT_EQ(w.where(), QString());
    w.Begin->SetValue(QDate(2013, 1, 15));
    EXPECT_EQ(w.where(), QStringLiteral("where m.BizDate>='2013-01-15'"));
    w.ClientId->SetValue(7);
    w.Code->SetValue(QStringLiteral("O'Brien 50%"));
    EXPECT_EQ(w.where(), QStringLiteral("where m.BizDate>='2013-01-15' and m.ClientId=7 and "
                                        "m.Code like '%O''Brien 50\\%%' escape '\\'"));
    w.Reset();
    EXPECT_EQ(w.where(), QString());
}

TEST(Criteria, TheSameTextFiltersInMemory)
{
    Goods g;
    g.add(1, "50%", "x", {}, 1, "2013-01-01");
    g.add(2, "500", "y", {}, 1, "2013-01-01");
    g.add(3, "O'Brien_1", "z", {}, 1, "2013-01-01");
    g.DataSet()->SetFilter(TCriteria().Contains(QStringLiteral("Code"), QStringLiteral("50%")).Conditions());
    g.DataSet()->SetFiltered(true);
    EXPECT_EQ(g.codes(), QStringList{"50%"});
    g.DataSet()->SetFilter(TCriteria().StartsWith(QStringLiteral("Code"), QStringLiteral("O'Brien_")).Conditions());
    EXPECT_EQ(g.codes(), QStringList{"O'Brien_1"});
    EXPECT_TRUE(TFilterExpr::Like(QStringLiteral("ABC"), QStringLiteral("a%c")));
    EXPECT_FALSE(TFilterExpr::Like(QStringLiteral("AB"), QStringLiteral("a_c")));
}
