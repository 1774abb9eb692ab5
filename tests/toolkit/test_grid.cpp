// The data grid and the bill grid over an in-memory data set: layouts, title sorting, quick
// filter, footer sums, keys, rights and exports.
#include "BatchUpdateFrm.h"
#include "FormControls.h"
#include "GridModel.h"
#include "Operator.h"
#include "TestSeams.h"
#include "ToolkitFixtures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QStringList codesInOrder(const TDataSet& ds)
{
    QStringList codes;
    for (int r = 0; r < ds.RecordCount(); ++r) codes << ds.ValueAt(r, fCode).toString();
    return codes;
}

QStringList columnOrder(const TmqDBGrid& grid)
{
    QStringList names;
    for (int v = 0; v < grid.ColumnCount(); ++v) names << grid.ColumnAt(v)->FieldName();
    return names;
}

// Enter where the user's key goes: the open cell editor, else the grid.
void pressEnter(TmqDBGrid& grid)
{
    QWidget* target = &grid;
    for (QLineEdit* e : grid.viewport()->findChildren<QLineEdit*>())
        if (e->isVisible()) target = e;
    QTest::keyClick(target, Qt::Key_Return);
    QApplication::processEvents();
}

QByteArray zipEntry(const QString& zipFile, const QString& entry)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zipFile, entry});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0) return {};
    return unzip.readAllStandardOutput();
}

class GridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentOperator().Clear();
        CurrentOperator().LoginId = QStringLiteral("sa");
        ds = MakeGoodsLines();
    }
    void TearDown() override { CurrentOperator().Clear(); }
    TRecordingMessages Messages;
    std::unique_ptr<TDataSet> ds;
};
}  // namespace

TEST_F(GridTest, ColumnsComeFromTheVisibleFieldsWithTheirLabels)
{
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    EXPECT_EQ(columnOrder(grid), (QStringList{"Code", "Name", "Qty", "Price", "BizDate", "Note"}));
    EXPECT_EQ(grid.ColumnOf(QStringLiteral("name"))->Title(), QStringLiteral("名称"));
    EXPECT_EQ(grid.ColumnOf(QStringLiteral("Id")), nullptr);
    EXPECT_FALSE(grid.SetColumnReadOnly(QStringLiteral("Id"), true));
    EXPECT_TRUE(grid.SetColumnReadOnly(QStringLiteral("Qty"), true));
}

TEST_F(GridTest, StoredLayoutTextSetsOrderWidthAndVisibility)
{
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    const int defaultQty = grid.ColumnOf(QStringLiteral("Qty"))->Width();
    // As stored by earlier versions: CRLF lines; a field that no longer exists; a broken width.
    grid.ApplyLayout(QStringLiteral("Name=True120\r\nCode=False80\r\nGone=True50\r\nPrice=Truexx\r\n"));
    EXPECT_EQ(columnOrder(grid).mid(0, 2), (QStringList{"Name", "Code"}));
    EXPECT_EQ(grid.ColumnOf(QStringLiteral("Name"))->Width(), 120);
    EXPECT_FALSE(grid.ColumnOf(QStringLiteral("Code"))->Visible());
    EXPECT_EQ(grid.ColumnOf(QStringLiteral("Code"))->Width(), 80);
    EXPECT_TRUE(grid.ColumnOf(QStringLiteral("Price"))->Visible());
    EXPECT_EQ(grid.ColumnOf(QStringLiteral("Qty"))->Width(), defaultQty) << "a field without a line keeps its default";

    const QStringList lines = grid.LayoutText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("Name=True120"));
    EXPECT_EQ(lines[1], QStringLiteral("Code=False80"));

    grid.ApplyLayout(QString());
    EXPECT_EQ(columnOrder(grid).first(), QStringLiteral("Code"));
    EXPECT_TRUE(grid.ColumnOf(QStringLiteral("Code"))->Visible());
}

TEST_F(GridTest, LayoutSurvivesSortingAndFiltering)
{
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    grid.ApplyLayout(QStringLiteral("Qty=True77\r\nName=False90\r\n"));
    const QString before = grid.LayoutText();
    grid.TitleClick(grid.ColumnOf(QStringLiteral("Code"))->ModelColumn());
    grid.QuickFilter(QStringLiteral("阿里"));
    EXPECT_EQ(grid.LayoutText(), before);
}

