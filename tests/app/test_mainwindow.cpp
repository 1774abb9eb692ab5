#include "ActionListView.h"
#include "Facade.h"
#include "LoginFrm.h"
#include "NavButton.h"
#include "Operator.h"
#include "RecordSet.h"
#include "SchemaFixture.h"
#include "ShellTestSupport.h"
#include "mainSlFrm.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

class MainWindowTest : public SchemaTest {
protected:
    void Prepare() override
    {
        SchemaTest::Prepare();
        CurrentOperator().Clear();
        for (const char* id : {"wang", "li"}) {
            ROperator op;
            op.LoginId = QString::fromLatin1(id);
            op.Password = QStringLiteral("pw");
            ASSERT_TRUE(TOperatorSet::SaveOperator(op));
        }
    }
    void TearDown() override
    {
        Mall().Clear();
        CurrentOperator().Clear();
        SchemaTest::TearDown();
    }
    // Re-login through the dialog.
    static bool relogin(TmainSlFrm& main, const QString& loginId)
    {
        OnModal<TLoginFrm>([loginId](TLoginFrm* dialog) {
            dialog->cbUser1->setEditText(loginId);
            dialog->edtPassword1->setText(QStringLiteral("pw"));
            dialog->OkBtn1->click();
        });
        return main.Login(false);
    }
    static QPoint at(TmainSlFrm& main, const char* action)
    {
        const QListWidgetItem* item = main.ListView1->ItemOf(QString::fromLatin1(action));
        return item ? main.ListView1->ItemPosition(item) : QPoint(-1, -1);
    }
    static void moveTo(TmainSlFrm& main, const char* action, const QPoint& pos)
    {
        main.ListView1->SetItemPosition(main.ListView1->ItemOf(QString::fromLatin1(action)), pos);
    }
    QString menusOf(const QString& loginId)
    {
        SharedRecordSet().Open(QStringLiteral("select Menus from [operator] where LoginId=:LoginId"),
                               {DBParam(QStringLiteral("LoginId"), loginId)});
        return SharedRecordSet().FirstValue().toString();
    }
};

TEST_P(MainWindowTest, NewOperatorSeesTheFifteenSalesIconsAtTheDefaultPlace)
{
    TmainSlFrm main;
    main.SetLoginParameters({QStringLiteral("wang"), QStringLiteral("pw"), QStringLiteral("x")});
    ASSERT_TRUE(main.Login(true));
    EXPECT_TRUE(main.imgSale1->Selected());
    ASSERT_EQ(main.ListView1->count(), 15);
    EXPECT_EQ(main.ListView1->item(0)->text(), QStringLiteral("销售报价"));
    EXPECT_EQ(main.ListView1->item(14)->text(), QStringLiteral("费用查询"));
    for (int i = 0; i < 15; ++i) EXPECT_EQ(main.ListView1->ItemPosition(main.ListView1->item(i)), QPoint(10, 10)) << i;
    QStringList shortcuts;
    for (int i = 0; i < main.ListView2->count(); ++i) shortcuts << main.ListView2->item(i)->text();
    EXPECT_EQ(shortcuts, QStringList({QStringLiteral("客户"), QStringLiteral("货品"), QStringLiteral("职员"),
                                      QStringLiteral("部门"), QStringLiteral("账户")}));
}

TEST_P(MainWindowTest, EachOperatorKeepsHisOwnDesktopAcrossLogins)
{
    GlobalDatabase().Execute(QStringLiteral("update [operator] set Menus=:Menus where LoginId='li'"),
                             {DBParam(QStringLiteral("Menus"), QStringLiteral("SaleSendAction1=400,200\r\n"))});
    TmainSlFrm main;
    main.SetLoginParameters({QStringLiteral("wang"), QStringLiteral("pw"), QStringLiteral("x")});
    ASSERT_TRUE(main.Login(true));
    moveTo(main, "SaleSendAction1", {150, 20});
    moveTo(main, "SaleReceiptAction1", {260, 120});

    ASSERT_TRUE(relogin(main, QStringLiteral("li")));
    EXPECT_EQ(CurrentOperator().LoginId, QStringLiteral("li"));
    EXPECT_EQ(at(main, "SaleSendAction1"), QPoint(400, 200));
    EXPECT_EQ(at(main, "SaleReceiptAction1"), QPoint(10, 10));
    EXPECT_TRUE(menusOf(QStringLiteral("wang")).contains(QStringLiteral("SaleSendAction1=150,20")));

    ASSERT_TRUE(relogin(main, QStringLiteral("wang")));
    EXPECT_EQ(at(main, "SaleSendAction1"), QPoint(150, 20));
    EXPECT_EQ(at(main, "SaleReceiptAction1"), QPoint(260, 120));

    // A cancelled re-login keeps the operator and his desktop.
    OnModal<TLoginFrm>([](TLoginFrm* dialog) { dialog->CancelBtn1->click(); });
    EXPECT_FALSE(main.Login(false));
    EXPECT_EQ(CurrentOperator().LoginId, QStringLiteral("wang"));
    EXPECT_EQ(at(main, "SaleSendAction1"), QPoint(150, 20));
}

