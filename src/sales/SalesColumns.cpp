#include "SalesColumns.h"

#include "Nullable.h"
#include "Operator.h"

#include <QSqlQuery>

namespace SalesColumns {

QStringList Head()
{
    return {QStringLiteral("OldCode"),  QStringLiteral("BizDate"),   QStringLiteral("ClientId"),
            QStringLiteral("SalemanId"), QStringLiteral("DeptId"),   QStringLiteral("TotalFund"),
            QStringLiteral("Note")};
}

TDBParameters HeadValues(const RSalesHead& h)
{
    return {DBParam(QStringLiteral("OldCode"), h.OldCode),
            DBParam(QStringLiteral("BizDate"), Nullable::Of(h.BizDate)),
            DBParam(QStringLiteral("ClientId"), Nullable::Of(h.ClientId)),
            DBParam(QStringLiteral("SalemanId"), Nullable::Of(h.SalemanId)),
            DBParam(QStringLiteral("DeptId"), Nullable::Of(h.DeptId)),
            DBParam(QStringLiteral("TotalFund"), h.TotalFund),
            DBParam(QStringLiteral("Note"), h.Note)};
}

void ReadHead(const TBillRow& r, RSalesHead& h)
{
    h.Id = r.Int(QStringLiteral("Id"));
    h.Code = r.Text(QStringLiteral("Code"));
    h.OldCode = r.Text(QStringLiteral("OldCode"));
    h.BizDate = r.Date(QStringLiteral("BizDate"));
    h.DeptId = r.OptInt(QStringLiteral("DeptId"));
    h.DeptName = r.Text(QStringLiteral("DeptName"));
    h.ClientId = r.OptInt(QStringLiteral("ClientId"));
    h.ClientName = r.Text(QStringLiteral("ClientName"));
    h.SalemanId = r.OptInt(QStringLiteral("SalemanId"));
    h.SalemanName = r.Text(QStringLiteral("SalemanName"));
    h.TotalFund = r.Num(QStringLiteral("TotalFund"));
    h.Billman = r.Text(QStringLiteral("Billman"));
    h.BillTime = r.OptTime(QStringLiteral("BillTime"));
    h.Checkman = r.Text(QStringLiteral("Checkman"));
    h.CheckTime = r.OptTime(QStringLiteral("CheckTime"));
    h.Note = r.Text(QStringLiteral("Note"));
}

QStringList GoodsLine()
{
    return {QStringLiteral("WareId"),   QStringLiteral("WareColor"), QStringLiteral("WareSize"),
            QStringLiteral("WareProp"), QStringLiteral("UnitName"),  QStringLiteral("UnitRate"),
            QStringLiteral("Qty"),      QStringLiteral("Price"),     QStringLiteral("Fund"),
            QStringLiteral("dlNote")};
}

TDBParameters GoodsLineValues(const RGoodsLine& l)
{
    return {DBParam(QStringLiteral("WareId"), l.WareId),
            DBParam(QStringLiteral("WareColor"), l.WareColor),
            DBParam(QStringLiteral("WareSize"), l.WareSize),
            DBParam(QStringLiteral("WareProp"), l.WareProp),
            DBParam(QStringLiteral("UnitName"), l.UnitName),
            DBParam(QStringLiteral("UnitRate"), l.UnitRate),
            DBParam(QStringLiteral("Qty"), Nullable::Of(l.Qty)),
            DBParam(QStringLiteral("Price"), Nullable::Of(l.Price)),
            DBParam(QStringLiteral("Fund"), Nullable::Of(l.Fund)),
            DBParam(QStringLiteral("dlNote"), l.dlNote)};
}

void ReadGoodsLine(const TBillRow& r, RGoodsLine& l)
{
    l.dlId = r.Int(QStringLiteral("dlId"));
    l.MastId = r.Int(QStringLiteral("MastId"));
    l.WareId = r.Int(QStringLiteral("WareId"));
    l.WareCode = r.Text(QStringLiteral("WareCode"));
    l.WareName = r.Text(QStringLiteral("WareName"));
    l.WarePartNo = r.Text(QStringLiteral("WarePartNo"));
    l.WareBrand = r.Text(QStringLiteral("WareBrand"));
    l.WarePackage = r.Text(QStringLiteral("WarePackage"));
    l.WareUnit = r.Text(QStringLiteral("WareUnit"));
    l.WareColor = r.Text(QStringLiteral("WareColor"));
    l.WareSize = r.Text(QStringLiteral("WareSize"));
    l.WareProp = r.Text(QStringLiteral("WareProp"));
    l.UnitRate = r.OptNum(QStringLiteral("UnitRate")).value_or(1.0);
    l.UnitName = r.Text(QStringLiteral("UnitName"));
    l.Qty = r.OptNum(QStringLiteral("Qty"));
    l.Price = r.OptNum(QStringLiteral("Price"));
    l.Fund = r.OptNum(QStringLiteral("Fund"));
    l.dlNote = r.Text(QStringLiteral("dlNote"));
}

void StampNew(RSalesHead& h, int entryRight)
{
    CurrentOperator().CheckRight(entryRight);
    const QDateTime now = GlobalDatabase().ServerTime();
    h.Id = 0;
    h.Code.clear();
    h.BizDate = now.date();
    h.Billman = CurrentOperator().LoginId;
    h.BillTime = now;
    h.Checkman.clear();
    h.CheckTime.reset();
}

void StampConverted(RSalesHead& h, const RSalesHead& from)
{
    const QDateTime now = WorkstationNow();
    h.BizDate = now.date();
    h.DeptId = from.DeptId;
    h.DeptName = from.DeptName;
    h.SalemanId = from.SalemanId;
    h.SalemanName = from.SalemanName;
    h.ClientId = from.ClientId;
    h.ClientName = from.ClientName;
    h.TotalFund = from.TotalFund;
    h.Billman = CurrentOperator().LoginId;
    h.BillTime = now;
}

std::optional<RWareFacts> ReadWare(int wareId)
{
    const QHash<int, RWareFacts> found = ReadWares({wareId});
    const auto it = found.constFind(wareId);
    if (it == found.cend()) return std::nullopt;
    return it.value();
}

QHash<int, RWareFacts> ReadWares(const QList<int>& wareIds)
{
    QHash<int, RWareFacts> found;
    QStringList ids;
    for (int id : wareIds) ids << QString::number(id);
    if (ids.isEmpty()) return found;
    ids.removeDuplicates();
    QSqlQuery q = GlobalDatabase().Select(
        QStringLiteral("select Id, Code, Name, PartNo, Brand, Package, Unit, SalePrice1, CostPrice, InnerPrice, "
                       "ProfitRate from ware where Id in (%1)").arg(ids.join(u',')),
        {});
    while (q.next()) {
        const QSqlRecord rec = q.record();
        const TBillRow r(rec);
        RWareFacts w;
        w.Id = r.Int(QStringLiteral("Id"));
        w.Code = r.Text(QStringLiteral("Code"));
        w.Name = r.Text(QStringLiteral("Name"));
        w.PartNo = r.Text(QStringLiteral("PartNo"));
        w.Brand = r.Text(QStringLiteral("Brand"));
        w.Package = r.Text(QStringLiteral("Package"));
        w.Unit = r.Text(QStringLiteral("Unit"));
        w.SalePrice1 = r.OptNum(QStringLiteral("SalePrice1"));
        w.CostPrice = r.OptNum(QStringLiteral("CostPrice"));
        w.InnerPrice = r.OptNum(QStringLiteral("InnerPrice"));
        w.ProfitRate = r.OptInt(QStringLiteral("ProfitRate"));
        found.insert(w.Id, w);
    }
    return found;
}

void TakeWareTexts(RGoodsLine& l, const RWareFacts& w)
{
    l.WareCode = w.Code;
    l.WareName = w.Name;
    l.WarePartNo = w.PartNo;
    l.WareBrand = w.Brand;
    l.WarePackage = w.Package;
    l.WareUnit = w.Unit;
}

void FillFromWare(RGoodsLine& l, const RWareFacts& w)
{
    l.WareId = w.Id;
    TakeWareTexts(l, w);
    l.UnitRate = 1.0;
    l.UnitName.clear();
    l.dlNote.clear();
}

std::optional<double> LastQuotedPrice(const std::optional<int>& clientId, int wareId)
{
    if (!clientId || *clientId <= 0) return std::nullopt;
    QSqlQuery q = GlobalDatabase().Select(
        QStringLiteral("select top 1 d.Price from slquotfrm m, slquotfrmdl d where m.Id=d.MastId and m.ClientId=:ClientId "
                       "and d.WareId=:WareId order by m.BizDate desc, d.dlId desc"),
        {DBParam(QStringLiteral("ClientId"), *clientId), DBParam(QStringLiteral("WareId"), wareId)});
    if (!q.next()) return std::nullopt;
    return Nullable::Num(q.value(0));
}

std::optional<double> DefaultPrice(int priceSource, const RWareFacts& ware, const std::optional<int>& clientId)
{
    switch (priceSource) {
    case 0:
        return ware.SalePrice1;
    case 1:
        return LastQuotedPrice(clientId, ware.Id);
    default:
        return std::nullopt;
    }
}

}  // namespace SalesColumns