TEST_F(GridTest, TitleClicksCycleAndSortByTheMarkedColumnsInOrder)
{
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    const int name = grid.ColumnOf(QStringLiteral("Name"))->ModelColumn();
    const int qty = grid.ColumnOf(QStringLiteral("Qty"))->ModelColumn();
    int rank = 0, keys = 0;
    bool desc = false;

    grid.TitleClick(name);  // pinyin order: 阿里, 北京, 张三
    EXPECT_EQ(ds->Sort(), QStringLiteral("Name"));
    EXPECT_EQ(codesInOrder(*ds), (QStringList{"B01", "C05", "A01", "A03"}));
    grid.TitleClick(qty);
    EXPECT_EQ(ds->Sort(), QStringLiteral("Name, Qty"));
    EXPECT_EQ(codesInOrder(*ds), (QStringList{"C05", "B01", "A01", "A03"}));
    ASSERT_TRUE(grid.SortMarker(qty, rank, desc, keys));
    EXPECT_EQ(rank, 2);
    EXPECT_FALSE(desc);
    EXPECT_EQ(keys, 2);

    grid.TitleClick(name);
    EXPECT_EQ(codesInOrder(*ds), (QStringList{"A03", "A01", "C05", "B01"}));
    ASSERT_TRUE(grid.SortMarker(name, rank, desc, keys));
    EXPECT_TRUE(desc);
    EXPECT_EQ(rank, 1);

    grid.TitleClick(name);  // third click: out of the sort
    EXPECT_FALSE(grid.SortMarker(name, rank, desc, keys));
    EXPECT_EQ(ds->Sort(), QStringLiteral("Qty"));
    EXPECT_EQ(codesInOrder(*ds), (QStringList{"C05", "B01", "A03", "A01"}));
    grid.TitleClick(qty);
    grid.TitleClick(qty);
    EXPECT_TRUE(ds->Sort().trimmed().isEmpty());
    EXPECT_EQ(codesInOrder(*ds), (QStringList{"A03", "B01", "A01", "C05"}));
}

TEST_F(GridTest, QuickFilterLooksAtTextFieldsOnly)
{
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    struct Case {
        const char* text;
        int rows;
    } cases[] = {
        {"阿里", 2},  // name
        {"a0", 2},    // code, any case
        {"5", 1},     // C05 only: not the quantity 5, not the note 含5件
        {"蓝色", 0},  // memo notes are not searched
        {"'%", 0},    // quotes and wildcards are plain text
        {"", 4},
    };
    for (const Case& c : cases) {
        grid.QuickFilter(QString::fromUtf8(c.text));
        EXPECT_EQ(ds->RecordCount(), c.rows) << c.text;
        EXPECT_EQ(grid.model()->rowCount(), c.rows) << c.text;
    }
}

TEST_F(GridTest, FooterSumsFollowEditsAndFilters)
{
    TmqBillGrid grid;
    grid.SetDataSet(ds.get());
    grid.SetFooterSum(QStringLiteral("Qty"));
    grid.SetFooterSum(QStringLiteral("Price"));
    const int qty = grid.ColumnOf(QStringLiteral("Qty"))->ModelColumn();
    const int price = grid.ColumnOf(QStringLiteral("Price"))->ModelColumn();
    EXPECT_EQ(grid.FooterText(qty), QStringLiteral("18"));
    EXPECT_EQ(grid.FooterText(price), QStringLiteral("71.75"));
    EXPECT_TRUE(grid.FooterText(grid.ColumnOf(QStringLiteral("Code"))->ModelColumn()).isEmpty());

    // An edit through the grid's cell ...
    ASSERT_TRUE(grid.model()->setData(grid.model()->index(0, qty), 7.0, Qt::EditRole));
    EXPECT_EQ(grid.FooterText(qty), QStringLiteral("20"));
    // ... and one made by the window through the data set.
    ds->SetRecNo(2);
    ds->Edit();
    ds->FieldByName(QStringLiteral("Price"))->SetAsFloat(1000);
    ds->Post();
    EXPECT_EQ(grid.FooterText(price), QStringLiteral("1,041.75"));
    grid.QuickFilter(QStringLiteral("阿里"));
    EXPECT_EQ(grid.FooterText(qty), QStringLiteral("3"));
}

