#include "ShldinBook.h"

#include "Criteria.h"
#include "Database.h"
#include "FinanceRecords.h"
#include "Labels.h"
#include "Nullable.h"
#include "Numbers.h"
#include "ReceivableSql.h"
#include "SalesRecords.h"

#include <QSqlQuery>
#include <cmath>

namespace {

const QString kOpeningBrief = QStringLiteral("结存");

// Columns every part of the statements starts with, in this order.
enum TColumn { cDate, cBrief, cAmount, cType, cBillId, cSortTime, cPhase, cSub, cCode, cNote, cDept, cExtra };

// Rows of one day by first-save time (a document never saved keeps its date), increases before
// receipts at the same instant, then by kind, document and position within the document.
const QString kOrder = QStringLiteral(" order by BizDate, SortTime, Phase, TypeId, BillId, Sub");

QString text(const QVariant& v) { return Nullable::IsNull(v) ? QString() : v.toString(); }

}  // namespace

// --- TShldinBook -------------------------------------------------------------------------------

TShldinBook::TShldinBook(QObject* parent) : TShldinBook(parent, true) {}

TShldinBook::TShldinBook(QObject* parent, bool declare) : TMqClientDataSet(parent)
{
    if (!declare) return;
    DeclareDateBrief();
    DeclareAmounts();
    DeclareBill();
    CreateDataSet();
}

void TShldinBook::DeclareDateBrief()
{
    BizDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("BizDate"), 0, true, QStringLiteral("日期"));
    BriefFld = AddFieldDef(TFieldType::String, QStringLiteral("Brief"), 30, true, QStringLiteral("摘要"));
}

void TShldinBook::DeclareAmounts()
{
    InFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("InFund"), 0, true, QStringLiteral("应收款|增加"));
    OutFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("OutFund"), 0, true, QStringLiteral("应收款|减少"));
    BalanceFld = AddFieldDef(TFieldType::Float, QStringLiteral("BalanceFund"), 0, true, QStringLiteral("应收款|结余"));
    for (TField* f : {InFundFld, OutFundFld, BalanceFld}) f->SetDisplayFormat(QStringLiteral("0.00"));
}

void TShldinBook::DeclareBill()
{
    BillIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("BillId"), 0, false, QString());
    TypeIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("TypeId"), 0, false, QString());
    BillCodeFld = AddFieldDef(TFieldType::String, QStringLiteral("BillCode"), 30, true, QStringLiteral("编号"));
    BillNoteFld = AddFieldDef(TFieldType::String, QStringLiteral("BillNote"), 50, true, QStringLiteral("备注"));
    DeptNameFld = AddFieldDef(TFieldType::String, QStringLiteral("DeptName"), 30, true, QStringLiteral("部门"));
}

QString TShldinBook::PeriodConditions(int clientId, const TDateBound& end, const TDateBound& begin)
{
    TCriteria c;
    c.Add(QStringLiteral("m.ClientId=%1").arg(clientId));
    if (begin) c.Date(QStringLiteral("m.BizDate"), QStringLiteral(">="), *begin);
    if (end) c.Date(QStringLiteral("m.BizDate"), QStringLiteral("<="), *end);
    return c.Text();
}

double TShldinBook::Fill(int clientId, const TDateBound& begin, const QString& sql, const TExtraColumns& extra)
{
    TDataSet* ds = DataSet();
    const int width = ds->FieldCount();
    std::vector<QVector<QVariant>> rows;

    // The opening row: what the client owed before the period.
    double balance = 0.0;
    if (begin) {
        TShldinFundCalc before;
        before.Prepare(clientId, 0, begin->addDays(-1), std::nullopt);
        balance = Numbers::RoundTo(before.Totals(clientId).Balance(), 2);
    }
    {
        QVector<QVariant> r(width);
        r[TypeIdFld->Index()] = OpeningType;
        r[BizDateFld->Index()] = begin ? QVariant(begin->addDays(-1)) : QVariant();
        r[BriefFld->Index()] = kOpeningBrief;
        r[BalanceFld->Index()] = balance;
        rows.push_back(std::move(r));
    }

    QSqlQuery q = GlobalDatabase().Select(sql, {});
    while (q.next()) {
        QVector<QVariant> r(width);
        r[BizDateFld->Index()] = Nullable::Of(TField::ToDate(q.value(cDate)));
        r[BillCodeFld->Index()] = text(q.value(cCode));
        r[BillNoteFld->Index()] = text(q.value(cNote));
        r[DeptNameFld->Index()] = text(q.value(cDept));
        r[BriefFld->Index()] = text(q.value(cBrief));
        r[TypeIdFld->Index()] = TField::ToInt(q.value(cType));
        r[BillIdFld->Index()] = TField::ToInt(q.value(cBillId));
        const double x = TField::ToFloat(q.value(cAmount));
        r[(x > 0 ? InFundFld : OutFundFld)->Index()] = std::abs(x);
        balance += x;
        balance = Numbers::RoundTo(balance, 2);
        r[BalanceFld->Index()] = balance;
        if (extra) extra(q, r);
        rows.push_back(std::move(r));
    }
    ds->DisableControls();
    ds->LoadRows(std::move(rows));
    ds->First();
    ds->EnableControls();
    StopTiming();
    return Duration();
}

