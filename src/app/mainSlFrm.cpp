#include "mainSlFrm.h"

#include "ActionListView.h"
#include "AppHome.h"
#include "Company.h"
#include "Database.h"
#include "Facade.h"
#include "KeyValue.h"
#include "Link.h"
#include "LoginFrm.h"
#include "Login.h"
#include "MqLib.h"
#include "NavButton.h"
#include "Operator.h"
#include "PasswordFrm.h"
#include "PicturePanel.h"
#include "Pictures.h"
#include "Product.h"
#include "Seams.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The desktop of the sales page and of the finance page, in their order.
const QStringList& salesPage()
{
    static const QStringList names{
        QStringLiteral("SaleQuotAction1"),     QStringLiteral("SaleOrderAction1"),
        QStringLiteral("SaleSendAction1"),     QStringLiteral("SlInvAction1"),
        QStringLiteral("SaleReceiptAction1"),  QStringLiteral("ShldinAction1"),
        QStringLiteral("OutlayAction1"),       QStringLiteral("slQuotDetailAction1"),
        QStringLiteral("slOrderDetailAction1"), QStringLiteral("slOrderSumAction1"),
        QStringLiteral("SaleDetailAction1"),   QStringLiteral("SaleSumAction1"),
        QStringLiteral("ShldinListAction1"),   QStringLiteral("ShldinBookAction1"),
        QStringLiteral("OutlayFindAction1")};
    return names;
}

const QStringList& financePage()
{
    static const QStringList names{
        QStringLiteral("SlInvAction1"),      QStringLiteral("SaleReceiptAction1"), QStringLiteral("ShldinAction1"),
        QStringLiteral("OutlayAction1"),     QStringLiteral("ShldinListAction1"),  QStringLiteral("ShldinBookAction1"),
        QStringLiteral("OutlayFindAction1")};
    return names;
}

const QStringList& shortcutNames()
{
    static const QStringList names{QStringLiteral("ClientAction1"), QStringLiteral("WareAction1"),
                                   QStringLiteral("EmployeeAction1"), QStringLiteral("HouseAction1"),
                                   QStringLiteral("BankAction1")};
    return names;
}

QLabel* pictureLabel(const QString& file, QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    const QPixmap p = Pictures::Load(file);
    if (!p.isNull()) {
        label->setPixmap(p);
        label->setFixedSize(p.size());
    }
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

}  // namespace

TmainSlFrm::TmainSlFrm(QWidget* parent) : TaFrm(parent, Qt::Window)
{
    setObjectName(QStringLiteral("mainSlFrm"));
    setWindowTitle(TProduct::Title() + u' ' + TProduct::VersionLabel());
    setWindowIcon(Pictures::Icon(QStringLiteral("app")));
    SetPlacement(TPlacement::None);
    setModal(false);
    setMinimumSize(800, 560);
    TaFrm::SetMainWindow(this);

    createActions();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    layout->setMenuBar(MainMenu1);
    layout->addWidget(createBanner());
    layout->addWidget(createDesktop(), 1);

    imgBtm1 = new TPicturePanel(Pictures::Load(QStringLiteral("bottom.png")), this);
    imgBtm1->setObjectName(QStringLiteral("imgBtm1"));
    if (imgBtm1->Picture().isNull()) imgBtm1->setFixedHeight(26);
    auto* bottom = new QHBoxLayout(imgBtm1);
    bottom->setContentsMargins(12, 0, 12, 0);
    lblStatus1 = new QLabel(imgBtm1);
    lblStatus1->setObjectName(QStringLiteral("lblStatus1"));
    lblStatus1->setStyleSheet(QStringLiteral("color: #34495e;"));
    bottom->addWidget(lblStatus1);
    bottom->addStretch(1);
    layout->addWidget(imgBtm1);

    createMenus();
    ShowSalesPage(false);
    setWindowState(Qt::WindowMaximized);
}

TmainSlFrm::~TmainSlFrm()
{
    if (TaFrm::MainWindow() == this) TaFrm::SetMainWindow(nullptr);
}