TEST_F(GridTest, EnterWalksTheEditableCellsAndAsksForANewLineAtTheEnd)
{
    TmqBillGrid grid;
    grid.SetDataSet(ds.get());
    grid.SetColumnReadOnly(QStringLiteral("Code"), true);
    grid.SetColumnReadOnly(QStringLiteral("Name"), true);
    grid.SetColumnReadOnly(QStringLiteral("BizDate"), true);
    grid.SetColumnReadOnly(QStringLiteral("Note"), true);
    grid.ColumnOf(QStringLiteral("Price"))->SetVisible(false);
    grid.show();
    QSignalSpy lastCell(&grid, &TmqBillGrid::LastCell);
    auto at = [&] { return std::make_pair(grid.currentIndex().row(), grid.CurrentColumn()->FieldName()); };
    const int qty = grid.ColumnOf(QStringLiteral("Qty"))->ModelColumn();

    // Qty is the only visible editable column: each Enter goes to the next row's Qty.
    grid.setCurrentIndex(grid.model()->index(2, qty));
    pressEnter(grid);
    EXPECT_EQ(at(), std::make_pair(3, QStringLiteral("Qty")));
    EXPECT_EQ(ds->RecNo(), 4);
    EXPECT_EQ(lastCell.count(), 0);

    grid.ColumnOf(QStringLiteral("Price"))->SetVisible(true);
    pressEnter(grid);
    EXPECT_EQ(at(), std::make_pair(3, QStringLiteral("Price")));
    pressEnter(grid);
    EXPECT_EQ(at(), std::make_pair(3, QStringLiteral("Price"))) << "the last cell stays";
    EXPECT_EQ(lastCell.count(), 1);
    EXPECT_EQ(lastCell.at(0).at(0).value<TmqBillGrid*>(), &grid);

    // The window answers with a new line; typing into it and pressing Enter moves on.
    QObject::connect(&grid, &TmqBillGrid::LastCell, &grid, [&] { ds->Append(); });
    pressEnter(grid);
    EXPECT_EQ(ds->RecordCount(), 5);
    EXPECT_EQ(grid.currentIndex().row(), 4);
}

TEST_F(GridTest, LeavingAnEditedColumnPostsTheRowButNotAnInsertedOne)
{
    TmqBillGrid grid;
    grid.SetDataSet(ds.get());
    grid.show();
    const int qty = grid.ColumnOf(QStringLiteral("Qty"))->ModelColumn();
    const int price = grid.ColumnOf(QStringLiteral("Price"))->ModelColumn();
    grid.setCurrentIndex(grid.model()->index(1, qty));
    grid.model()->setData(grid.model()->index(1, qty), 9.0, Qt::EditRole);
    EXPECT_EQ(ds->State(), TDataSet::TState::Edit);
    grid.setCurrentIndex(grid.model()->index(1, price));
    EXPECT_EQ(ds->State(), TDataSet::TState::Browse);

    ds->Append();
    grid.setCurrentIndex(grid.model()->index(4, qty));
    grid.model()->setData(grid.model()->index(4, qty), 3.0, Qt::EditRole);
    grid.setCurrentIndex(grid.model()->index(4, price));
    EXPECT_EQ(ds->State(), TDataSet::TState::Insert);
}

