#include "BuggerFrm.h"
#include "Errors.h"
#include "Operator.h"
#include "PubFrm.h"
#include "ShellTestSupport.h"
#include "TestSeams.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Runs the function from the event loop, as a click or a timer would.
void fromEventLoop(std::function<void()> run)
{
    QMetaObject::invokeMethod(qApp, [run] { run(); }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
}

class ErrorHandlerTest : public ::testing::Test {
protected:
    TRecordingMessages Messages;
    TFakeHttp Http;
    TPubFrm Pub;
};

TEST_F(ErrorHandlerTest, RefusedRightEndsTheActionSilently)
{
    bool after = false;
    fromEventLoop([&after] {
        TOperator op;
        op.LoginId = QStringLiteral("wang");
        op.CheckRight(10002);
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(Messages.Plain(), QStringList{QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(10002).")});
}

TEST_F(ErrorHandlerTest, DeclinedReportShowsOnlyTheQuestion)
{
    Messages.Answers << false;
    fromEventLoop([] { throw EDatabaseError(QStringLiteral("disk I/O error\r\nupdate sale set Note=:Note")); });
    ASSERT_EQ(Messages.Texts.size(), 1);
    EXPECT_TRUE(Messages.Texts[0].contains(QStringLiteral("非常抱歉,系统遇到如下异常")));
    EXPECT_TRUE(Messages.Texts[0].contains(QStringLiteral("disk I/O error\r\nupdate sale set Note=:Note")));
    EXPECT_TRUE(Http.Posts.isEmpty());

    // The program goes on: the next action runs.
    bool ran = false;
    fromEventLoop([&ran] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST_F(ErrorHandlerTest, ReportIsSentOnlyWhenTheUserAgrees)
{
    Messages.Answers << true;
    Http.Reply = THttpReply{true, 200, "ok", QString()};
    QString report;
    OnModal<TBuggerFrm>([&report](TBuggerFrm* dialog) {
        report = dialog->memReport1->toPlainText();
        dialog->OkBtn1->click();
    });
    fromEventLoop([] { throw EMqError(QStringLiteral("单据已被他人修改")); });
    EXPECT_TRUE(report.contains(QStringLiteral("ExceptionClass：   EMqError")));
    EXPECT_TRUE(report.contains(QStringLiteral("ExceptionDescribe：单据已被他人修改")));
    ASSERT_EQ(Http.Posts.size(), 1);
    EXPECT_EQ(Http.Posts[0][0].first, QStringLiteral("Data"));
    EXPECT_TRUE(Http.Posts[0][0].second.contains(QStringLiteral("单据已被他人修改")));
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("报告成功！我们会尽快处理并与您联系，谢谢！"));
}

TEST_F(ErrorHandlerTest, FailedSendKeepsTheReportOpen)
{
    Messages.Answers << true;
    Http.Reply = THttpReply{false, 0, QByteArray(), QStringLiteral("timeout")};
    bool stayedOpen = false;
    OnModal<TBuggerFrm>([&stayedOpen](TBuggerFrm* dialog) {
        dialog->OkBtn1->click();
        stayedOpen = dialog->isVisible();
        dialog->CancelBtn1->click();
    });
    fromEventLoop([] { throw std::runtime_error("bad_alloc"); });
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(Messages.Plain().last().startsWith(QStringLiteral("对不起,发送失败,请检查网络后重试")));
    EXPECT_EQ(Http.Posts.size(), 1);
}

TEST_F(ErrorHandlerTest, SilentAbortIsIgnored)
{
    fromEventLoop([] { throw EAbort(); });
    EXPECT_TRUE(Messages.Texts.isEmpty());
}

}  // namespace