QAction* TmainSlFrm::addAction(const char* name, const QString& caption, const QString& icon, const QString& hint,
                               std::function<void()> run)
{
    auto* action = new QAction(Pictures::Icon(icon), caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    m_actions << action;
    return action;
}

QAction* TmainSlFrm::Action(const QString& name) const
{
    for (QAction* a : m_actions)
        if (a->objectName() == name) return a;
    return nullptr;
}

void TmainSlFrm::createActions()
{
    auto open = [this](const char* window) { return [this, window] { Mall().Open(QString::fromLatin1(window), this); }; };
    auto bill = [this](int type) { return [this, type] { Mall().ShowBill(type, this, 0); }; };
    addAction("ClientAction1", QStringLiteral("客户"), QStringLiteral("client"),
              QStringLiteral("客户资料添加、修改、删除、打印等"), open(MallWindow::ClientList));
    addAction("WareAction1", QStringLiteral("货品"), QStringLiteral("ware"),
              QStringLiteral("货品资料添加、修改、删除、打印等"), open(MallWindow::WareList));
    addAction("EmployeeAction1", QStringLiteral("职员"), QStringLiteral("employee"),
              QStringLiteral("职员资料添加、修改、删除、打印等"), open(MallWindow::EmployeeList));
    addAction("HouseAction1", QStringLiteral("部门"), QStringLiteral("house"), QStringLiteral("仓库及店铺设置"),
              open(MallWindow::HouseList));
    addAction("BankAction1", QStringLiteral("账户"), QStringLiteral("bank"), QString(), open(MallWindow::BankList));
    addAction("SalePlanAction1", QStringLiteral("销售计划"), QStringLiteral("plan"), QString(), [] {});
    addAction("SaleQuotAction1", QStringLiteral("销售报价"), QStringLiteral("quot"), QString(), bill(14));
    addAction("SaleOrderAction1", QStringLiteral("销售订单"), QStringLiteral("order"), QString(), bill(9));
    addAction("SaleSendAction1", QStringLiteral("销售发货"), QStringLiteral("send"),
              QStringLiteral("销售发货录入、查找、修改、打印等"), bill(10));
    addAction("SlInvAction1", QStringLiteral("销售发票"), QStringLiteral("invoice"), QString(), bill(15));
    addAction("SaleReceiptAction1", QStringLiteral("销售收款"), QStringLiteral("receipt"),
              QStringLiteral("收款单录入、查找、修改、打印等"), bill(11));
    addAction("ShldinAction1", QStringLiteral("其他应收"), QStringLiteral("shldin"), QString(), bill(12));
    addAction("OutlayAction1", QStringLiteral("费用开支"), QStringLiteral("outlay"), QString(), bill(16));
    addAction("slPlanDetailAction1", QStringLiteral("计划进度表"), QStringLiteral("plan_report"), QString(),
              open(MallWindow::SalePlanReport));
    addAction("slQuotDetailAction1", QStringLiteral("报价明细表"), QStringLiteral("quot_report"), QString(),
              open(MallWindow::QuotReport));
    addAction("slOrderDetailAction1", QStringLiteral("订单明细表"), QStringLiteral("order_report"), QString(),
              open(MallWindow::OrderReport));
    addAction("slOrderSumAction1", QStringLiteral("订单汇总表"), QStringLiteral("order_sum"), QString(),
              open(MallWindow::OrderSumReport));
    addAction("SaleDetailAction1", QStringLiteral("发货明细表"), QStringLiteral("sale_report"), QString(),
              open(MallWindow::SaleReport));
    addAction("SaleSumAction1", QStringLiteral("销售汇总"), QStringLiteral("sale_sum"), QString(),
              open(MallWindow::SaleSumReport));
    addAction("ShldinListAction1", QStringLiteral("应收款汇总表"), QStringLiteral("shldin_list"), QString(),
              open(MallWindow::ShldinListReport));
    addAction("ShldinBookAction1", QStringLiteral("应收款对账单"), QStringLiteral("shldin_book"), QString(),
              open(MallWindow::ShldinBookReport));
    addAction("OutlayFindAction1", QStringLiteral("费用查询"), QStringLiteral("outlay_find"), QString(),
              open(MallWindow::OutlayReport));
}

void TmainSlFrm::createMenus()
{
    auto item = [this](QMenu* menu, const QString& caption, std::function<void()> run) {
        QAction* a = menu->addAction(caption);
        connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
        return a;
    };
    auto open = [this](const char* window) { return [this, window] { Mall().Open(QString::fromLatin1(window), this); }; };
    auto actions = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* n : names) menu->addAction(Action(QString::fromLatin1(n)));
    };

    QMenu* file = MainMenu1->addMenu(QStringLiteral("文件(&F)"));
    item(file, QStringLiteral("公司信息"), open(MallWindow::CompanyInfo));
    item(file, QStringLiteral("操作员及权限"), open(MallWindow::Operators));
    file->addSeparator();
    item(file, QStringLiteral("选项"), open(MallWindow::Options));
    item(file, QStringLiteral("初始化数据..."), open(MallWindow::ClearData));
    item(file, QStringLiteral("备份设置与恢复"), open(MallWindow::Backup));
    file->addSeparator();
    item(file, QStringLiteral("重新登陆"), [this] { Login(false); });
    item(file, QStringLiteral("更改我的密码"), [this] { ChangeMyPassword(this); });
    file->addSeparator();
    item(file, QStringLiteral("退出系统"), [this] { close(); });

    QMenu* info = MainMenu1->addMenu(QStringLiteral("资料(&I)"));
    actions(info, {"WareAction1", "HouseAction1", "EmployeeAction1", "ClientAction1"});
    info->addSeparator();
    item(info, QStringLiteral("包装单位设置"), open(MallWindow::UnitList));
    info->addAction(Action(QStringLiteral("BankAction1")));
    info->addSeparator();
    item(info, QStringLiteral("其他应收项目设置"), open(MallWindow::ShldinItemList));
    item(info, QStringLiteral("费用项目设置"), open(MallWindow::OutlayItemList));

    QMenu* business = MainMenu1->addMenu(QStringLiteral("业务(&B)"));
    actions(business, {"SaleQuotAction1", "SaleOrderAction1", "SaleSendAction1", "SlInvAction1"});
    business->addSeparator();
    actions(business, {"SaleReceiptAction1", "ShldinAction1", "OutlayAction1"});

    QMenu* reports = MainMenu1->addMenu(QStringLiteral("报表(&R)"));
    actions(reports, {"slQuotDetailAction1", "slOrderDetailAction1", "slOrderSumAction1", "SaleDetailAction1",
                      "SaleSumAction1"});
    reports->addSeparator();
    actions(reports, {"ShldinListAction1", "ShldinBookAction1", "OutlayFindAction1"});

    QMenu* analysis = MainMenu1->addMenu(QStringLiteral("分析(&A)"));
    item(analysis, QStringLiteral("销售利润汇总表"), open(MallWindow::ProfitReport));

    ToolsMenu1 = MainMenu1->addMenu(QStringLiteral("工具(&T)"));
    ToolsMenu1->setObjectName(QStringLiteral("ToolsMenu1"));
    ToolsMenu1->setToolTipsVisible(true);
    item(ToolsMenu1, QStringLiteral("计事本"), open(MallWindow::Notepad));
    item(ToolsMenu1, QStringLiteral("计算器"), open(MallWindow::Calculator));
    ToolsMenu1->addSeparator();
    item(ToolsMenu1, QStringLiteral("设置工具..."), [this] {
        Mall().Open(MallWindow::ToolsSettings, this);
        RebuildToolsMenu();
    });
    ToolsMenu1->addSeparator();

    QMenu* help = MainMenu1->addMenu(QStringLiteral("帮助(&H)"));
    item(help, QStringLiteral("帮助文件"), [this] { ShowHelp(); });
    item(help, QStringLiteral("每日一贴"), open(MallWindow::DailyTips));
    item(help, QStringLiteral("常见问题"), [this] { ShowHelp(QStringLiteral("faq")); });
    help->addSeparator();
    item(help, QStringLiteral("自述文件"), [this] { openTextFile(QStringLiteral("readme.txt")); });
    item(help, QStringLiteral("最新功能"), [this] { openTextFile(QStringLiteral("whatsnew.txt")); });
    help->addSeparator();
    item(help, QStringLiteral("恒川官方网站"), [] { Platform::Shell().Open(TProduct::WebSite()); });
    item(help, QStringLiteral("给恒川发电子邮件"), [] {
        const QString subject = QString::fromLatin1(
            QUrl::toPercentEncoding(TProduct::Title() + QStringLiteral(" 购买咨询")));
        Platform::Shell().Open(QStringLiteral("mailto:%1?subject=%2").arg(TProduct::SalesEmail(), subject));
    });
    item(help, QStringLiteral("用户反馈表"), open(MallWindow::Feedback));
    help->addSeparator();
    item(help, QStringLiteral("关于..."), open(MallWindow::About));

    // The desktop's own menu.
    DesktopMenu1 = new QMenu(this);
    OpenItem1 = item(DesktopMenu1, QStringLiteral("打开"), [this] { ListView1->ExecuteCurrent(); });
    DesktopMenu1->addSeparator();
    AlignTopItem1 = item(DesktopMenu1, QStringLiteral("顶对齐"), [this] { ListView1->AlignTop(); });
    AlignLeftItem1 = item(DesktopMenu1, QStringLiteral("左对齐"), [this] { ListView1->AlignLeft(); });
    DesktopMenu1->addSeparator();
    ArrangeItem1 = item(DesktopMenu1, QStringLiteral("重新排列我的桌面"), [this] { ListView1->ArrangeItems(); });
    connect(DesktopMenu1, &QMenu::aboutToShow, this, &TmainSlFrm::updateDesktopMenu);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { DesktopMenu1->popup(ListView1->viewport()->mapToGlobal(pos)); });
    connect(ListView1, &QListWidget::itemSelectionChanged, this, &TmainSlFrm::updateDesktopMenu);
    updateDesktopMenu();

    auto* shortcutMenu = new QMenu(this);
    item(shortcutMenu, QStringLiteral("打开"), [this] { ListView2->ExecuteCurrent(); });
    connect(ListView2, &QWidget::customContextMenuRequested, this, [this, shortcutMenu](const QPoint& pos) {
        if (ListView2->itemAt(pos)) shortcutMenu->popup(ListView2->viewport()->mapToGlobal(pos));
    });
}

