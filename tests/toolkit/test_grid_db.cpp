// Column layouts stored in syscols, on both engines.
#include "SchemaFixture.h"
#include "FormControls.h"
#include "GridLayout.h"
#include "Operator.h"
#include "RecordSet.h"
#include "ToolkitFixtures.h"

#include <QHeaderView>
#include <gtest/gtest.h>

namespace {
class GridLayoutDb : public SchemaTest {
protected:
    void Prepare() override
    {
        SchemaTest::Prepare();
        CurrentOperator().Clear();
        CurrentOperator().LoginId = QStringLiteral("sa");
        ds = MakeGoodsLines();
    }
    void TearDown() override
    {
        CurrentOperator().Clear();
        SchemaTest::TearDown();
    }
    int rowsFor(int key)
    {
        SharedRecordSet().Open(QStringLiteral("select count(*) from syscols where F02=:K"), {DBParam(QStringLiteral("K"), key)});
        return SharedRecordSet().FirstValue().toInt();
    }
    std::unique_ptr<TDataSet> ds;
};
}  // namespace

TEST_P(GridLayoutDb, SavedLayoutComesBackInTheNextGrid)
{
    QWidget panel;
    TmqDBGrid* grid = TmqDBGrid::CreateIn(&panel, 31, ds.get());
    EXPECT_EQ(grid->Tag(), 31);
    EXPECT_TRUE(grid->ColumnOf(QStringLiteral("Note"))->Visible()) << "no row: every visible field";
    EXPECT_EQ(rowsFor(31), 0);

    grid->ColumnOf(QStringLiteral("Code"))->SetWidth(80);
    grid->ColumnOf(QStringLiteral("Note"))->SetVisible(false);
    grid->horizontalHeader()->moveSection(grid->ColumnOf(QStringLiteral("Price"))->Index(), 0);
    grid->ActionTableStyleSave->trigger();
    EXPECT_EQ(Messages.Plain(), QStringList{QStringLiteral("列样式保存成功.")});
    EXPECT_EQ(rowsFor(31), 1);
    const QString stored = GridLayout::Load(31);
    EXPECT_TRUE(stored.split(QStringLiteral("\r\n")).contains(QStringLiteral("Code=True80"))) << stored.toStdString();
    EXPECT_TRUE(stored.startsWith(QStringLiteral("Price=True")));

    grid->ColumnOf(QStringLiteral("Code"))->SetWidth(95);
    grid->SaveLayoutClick();  // no LayoutId: the tag names the layout
    EXPECT_EQ(Messages.Plain().size(), 2);
    EXPECT_EQ(rowsFor(31), 1) << "a second save updates the row";

    TmqDBGrid other;
    other.SetDataSet(ds.get());
    other.SetLayoutId(31);
    EXPECT_EQ(other.ColumnAt(0)->FieldName(), QStringLiteral("Price"));
    EXPECT_EQ(other.ColumnOf(QStringLiteral("Code"))->Width(), 95);
    EXPECT_FALSE(other.ColumnOf(QStringLiteral("Note"))->Visible());
    EXPECT_EQ(other.LayoutText(), grid->LayoutText());
}

TEST_P(GridLayoutDb, LayoutIdWinsOverTheTagWhenSaving)
{
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    grid.SetTag(5);
    grid.SetLayoutId(6);
    grid.SaveLayoutClick();
    EXPECT_EQ(rowsFor(6), 1);
    EXPECT_EQ(rowsFor(5), 0);
}

MQ_BOTH_ENGINES(GridLayoutDb);
