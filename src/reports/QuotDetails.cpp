#include "QuotDetails.h"

#include "QuotLists.h"
#include "ReportColumns.h"

TQuotDetails::TQuotDetails(QObject* parent) : TRecordSet(parent)
{
    const ReportColumns::TAdd add = [this](TFieldType t, const QString& n, int s, bool v, const QString& l) {
        return AddField(t, n, s, v, l);
    };
    const auto hidden = [this](const char* name) {
        return AddField(TFieldType::Integer, QString::fromLatin1(name), -1, false);
    };
    const auto text = [this](const char* name, int size, const QString& label) {
        return AddField(TFieldType::WideString, QString::fromLatin1(name), size, true, label);
    };
    const auto date = [this](const char* name, const QString& label) {
        return AddField(TFieldType::DateTime, QString::fromLatin1(name), -1, true, label);
    };

    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("ID"));
    CodeFld = text("Code", 20, QStringLiteral("编号"));
    OldCodeFld = text("OldCode", 30, QStringLiteral("单号"));
    BizDateFld = date("BizDate", QStringLiteral("日期"));
    DeptIdFld = hidden("DeptId");
    DeptNameFld = text("DeptName", 50, QStringLiteral("部门"));
    ClientIdFld = hidden("ClientId");
    ClientNameFld = text("ClientName", 50, QStringLiteral("客户名称"));
    TimeLimitFld = date("TimeLimit", QStringLiteral("有效期限"));
    WareIdFld = hidden("WareId");
    const ReportColumns::TGoods goods = ReportColumns::AddGoods(add);
    WareLookIdFld = goods.WareLookId;
    WareCodeFld = goods.WareCode;
    WareNameFld = goods.WareName;
    WarePartNoFld = goods.WarePartNo;
    WareBrandFld = goods.WareBrand;
    WarePackageFld = goods.WarePackage;
    WareUnitFld = goods.WareUnit;
    const ReportColumns::TAttributes attrs = ReportColumns::AddAttributes(add);
    WareColorFld = attrs.WareColor;
    WareSizeFld = attrs.WareSize;
    WarePropFld = attrs.WareProp;
    UnitNameFld = text("UnitName", 30, QStringLiteral("单位"));
    QtyFld = AddField(TFieldType::Float, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    PriceFld = AddField(TFieldType::Float, QStringLiteral("Price"), -1, true, QStringLiteral("单价"));
    FundFld = AddField(TFieldType::Fund, QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    dlNoteFld = text("dlNote", 50, QStringLiteral("细表备注"));
    SalemanIdFld = hidden("SalemanId");
    QuotmanNameFld = text("QuotmanName", 30, QStringLiteral("报价人"));
    BillmanFld = text("Billman", 30, QStringLiteral("制单人"));
    BillTimeFld = date("BillTime", QStringLiteral("制单时间"));
    CheckmanFld = text("Checkman", 30, QStringLiteral("审核人"));
    CheckTimeFld = date("CheckTime", QStringLiteral("审核时间"));
    NoteFld = text("Note", 50, QStringLiteral("主表备注"));
}

int TQuotDetails::Open(TQuotWhere* where)
{
    QString conditions;
    if (where) conditions = where->HeaderCriteria().Text() + where->GoodsCriteria(QStringLiteral("w"), QStringLiteral("a")).Text();
    return TRecordSet::Open(
        QStringLiteral("select m.*, d.*, c.Name as ClientName, e.Name as QuotmanName, h.Name as DeptName,  w.LookId as "
                       "WareLookId, w.Code as WareCode, w.Name as WareName, w.PartNo as WarePartNo, w.Brand as "
                       "WareBrand, w.Package as WarePackage, w.Unit as WareUnit from ((((((slquotfrm m inner join "
                       "slquotfrmdl d on m.Id=d.MastId)  left join client c on c.Id=m.ClientId)  left join employee e "
                       "on e.Id=m.SalemanId)  left join departments h on h.Id=m.DeptId)  left join ware w on "
                       "w.Id=d.WareId)  left join wareclass a on a.Id=w.ClassId) where 1=1 ")
        + conditions);
}
