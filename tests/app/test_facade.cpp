#include "Company.h"
#include "Facade.h"
#include "Operator.h"
#include "RecordSet.h"
#include "SchemaFixture.h"
#include "ShellTestSupport.h"
#include "aDlgFrm.h"
#include "aFrm.h"

#include <QPushButton>

namespace {

// A document window standing in for the real entry windows.
class TTestBillFrm : public TWinFrm, public IBillWindow {
public:
    explicit TTestBillFrm(QWidget* owner) : TWinFrm(owner) {}
    bool LoadBill(int id) override
    {
        Loaded << id;
        SharedRecordSet().Open(QStringLiteral("select Id from sale where Id=:Id"), {DBParam(QStringLiteral("Id"), id)});
        if (SharedRecordSet().IsEmpty()) return false;
        Current = id;
        return true;
    }
    void NewBill() override
    {
        Current = 0;
        New = true;
    }
    QList<int> Loaded;
    int Current = -1;
    bool New = false;
};

class FacadeTest : public SchemaTest {
protected:
    void Prepare() override
    {
        SchemaTest::Prepare();
        CurrentOperator().Clear();
        CurrentOperator().LoadOperator(QStringLiteral("sa"));
        Mall().RegisterBill(10, {[] {
                                     SharedRecordSet().Open(QStringLiteral("select max(Id) from sale"));
                                     return SharedRecordSet().FirstValue().toInt();
                                 },
                                 [this](QWidget* owner) {
                                     ++Created;
                                     return new TTestBillFrm(owner);
                                 }});
    }
    void TearDown() override
    {
        Mall().Clear();
        CurrentOperator().Clear();
        CurrentCompany().Clear();
        SchemaTest::TearDown();
    }
    void addSale(int id)
    {
        GlobalDatabase().Execute(QStringLiteral("insert into sale(Id, Code, BizDate) values (:Id, :Code, :BizDate)"),
                                 {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("Code"), QStringLiteral("CG1301%1").arg(id, 4, 10, QChar(u'0'))),
                                  DBParam(QStringLiteral("BizDate"), QDate(2013, 1, id))});
    }
    static std::unique_ptr<TTestBillFrm> shown(QWidget* w) { return std::unique_ptr<TTestBillFrm>(dynamic_cast<TTestBillFrm*>(w)); }
    int Created = 0;
};

TEST_P(FacadeTest, DeliveryWithoutIdOpensTheLatestOrANewOne)
{
    auto empty = shown(Mall().ShowBill(10));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->isVisible());
    EXPECT_TRUE(empty->New);
    EXPECT_TRUE(empty->Loaded.isEmpty());

    addSale(3);
    addSale(7);
    addSale(5);
    auto latest = shown(Mall().ShowBill(10, nullptr, 0));
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->Loaded, QList<int>{7});
    EXPECT_EQ(latest->Current, 7);
    EXPECT_FALSE(latest->New);

    auto given = shown(Mall().ShowBill(10, nullptr, 3));
    EXPECT_EQ(given->Current, 3);
    // A document that no longer exists: the window opens with a new one.
    auto gone = shown(Mall().ShowBill(10, nullptr, 99));
    EXPECT_EQ(gone->Loaded, QList<int>{99});
    EXPECT_TRUE(gone->New);
    EXPECT_TRUE(Messages.Texts.isEmpty());
}

TEST_P(FacadeTest, TypesWithoutDocumentsOpenNothing)
{
    EXPECT_EQ(Mall().ShowBill(13), nullptr);
    EXPECT_EQ(Mall().ShowBill(21), nullptr);
    EXPECT_TRUE(Messages.Texts.isEmpty());
    // A document window that is not installed yet says so.
    EXPECT_EQ(Mall().ShowBill(11), nullptr);
    EXPECT_EQ(Messages.Plain(), QStringList{QStringLiteral("该功能尚未安装.")});
    EXPECT_EQ(Created, 0);
}

TEST_P(FacadeTest, RefusedRightOpensNothing)
{
    ROperator op;
    op.LoginId = QStringLiteral("wang");
    op.Rights = QStringLiteral(",17,,36,");
    ASSERT_TRUE(TOperatorSet::SaveOperator(op));
    CurrentOperator().LoadOperator(QStringLiteral("wang"));
    int reports = 0;
    Mall().RegisterWindow(MallWindow::SaleReport, [&reports](QWidget*) { return ++reports, nullptr; });

    EXPECT_THROW(Mall().ShowBill(10), EAbort);
    EXPECT_EQ(Created, 0);
    EXPECT_THROW(Mall().Open(MallWindow::ClientList), EAbort);
    EXPECT_EQ(Messages.Plain(), QStringList({QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(16)."),
                                             QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(10).")}));
    Mall().Open(MallWindow::SaleReport);
    EXPECT_EQ(reports, 1);
}

TEST_P(FacadeTest, ListWindowsOpenOnceAndDialogsRunModally)
{
    int lists = 0;
    Mall().RegisterWindow(MallWindow::ClientList, [&lists](QWidget* owner) {
        ++lists;
        return new TWinFrm(owner);
    });
    QPointer<QWidget> first = Mall().Open(MallWindow::ClientList);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(Mall().Open(MallWindow::ClientList), first.data());
    EXPECT_EQ(lists, 1);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    QPointer<QWidget> second = Mall().Open(MallWindow::ClientList);
    EXPECT_EQ(lists, 2);
    delete second;

    QPointer<TADlgFrm> dialog;
    Mall().RegisterWindow(MallWindow::Options, [&dialog](QWidget* owner) {
        dialog = new TADlgFrm(owner);
        return dialog.data();
    });
    bool ran = false;
    OnModal<TADlgFrm>([&ran](TADlgFrm* d) {
        ran = true;
        d->OkBtn1->click();
    });
    EXPECT_EQ(Mall().Open(MallWindow::Options), nullptr);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(dialog.isNull());  // released after it closed
}

TEST_P(FacadeTest, StartHookAsksForAShortCompanyName)
{
    int asked = 0;
    Mall().RegisterWindow(MallWindow::CompanyInfo, [&asked](QWidget*) { return ++asked, nullptr; });
    struct Case {
        QString name;
        const char* loginId;
        int asked;
    };
    ROperator op;
    op.LoginId = QStringLiteral("wang");
    op.Rights = QStringLiteral(",16,");
    ASSERT_TRUE(TOperatorSet::SaveOperator(op));
    const Case cases[] = {
        {QStringLiteral("恒川贸"), "sa", 1},    // 6 bytes
        {QStringLiteral("恒川商贸"), "sa", 0},  // 8 bytes
        {QString(), "wang", 0},                 // no right 10000
    };
    for (const Case& c : cases) {
        asked = 0;
        CurrentCompany().LoadCompany();
        CurrentCompany().CompanyName = c.name;
        CurrentCompany().SaveCompany();
        CurrentCompany().LoadCompany();
        CurrentOperator().LoadOperator(QString::fromLatin1(c.loginId));
        Mall().StartHook();
        EXPECT_EQ(asked, c.asked) << c.name.toStdString();
    }
}

MQ_BOTH_ENGINES(FacadeTest);

}  // namespace
