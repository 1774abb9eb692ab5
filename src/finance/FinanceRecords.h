#pragma once
#include "BillPattern.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The plain records of the finance documents. They are values: windows keep copies, and a
// failed save leaves the caller's copy as it was. Amounts are stored as entered (positive) and
// multiplied by the document's Sign wherever they are added up.

// Receipt (收款单): money received from one client, partly allocated to deliveries.
struct RReceiptdl : RBillLine {
    int SaleId = 0;    // the delivery settled (sale.Id)
    QString SaleCode;  // its Code; outstanding amounts are matched through it
    QString Saleman;   // the delivery's salesman, for display
    std::optional<QDate> SaleDate;
    std::optional<double> ShldFund;  // the delivery's total (as stored, or signed when picked)
    std::optional<double> RecpFund;
    double dlPayFund = 0.0;  // settled this time (本次结算)
    double dlDisFund = 0.0;  // discount granted this time (本次折让)
    QString dlNote;
};
using RReceiptdls = QList<RReceiptdl>;

struct RReceipt : RBillStamp {
    QDate BizDate;
    std::optional<int> ClientId;
    QString ClientName;
    double Prefund = 0.0;    // advance, not allocated (预收)
    double OtherFund = 0.0;  // other money (其他)
    double PayFund = 0.0;    // sum of the lines' dlPayFund
    double DisFund = 0.0;    // sum of the lines' dlDisFund
    double TotalFund = 0.0;  // Prefund + OtherFund + PayFund; filled on load, not stored
    int Sign = 1;            // 1 received (收入), -1 paid back (退回)
    std::optional<int> BankId;
    std::optional<int> HandmanId;
    std::optional<int> DeptId;
    QString BankName;
    QString HandmanName;
    QString DeptName;
    QString Note;
    RReceiptdls Lines;
};

// Sales invoice (发票): a tax invoice over delivery lines. Only the link to the delivery line and
// the remark are stored per line; the rest shows the delivery line.
struct RSlInvdl : RBillLine {
    int SaledlId = 0;  // the delivery line invoiced (saledl.dlId)
    int WareId = 0;
    QString WareLookId;
    QString WareName;
    QString WareCode;
    QString WarePartNo;
    QString WareBrand;
    QString WarePackage;
    QString WareUnit;
    QString WareBarcode;
    QString WareColor;
    QString WareSize;
    QString WareProp;
    std::optional<double> UnitRate;
    QString UnitName;
    std::optional<double> Qty;
    std::optional<double> Price;
    std::optional<double> Fund;
    std::optional<double> Tax;
    std::optional<double> PurePrice;
    QString dlNote;
    QString OrderCode;
    QString PlanCode;
    QString AppCode;
};
using RSlInvdls = QList<RSlInvdl>;

struct RSlInv : RBillStamp {
    QString InvCode;  // 发票代码
    QString InvNo;    // 发票号码
    std::optional<QDate> InvDate;
    int ClientId = -1;  // -1: none
    int HandmanId = -1;
    std::optional<double> TotalFund;
    QString Note;
    QString ClientName;
    QString HandmanName;
    RSlInvdls Lines;
};

// Other receivable (其他应收): raises (Sign 1) or lowers (-1) what a client owes.
struct RShldin : RBillStamp {
    QDate BizDate;
    std::optional<int> ClientId;
    std::optional<int> ItemId;
    std::optional<int> HandmanId;
    std::optional<int> DeptId;
    QString ClientName;
    QString ItemName;
    QString HandmanName;
    QString DeptName;
    double Fund = 0.0;
    int Sign = 1;
    QString Note;
};

// Expense voucher (费用开支): money spent (or taken in) under an expense item.
struct ROutlay : RBillStamp {
    QDate BizDate;
    std::optional<int> Sign;  // 1 增加, -1 减少; none until chosen
    std::optional<int> ItemId;
    std::optional<int> BankId;
    std::optional<int> ClientId;
    std::optional<int> HandmanId;
    std::optional<int> DeptId;
    std::optional<int> SalemanId;
    QString ItemName;
    QString BankName;
    QString ClientName;
    QString HandmanName;
    QString DeptName;
    QString SalemanName;
    double Fund = 0.0;
    QString Note;
};

// Bill type codes of the window facade.
namespace FinanceBillTypes {
constexpr int Receipt = 11;
constexpr int Shldin = 12;
constexpr int SlInv = 15;
constexpr int Outlay = 16;
}  // namespace FinanceBillTypes

// Right numbers of the finance documents.
namespace FinanceRights {
constexpr int ShldinEntry = 23;
constexpr int ReceiptEntry = 24;
constexpr int ShldinCheck = 25;
constexpr int ReceiptCheck = 26;
constexpr int OutlayEntry = 63;
constexpr int OutlayCheck = 64;
constexpr int SlInvCheck = 69;
constexpr int SlInvEntry = 70;
}  // namespace FinanceRights
