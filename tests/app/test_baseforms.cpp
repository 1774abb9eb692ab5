#include "NavButton.h"
#include "TestSeams.h"
#include "aDlgFrm.h"
#include "aFrm.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A window named like the options dialog, for the help topic.
class TOptionEdtFrm : public TADlgFrm {
public:
    TOptionEdtFrm()
    {
        auto* layout = new QVBoxLayout(ClientPanel());
        First = new QLineEdit(ClientPanel());
        Second = new QLineEdit(ClientPanel());
        layout->addWidget(First);
        layout->addWidget(Second);
    }
    QLineEdit* First;
    QLineEdit* Second;
};

}  // namespace

TEST(BaseForms, PlacementCentresOnThePointerInsideTheScreen)
{
    const QRect screen(0, 0, 1366, 768);
    const QSize size(400, 300);
    struct Case {
        QPoint pointer;
        QPoint expected;
    };
    const Case cases[] = {
        {{0, 0}, {20, 20}},           // left and top beyond the screen
        {{500, 400}, {300, 250}},     // centred on the pointer
        {{210, 160}, {10, 10}},       // a small positive margin stays
        {{1360, 384}, {946, 234}},    // right edge: 20 pixels left of the screen's edge
        {{683, 760}, {483, 418}},     // bottom edge: 50 pixels above the screen's bottom
    };
    for (const Case& c : cases)
        EXPECT_EQ(TaFrm::PlaceNearPointer(c.pointer, size, screen), c.expected) << c.pointer.x() << "," << c.pointer.y();
    // A second screen keeps the same margins from its own edges.
    EXPECT_EQ(TaFrm::PlaceNearPointer({1366, 0}, size, QRect(1366, 0, 1920, 1080)), QPoint(1386, 20));
}

TEST(BaseForms, BorderlessEdgesFollowTheCornersFirst)
{
    const QSize size(200, 100);
    struct Case {
        QPoint pos;
        Qt::Edges edges;
    };
    const Case cases[] = {
        {{0, 0}, Qt::TopEdge | Qt::LeftEdge},      {{9, 9}, Qt::TopEdge | Qt::LeftEdge},
        {{195, 5}, Qt::TopEdge | Qt::RightEdge},   {{195, 95}, Qt::BottomEdge | Qt::RightEdge},
        {{5, 95}, Qt::BottomEdge | Qt::LeftEdge},  {{3, 50}, Qt::LeftEdge},
        {{50, 3}, Qt::TopEdge},                    {{196, 50}, Qt::RightEdge},
        {{50, 96}, Qt::BottomEdge},                {{50, 50}, Qt::Edges()},
        {{9, 50}, Qt::Edges()},
    };
    for (const Case& c : cases) EXPECT_EQ(TaFrm::EdgesAt(c.pos, size), c.edges) << c.pos.x() << "," << c.pos.y();
}

TEST(BaseForms, F1OpensTheWindowsHelpTopic)
{
    TRecordingShell shell;
    TOptionEdtFrm options;
    EXPECT_EQ(options.FormName(), QStringLiteral("OptionEdtFrm"));
    EXPECT_EQ(options.HelpTopic(), QStringLiteral("OptionEdt"));

    TaFrm main;
    main.setObjectName(QStringLiteral("mainSlFrm"));
    auto* edit = new QLineEdit(&main);
    QTest::keyClick(edit, Qt::Key_F1);  // the edit ignores F1, the window takes it
    ASSERT_EQ(shell.Opened.size(), 1);
    EXPECT_TRUE(shell.Opened[0].endsWith(QStringLiteral("help/mainSl.htm"))) << shell.Opened[0].toStdString();

    // The help button of a dialog and an explicit topic; a topic without its own page opens the contents.
    options.HelpBtn1->click();
    main.ShowHelp(QStringLiteral("faq"));
    ASSERT_EQ(shell.Opened.size(), 3);
    EXPECT_TRUE(shell.Opened[1].endsWith(QStringLiteral("help/index.htm"))) << shell.Opened[1].toStdString();
    EXPECT_TRUE(shell.Opened[2].endsWith(QStringLiteral("help/faq.htm")));
}

TEST(BaseForms, EscapeCancelsDialogsOnly)
{
    TOptionEdtFrm dialog;
    dialog.show();
    QTest::keyClick(dialog.First, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    TAInfoDlgFrm info;
    info.show();
    EXPECT_EQ(info.CloseBtn1->text(), QStringLiteral("关闭"));
    QTest::keyClick(&info, Qt::Key_Escape);
    EXPECT_FALSE(info.isVisible());

    TaFrm window;
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
}

TEST(BaseForms, EnterMovesToTheNextBoxAndOkAccepts)
{
    TOptionEdtFrm dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.First->setFocus();
    QTest::keyClick(dialog.First, Qt::Key_Return);
    EXPECT_TRUE(dialog.Second->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.OkBtn1->text(), QStringLiteral("确定(&O)"));
    dialog.OkBtn1->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(BaseForms, DialogsAppearNearThePointer)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect area = screen->geometry();
    {
        QCursor::setPos(area.topLeft());
        TOptionEdtFrm dialog;
        dialog.resize(300, 200);
        dialog.show();
        EXPECT_EQ(dialog.pos(), area.topLeft() + QPoint(20, 20));
    }
    {
        QCursor::setPos(area.left() + area.width() / 2, area.bottom() - 2);
        TOptionEdtFrm dialog;
        dialog.resize(300, 200);
        dialog.show();
        EXPECT_EQ(dialog.pos().y() + 200, area.top() + area.height() - 50);
    }
}

TEST(BaseForms, FreeStandingWindowsStayOnTopAndFreeThemselves)
{
    QPointer<TWinFrm> window = new TWinFrm;
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(window->isModal());
    window->show();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST(BaseForms, NavigationPicturesHighlightOnHoverAndReportAMissingFile)
{
    TRecordingMessages messages;
    TNavButton sales;
    ASSERT_TRUE(sales.LoadPictures(QStringLiteral("Z2005")));
    const QImage normal = sales.pixmap().toImage();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&sales, &enter);
    EXPECT_NE(sales.pixmap().toImage(), normal);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&sales, &leave);
    EXPECT_EQ(sales.pixmap().toImage(), normal);
    sales.SetSelected(true);  // the current page keeps its highlight
    QCoreApplication::sendEvent(&sales, &leave);
    EXPECT_NE(sales.pixmap().toImage(), normal);
    EXPECT_TRUE(messages.Texts.isEmpty());

    TNavButton missing;
    EXPECT_FALSE(missing.LoadPictures(QStringLiteral("Z9999")));
    ASSERT_EQ(messages.Plain().size(), 1);
    EXPECT_TRUE(messages.Plain()[0].startsWith(QStringLiteral("Z9999A:")));
    EXPECT_TRUE(missing.pixmap().isNull());
}