TEST_F(GridTest, ReadOnlyCellsOfABillGridAreTintedByRecordNumber)
{
    TmqBillGrid grid;
    grid.SetDataSet(ds.get());
    grid.SetColumnReadOnly(QStringLiteral("Code"), true);
    const QAbstractItemModel* m = grid.model();
    const int code = grid.ColumnOf(QStringLiteral("Code"))->ModelColumn();
    const int qty = grid.ColumnOf(QStringLiteral("Qty"))->ModelColumn();
    EXPECT_EQ(m->index(0, code).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 251, 240));
    EXPECT_EQ(m->index(1, code).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(192, 220, 192));
    EXPECT_EQ(m->index(1, qty).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    EXPECT_FALSE(m->flags(m->index(0, code)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m->flags(m->index(0, qty)) & Qt::ItemIsEditable);
}

TEST_F(GridTest, ArrowKeysSkipHiddenColumnsAndReachTheWindow)
{
    TDBGrid grid;
    grid.SetDataSet(ds.get());
    grid.show();
    QSignalSpy keys(&grid, &TmqDBGrid::KeyDown);
    grid.ColumnOf(QStringLiteral("Name"))->SetVisible(false);
    grid.setCurrentIndex(grid.model()->index(0, grid.ColumnOf(QStringLiteral("Qty"))->ModelColumn()));
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.CurrentColumn()->FieldName(), QStringLiteral("Code"));
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.CurrentColumn()->FieldName(), QStringLiteral("Code"));
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(ds->RecNo(), 2);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.CurrentColumn()->FieldName(), QStringLiteral("Qty"));
    EXPECT_EQ(keys.count(), 4);
    EXPECT_EQ(keys.at(0).at(0).toInt(), int(Qt::Key_Left));
}

TEST_F(GridTest, RefusedRightsShowTheirNumberAndStopTheAction)
{
    CurrentOperator().LoginId = QStringLiteral("clerk");
    CurrentOperator().Rights = QStringLiteral(",16,,1012,");
    TScriptedFileDialogs files;
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    struct Case {
        QAction* action;
        int right;
    } cases[] = {
        {grid.ActionExport2Excel, 10004}, {grid.ActionExport2Html, 10004}, {grid.ActionExport, 10004},
        {grid.ActionTableStyleSave, 10006}, {grid.ActionColVisible, 10008},
    };
    for (const Case& c : cases) {
        Messages.Texts.clear();
        files.Files.clear();
        files.Files.enqueue(QStringLiteral("/nonexistent/never-asked.xlsx"));
        c.action->trigger();  // the abort ends at the action: no exception escapes
        EXPECT_EQ(Messages.Plain(),
                  QStringList{QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(c.right)})
            << c.action->text().toStdString();
        EXPECT_EQ(files.Files.size(), 1) << "nothing asked after the refusal";
    }
}

TEST_F(GridTest, ClosedOrMissingDataSetsAreReported)
{
    TmqDBGrid none;
    EXPECT_FALSE(none.CheckDataSet());
    ds->Close();
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    EXPECT_FALSE(grid.CheckDataSet());
    grid.BatchUpdateClick();
    EXPECT_EQ(Messages.Plain(), (QStringList{QStringLiteral("系统错误: 没有为DBGrid指定DataSource对象,请与作者联系!"),
                                             QStringLiteral("系统提示: 请先打开数据再操作!"),
                                             QStringLiteral("没有指定更新过程BatchProc, 操作被取消.")}));
}

TEST_F(GridTest, ExcelExportWritesChineseTitlesAndNumbersAsNumbers)
{
    QTemporaryDir dir;
    TScriptedFileDialogs files;
    TRecordingShell shell;
    files.Files.enqueue(dir.filePath(QStringLiteral("清单")));
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    grid.ColumnOf(QStringLiteral("Note"))->SetVisible(false);
    grid.ActionExport2Excel->trigger();

    const QString file = dir.filePath(QStringLiteral("清单.xlsx"));
    ASSERT_TRUE(QFile::exists(file)) << Messages.Texts.join(u'|').toStdString();
    EXPECT_EQ(shell.Opened, QStringList{file});
    const QString strings = QString::fromUtf8(zipEntry(file, QStringLiteral("xl/sharedStrings.xml")));
    for (const char* title : {"货号", "名称", "数量", "单价", "日期"})
        EXPECT_TRUE(strings.contains(QString::fromUtf8(title))) << title;
    EXPECT_FALSE(strings.contains(QStringLiteral("备注"))) << "hidden columns are not exported";
    const QString sheet = QString::fromUtf8(zipEntry(file, QStringLiteral("xl/worksheets/sheet1.xml")));
    // Row 2 is the first record: A03, qty 5, price 1.5, 2024-03-01 as a date serial.
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"C2\"( s=\"\\d+\")?><v>5</v></c>"))))
        << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"D2\" s=\"\\d+\"><v>1.5</v></c>"))));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"E2\" s=\"\\d+\"><v>45352</v></c>"))));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"A2\" t=\"s\">"))));
}