QWidget* TmainSlFrm::createBanner()
{
    auto* banner = new QWidget(this);
    auto* layout = new QVBoxLayout(banner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    imgTop1 = new TPicturePanel(Pictures::Load(QStringLiteral("top.png")), banner);
    imgTop1->setObjectName(QStringLiteral("imgTop1"));
    if (imgTop1->Picture().isNull()) imgTop1->setFixedHeight(72);
    auto* top = new QHBoxLayout(imgTop1);
    top->setContentsMargins(16, 0, 20, 6);
    imgTitle1 = pictureLabel(QStringLiteral("title.png"), imgTop1, "imgTitle1");
    imgTitle1->setCursor(Qt::PointingHandCursor);
    imgTitle1->setToolTip(TProduct::WebSite());
    imgTitle1->installEventFilter(this);
    imgTitleLog1 = pictureLabel(QStringLiteral("logo.png"), imgTop1, "imgTitleLog1");
    lblVersion1 = new QLabel(TProduct::VersionLabel(), imgTop1);
    lblVersion1->setObjectName(QStringLiteral("lblVersion1"));
    lblVersion1->setStyleSheet(QStringLiteral("color: rgba(255,255,255,210); font-size: 12px;"));
    top->addWidget(imgTitleLog1, 0, Qt::AlignVCenter);
    top->addSpacing(8);
    top->addWidget(imgTitle1, 0, Qt::AlignVCenter);
    top->addStretch(1);
    top->addWidget(lblVersion1, 0, Qt::AlignBottom);
    layout->addWidget(imgTop1);

    imgNav1 = new TPicturePanel(Pictures::Load(QStringLiteral("nav.png")), banner);
    imgNav1->setObjectName(QStringLiteral("imgNav1"));
    if (imgNav1->Picture().isNull()) imgNav1->setFixedHeight(40);
    auto* nav = new QHBoxLayout(imgNav1);
    nav->setContentsMargins(12, 0, 12, 0);
    nav->setSpacing(4);
    imgSale1 = new TNavButton(imgNav1);
    imgSale1->setObjectName(QStringLiteral("imgSale1"));
    imgSale1->SetHint(QStringLiteral("销售业务: 报价、订单、发货、发票、收款及报表"));
    imgFinance1 = new TNavButton(imgNav1);
    imgFinance1->setObjectName(QStringLiteral("imgFinance1"));
    imgFinance1->SetHint(QStringLiteral("财务: 发票、收款、其他应收、费用及应收款报表"));
    imgExit1 = new TNavButton(imgNav1);
    imgExit1->setObjectName(QStringLiteral("imgExit1"));
    imgExit1->SetHint(QStringLiteral("退出系统"));
    imgSale1->LoadPictures(QStringLiteral("Z2005"));
    imgFinance1->LoadPictures(QStringLiteral("Z2006"));
    imgExit1->LoadPictures(QStringLiteral("Z1001"));
    lblHint2 = new QLabel(imgNav1);
    lblHint2->setObjectName(QStringLiteral("lblHint2"));
    lblHint2->setStyleSheet(QStringLiteral("color: #1f3a5f;"));
    nav->addWidget(imgSale1);
    nav->addWidget(imgFinance1);
    nav->addSpacing(16);
    nav->addWidget(lblHint2, 1);
    nav->addWidget(imgExit1);
    layout->addWidget(imgNav1);

    for (TNavButton* b : {imgSale1, imgFinance1, imgExit1})
        connect(b, &TNavButton::hintChanged, lblHint2, &QLabel::setText);
    connect(imgSale1, &TNavButton::clicked, this, [this] { ShowSalesPage(); });
    connect(imgFinance1, &TNavButton::clicked, this, [this] { ShowFinancePage(); });
    connect(imgExit1, &TNavButton::clicked, this, [this] { close(); });
    return banner;
}

QWidget* TmainSlFrm::createDesktop()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("DesktopPanel1"));
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    panel->setPalette(pal);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ListView1 = new TActionListView(panel);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setMovement(QListView::Free);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setDragEnabled(true);
    ListView1->setDragDropMode(QAbstractItemView::InternalMove);
    ListView1->setDefaultDropAction(Qt::MoveAction);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1->SetWatermark(Pictures::Load(QStringLiteral("desk.png")));
    layout->addWidget(ListView1, 1);

    auto* caption = new QLabel(QStringLiteral("  基础资料"), panel);
    caption->setObjectName(QStringLiteral("lblShortcuts1"));
    caption->setFixedHeight(24);
    caption->setStyleSheet(QStringLiteral("color: #1f3a5f; font-weight: bold; background: #eef3f9;"
                                          "border-top: 1px solid #c8d6e8;"));
    layout->addWidget(caption);

    ListView2 = new TActionListView(panel);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setMovement(QListView::Static);
    ListView2->setFlow(QListView::LeftToRight);
    ListView2->setWrapping(false);
    ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView2->setDragEnabled(false);
    ListView2->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView2->setFixedHeight(96);
    ListView2->setStyleSheet(QStringLiteral("QListWidget { background: #f7f9fc; }"));
    for (const QString& name : shortcutNames()) ListView2->AddAction(Action(name));
    layout->addWidget(ListView2);

    for (TActionListView* view : {ListView1, ListView2})
        connect(view, &TActionListView::hintChanged, this, [this](const QString& hint) { lblHint2->setText(hint); });
    return panel;
}