double TShldinBook::Compute(int clientId, const TDateBound& end, const TDateBound& begin)
{
    using namespace ReceivableSql;
    StartTiming();
    const QString where = PeriodConditions(clientId, end, begin);
    const QString sql =
        QStringLiteral("select m.BizDate as BizDate, t.Name as Brief, %1 as Amount, %2 as TypeId, m.Id as BillId, "
                       "coalesce(m.BillTime, m.BizDate) as SortTime, 0 as Phase, 0 as Sub, m.Code as Code, m.[Note] as "
                       "BillNote, h.Name as DeptName from ((sale m inner join saletype t on m.TypeId=t.Id) left join "
                       "departments h on h.Id=m.DeptId) where 1=1%3")
            .arg(SaleAmount())
            .arg(BillTypes::Sale)
            .arg(where)
        + QStringLiteral(" union all select m.BizDate, '应收 '||coalesce(i.Name,''), %1, %2, m.Id, coalesce(m.BillTime, "
                         "m.BizDate), 0, 0, m.Code, m.[Note], null from shouldin m left join shouldin_item i on "
                         "i.Id=m.ItemId where 1=1%3")
              .arg(ShldinAmount())
              .arg(FinanceBillTypes::Shldin)
              .arg(where)
        + QStringLiteral(" union all select m.BizDate, '收款 ', -%1, %2, m.Id, coalesce(m.BillTime, m.BizDate), 1, 0, "
                         "m.Code, m.[Note], null from receipt m where 1=1%3")
              .arg(ReceiptMoney())
              .arg(FinanceBillTypes::Receipt)
              .arg(where)
        + QStringLiteral(" union all select m.BizDate, '折扣 ', -m.Sign*m.DisFund, %1, m.Id, coalesce(m.BillTime, "
                         "m.BizDate), 1, 1, m.Code, m.[Note], null from receipt m where m.DisFund<>0%2")
              .arg(FinanceBillTypes::Receipt)
              .arg(where)
        + kOrder;
    return Fill(clientId, begin, sql, {});
}

// --- TShldinBookdl -----------------------------------------------------------------------------

TShldinBookdl::TShldinBookdl(QObject* parent) : TShldinBook(parent, false)
{
    const auto text = [this](const char* name, int size, const QString& label) {
        return AddFieldDef(TFieldType::String, QString::fromLatin1(name), size, true, label);
    };
    DeclareDateBrief();
    WareIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("WareId"), 0, false, QString());
    WareLookIdFld = text("WareLookId", 50, QStringLiteral("助查码"));
    WareCodeFld = text("WareCode", 50, TCaptions::WareS01());
    WareNameFld = text("WareName", 50, TCaptions::WareS02());
    WarePartNoFld = text("WarePartNo", 250, TCaptions::WareS04());
    WareBrandFld = text("WareBrand", 50, TCaptions::WareS05());
    WarePackageFld = text("WarePackage", 50, TCaptions::WareS06());
    WareUnitFld = text("WareUnit", 30, TCaptions::WareS12());
    WareColorFld = text("WareColor", 30, TCaptions::WareColorLabel());
    WareSizeFld = text("WareSize", 30, TCaptions::WareSizeLabel());
    WarePropFld = text("WareProp", 30, TCaptions::WarePropLabel());
    UnitNameFld = text("UnitName", 50, QStringLiteral("单位"));
    QtyFld = AddFieldDef(TFieldType::Float, QStringLiteral("Qty"), 0, true, QStringLiteral("数量"));
    PriceFld = AddFieldDef(TFieldType::Float, QStringLiteral("Price"), 0, true, QStringLiteral("单价"));
    DeclareAmounts();
    InvDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("InvDate"), 0, true, QStringLiteral("发票日期"));
    InvNoFld = text("InvNo", 50, QStringLiteral("发票号码"));
    DeclareBill();
    dlNoteFld = text("dlNote", 50, QStringLiteral("明细备注"));
    CreateDataSet();
}

