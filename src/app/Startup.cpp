#include "Startup.h"

#include "AppHome.h"
#include "CommonObjects.h"
#include "Configer.h"
#include "DBConfigFrm.h"
#include "Facade.h"
#include "Pictures.h"
#include "Product.h"
#include "PubFrm.h"
#include "SplashFrm.h"
#include "WindowRegistry.h"
#include "mainSlFrm.h"

#include <QApplication>
#include <memory>

int RunProgram(const QStringList& arguments)
{
    QApplication::setApplicationName(QStringLiteral("mqsale"));
    QApplication::setApplicationDisplayName(TProduct::Title());
    QApplication::processEvents();
    const QStringList parameters = AppHome::Init(arguments);
    QApplication::setWindowIcon(Pictures::Icon(QStringLiteral("app")));

    RegisterWindows(Mall());
    if (TConfiger::Exists()) TProduct::ApplyBuildSuffix(TConfiger::ReadBuildSuffix());

    auto splash = std::make_unique<TSplashFrm>();
    splash->show();
    splash->ShowHint(QStringLiteral("正在创建数据连接..."));

    std::unique_ptr<TPubFrm> pub;
    std::unique_ptr<TmainSlFrm> main;
    try {
        splash->ShowHint(QStringLiteral("正在连接数据库,请稍候..."));
        if (!ConnectDatabase()) return 0;
        splash->ShowHint(QStringLiteral("正在创建公共对象,请稍候..."));
        LoadCommonObjects();
        pub = std::make_unique<TPubFrm>();
        splash->ShowHint(QStringLiteral("正在创建主程序,请稍候..."));
        main = std::make_unique<TmainSlFrm>();
        main->SetLoginParameters(parameters);
        main->RebuildToolsMenu();
        splash.reset();
        if (!main->Login(true)) {
            main->close();
            return 0;
        }
        QObject::connect(main.get(), &TmainSlFrm::ShutDown, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        main->show();
        Mall().StartHook(main.get());
    } catch (...) {
        splash.reset();
        if (!pub) pub = std::make_unique<TPubFrm>();
        HandleException(std::current_exception());
        return 1;
    }
    return QApplication::exec();
}
