// Input controls: number typing, typed access, focus colours, Enter moving the focus, the date
// picker's check box, combo boxes and the pop-up menu routines.
#include "Errors.h"
#include "FormControls.h"
#include "PopupMenu.h"
#include "TestSeams.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
// Types the keys one by one, the way a user does.
void typeKeys(QWidget* w, const QString& keys)
{
    for (const QChar c : keys) QTest::keyClick(w, c.toLatin1());
}

QString messageOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EMqError& e) {
        return e.Message();
    }
    return QStringLiteral("(no error)");
}
}  // namespace

TEST(ToolkitEdit, NumberBoxesAcceptOnlyWhatMakesANumber)
{
    struct Case {
        TEditType type;
        const char* typed;
        const char* expected;
    } cases[] = {
        {TEditType::etNumber, "00", "0"},        // no leading zeros
        {TEditType::etNumber, ".5", "5"},        // a point needs a digit before it
        {TEditType::etNumber, "0.05", "0.05"},
        {TEditType::etNumber, "1.2.3", "1.23"},  // one point only
        {TEditType::etNumber, "-12a", "12"},
        {TEditType::etInteger, "1.5-", "15"},
        {TEditType::etFree, "-1.a", "-1.a"},
    };
    for (const Case& c : cases) {
        TmqEdit edit;
        edit.SetEditType(c.type);
        typeKeys(&edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.expected)) << c.typed;
    }
}

TEST(ToolkitEdit, NumberBoxRefusesPasteShortcutButKeepsEditingKeys)
{
    QApplication::clipboard()->setText(QStringLiteral("-99"));
    TmqEdit edit;
    edit.SetEditType(TEditType::etNumber);
    typeKeys(&edit, QStringLiteral("123"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("123"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), QStringLiteral("2"));
}

TEST(ToolkitEdit, TypedAccessReadsAndWritesWithTheSystemMessages)
{
    TmqEdit edit;
    edit.SetAsDouble(0);
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_EQ(edit.AsDouble(), 0.0);
    EXPECT_EQ(edit.AsInteger(), 0);
    EXPECT_FALSE(edit.AsDate().isValid());
    EXPECT_FALSE(edit.AsVariant().isValid());

    edit.SetAsDouble(12.5);
    EXPECT_EQ(edit.text(), QStringLiteral("12.5"));
    edit.SetAsInteger(0);
    EXPECT_TRUE(edit.text().isEmpty());

    edit.setText(QStringLiteral("abc"));
    EXPECT_EQ(messageOf([&] { edit.AsDouble(); }), QStringLiteral("\"abc\" 不是有效的数字."));
    edit.setText(QStringLiteral("1.5"));
    EXPECT_EQ(messageOf([&] { edit.AsInteger(); }), QStringLiteral("\"1.5\" 不是有效的整数."));
    edit.setText(QStringLiteral("2024-13-01"));
    EXPECT_EQ(messageOf([&] { edit.AsDate(); }), QStringLiteral("\"2024-13-01\" 不是有效的日期."));
    EXPECT_EQ(messageOf([&] { edit.SetAsDate(QStringLiteral("soon")); }), QStringLiteral("\"soon\" 不是有效的日期."));

    edit.setText(QStringLiteral("2024-1-5"));
    EXPECT_EQ(edit.AsDate().toDate(), QDate(2024, 1, 5));
    edit.SetAsDate(QDate(2024, 2, 29));
    EXPECT_EQ(edit.text(), QStringLiteral("2024-02-29"));
    edit.SetAsDateTime(QDateTime(QDate(2024, 2, 29), QTime(8, 30)));
    EXPECT_EQ(edit.AsDateTime().toDateTime(), QDateTime(QDate(2024, 2, 29), QTime(8, 30)));

    edit.SetEditType(TEditType::etNumber);
    edit.SetAsVariant(0.0);
    EXPECT_EQ(edit.text(), QStringLiteral("0"));
    EXPECT_EQ(edit.AsVariant().toDouble(), 0.0);
    edit.SetAsVariant(QVariant());
    EXPECT_FALSE(edit.AsVariant().isValid());
    edit.SetEditType(TEditType::etFree);
    edit.setText(QStringLiteral("文本"));
    EXPECT_EQ(edit.AsVariant().toString(), QStringLiteral("文本"));
}

class ToolkitForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* box = new QVBoxLayout(&form);
        first = new TmqEdit(&form);
        combo = new TmqComboBox(&form);
        memo = new TmqMemo(&form);
        last = new TmqEdit(&form);
        for (QWidget* w : std::initializer_list<QWidget*>{first, combo, memo, last}) box->addWidget(w);
        combo->addItems({QStringLiteral("甲"), QStringLiteral("乙")});
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void press(QWidget* w, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(w, Qt::Key_Return, mods);
        QApplication::processEvents();
    }
    QDialog form;
    TmqEdit* first;
    TmqComboBox* combo;
    TmqMemo* memo;
    TmqEdit* last;
};