void TmainSlFrm::fillPage(const QStringList& actionNames, bool capture)
{
    if (capture) ListView1->CaptureDesktop();
    ListView1->clear();
    for (const QString& name : actionNames)
        if (QAction* a = Action(name)) ListView1->AddAction(a);
    ListView1->ApplyDesktop();
    updateDesktopMenu();
}

void TmainSlFrm::ShowSalesPage(bool capture)
{
    imgSale1->SetSelected(true);
    imgSale1->SetHoverable(false);
    imgFinance1->SetSelected(false);
    imgFinance1->SetHoverable(true);
    fillPage(salesPage(), capture);
}

void TmainSlFrm::ShowFinancePage()
{
    imgFinance1->SetSelected(true);
    imgFinance1->SetHoverable(false);
    imgSale1->SetSelected(false);
    imgSale1->SetHoverable(true);
    fillPage(financePage(), true);
}

void TmainSlFrm::updateDesktopMenu()
{
    const int selected = ListView1->SelectedInOrder().size();
    OpenItem1->setEnabled(selected == 1);
    AlignTopItem1->setEnabled(selected > 1);
    AlignLeftItem1->setEnabled(selected > 1);
}

void TmainSlFrm::updateStatus()
{
    const TOperator& op = CurrentOperator();
    QString text = QStringLiteral("当前操作员: %1").arg(op.LoginId);
    if (!op.Name.isEmpty() && op.Name != op.LoginId) text += QStringLiteral(" (%1)").arg(op.Name);
    if (!CurrentCompany().CompanyName.isEmpty())
        text += QStringLiteral("        %1").arg(CurrentCompany().CompanyName);
    lblStatus1->setText(text);
}

