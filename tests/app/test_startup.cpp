#include "AppHome.h"
#include "CommonObjects.h"
#include "Company.h"
#include "KeyValue.h"
#include "Labels.h"
#include "SchemaFixture.h"
#include "Database.h"
#include "Facade.h"
#include "LoginFrm.h"
#include "Operator.h"
#include "ShellTestSupport.h"
#include "SplashFrm.h"
#include "Startup.h"
#include "TestSeams.h"
#include "mainSlFrm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The whole program on a new home folder: first start creates the embedded database.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousHome = AppHome::Home();
        ASSERT_TRUE(m_home.isValid());
    }
    void TearDown() override
    {
        GlobalDatabase().SetConnected(false);
        CurrentOperator().Clear();
        Mall().Clear();
        AppHome::SetHome(m_previousHome);
    }
    int run(const QStringList& parameters)
    {
        return RunProgram(QStringList{QStringLiteral("--home"), m_home.path()} + parameters);
    }
    TRecordingMessages Messages;
    QTemporaryDir m_home;
    QString m_previousHome;
};

TEST_F(StartupTest, ThreeParametersOpenTheMainWindowWithoutTheDialog)
{
    bool sawMain = false;
    bool sawDialog = false;
    QString loggedIn;
    auto* watch = new QTimer;
    watch->setInterval(20);
    QObject::connect(watch, &QTimer::timeout, [&, watch] {
        if (qobject_cast<TLoginFrm*>(QApplication::activeModalWidget())) {
            sawDialog = true;
            QApplication::activeModalWidget()->close();
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<TmainSlFrm*>(w); main && main->isVisible()) {
                sawMain = true;
                loggedIn = CurrentOperator().LoginId;
                watch->stop();
                watch->deleteLater();
                main->close();
                return;
            }
        }
    });
    watch->start();
    EXPECT_EQ(run({QStringLiteral("sa"), QString(), QStringLiteral("1")}), 0);
    EXPECT_TRUE(sawMain);
    EXPECT_FALSE(sawDialog);
    EXPECT_EQ(loggedIn, QStringLiteral("sa"));
    EXPECT_FALSE(GlobalDatabase().Connected());  // the shutdown disconnected
    EXPECT_TRUE(QFileInfo::exists(m_home.filePath(QStringLiteral("cfg.ini"))));
}

TEST_F(StartupTest, LoginThroughTheDialogThenTheMainWindow)
{
    OnModal<TLoginFrm>([](TLoginFrm* dialog) {
        dialog->edtPassword1->clear();  // sa of a new database has no password
        dialog->OkBtn1->click();
    });
    bool sawMain = false;
    auto* watch = new QTimer;
    watch->setInterval(20);
    QObject::connect(watch, &QTimer::timeout, [&sawMain, watch] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<TmainSlFrm*>(w); main && main->isVisible()) {
                sawMain = true;
                watch->stop();
                watch->deleteLater();
                main->close();
                return;
            }
        }
    });
    watch->start();
    EXPECT_EQ(run({}), 0);
    EXPECT_TRUE(sawMain);
}

TEST_F(StartupTest, OtherParameterCountsAskAndCancellingEnds)
{
    for (const QStringList& parameters : {QStringList{QStringLiteral("sa"), QString()},
                                          QStringList{QStringLiteral("sa"), QString(), QStringLiteral("1"), QStringLiteral("2")},
                                          QStringList{QStringLiteral("sa"), QStringLiteral("wrong"), QStringLiteral("1")}}) {
        bool asked = false;
        OnModal<TLoginFrm>([&asked](TLoginFrm* dialog) {
            asked = true;
            dialog->CancelBtn1->click();
        });
        EXPECT_EQ(run(parameters), 0);
        EXPECT_TRUE(asked) << parameters.join(u' ').toStdString();
        EXPECT_TRUE(CurrentOperator().LoginId.isEmpty());
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<TmainSlFrm*>(w) && w->isVisible());
        GlobalDatabase().SetConnected(false);
    }
}

TEST(Splash, HintLineShowsEachStep)
{
    TSplashFrm splash;
    EXPECT_EQ(splash.Hint(), QStringLiteral("正在创建数据连接..."));
    splash.ShowHint(QStringLiteral("正在连接数据库,请稍候..."));
    splash.ShowHint(QString());
    EXPECT_EQ(splash.Hint(), QStringLiteral("正在连接数据库,请稍候...."));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
}

class CommonObjectsTest : public SchemaTest {
protected:
    void TearDown() override
    {
        DisplaySettings() = TDisplaySettings();
        CurrentCompany().Clear();
        TCaptions::Reset();
        SchemaTest::TearDown();
    }
};

TEST_P(CommonObjectsTest, ReloadTakesDecimalsPriceSourcesCaptionsAndCompany)
{
    TKeyValue2& keys = GlobalKeyValue();
    keys.SetInt(KeyIds::QtyDecimals, 3);
    keys.SetInt(KeyIds::PriceDecimals, 0);
    keys.SetInt(KeyIds::SalePriceSource, 1);
    TLabels labels;
    labels.SetLabel(QStringLiteral("WareS01"), QStringLiteral("编号"));
    ASSERT_TRUE(labels.SaveLabels());
    GlobalDatabase().Execute(QStringLiteral("update Company set CompanyName=:Name where Id=1"),
                             {DBParam(QStringLiteral("Name"), QStringLiteral("恒川商贸有限公司"))});
    LoadCommonObjects();
    const TDisplaySettings& s = DisplaySettings();
    EXPECT_EQ(s.QtyFormat, QStringLiteral("0.000"));
    EXPECT_EQ(s.PriceFormat, QStringLiteral("0"));
    EXPECT_EQ(s.AmountFormat, QStringLiteral("0.00"));
    EXPECT_EQ(s.OrderPriceSource, 0);
    EXPECT_EQ(s.SalePriceSource, 1);
    EXPECT_EQ(TCaptions::WareS01(), QStringLiteral("编号"));
    EXPECT_EQ(CurrentCompany().CompanyName, QStringLiteral("恒川商贸有限公司"));
    EXPECT_TRUE(CurrentCompany().NameIsSet());
}

MQ_BOTH_ENGINES(CommonObjectsTest);

}  // namespace