TEST_F(GridTest, HtmlExportWritesOneTagPerLineEscapedInGbk)
{
    QTemporaryDir dir;
    TScriptedFileDialogs files;
    TRecordingShell shell;
    files.Files.enqueue(dir.filePath(QStringLiteral("list")));
    ds->SetRecNo(1);
    ds->Edit();
    ds->FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("<b>螺丝"));
    ds->Post();
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    for (const char* f : {"Qty", "Price", "BizDate", "Note"}) grid.ColumnOf(QString::fromLatin1(f))->SetVisible(false);
    Messages.Answers.enqueue(true);
    grid.ActionExport2Html->trigger();

    QFile f(dir.filePath(QStringLiteral("list.html")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringDecoder gbk("GBK");
    const QStringList lines = QString(gbk.decode(f.readAll())).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.mid(0, 2), (QStringList{"<html>", "<head>"}));
    EXPECT_EQ(lines.mid(3, 7), (QStringList{"<title></title>", "</head>", "<body>", "<table>", "<tr>",
                                            "<td nowrap>货号&nbsp;</td>", "<td nowrap>名称&nbsp;</td>"}));
    EXPECT_TRUE(lines.contains(QStringLiteral("<td nowrap>&lt;b&gt;螺丝&nbsp;</td>")));
    EXPECT_EQ(Messages.Plain().value(0), QStringLiteral("导出成功,是否现在就打开?    "));
    EXPECT_EQ(shell.Opened.size(), 1);
}

TEST_F(GridTest, BatchUpdateChangesEverySelectedRowThroughBatchProc)
{
    TDBGrid grid;
    grid.SetDataSet(ds.get());
    grid.show();
    QStringList written;
    grid.BatchProc = [&](TmqDBGrid* g) { written << g->DataSet()->FieldByName(QStringLiteral("Code"))->AsString(); };
    grid.selectionModel()->select(grid.model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    grid.selectionModel()->select(grid.model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ds->SetRecNo(4);
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<TBatchUpdateFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        dlg->ItemCombo()->setCurrentIndex(dlg->ItemCombo()->findText(QStringLiteral("数量")));
        dlg->ValueEdit()->setText(QStringLiteral("6"));
        dlg->OkButton()->click();
    });
    grid.BatchUpdateClick();
    EXPECT_EQ(written, (QStringList{"A03", "A01"}));
    EXPECT_EQ(ds->ValueAt(0, fQty).toDouble(), 6.0);
    EXPECT_EQ(ds->ValueAt(1, fQty).toDouble(), 2.0);
    EXPECT_EQ(ds->ValueAt(2, fQty).toDouble(), 6.0);
    EXPECT_EQ(ds->RecNo(), 4) << "the current row returns";
}

TEST_F(GridTest, QuickFilterOnASortedGridSeesNewDeletedAndChangedRows)
{
    TmqDBGrid grid;
    grid.SetDataSet(ds.get());
    grid.TitleClick(grid.ColumnOf(QStringLiteral("Code"))->ModelColumn());
    grid.QuickFilter(QStringLiteral("A"));
    EXPECT_EQ(codesInOrder(*ds), (QStringList{"A01", "A03"}));

    grid.QuickFilter(QString());
    ds->Append();
    ds->FieldByName(QStringLiteral("Code"))->SetAsString(QStringLiteral("A02"));
    ds->Post();
    ds->SetRecNo(1);  // A01
    ds->Delete();
    ds->Locate(QStringLiteral("Code"), QStringLiteral("C05"));
    ds->Edit();
    ds->FieldByName(QStringLiteral("Code"))->SetAsString(QStringLiteral("A00"));
    ds->Post();
    grid.QuickFilter(QStringLiteral("A"));
    EXPECT_EQ(codesInOrder(*ds), (QStringList{"A00", "A02", "A03"}));
}