bool TmainSlFrm::Login(bool first)
{
    const QString previous = CurrentOperator().LoginId;
    const bool ok = (first && TLogin::FromParameters(m_parameters)) || RunLoginDialog(this);
    if (!ok) return false;
    // The desktop left by the previous operator is kept before the new one's is shown.
    if (!first && !previous.isEmpty()) {
        ListView1->CaptureDesktop();
        ListView1->SaveDesktop(previous);
    }
    afterLogin();
    return true;
}

void TmainSlFrm::afterLogin()
{
    ListView1->LoadDesktop(m_actions, CurrentOperator().LoginId);
    ShowSalesPage(false);
    updateStatus();
}

void TmainSlFrm::RebuildToolsMenu()
{
    const QList<QAction*> items = ToolsMenu1->actions();
    for (int i = 5; i < items.size(); ++i) {
        ToolsMenu1->removeAction(items[i]);
        items[i]->deleteLater();
    }
    for (const TLink& link : TLink::LoadAll()) {
        QAction* a = ToolsMenu1->addAction(link.Title);
        a->setToolTip(link.Note);
        a->setStatusTip(link.Note);
        a->setData(link.Id);
        const int id = link.Id;
        connect(a, &QAction::triggered, this, [id] {
            TLink l;
            if (l.LoadLink(id)) l.Run();
        });
    }
}