TEST_P(MainWindowTest, ExitSavesTheDesktopAndDisconnects)
{
    {
        TmainSlFrm main;
        main.SetLoginParameters({QStringLiteral("wang"), QStringLiteral("pw"), QStringLiteral("x")});
        ASSERT_TRUE(main.Login(true));
        main.show();
        main.ListView1->item(0)->setSelected(true);
        main.ListView1->item(2)->setSelected(true);
        main.ListView1->MoveSelected({100, 40});  // what dropping dragged items does
        EXPECT_EQ(at(main, "SaleQuotAction1"), QPoint(110, 50));
        EXPECT_EQ(at(main, "SaleOrderAction1"), QPoint(10, 10));
        main.close();
        EXPECT_FALSE(main.isVisible());
        EXPECT_FALSE(GlobalDatabase().Connected());
    }
    ASSERT_TRUE(Db().Connect(ConnectionString()));
    TmainSlFrm main;
    main.SetLoginParameters({QStringLiteral("wang"), QStringLiteral("pw"), QStringLiteral("x")});
    ASSERT_TRUE(main.Login(true));
    EXPECT_EQ(at(main, "SaleQuotAction1"), QPoint(110, 50));
    EXPECT_EQ(at(main, "SaleSendAction1"), QPoint(110, 50));
    EXPECT_EQ(at(main, "SaleOrderAction1"), QPoint(10, 10));
}

TEST_P(MainWindowTest, AlignmentNeedsTwoSelectedItems)
{
    TmainSlFrm main;
    main.SetLoginParameters({QStringLiteral("wang"), QStringLiteral("pw"), QStringLiteral("x")});
    ASSERT_TRUE(main.Login(true));
    moveTo(main, "SaleOrderAction1", {200, 80});
    moveTo(main, "SaleSendAction1", {320, 150});
    main.ListView1->clearSelection();
    main.ListView1->ItemOf(QStringLiteral("SaleSendAction1"))->setSelected(true);
    EXPECT_FALSE(main.AlignTopItem1->isEnabled());
    EXPECT_TRUE(main.OpenItem1->isEnabled());
    main.ListView1->ItemOf(QStringLiteral("SaleOrderAction1"))->setSelected(true);
    EXPECT_TRUE(main.AlignTopItem1->isEnabled());
    EXPECT_TRUE(main.AlignLeftItem1->isEnabled());
    EXPECT_FALSE(main.OpenItem1->isEnabled());

    main.AlignTopItem1->trigger();  // the first selected in list order is 销售订单
    EXPECT_EQ(at(main, "SaleOrderAction1"), QPoint(200, 80));
    EXPECT_EQ(at(main, "SaleSendAction1"), QPoint(320, 80));
    main.AlignLeftItem1->trigger();
    EXPECT_EQ(at(main, "SaleSendAction1"), QPoint(200, 80));
}

TEST_P(MainWindowTest, DesktopItemsRunTheirActionsThroughTheFacade)
{
    int opened = 0;
    Mall().RegisterWindow(MallWindow::SaleReport, [&opened](QWidget*) {
        ++opened;
        return nullptr;
    });
    TmainSlFrm main;
    main.SetLoginParameters({QStringLiteral("sa"), QString(), QStringLiteral("x")});
    ASSERT_TRUE(main.Login(true));
    main.ListView1->setCurrentItem(main.ListView1->ItemOf(QStringLiteral("SaleDetailAction1")));
    main.ListView1->ExecuteCurrent();
    EXPECT_EQ(opened, 1);
    // A window not installed yet says so in one line.
    main.ListView2->setCurrentItem(main.ListView2->item(0));
    main.ListView2->ExecuteCurrent();
    EXPECT_EQ(Messages.Plain(), QStringList{QStringLiteral("该功能尚未安装.")});
}

TEST_P(MainWindowTest, ToolsMenuHasOneItemPerLink)
{
    for (const char* title : {"记事", "公司网站"})
        GlobalDatabase().Execute(
            QStringLiteral("insert into link(GroupId,Title,lpFile,lpParameters,[Note])values(0,:Title,:File,:Par,:Note)"),
            {DBParam(QStringLiteral("Title"), QString::fromUtf8(title)), DBParam(QStringLiteral("File"), QStringLiteral("IEXPLORE.EXE")),
             DBParam(QStringLiteral("Par"), QStringLiteral("http://example.com/")), DBParam(QStringLiteral("Note"), QStringLiteral("说明"))});
    TmainSlFrm main;
    main.RebuildToolsMenu();
    main.RebuildToolsMenu();
    QList<QAction*> items = main.ToolsMenu1->actions();
    ASSERT_EQ(items.size(), 7);
    EXPECT_EQ(items[0]->text(), QStringLiteral("计事本"));
    EXPECT_EQ(items[3]->text(), QStringLiteral("设置工具..."));
    EXPECT_EQ(items[5]->text(), QStringLiteral("记事"));
    EXPECT_EQ(items[6]->toolTip(), QStringLiteral("说明"));
    TRecordingShell shell;
    items[6]->trigger();
    EXPECT_EQ(shell.Opened, QStringList{QStringLiteral("http://example.com/")});

    GlobalDatabase().Execute(QStringLiteral("delete from link where Title=:Title"),
                             {DBParam(QStringLiteral("Title"), QStringLiteral("记事"))});
    main.RebuildToolsMenu();
    EXPECT_EQ(main.ToolsMenu1->actions().size(), 6);
}

MQ_BOTH_ENGINES(MainWindowTest);

}  // namespace