double TShldinBookdl::Compute(int clientId, const TDateBound& end, const TDateBound& begin)
{
    using namespace ReceivableSql;
    StartTiming();
    const QString where = PeriodConditions(clientId, end, begin);
    // Parts without goods fill the goods columns with nulls.
    const QString noGoods = QStringLiteral(", null, null, null, null, null, null, null, null, null, null, null, null, "
                                           "null, null, null, null, null, 0");
    const int sale = BillTypes::Sale;
    const QString sql =
        QStringLiteral("select m.BizDate as BizDate, t.Name as Brief, t.Sign*d.Fund as Amount, %1 as TypeId, m.Id as "
                       "BillId, coalesce(m.BillTime, m.BizDate) as SortTime, 0 as Phase, 0 as Sub, m.Code as Code, "
                       "m.[Note] as BillNote, h.Name as DeptName, d.WareId as WareId, d.Qty as Qty, d.Price as Price, "
                       "d.dlNote as dlNote, d.UnitName as UnitName, w.LookId as WareLookId, w.Code as WareCode, w.Name "
                       "as WareName, w.PartNo as WarePartNo, w.Brand as WareBrand, w.Package as WarePackage, w.Unit as "
                       "WareUnit, d.WareColor as WareColor, d.WareSize as WareSize, d.WareProp as WareProp, im.InvDate "
                       "as InvDate, im.InvNo as InvNo, d.dlId as LineId from ((((((sale m inner join saledl d on "
                       "m.Id=d.MastId) inner join saletype t on m.TypeId=t.Id) left join departments h on h.Id=m.DeptId) "
                       "left join ware w on w.Id=d.WareId) left join slinvfrmdl id on id.SaledlId=d.dlId) left join "
                       "slinvfrm im on im.Id=id.MastId) where 1=1%2")
            .arg(sale)
            .arg(where)
        + QStringLiteral(" union all select m.BizDate, t.Name||' 运费', t.Sign*m.Transcosts, %1, m.Id, "
                         "coalesce(m.BillTime, m.BizDate), 0, 1, m.Code, m.[Note], h.Name%2 from ((sale m inner join "
                         "saletype t on m.TypeId=t.Id) left join departments h on h.Id=m.DeptId) where m.Transcosts<>0%3")
              .arg(sale)
              .arg(noGoods, where)
        + QStringLiteral(" union all select m.BizDate, t.Name||' 折让', -1*t.Sign*m.DiscountFund, %1, m.Id, "
                         "coalesce(m.BillTime, m.BizDate), 0, 2, m.Code, m.[Note], h.Name%2 from ((sale m inner join "
                         "saletype t on m.TypeId=t.Id) left join departments h on h.Id=m.DeptId) where m.DiscountFund<>0%3")
              .arg(sale)
              .arg(noGoods, where)
        + QStringLiteral(" union all select m.BizDate, '应收 '||coalesce(i.Name,''), %1, %2, m.Id, coalesce(m.BillTime, "
                         "m.BizDate), 0, 0, m.Code, m.[Note], null%3 from shouldin m left join shouldin_item i on "
                         "i.Id=m.ItemId where 1=1%4")
              .arg(ShldinAmount())
              .arg(FinanceBillTypes::Shldin)
              .arg(noGoods, where)
        + QStringLiteral(" union all select m.BizDate, '收款 ', -%1, %2, m.Id, coalesce(m.BillTime, m.BizDate), 1, 0, "
                         "m.Code, m.[Note], null%3 from receipt m where 1=1%4")
              .arg(ReceiptMoney())
              .arg(FinanceBillTypes::Receipt)
              .arg(noGoods, where)
        + QStringLiteral(" union all select m.BizDate, '折扣 ', -m.Sign*m.DisFund, %1, m.Id, coalesce(m.BillTime, "
                         "m.BizDate), 1, 1, m.Code, m.[Note], null%2 from receipt m where m.DisFund<>0%3")
              .arg(FinanceBillTypes::Receipt)
              .arg(noGoods, where)
        + kOrder + QStringLiteral(", LineId");
    return Fill(clientId, begin, sql, [this](const QSqlQuery& q, QVector<QVariant>& r) {
        const auto at = [&](int i) { return q.value(cExtra + i); };
        r[WareIdFld->Index()] = Nullable::Of(Nullable::Int(at(0)));
        if (!Nullable::IsNull(at(1))) r[QtyFld->Index()] = TField::ToFloat(at(1));
        if (!Nullable::IsNull(at(2))) r[PriceFld->Index()] = TField::ToFloat(at(2));
        r[dlNoteFld->Index()] = text(at(3));
        r[UnitNameFld->Index()] = text(at(4));
        r[WareLookIdFld->Index()] = text(at(5));
        r[WareCodeFld->Index()] = text(at(6));
        r[WareNameFld->Index()] = text(at(7));
        r[WarePartNoFld->Index()] = text(at(8));
        r[WareBrandFld->Index()] = text(at(9));
        r[WarePackageFld->Index()] = text(at(10));
        r[WareUnitFld->Index()] = text(at(11));
        r[WareColorFld->Index()] = text(at(12));
        r[WareSizeFld->Index()] = text(at(13));
        r[WarePropFld->Index()] = text(at(14));
        r[InvDateFld->Index()] = Nullable::Of(TField::ToDate(at(15)));
        r[InvNoFld->Index()] = text(at(16));
    });
}
