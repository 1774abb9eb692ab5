#include "SlInvBill.h"

#include "Nullable.h"
#include "Numbers.h"
#include "Operator.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kMsgDuplicate = QStringLiteral("\r\n明细第 %1 行与第 %2 行的记录重复.");

QVariant idOrNull(int id) { return id > 0 ? QVariant(id) : QVariant(); }

struct RSaleLine {
    RSlInvdl Line;
    int ClientId = -1;
    int SalemanId = -1;
};

// The delivery lines as invoice lines, by delivery line Id; each remembers its client and salesman.
QHash<int, RSaleLine> readSaleLines(const QList<int>& saledlIds)
{
    QHash<int, RSaleLine> found;
    QStringList ids;
    for (int id : saledlIds) ids << QString::number(id);
    if (ids.isEmpty()) return found;
    ids.removeDuplicates();
    QSqlQuery q = GlobalDatabase().Select(
        QStringLiteral("select d.dlId, d.WareId, d.UnitRate, d.UnitName, d.WareColor, d.WareSize, d.WareProp, "
                       "t.Sign*d.Qty as Qty, d.Price, t.Sign*d.Fund as Fund, d.dlNote, m.ClientId, m.SalemanId, "
                       "w.LookId, w.Name, w.Code, w.PartNo, w.Brand, w.Package, w.Unit, w.Barcode from (((saledl d "
                       "inner join sale m on m.Id=d.MastId) left join saletype t on t.Id=m.TypeId) left join ware w "
                       "on w.Id=d.WareId) where d.dlId in (%1)")
            .arg(ids.join(u',')),
        {});
    while (q.next()) {
        const QSqlRecord rec = q.record();
        const TBillRow r(rec);
        RSaleLine s;
        RSlInvdl& l = s.Line;
        l.SaledlId = r.Int(QStringLiteral("dlId"));
        l.WareId = r.Int(QStringLiteral("WareId"));
        l.UnitRate = r.OptNum(QStringLiteral("UnitRate"));
        l.UnitName = r.Text(QStringLiteral("UnitName"));
        l.WareColor = r.Text(QStringLiteral("WareColor"));
        l.WareSize = r.Text(QStringLiteral("WareSize"));
        l.WareProp = r.Text(QStringLiteral("WareProp"));
        l.Qty = r.OptNum(QStringLiteral("Qty"));
        l.Price = r.OptNum(QStringLiteral("Price"));
        l.Fund = r.OptNum(QStringLiteral("Fund"));
        l.dlNote = r.Text(QStringLiteral("dlNote"));
        l.WareLookId = r.Text(QStringLiteral("LookId"));
        l.WareName = r.Text(QStringLiteral("Name"));
        l.WareCode = r.Text(QStringLiteral("Code"));
        l.WarePartNo = r.Text(QStringLiteral("PartNo"));
        l.WareBrand = r.Text(QStringLiteral("Brand"));
        l.WarePackage = r.Text(QStringLiteral("Package"));
        l.WareUnit = r.Text(QStringLiteral("Unit"));
        l.WareBarcode = r.Text(QStringLiteral("Barcode"));
        s.ClientId = r.OptInt(QStringLiteral("ClientId")).value_or(-1);
        s.SalemanId = r.OptInt(QStringLiteral("SalemanId")).value_or(-1);
        found.insert(l.SaledlId, s);
    }
    return found;
}

}  // namespace

const TBillPattern& TSlInvBill::Pattern()
{
    static const TBillPattern pattern(TBillKind{
        QStringLiteral("slinvfrm"),
        QStringLiteral("slinvfrmdl"),
        QStringLiteral("IV"),
        FinanceRights::SlInvCheck,
        {QStringLiteral("InvCode"), QStringLiteral("InvNo"), QStringLiteral("ClientId"), QStringLiteral("InvDate"),
         QStringLiteral("TotalFund"), QStringLiteral("HandmanId"), QStringLiteral("Note")},
        {QStringLiteral("SaledlId"), QStringLiteral("dlNote")},
        QStringLiteral("select i.*, p.Name as ClientName, e.Name as HandmanName from ((slinvfrm i left join client p on "
                       "i.ClientId=p.Id) left join employee e on i.HandmanId=e.Id) where i.Id=:Id"),
        QStringLiteral("SELECT d.*, b.WareSize, b.WareColor, b.WareProp, b.UnitRate, b.UnitName, b.Qty, b.Price, b.Fund, "
                       "w.Id as WareId, w.LookId as WareLookId, w.Name as WareName, w.Code as WareCode, w.PartNo as "
                       "WarePartNo, w.Brand as WareBrand, w.Package as WarePackage, w.Unit as WareUnit, w.Barcode as "
                       "WareBarcode FROM ((slinvfrmdl d left join saledl b on d.SaledlId=b.dlId)  left join ware w ON "
                       "b.WareId=w.Id) where d.MastId=:MastId order by d.dlId")});
    return pattern;
}

TDBParameters TSlInvBill::HeaderValues(const RSlInv& v)
{
    return {DBParam(QStringLiteral("InvCode"), v.InvCode),
            DBParam(QStringLiteral("InvNo"), v.InvNo),
            DBParam(QStringLiteral("ClientId"), idOrNull(v.ClientId)),
            DBParam(QStringLiteral("InvDate"), Nullable::Of(v.InvDate)),
            DBParam(QStringLiteral("TotalFund"), Nullable::Of(v.TotalFund)),
            DBParam(QStringLiteral("HandmanId"), idOrNull(v.HandmanId)),
            DBParam(QStringLiteral("Note"), v.Note)};
}

