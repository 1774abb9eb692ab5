// Renders the grid with its footer and the four dialogs offscreen, as a user would see them,
// into $TMPDIR/mq_toolkit_look for a visual check; the test itself checks that the Chinese
// font is there and that every picture has content.
#include "BatchUpdateFrm.h"
#include "ColumnFrm.h"
#include "FilterFrm.h"
#include "FormControls.h"
#include "SortFrm.h"
#include "ToolkitFixtures.h"

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
void save(QWidget& w, const QString& name)
{
    w.show();
    QApplication::processEvents();
    const QString dir = QDir::temp().filePath(QStringLiteral("mq_toolkit_look"));
    QDir().mkpath(dir);
    const QImage image = w.grab().toImage();
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    // More than one colour: something was drawn.
    const QRgb corner = image.pixel(image.width() / 2, image.height() / 2);
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; y += 3)
        for (int x = 0; x < image.width() && !varied; x += 3) varied = image.pixel(x, y) != corner;
    EXPECT_TRUE(varied) << name.toStdString();
    image.save(dir + u'/' + name + QStringLiteral(".png"));
}
}  // namespace

TEST(ToolkitLook, ChineseFontIsInstalled)
{
    bool found = false;
    for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese)) found = found || !family.isEmpty();
    EXPECT_TRUE(found) << "install fonts-wqy-microhei: without it Chinese shows as boxes";
}

TEST(ToolkitLook, GridWithFooterAndDialogs)
{
    auto ds = MakeGoodsLines();
    for (const char* f : {"Qty", "Price"}) ds->FieldByName(QString::fromLatin1(f))->SetDisplayLabel(QStringLiteral("本期|") + ds->FieldByName(QString::fromLatin1(f))->DisplayLabel());
    TBillGrid grid;
    grid.resize(640, 220);
    grid.SetDataSet(ds.get());
    grid.SetMultiTitle(true);
    grid.SetColumnReadOnly(QStringLiteral("Code"), true);
    grid.SetColumnReadOnly(QStringLiteral("Name"), true);
    grid.SetFooterSum(QStringLiteral("Qty"));
    grid.SetFooterSum(QStringLiteral("Price"));
    grid.TitleClick(grid.ColumnOf(QStringLiteral("Name"))->ModelColumn());
    grid.TitleClick(grid.ColumnOf(QStringLiteral("Qty"))->ModelColumn());
    grid.TitleClick(grid.ColumnOf(QStringLiteral("Qty"))->ModelColumn());
    save(grid, QStringLiteral("grid"));

    // Scrolled to the end, the last line shows above the footer.
    auto many = MakeGoodsLines();
    for (int i = 0; i < 40; ++i) {
        many->Append();
        many->FieldByName(QStringLiteral("Code"))->SetAsString(QStringLiteral("Z%1").arg(i, 2, 10, QLatin1Char('0')));
        many->FieldByName(QStringLiteral("Qty"))->SetAsFloat(i);
        many->Post();
    }
    TDBGrid list;
    list.resize(480, 200);
    list.SetDataSet(many.get());
    list.SetFooterSum(QStringLiteral("Qty"));
    list.show();
    QApplication::processEvents();
    list.scrollToBottom();
    QApplication::processEvents();
    const QRect lastRow = list.visualRect(list.model()->index(many->RecordCount() - 1, 0));
    EXPECT_TRUE(list.viewport()->rect().contains(lastRow)) << "the footer covers the last row";
    save(list, QStringLiteral("grid_bottom"));

    TSortFrm sort(ds.get(), true);
    sort.SetSortText(ds->Sort());
    save(sort, QStringLiteral("sort"));
    TxVisibleFrm columns({{0, QStringLiteral("货号"), true}, {1, QStringLiteral("名称"), true}, {2, QStringLiteral("数量"), false}});
    save(columns, QStringLiteral("columns"));
    TFltrDlgFrm filter(ds.get());
    filter.FieldList()->setCurrentRow(1);
    save(filter, QStringLiteral("filter1"));
    filter.GoNext();
    filter.KeywordEdit()->setText(QStringLiteral("扳手"));
    save(filter, QStringLiteral("filter2"));
    TBatchUpdateFrm batch;
    batch.AddItem(QStringLiteral("数量"), QStringLiteral("Qty"));
    save(batch, QStringLiteral("batch"));
}