TEST_F(ToolkitForm, EnterMovesToTheNextControlAndShiftEnterBack)
{
    first->setFocus();
    QApplication::processEvents();
    press(first);
    EXPECT_EQ(QApplication::focusWidget(), combo);
    press(combo);
    EXPECT_EQ(QApplication::focusWidget(), memo);
    press(memo);  // a line break, not a move
    EXPECT_EQ(QApplication::focusWidget(), memo);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("\n"));

    last->setFocus();
    QApplication::processEvents();
    press(last, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), memo);
    EXPECT_TRUE(form.isVisible()) << "Enter must not press the dialog's default button";
}

TEST_F(ToolkitForm, FocusedBoxesChangeColourAndGiveItBack)
{
    combo->setFocus();
    QApplication::processEvents();
    const QColor before = first->palette().color(QPalette::Base);
    first->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(first->palette().color(QPalette::Base), QColor(0, 255, 255));
    last->setReadOnly(true);
    last->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(first->palette().color(QPalette::Base), before);
    EXPECT_EQ(last->palette().color(QPalette::Base), QColor(255, 255, 0));
    memo->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(0, 255, 255));
}

TEST(ToolkitCombo, DeleteClearsTheChoiceOfADropDownList)
{
    TComboBox combo;
    combo.addItems({QStringLiteral("甲"), QStringLiteral("乙")});
    combo.setCurrentIndex(1);
    EXPECT_EQ(combo.SelectedText(), QStringLiteral("乙"));
    QSignalSpy changed(&combo, &TmqComboBox::Changed);
    QTest::keyClick(&combo, Qt::Key_Delete);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_TRUE(combo.SelectedText().isEmpty());
    EXPECT_GE(changed.count(), 1);
}

TEST(ToolkitCombo, ItemRecordsAreFreedWithTheItems)
{
    auto record = std::make_shared<int>(42);
    std::weak_ptr<int> watch = record;
    TComboBox combo;
    combo.AddRecordItem(QStringLiteral("职员"), record);
    record.reset();
    combo.setCurrentIndex(0);
    ASSERT_NE(combo.SelectedRecord<std::shared_ptr<int>>(), nullptr);
    EXPECT_EQ(**combo.SelectedRecord<std::shared_ptr<int>>(), 42);
    EXPECT_EQ(combo.RecordAt<QString>(0), nullptr);
    combo.clear();
    EXPECT_TRUE(watch.expired());

    TEdit edit;
    edit.setText(QStringLiteral("客户甲"));
    edit.SetRecord(QStringLiteral("C001"));
    ASSERT_NE(edit.Record<QString>(), nullptr);
    edit.Clear();
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_FALSE(edit.HasRecord());
}

TEST(ToolkitDatePicker, CheckBoxDecidesBetweenNullAndADate)
{
    TFixedClock clock(QDateTime(QDate(2024, 3, 18), QTime(9, 15)));
    TmqDateTimePicker plain;
    EXPECT_EQ(plain.AsDate().toDate(), QDate(2024, 3, 18));
    plain.SetAsDate(QVariant());
    EXPECT_EQ(plain.AsDate().toDate(), QDate(2024, 3, 18)) << "without a check box null shows now";

    TmqDateTimePicker picker;
    picker.SetShowCheckbox(true);
    EXPECT_FALSE(picker.AsDate().isValid()) << "starts unchecked";
    picker.SetAsDate(QDate(2024, 1, 31));
    EXPECT_TRUE(picker.Checked());
    EXPECT_EQ(picker.AsDate().toDate(), QDate(2024, 1, 31));
    picker.SetAsDate(QVariant());
    EXPECT_FALSE(picker.Checked());
    EXPECT_FALSE(picker.AsDateTime().isValid());
    picker.SetMonthStart();
    EXPECT_EQ(picker.AsDate().toDate(), QDate(2024, 3, 1));
    picker.ClearDate();
    EXPECT_FALSE(picker.AsDate().isValid());
    EXPECT_EQ(picker.dateTime().date(), QDate(2024, 3, 18));
}

TEST(ToolkitMenu, RoutinesPlaceItemsWhereAsked)
{
    TmqPopupMenu menu;
    QAction a(QStringLiteral("排序"));
    QAction b(QStringLiteral("列选择"));
    InsertActionItem(&menu, &a);
    InsertActionItem(&menu, &b, 0);
    QAction* sep = InsertSeparator(&menu, 1);
    int clicks = 0;
    QAction* top = AddMenuItem(&menu, QStringLiteral("查阅"), true, [&] { ++clicks; });
    QAction* end = AddMenuItem(&menu, QStringLiteral("刷新"), false, {});
    const QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0], top);
    EXPECT_EQ(items[1], &b);
    EXPECT_EQ(items[2], sep);
    EXPECT_TRUE(sep->isSeparator());
    EXPECT_EQ(items[3], &a);
    EXPECT_EQ(items[4], end);
    top->trigger();
    EXPECT_EQ(clicks, 1);

    QMenu* sub = menu.addMenu(QStringLiteral("导出"));
    InsertActionItem(&menu, &a, -1, sub);
    EXPECT_EQ(sub->actions().value(0), &a);
}
