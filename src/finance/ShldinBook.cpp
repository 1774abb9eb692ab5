#include "ShldinBook.h"

#include "Criteria.h"
#include "Database.h"
#include "FinanceRecords.h"
#include "Labels.h"
#include "Nullable.h"
#include "Numbers.h"
#include "ReceivableSql.h"
#include "SalesRecords.h"

#include <QHash>
#include <QSqlQuery>
#include <cmath>

namespace {

const QString kOpeningBrief = QStringLiteral("结存");
const QString kReceiptBrief = QStringLiteral("收款 ");
const QString kDiscountBrief = QStringLiteral("折扣 ");
const QString kShldinBrief = QStringLiteral("应收 ");

// The columns every part of the statements selects, then the ledger's goods columns. Names of
// delivery types, departments and receivable items are looked up in memory, not joined per row.
const QString kParts = QStringLiteral("BizDate, Kind, BillId, SortTime, Phase, Sub, Code, BillNote, Amount, Ref, DeptId");
enum TColumn { cDate, cKind, cBillId, cCode, cNote, cAmount, cRef, cDept, cSub, cExtra };
const QString kColumns = QStringLiteral("BizDate, Kind, BillId, Code, BillNote, Amount, Ref, DeptId, Sub");

// The parts joined by "union all" are read in date order: rows of one day by first-save time (a
// document never saved keeps its date), increases before receipts at the same instant, then by
// kind, document and position within the document.
QString ordered(const QString& parts, const QString& columns, const QString& lastKey = QString())
{
    return QStringLiteral("select %1 from (%2) u order by BizDate, SortTime, Phase, Kind, BillId, Sub%3")
        .arg(columns, parts, lastKey.isEmpty() ? QString() : QStringLiteral(", ") + lastKey);
}

QString text(const QVariant& v) { return Nullable::IsNull(v) ? QString() : v.toString(); }

QHash<int, QString> names(const QString& table)
{
    QHash<int, QString> out;
    QSqlQuery q = GlobalDatabase().Select(QStringLiteral("select Id, Name from %1").arg(table), {});
    while (q.next()) out.insert(TField::ToInt(q.value(0)), text(q.value(1)));
    return out;
}

// A delivery type: its sign and the briefs of its rows (delivery or line, freight, discount).
struct TSaleType {
    int Sign = 1;
    QString Brief[3];
};

QHash<int, TSaleType> saleTypes()
{
    QHash<int, TSaleType> out;
    QSqlQuery q = GlobalDatabase().Select(QStringLiteral("select Id, Name, Sign from saletype"), {});
    while (q.next()) {
        TSaleType t;
        const QString name = text(q.value(1));
        t.Sign = TField::ToInt(q.value(2));
        t.Brief[0] = name;
        t.Brief[1] = name + QStringLiteral(" 运费");
        t.Brief[2] = name + QStringLiteral(" 折让");
        out.insert(TField::ToInt(q.value(0)), t);
    }
    return out;
}

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