TDBParameters TSlInvBill::LineValues(const RSlInvdl& l)
{
    return {DBParam(QStringLiteral("SaledlId"), idOrNull(l.SaledlId)), DBParam(QStringLiteral("dlNote"), l.dlNote)};
}

bool TSlInvBill::Load(RSlInv& invoice)
{
    return LoadBill(
        Pattern(), invoice,
        [](const TBillRow& r, RSlInv& v) {
            v.Id = r.Int(QStringLiteral("Id"));
            v.Code = r.Text(QStringLiteral("Code"));
            v.InvCode = r.Text(QStringLiteral("InvCode"));
            v.InvNo = r.Text(QStringLiteral("InvNo"));
            v.InvDate = r.OptDate(QStringLiteral("InvDate"));
            v.ClientId = r.OptInt(QStringLiteral("ClientId")).value_or(-1);
            v.HandmanId = r.OptInt(QStringLiteral("HandmanId")).value_or(-1);
            v.TotalFund = r.OptNum(QStringLiteral("TotalFund"));
            v.Note = r.Text(QStringLiteral("Note"));
            v.Billman = r.Text(QStringLiteral("Billman"));
            v.BillTime = r.OptTime(QStringLiteral("BillTime"));
            v.Checkman = r.Text(QStringLiteral("Checkman"));
            v.CheckTime = r.OptTime(QStringLiteral("CheckTime"));
            v.ClientName = r.Text(QStringLiteral("ClientName"));
            v.HandmanName = r.Text(QStringLiteral("HandmanName"));
        },
        [](const TBillRow& r, RSlInvdl& l) {
            l.dlId = r.Int(QStringLiteral("dlId"));
            l.MastId = r.Int(QStringLiteral("MastId"));
            l.SaledlId = r.Int(QStringLiteral("SaledlId"));
            l.dlNote = r.Text(QStringLiteral("dlNote"));
            l.WareId = r.Int(QStringLiteral("WareId"));
            l.WareLookId = r.Text(QStringLiteral("WareLookId"));
            l.WareName = r.Text(QStringLiteral("WareName"));
            l.WareCode = r.Text(QStringLiteral("WareCode"));
            l.WarePartNo = r.Text(QStringLiteral("WarePartNo"));
            l.WareBrand = r.Text(QStringLiteral("WareBrand"));
            l.WarePackage = r.Text(QStringLiteral("WarePackage"));
            l.WareUnit = r.Text(QStringLiteral("WareUnit"));
            l.WareBarcode = r.Text(QStringLiteral("WareBarcode"));
            l.WareColor = r.Text(QStringLiteral("WareColor"));
            l.WareSize = r.Text(QStringLiteral("WareSize"));
            l.WareProp = r.Text(QStringLiteral("WareProp"));
            l.UnitRate = r.OptNum(QStringLiteral("UnitRate"));
            l.UnitName = r.Text(QStringLiteral("UnitName"));
            l.Qty = r.OptNum(QStringLiteral("Qty"));
            l.Price = r.OptNum(QStringLiteral("Price"));
            l.Fund = r.OptNum(QStringLiteral("Fund"));
        });
}

bool TSlInvBill::Save(RSlInv& invoice, QString& message)
{
    return SaveBill(Pattern(), invoice, message, HeaderValues, LineValues, [](RSlInv&) { return true; });
}

RSlInv TSlInvBill::NewRecord()
{
    CurrentOperator().CheckRight(FinanceRights::SlInvEntry);
    const QDateTime now = GlobalDatabase().ServerTime();
    RSlInv v;
    v.InvDate = now.date();
    v.Billman = CurrentOperator().LoginId;
    v.BillTime = now;
    return v;
}

RSlInvdls TSlInvBill::LinesFromSale(const RSlInv& invoice, const QList<int>& saledlIds)
{
    RSlInvdls lines;
    if (invoice.Checked()) return lines;
    const QHash<int, RSaleLine> found = readSaleLines(saledlIds);
    for (int id : saledlIds) {
        const auto it = found.constFind(id);
        if (it == found.cend()) continue;
        RSlInvdl l = it->Line;
        l.dlNote.clear();  // a picked line starts without a remark
        lines << l;
    }
    return lines;
}

bool TSlInvBill::CreateFromSaleLines(const QList<int>& saledlIds, RSlInv& invoice)
{
    const QHash<int, RSaleLine> found = readSaleLines(saledlIds);
    RSlInv v;
    for (int id : saledlIds) {
        const auto it = found.constFind(id);
        if (it == found.cend()) continue;
        if (v.Lines.isEmpty()) {
            v.ClientId = it->ClientId;
            v.HandmanId = it->SalemanId;
        }
        RSlInvdl l = it->Line;
        l.Tax = 0.0;
        v.Lines << l;
    }
    if (v.Lines.isEmpty()) return false;
    const QDateTime now = GlobalDatabase().ServerTime();
    v.InvDate = now.date();
    v.TotalFund = 0.0;
    v.Billman = CurrentOperator().LoginId;
    v.BillTime = now;
    invoice = std::move(v);
    return true;
}

double TSlInvBill::Total(const RSlInv& invoice)
{
    double sum = 0.0;
    for (const RSlInvdl& l : invoice.Lines) sum += l.Fund.value_or(0.0);
    return Numbers::RoundTo(sum, 2);
}

QStringList TSlInvBill::DuplicateLines(const RSlInvdls& lines)
{
    QStringList messages;
    for (int i = 0; i < lines.size(); ++i)
        for (int j = 0; j < lines.size(); ++j)
            if (i != j && lines[i].SaledlId == lines[j].SaledlId) messages << kMsgDuplicate.arg(i + 1).arg(j + 1);
    return messages;
}
