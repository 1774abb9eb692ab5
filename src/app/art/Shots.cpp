// Renders the shell's windows offscreen to PNG files for a look at them: mq_screenshots <folder>.
#include "ActionListView.h"
#include "AppHome.h"
#include "BuggerFrm.h"
#include "CommonObjects.h"
#include "Database.h"
#include "ErrorReport.h"
#include "LoginFrm.h"
#include "MqApplication.h"
#include "Operator.h"
#include "OperatorEdtFrm.h"
#include "OperatorsFrm.h"
#include "PasswordFrm.h"
#include "Schema.h"
#include "SplashFrm.h"
#include "mainSlFrm.h"

#include <QTemporaryDir>
#include <QTextStream>

namespace {
QString g_out;

void shoot(QWidget& w, const QString& name)
{
    w.show();
    QApplication::processEvents();
    w.grab().save(g_out + u'/' + name);
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TMqApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: mq_screenshots <folder>" << Qt::endl;
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir home;
    AppHome::SetHome(home.path());
    TDatabase& db = GlobalDatabase();
    if (!db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1/mqscm3.db").arg(home.path()), true)) return 1;
    TSchema::CreateOrUpgrade(db);
    for (const char* id : {"wang", "li", "zhao"}) {
        ROperator op;
        op.LoginId = QString::fromLatin1(id);
        op.Rights = QStringLiteral(",16,,17,");
        TOperatorSet::SaveOperator(op);
    }
    LoadCommonObjects();

    TSplashFrm splash;
    splash.ShowHint(QStringLiteral("正在连接数据库,请稍候..."));
    shoot(splash, QStringLiteral("splash.png"));
    splash.hide();

    TLoginFrm login;
    shoot(login, QStringLiteral("login.png"));
    login.hide();

    TmainSlFrm main;
    main.SetLoginParameters({QStringLiteral("sa"), QString(), QStringLiteral("x")});
    main.Login(true);
    main.setWindowState(Qt::WindowNoState);
    main.resize(1366, 768);
    main.ListView1->setCurrentItem(main.ListView1->item(2));
    shoot(main, QStringLiteral("main.png"));
    main.ShowFinancePage();
    shoot(main, QStringLiteral("main_finance.png"));
    main.ShowSalesPage();
    {
        TmainSlFrm fresh;
        fresh.SetLoginParameters({QStringLiteral("wang"), QString(), QStringLiteral("x")});
        fresh.Login(true);
        fresh.setWindowState(Qt::WindowNoState);
        fresh.resize(1366, 768);
        shoot(fresh, QStringLiteral("main_new.png"));
        fresh.ListView1->ArrangeItems();
        shoot(fresh, QStringLiteral("main_arranged.png"));
        fresh.hide();
    }

    TOperatorsFrm operators;
    shoot(operators, QStringLiteral("operators.png"));
    operators.hide();
    TOperatorEdtFrm editor(TOperatorSet::LoadAll().first(), false, nullptr);
    shoot(editor, QStringLiteral("operator_editor.png"));
    editor.hide();
    TPasswordFrm password;
    shoot(password, QStringLiteral("password.png"));
    password.hide();
    TErrorInfo info = TErrorReport::Describe(EMqError(QStringLiteral("示例异常")));
    TBuggerFrm bugger(TErrorReport::BuildText(info));
    shoot(bugger, QStringLiteral("bugger.png"));
    bugger.hide();
    db.SetConnected(false);
    return 0;
}