    const QHash<int, TSaleType> types = saleTypes();
    const QHash<int, QString> depts = names(QStringLiteral("departments"));
    const QHash<int, QString> items = names(QStringLiteral("shouldin_item"));
    QSqlQuery q = GlobalDatabase().Select(sql, {});
    while (q.next()) {
        const int kind = TField::ToInt(q.value(cKind));
        const int sub = TField::ToInt(q.value(cSub));
        double x = TField::ToFloat(q.value(cAmount));
        QString brief;
        if (kind == BillTypes::Sale) {
            // Only deliveries of a known type count, as in the balances.
            const auto t = types.constFind(TField::ToInt(q.value(cRef)));
            if (t == types.cend()) continue;
            x *= t->Sign;
            brief = t->Brief[qBound(0, sub, 2)];
        } else if (kind == FinanceBillTypes::Shldin) {
            brief = kShldinBrief + items.value(TField::ToInt(q.value(cRef)));
        } else {
            brief = sub == 0 ? kReceiptBrief : kDiscountBrief;
        }
        QVector<QVariant> r(width);
        r[BizDateFld->Index()] = Nullable::Of(TField::ToDate(q.value(cDate)));
        r[BillCodeFld->Index()] = text(q.value(cCode));
        r[BillNoteFld->Index()] = text(q.value(cNote));
        r[DeptNameFld->Index()] = q.isNull(cDept) ? QString() : depts.value(TField::ToInt(q.value(cDept)));
        r[BriefFld->Index()] = brief;
        r[TypeIdFld->Index()] = kind;
        r[BillIdFld->Index()] = TField::ToInt(q.value(cBillId));
        r[(x > 0 ? InFundFld : OutFundFld)->Index()] = std::abs(x);
        balance = Numbers::RoundTo(balance + x, 2);
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
    const QString parts =
        QStringLiteral("select m.BizDate as BizDate, %1 as Kind, m.Id as BillId, coalesce(m.BillTime, m.BizDate) as "
                       "SortTime, 0 as Phase, 0 as Sub, m.Code as Code, m.[Note] as BillNote, m.TotalFund as Amount, "
                       "m.TypeId as Ref, m.DeptId as DeptId from sale m where 1=1%2")
            .arg(BillTypes::Sale)
            .arg(where)
        + QStringLiteral(" union all select m.BizDate, %1, m.Id, coalesce(m.BillTime, m.BizDate), 0, 0, m.Code, m.[Note], "
                         "%2, m.ItemId, null from shouldin m where 1=1%3")
              .arg(FinanceBillTypes::Shldin)
              .arg(ShldinAmount(), where)
        + QStringLiteral(" union all select m.BizDate, %1, m.Id, coalesce(m.BillTime, m.BizDate), 1, 0, m.Code, m.[Note], "
                         "-%2, null, null from receipt m where 1=1%3")
              .arg(FinanceBillTypes::Receipt)
              .arg(ReceiptMoney(), where)
        + QStringLiteral(" union all select m.BizDate, %1, m.Id, coalesce(m.BillTime, m.BizDate), 1, 1, m.Code, m.[Note], "
                         "-m.Sign*m.DisFund, null, null from receipt m where m.DisFund<>0%2")
              .arg(FinanceBillTypes::Receipt)
              .arg(where);
    return Fill(clientId, begin, ordered(parts, kColumns), {});
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
    // The goods of the client's lines in the period, each read once.
    struct TWare {
        QString LookId, Code, Name, PartNo, Brand, Package, Unit;
    };
    QHash<int, TWare> wares;
    {
        QSqlQuery q = GlobalDatabase().Select(
            QStringLiteral("select w.Id, w.LookId, w.Code, w.Name, w.PartNo, w.Brand, w.Package, w.Unit from ware w where "
                           "w.Id in (select d.WareId from sale m inner join saledl d on m.Id=d.MastId where 1=1%1)")
                .arg(where),
            {});
        while (q.next())
            wares.insert(TField::ToInt(q.value(0)), TWare{text(q.value(1)), text(q.value(2)), text(q.value(3)),
                                                         text(q.value(4)), text(q.value(5)), text(q.value(6)),
                                                         text(q.value(7))});
    }
    // Parts without goods fill the goods columns with nulls.
    const QString noGoods = QStringLiteral(", null, null, null, null, null, null, null, null, null, null, 0");
    const int sale = BillTypes::Sale;
    const QString parts =
        QStringLiteral("select m.BizDate as BizDate, %1 as Kind, m.Id as BillId, coalesce(m.BillTime, m.BizDate) as "
                       "SortTime, 0 as Phase, 0 as Sub, m.Code as Code, m.[Note] as BillNote, d.Fund as Amount, m.TypeId "
                       "as Ref, m.DeptId as DeptId, d.WareId as WareId, d.Qty as Qty, d.Price as Price, d.dlNote as "
                       "dlNote, d.UnitName as UnitName, d.WareColor as WareColor, d.WareSize as WareSize, d.WareProp as "
                       "WareProp, im.InvDate as InvDate, im.InvNo as InvNo, d.dlId as LineId from (((sale m inner join "
                       "saledl d on m.Id=d.MastId) left join slinvfrmdl id on id.SaledlId=d.dlId) left join slinvfrm im "
                       "on im.Id=id.MastId) where 1=1%2")
            .arg(sale)
            .arg(where)
        + QStringLiteral(" union all select m.BizDate, %1, m.Id, coalesce(m.BillTime, m.BizDate), 0, 1, m.Code, m.[Note], "
                         "m.Transcosts, m.TypeId, m.DeptId%2 from sale m where m.Transcosts<>0%3")
              .arg(sale)
              .arg(noGoods, where)
        + QStringLiteral(" union all select m.BizDate, %1, m.Id, coalesce(m.BillTime, m.BizDate), 0, 2, m.Code, m.[Note], "
                         "-m.DiscountFund, m.TypeId, m.DeptId%2 from sale m where m.DiscountFund<>0%3")
              .arg(sale)
              .arg(noGoods, where)
        + QStringLiteral(" union all select m.BizDate, %1, m.Id, coalesce(m.BillTime, m.BizDate), 0, 0, m.Code, m.[Note], "
                         "%2, m.ItemId, null%3 from shouldin m where 1=1%4")
              .arg(FinanceBillTypes::Shldin)
              .arg(ShldinAmount(), noGoods, where)
        + QStringLiteral(" union all select m.BizDate, %1, m.Id, coalesce(m.BillTime, m.BizDate), 1, 0, m.Code, m.[Note], "
                         "-%2, null, null%3 from receipt m where 1=1%4")
              .arg(FinanceBillTypes::Receipt)
              .arg(ReceiptMoney(), noGoods, where)
        + QStringLiteral(" union all select m.BizDate, %1, m.Id, coalesce(m.BillTime, m.BizDate), 1, 1, m.Code, m.[Note], "
                         "-m.Sign*m.DisFund, null, null%2 from receipt m where m.DisFund<>0%3")
              .arg(FinanceBillTypes::Receipt)
              .arg(noGoods, where);
    const QString columns = kColumns + QStringLiteral(", WareId, Qty, Price, dlNote, UnitName, WareColor, WareSize, "
                                                      "WareProp, InvDate, InvNo");
    return Fill(clientId, begin, ordered(parts, columns, QStringLiteral("LineId")),
                [this, &wares](const QSqlQuery& q, QVector<QVariant>& r) {
                    const auto at = [&](int i) { return q.value(cExtra + i); };
                    if (TField::ToInt(q.value(cKind)) != BillTypes::Sale || TField::ToInt(q.value(cSub)) != 0) return;
                    const int wareId = TField::ToInt(at(0));
                    r[WareIdFld->Index()] = Nullable::Of(Nullable::Int(at(0)));
                    if (!q.isNull(cExtra + 1)) r[QtyFld->Index()] = TField::ToFloat(at(1));
                    if (!q.isNull(cExtra + 2)) r[PriceFld->Index()] = TField::ToFloat(at(2));
                    r[dlNoteFld->Index()] = text(at(3));
                    r[UnitNameFld->Index()] = text(at(4));
                    r[WareColorFld->Index()] = text(at(5));
                    r[WareSizeFld->Index()] = text(at(6));
                    r[WarePropFld->Index()] = text(at(7));
                    r[InvDateFld->Index()] = Nullable::Of(TField::ToDate(at(8)));
                    r[InvNoFld->Index()] = text(at(9));
                    const auto w = wares.constFind(wareId);
                    if (w == wares.cend()) return;
                    r[WareLookIdFld->Index()] = w->LookId;
                    r[WareCodeFld->Index()] = w->Code;
                    r[WareNameFld->Index()] = w->Name;
                    r[WarePartNoFld->Index()] = w->PartNo;
                    r[WareBrandFld->Index()] = w->Brand;
                    r[WarePackageFld->Index()] = w->Package;
                    r[WareUnitFld->Index()] = w->Unit;
                });
}
