// The sort, column, filter and batch dialogs.
#include "BatchUpdateFrm.h"
#include "ColumnFrm.h"
#include "FilterFrm.h"
#include "SortFrm.h"
#include "ToolkitFixtures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

TEST(ToolkitSortDialog, ShowsTheCurrentSortFirstAndCyclesDirections)
{
    auto ds = MakeGoodsLines();
    TSortFrm dlg(ds.get(), true, nullptr);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("排序"));
    EXPECT_EQ(dlg.RowCount(), 6) << "memo fields are not offered, hidden ones are";
    dlg.SetSortText(QStringLiteral("Name ASC,Code DESC"));
    EXPECT_EQ(dlg.FieldNameAt(0), QStringLiteral("Name"));
    EXPECT_EQ(dlg.Grid()->item(0, 1)->text(), QStringLiteral("升序"));
    EXPECT_EQ(dlg.FieldNameAt(1), QStringLiteral("Code"));
    EXPECT_EQ(dlg.Grid()->item(1, 1)->text(), QStringLiteral("降序"));
    EXPECT_EQ(dlg.SortText(), QStringLiteral("Name ASC,Code DESC"));
    EXPECT_EQ(dlg.SortCaption(), QStringLiteral("名称 升序,货号 降序"));

    // The grid's own form reads the same way, a key without direction being ascending.
    dlg.SetSortText(QStringLiteral("Qty DESC , Name"));
    EXPECT_EQ(dlg.SortText(), QStringLiteral("Qty DESC,Name ASC,Code DESC"));

    const int qty = 0;
    for (int i = 0; i < 2; ++i) dlg.CycleDirection(qty);  // DESC -> none -> ASC
    EXPECT_EQ(dlg.DirectionAt(qty), QStringLiteral("ASC"));
    dlg.CycleDirection(qty);
    dlg.CycleDirection(qty);
    EXPECT_TRUE(dlg.DirectionAt(qty).isEmpty());
    EXPECT_EQ(dlg.SortText(), QStringLiteral("Name ASC,Code DESC"));

    dlg.Grid()->setCurrentCell(0, 0);
    EXPECT_FALSE(dlg.UpButton()->isEnabled());
    dlg.DownButton()->click();
    EXPECT_EQ(dlg.FieldNameAt(1), QStringLiteral("Qty"));
    EXPECT_EQ(dlg.Grid()->currentRow(), 1) << "the moved row stays selected";
    EXPECT_TRUE(dlg.UpButton()->isEnabled());
}

TEST(ToolkitColumnDialog, ClicksToggleTheTick)
{
    TxVisibleFrm dlg({{0, QStringLiteral("货号"), true}, {3, QStringLiteral("名称"), false}});
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("列选择"));
    EXPECT_EQ(dlg.Grid()->item(0, 1)->text(), QStringLiteral("√"));
    dlg.Toggle(0);
    dlg.Toggle(1);
    const RColItems items = dlg.Items();
    EXPECT_FALSE(items[0].Visible);
    EXPECT_TRUE(items[1].Visible);
    EXPECT_EQ(items[1].Index, 3);
}

TEST(ToolkitFilterDialog, KeywordKeepsRowsContainingItAnywhere)
{
    auto ds = MakeGoodsLines();
    TFltrDlgFrm dlg(ds.get());
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("过滤"));
    EXPECT_EQ(dlg.FieldList()->count(), 2) << "visible text fields only";
    EXPECT_FALSE(dlg.NextButton()->isEnabled());
    dlg.FieldList()->setCurrentRow(1);
    EXPECT_TRUE(dlg.NextButton()->isEnabled());
    dlg.GoNext();
    dlg.KeywordEdit()->setText(QStringLiteral("手"));
    dlg.Confirm();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(ds->RecordCount(), 2);

    TFltrDlgFrm again(ds.get());
    again.FieldList()->setCurrentRow(0);
    again.GoNext();
    again.KeywordEdit()->setText(QStringLiteral("'_"));  // typed quotes and wildcards match literally
    again.Confirm();
    EXPECT_EQ(ds->RecordCount(), 0);

    TFltrDlgFrm all(ds.get());
    all.FieldList()->setCurrentRow(0);
    all.GoNext();
    all.Confirm();
    EXPECT_EQ(ds->RecordCount(), 4);
}

TEST(ToolkitBatchDialog, CannotBeConfirmedBeforeAFieldIsChosen)
{
    TBatchUpdateFrm dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("修改"));
    dlg.AddItem(QStringLiteral("数量"), QStringLiteral("Qty"));
    dlg.AddItem(QStringLiteral("单价"), QStringLiteral("Price"));
    EXPECT_EQ(dlg.ItemIndex(), -1);
    EXPECT_FALSE(dlg.OkButton()->isEnabled());
    dlg.accept();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    dlg.ItemCombo()->setCurrentIndex(1);
    dlg.ValueEdit()->setText(QStringLiteral("9.5"));
    EXPECT_TRUE(dlg.OkButton()->isEnabled());
    dlg.OkButton()->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.FieldName(), QStringLiteral("Price"));
    EXPECT_EQ(dlg.Value(), QStringLiteral("9.5"));
}
