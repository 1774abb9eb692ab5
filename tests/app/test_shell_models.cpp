#include "Company.h"
#include "DesktopLayout.h"
#include "ErrorReport.h"
#include "Errors.h"
#include "Operator.h"
#include "Product.h"
#include "TestSeams.h"

#include <gtest/gtest.h>

// An error class of some window, derived from the system's own.
class EStockShortage : public EMqError {
public:
    using EMqError::EMqError;
};

TEST(Rights, SaHoldsEveryRightOthersOnlyTheirOwn)
{
    TOperator op;
    op.LoginId = QStringLiteral("sa");
    for (int right : {1, 16, 100001, 10002}) EXPECT_TRUE(op.HasRight(right)) << right;

    op.LoginId = QStringLiteral("wang");
    op.Rights = QStringLiteral(",1012,,16,");
    struct Case {
        int right;
        bool held;
    };
    for (const Case& c : {Case{16, true}, Case{1012, true}, Case{1, false}, Case{101, false}, Case{12, false},
                          Case{10002, false}})
        EXPECT_EQ(op.HasRight(c.right), c.held) << c.right;
}

TEST(Rights, RefusalShowsTheNumberAndAbortsSilently)
{
    TRecordingMessages messages;
    TOperator op;
    op.LoginId = QStringLiteral("wang");
    op.Rights = QStringLiteral(",16,");
    EXPECT_THROW(op.CheckRight(10002), EAbort);
    ASSERT_EQ(messages.Plain().size(), 1);
    EXPECT_EQ(messages.Plain()[0], QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(10002)."));
    EXPECT_FALSE(op.CheckRight(17, false));  // the long form without abort only reports
    EXPECT_TRUE(op.CheckRight(16));
    EXPECT_EQ(messages.Texts.size(), 2);
}

TEST(Rights, RightsTextFollowsTheListOrderOnce)
{
    const QList<TRightEntry>& rights = OfferedRights();
    ASSERT_EQ(rights.size(), 32);
    EXPECT_EQ(rights.first().Right, 1012);
    EXPECT_EQ(rights.last().Caption, QStringLiteral("数据清理"));
    EXPECT_EQ(BuildRightsText(QList<bool>(rights.size(), false)), QString());

    QList<bool> checked(rights.size(), false);
    for (int i = 0; i < rights.size(); ++i)
        if (rights[i].Right == 16 || rights[i].Right == 1012 || rights[i].Right == 61) checked[i] = true;
    EXPECT_EQ(BuildRightsText(checked), QStringLiteral(",1012,,61,,16,"));
}

TEST(DesktopLayout, PositionsParseWithTheDefaultForMissingValues)
{
    struct Case {
        const char* value;
        QPoint pos;
    };
    for (const Case& c : {Case{"", {10, 10}}, Case{"0,0", {10, 10}}, Case{"120", {10, 10}},
                          Case{"120,45", {120, 45}}, Case{"0,300", {0, 300}}})
        EXPECT_EQ(TDesktopLayout::ParsePosition(QString::fromLatin1(c.value)), c.pos) << c.value;

    const QString menus = QStringLiteral("SaleSendAction1=200,30\r\nOtherTool=5\r\nSaleQuotAction1=0,0\r\n");
    const RListItems items = TDesktopLayout::FromMenus(
        menus, {QStringLiteral("SaleQuotAction1"), QStringLiteral("SaleSendAction1"), QStringLiteral("SaleOrderAction1")});
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(QPoint(items[0].X, items[0].Y), QPoint(10, 10));
    EXPECT_EQ(QPoint(items[1].X, items[1].Y), QPoint(200, 30));
    EXPECT_EQ(QPoint(items[2].X, items[2].Y), QPoint(10, 10));
}

TEST(DesktopLayout, WritingKeepsLinesOfOtherNames)
{
    const QString menus = QStringLiteral("OtherTool=5\r\nSaleSendAction1=200,30\r\n");
    const QString merged = TDesktopLayout::MergeIntoMenus(
        menus, {RListItem{QStringLiteral("SaleSendAction1"), 40, 60}, RListItem{QStringLiteral("SaleQuotAction1"), 300, 10}});
    EXPECT_EQ(merged, QStringLiteral("OtherTool=5\r\nSaleSendAction1=40,60\r\nSaleQuotAction1=300,10\r\n"));
    EXPECT_EQ(TDesktopLayout::MergeIntoMenus(QString(), {}), QString());
}

TEST(Product, BuildLabelTakesTheSuffixOnce)
{
    TProduct::ResetBuildLabel();
    EXPECT_EQ(TProduct::BuildLabel(), QStringLiteral("Build130115"));
    TProduct::ApplyBuildSuffix(QString());
    EXPECT_EQ(TProduct::BuildLabel(), QStringLiteral("(Build130115)"));
    TProduct::ApplyBuildSuffix(QStringLiteral("x"));
    EXPECT_EQ(TProduct::BuildLabel(), QStringLiteral("(Build130115)"));
    TProduct::ResetBuildLabel();
    TProduct::ApplyBuildSuffix(QStringLiteral("-oem"));
    EXPECT_EQ(TProduct::BuildLabel(), QStringLiteral("(Build130115-oem)"));
    TProduct::ResetBuildLabel();
}

TEST(Company, NameCountsGbkBytes)
{
    TCompany company;
    struct Case {
        QString name;
        bool set;
    };
    for (const Case& c : {Case{QStringLiteral("恒川贸"), false}, Case{QStringLiteral("恒川商贸"), true},
                          Case{QStringLiteral("ABCDEFG"), false}, Case{QStringLiteral("ABCDEFGH"), true},
                          Case{QString(), false}}) {
        company.CompanyName = c.name;
        EXPECT_EQ(company.NameIsSet(), c.set) << c.name.toStdString();
    }
}

TEST(ErrorReport, TextNamesTheErrorsOwnClass)
{
    TFixedClock clock(QDateTime(QDate(2013, 1, 15), QTime(9, 30, 5)));
    TErrorInfo info = TErrorReport::Describe(EStockShortage(QStringLiteral("库存不足")));
    EXPECT_EQ(info.ClassName, QStringLiteral("EStockShortage"));
    EXPECT_EQ(info.Message, QStringLiteral("库存不足"));
    info = TErrorReport::Describe(EDatabaseError(QStringLiteral("no such table: x\r\nselect * from x")));
    EXPECT_EQ(info.ClassName, QStringLiteral("EDatabaseError"));
    info.ActiveForm = QStringLiteral("mainSlFrm");
    const QStringList lines = TErrorReport::BuildText(info).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], QStringLiteral("运行期异常："));
    EXPECT_EQ(lines[1], QString(41, u'='));
    EXPECT_EQ(lines[2], QStringLiteral("ProductName：      恒川销售管理系统"));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("ProductVersion：   单机版 3.0.130115 ")));
    EXPECT_EQ(lines[6], QStringLiteral("ActiveForm：       mainSlFrm"));
    EXPECT_EQ(lines[8], QStringLiteral("ExceptionClass：   EDatabaseError"));
    EXPECT_EQ(lines[9], QStringLiteral("ExceptionDescribe：no such table: x"));
    EXPECT_EQ(lines[11], QStringLiteral("ExceptionTime：    2013-01-15 09:30:05"));
    EXPECT_EQ(lines.last(), QStringLiteral("MSN："));
    EXPECT_TRUE(TErrorReport::Question(QStringLiteral("坏了")).contains(QStringLiteral("系统遇到如下异常:\r\n\r\n坏了\r\n")));
}

