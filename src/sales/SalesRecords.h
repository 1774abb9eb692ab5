#pragma once
#include "BillPattern.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The plain records of the three sales documents. They are values: windows keep copies, and a
// failed save leaves the caller's copy as it was.

// The header every sales document shares.
struct RSalesHead : RBillStamp {
    QString OldCode;  // the user's own document number (单号)
    QDate BizDate;    // business date, no time of day
    std::optional<int> DeptId;
    std::optional<int> SalemanId;
    std::optional<int> ClientId;
    QString DeptName;  // joined names, filled by loading, not stored
    QString SalemanName;
    QString ClientName;
    double TotalFund = 0.0;
    QString Note;
};

// A line of goods: what every sales document line holds.
struct RGoodsLine : RBillLine {
    int WareId = 0;
    // Copied from the goods item for display, not stored with the line.
    QString WareCode;
    QString WareName;
    QString WarePartNo;
    QString WareBrand;
    QString WarePackage;
    QString WareUnit;
    QString WareColor;
    QString WareSize;
    QString WareProp;
    double UnitRate = 1.0;  // base units in one UnitName
    QString UnitName;
    std::optional<double> Qty;
    std::optional<double> Price;
    std::optional<double> Fund;
    QString dlNote;
};

// Quotation (报价单).
struct RQuotdl : RGoodsLine {
};
using RQuotdls = QList<RQuotdl>;

struct RQuot : RSalesHead {
    std::optional<QDate> TimeLimit;  // valid until
    RQuotdls Lines;
};

// Sales order (销售订单).
struct ROrderdl : RGoodsLine {
    std::optional<double> Discount;  // price factor: 1 full price, 0.9 ten per cent off
};
using ROrderdls = QList<ROrderdl>;

struct ROrder : RSalesHead {
    std::optional<int> TypeId;
    QString TypeName;
    std::optional<QDate> TimeLimit;  // delivery deadline
    ROrderdls Lines;
};

// Delivery (销售发货单): an order line plus its link to the order and the prices copied from
// the goods item when the line was made.
struct RSaledl : ROrderdl {
    std::optional<int> OrdlId;  // the order line delivered (slorderfrmdl.dlId)
    QString OrdCode;            // that order's Code, joined on loading
    std::optional<double> CostPrice;
    std::optional<double> InnerPrice;
    std::optional<int> ProfitRate;
};
using RSaledls = QList<RSaledl>;

struct RSale : RSalesHead {
    std::optional<int> TypeId;
    QString TypeName;
    double DiscountFund = 0.0;  // 折让 on the whole delivery
    QString Conveyancer;
    QString Transcode;
    double Transcosts = 0.0;  // freight charged to the client
    RSaledls Lines;
};

// Rows of lists and type tables.
struct ROrdercord {
    int Id = 0;
    QString Code;
};

struct RSaleType {
    int Id = 0;
    QString Name;
    int Sign = 1;
};

struct RslOrderType {
    int Id = 0;
    QString Name;
};

// A row of the price history.
struct RSalePrice {
    QDate BizDate;
    QString BizType;
    std::optional<double> Price;
    std::optional<double> Qty;
    QString UnitName;
    QString ClientName;
    QString dlNote;
    int BillId = 0;
    int BillKind = 0;  // the facade's bill type: 14 quotation, 9 order, 10 delivery
};

// Bill type codes of the window facade.
namespace BillTypes {
constexpr int Order = 9;
constexpr int Sale = 10;
constexpr int Quotation = 14;
}  // namespace BillTypes

// Right numbers of the sales documents.
namespace SalesRights {
constexpr int SaleEntry = 16;
constexpr int SaleCheck = 17;
constexpr int SalePrice = 68;
constexpr int OrderEntry = 1054;
constexpr int OrderCheck = 1055;
constexpr int OrderPrice = 67;
constexpr int OrderStop = 71;
constexpr int OrderTypes = 1008;
constexpr int QuotEntry = 59;
constexpr int QuotCheck = 58;
}  // namespace SalesRights