void TmainSlFrm::openTextFile(const QString& name)
{
    QString path = AppHome::ResourcePath(name);
    if (path.isEmpty()) path = QStringLiteral("%1/%2").arg(QApplication::applicationDirPath(), name);
    Platform::Shell().Open(path);
}

void TmainSlFrm::SaveAndDisconnect()
{
    const QString loginId = CurrentOperator().LoginId;
    auto step = [](const std::function<void()>& run) {
        try {
            run();
        } catch (const EAbort&) {
        } catch (const EDatabaseError& e) {
            ShowInfo(e.Message());
        } catch (const EMqError& e) {
            ShowInfo(e.Message());
        } catch (const std::exception& e) {
            ShowInfo(QString::fromUtf8(e.what()));
        }
    };
    if (GlobalDatabase().Connected() && !loginId.isEmpty()) {
        step([&] {
            ListView1->CaptureDesktop();
            ListView1->SaveDesktop(loginId);
        });
        step([&] {
            if (GlobalKeyValue().FeedbackPrompt() && Mall().HasWindow(MallWindow::Feedback))
                Mall().Open(MallWindow::Feedback, this);
        });
        step([&] {
            if (Mall().HasWindow(MallWindow::AutoBackup)) Mall().Open(MallWindow::AutoBackup, this);
        });
    }
    GlobalDatabase().SetConnected(false);
}

void TmainSlFrm::closeEvent(QCloseEvent* event)
{
    if (m_shutDown) {
        TaFrm::closeEvent(event);
        return;
    }
    // Every other window closes first; one that refuses (unsaved work kept) stops the exit.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible() && !w->close()) {
            event->ignore();
            return;
        }
    }
    QApplication::processEvents();
    m_shutDown = true;
    hide();
    SaveAndDisconnect();
    TaFrm::closeEvent(event);
    Q_EMIT ShutDown();
}

bool TmainSlFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == imgTitle1 && event->type() == QEvent::MouseButtonRelease) {
        Platform::Shell().Open(TProduct::WebSite());
        return true;
    }
    return TaFrm::eventFilter(watched, event);
}
