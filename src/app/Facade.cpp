#include "Facade.h"

#include "Company.h"
#include "Errors.h"
#include "MqLib.h"
#include "Operator.h"
#include "WaitCursor.h"
#include "aFrm.h"

#include <QDialog>
#include <memory>

namespace {

void bringToFront(QWidget* w)
{
    if (w->isMinimized()) w->showNormal();
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace

void Tmall::RegisterWindow(const QString& name, TWindowFactory factory) { m_windows.insert(name, std::move(factory)); }
void Tmall::RegisterBill(int billType, TBillFactory factory) { m_bills.insert(billType, std::move(factory)); }
void Tmall::RegisterPicker(const QString& name, TPicker picker) { m_pickers.insert(name, std::move(picker)); }
bool Tmall::HasWindow(const QString& name) const { return m_windows.contains(name); }
bool Tmall::HasBill(int billType) const { return m_bills.contains(billType); }

void Tmall::Clear()
{
    m_windows.clear();
    m_bills.clear();
    m_pickers.clear();
    m_open.clear();
}

QString Tmall::NotInstalledText() { return QStringLiteral("该功能尚未安装."); }

int Tmall::WindowRight(const QString& name)
{
    static const QHash<QString, int> rights{
        {MallWindow::ClientList, 10},         {MallWindow::WareList, 1014},
        {MallWindow::EmployeeList, 1011},     {MallWindow::HouseList, 2013},
        {MallWindow::BankList, 1052},         {MallWindow::UnitList, 62},
        {MallWindow::ShldinItemList, 61},     {MallWindow::OutlayItemList, 65},
        {MallWindow::SalePlanReport, 1060},   {MallWindow::QuotReport, 66},
        {MallWindow::OrderReport, 1053},      {MallWindow::OrderSumReport, 1053},
        {MallWindow::SaleReport, 36},         {MallWindow::SaleSumReport, 66},
        {MallWindow::ShldinListReport, 29},   {MallWindow::ShldinBookReport, 29},
        {MallWindow::ProfitReport, 66},       {MallWindow::CompanyInfo, 10000},
        {MallWindow::Operators, 100001},      {MallWindow::Options, 1008},
        {MallWindow::ClearData, 1009},        {MallWindow::Backup, 10005},
        {MallWindow::ToolsSettings, 10007},
    };
    return rights.value(name, 0);
}

int Tmall::BillRight(int billType)
{
    switch (billType) {
    case 9: return 1054;
    case 10: return 16;
    case 14: return 59;
    default: return 0;
    }
}

QWidget* Tmall::Open(const QString& name, QWidget* owner)
{
    if (const int right = WindowRight(name)) CurrentOperator().CheckRight(right);
    if (QWidget* open = m_open.value(name); open && open->isVisible()) {
        bringToFront(open);
        return open;
    }
    const auto it = m_windows.constFind(name);
    if (it == m_windows.constEnd()) {
        ShowInfo(NotInstalledText());
        return nullptr;
    }
    std::unique_ptr<QWidget> window;
    {
        TWaitCursor wait;
        window.reset((*it)(owner ? owner : TaFrm::MainWindow()));
    }
    if (!window) return nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(window.get()); dialog && dialog->isModal()) {
        dialog->exec();
        return nullptr;
    }
    QWidget* shown = window.release();
    m_open.insert(name, shown);
    bringToFront(shown);
    return shown;
}

QWidget* Tmall::ShowBill(int billType, QWidget* owner, int id)
{
    if (billType == 13 || billType < 0 || billType > 20) return nullptr;
    if (const int right = BillRight(billType)) CurrentOperator().CheckRight(right);
    const auto it = m_bills.constFind(billType);
    if (it == m_bills.constEnd() || !it->Create) {
        ShowInfo(NotInstalledText());
        return nullptr;
    }
    TWaitCursor wait;
    if (id <= 0) id = it->LastId ? it->LastId() : 0;
    std::unique_ptr<QWidget> window(it->Create(owner));
    auto* bill = dynamic_cast<IBillWindow*>(window.get());
    if (!bill) throw EMqError(QStringLiteral("单据窗口(%1)无法打开.").arg(billType));
    if (id <= 0 || !bill->LoadBill(id)) bill->NewBill();
    QWidget* shown = window.release();
    bringToFront(shown);
    return shown;
}

QVariant Tmall::Pick(const QString& name, QWidget* owner)
{
    const auto it = m_pickers.constFind(name);
    if (it == m_pickers.constEnd()) {
        ShowInfo(NotInstalledText());
        return QVariant();
    }
    return (*it)(owner ? owner : TaFrm::MainWindow());
}

void Tmall::StartHook(QWidget* owner)
{
    if (!CurrentOperator().HasRight(10000) || CurrentCompany().NameIsSet()) return;
    // Before the company window is installed there is nothing to fill it in with.
    if (!HasWindow(MallWindow::CompanyInfo)) return;
    Open(MallWindow::CompanyInfo, owner);
}

Tmall& Mall()
{
    static Tmall mall;
    return mall;
}