TEST(ErrorReport, SendPostsTheTextAndReadsTheReply)
{
    TFakeHttp http;
    QString reply;
    http.Reply = THttpReply{true, 200, "ok", QString()};
    EXPECT_TRUE(TErrorReport::Send(QStringLiteral("报告"), &reply));
    ASSERT_EQ(http.Posts.size(), 1);
    EXPECT_TRUE(http.Urls[0].endsWith(QStringLiteral("/back.asp")));
    ASSERT_EQ(http.Posts[0].size(), 1);
    EXPECT_EQ(http.Posts[0][0].first, QStringLiteral("Data"));
    EXPECT_EQ(http.Posts[0][0].second, QStringLiteral("报告"));

    http.Reply = THttpReply{true, 200, QStringLiteral("服务器忙").toUtf8(), QString()};
    EXPECT_FALSE(TErrorReport::Send(QStringLiteral("报告"), &reply));
    EXPECT_EQ(reply, QStringLiteral("服务器忙"));

    http.Reply = THttpReply{false, 0, QByteArray(), QStringLiteral("timeout")};
    EXPECT_FALSE(TErrorReport::Send(QStringLiteral("报告"), &reply));
    EXPECT_TRUE(reply.isEmpty());
    EXPECT_TRUE(TErrorReport::FailureMessage().startsWith(QStringLiteral("对不起,发送失败,请检查网络后重试")));
}
