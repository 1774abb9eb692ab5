#pragma once
#include <QHash>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <functional>

// Windows and commands the facade opens by name. The libraries that build them register them
// at start (WindowRegistry.cpp); the facade enforces each one's right first.
namespace MallWindow {
inline constexpr char ClientList[] = "ClientList";              // right 10
inline constexpr char WareList[] = "WareList";                  // right 1014, sales variant
inline constexpr char EmployeeList[] = "EmployeeList";          // right 1011
inline constexpr char HouseList[] = "HouseList";                // right 2013, caption "仓库"
inline constexpr char BankList[] = "BankList";                  // right 1052
inline constexpr char UnitList[] = "UnitList";                  // right 62
inline constexpr char ShldinItemList[] = "ShldinItemList";      // right 61
inline constexpr char OutlayItemList[] = "OutlayItemList";      // right 65
inline constexpr char SalePlanReport[] = "SalePlanReport";      // right 1060
inline constexpr char QuotReport[] = "QuotReport";              // right 66
inline constexpr char OrderReport[] = "OrderReport";            // right 1053
inline constexpr char OrderSumReport[] = "OrderSumReport";      // right 1053
inline constexpr char SaleReport[] = "SaleReport";              // right 36
inline constexpr char SaleSumReport[] = "SaleSumReport";        // right 66
inline constexpr char ShldinListReport[] = "ShldinListReport";  // right 29
inline constexpr char ShldinBookReport[] = "ShldinBookReport";  // right 29
inline constexpr char OutlayReport[] = "OutlayReport";          // no right
inline constexpr char ProfitReport[] = "ProfitReport";          // right 66
inline constexpr char CompanyInfo[] = "CompanyInfo";            // right 10000
inline constexpr char Operators[] = "Operators";                // right 100001
inline constexpr char Options[] = "Options";                    // right 1008
inline constexpr char ClearData[] = "ClearData";                // right 1009
inline constexpr char Backup[] = "Backup";                      // right 10005
inline constexpr char AutoBackup[] = "AutoBackup";              // run at shutdown; opens nothing
inline constexpr char ToolsSettings[] = "ToolsSettings";        // right 10007
inline constexpr char Notepad[] = "Notepad";
inline constexpr char Calculator[] = "Calculator";
inline constexpr char DailyTips[] = "DailyTips";
inline constexpr char About[] = "About";
inline constexpr char Feedback[] = "Feedback";
}  // namespace MallWindow

// Choosers the facade runs by name (Tmall::Pick).
namespace MallPicker {
inline constexpr char Employee[] = "Employee";  // an employee's Id
}

// A document window the facade opens by bill type: the facade loads the document, or starts an
// empty one when loading fails.
class IBillWindow {
public:
    virtual ~IBillWindow() = default;
    // Shows the document with this Id; false when it cannot be loaded.
    virtual bool LoadBill(int id) = 0;
    // Shows a new, empty document.
    virtual void NewBill() = 0;
};

// The facade: every command of the main window and every document a report or picker asks for
// is opened here, by window name or by bill type and Id.
class Tmall {
public:
    // Creates the window, parented to owner. The facade runs a modal dialog (QDialog::isModal)
    // with exec() and releases it afterwards; any other window is shown non-modally and should
    // free itself when closed (TWinFrm does). A command that opens no window does its work and
    // returns nullptr.
    using TWindowFactory = std::function<QWidget*(QWidget* owner)>;
    // Lets the user choose a record; the chosen Id, or a null value when nothing was chosen.
    using TPicker = std::function<QVariant(QWidget* owner)>;

    struct TBillFactory {
        // The largest Id of the document table; 0 when it is empty.
        std::function<int()> LastId;
        // Creates the document window; the widget must implement IBillWindow.
        std::function<QWidget*(QWidget* owner)> Create;
    };

    void RegisterWindow(const QString& name, TWindowFactory factory);
    void RegisterBill(int billType, TBillFactory factory);
    void RegisterPicker(const QString& name, TPicker picker);
    bool HasWindow(const QString& name) const;
    bool HasBill(int billType) const;
    // Forgets every registration (tests).
    void Clear();

    // Enforces the window's right, then brings an open window of that name to the front or
    // opens a new one. A window that is not installed says so. Returns the window shown, or
    // nullptr.
    QWidget* Open(const QString& name, QWidget* owner = nullptr);
    // Opens the document of a bill type: enforces its right, takes the latest document for
    // an Id of 0 or below, loads it or starts a new one, and shows the window. Type 13 has no
    // document and opens nothing.
    QWidget* ShowBill(int billType, QWidget* owner = nullptr, int id = 0);
    QVariant Pick(const QString& name, QWidget* owner = nullptr);

    // After the first login: an operator who may edit the company information and whose
    // company has no proper name yet is asked to fill it in.
    void StartHook(QWidget* owner = nullptr);

    // The right a named window needs (0: none).
    static int WindowRight(const QString& name);
    // The right a bill type needs to open (0: none).
    static int BillRight(int billType);
    static QString NotInstalledText();

private:
    QHash<QString, TWindowFactory> m_windows;
    QHash<int, TBillFactory> m_bills;
    QHash<QString, TPicker> m_pickers;
    QHash<QString, QPointer<QWidget>> m_open;
};

// The facade of the running program.
Tmall& Mall();
