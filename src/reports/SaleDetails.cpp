#include "SaleDetails.h"

#include "Nullable.h"
#include "ReportColumns.h"
#include "SaleLists.h"

TSaleDetails::TSaleDetails(QObject* parent) : TRecordSet(parent)
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
    const auto fund = [this](const char* name, const QString& label) {
        return AddField(TFieldType::Fund, QString::fromLatin1(name), -1, true, label);
    };
    const auto number = [this](const char* name, const QString& label) {
        return AddField(TFieldType::Float, QString::fromLatin1(name), -1, true, label);
    };

    BillIdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("ID"));
    CodeFld = text("Code", 20, QStringLiteral("编号"));
    BizDateFld = AddField(TFieldType::DateTime, QStringLiteral("BizDate"), -1, true, QStringLiteral("日期"));
    DeptIdFld = hidden("DeptId");
    DeptNameFld = text("DeptName", 50, QStringLiteral("部门"));
    ClientIdFld = hidden("ClientId");
    ClientNameFld = text("ClientName", 50, QStringLiteral("客户名称"));
    SalemanIdFld = hidden("SalemanId");
    SalemanNameFld = text("SalemanName", 30, QStringLiteral("销售员"));
    TypeIdFld = hidden("TypeId");
    TypeNameFld = text("TypeName", 20, QStringLiteral("类别"));
    ConveyancerFld = text("Conveyancer", 50, QStringLiteral("运输商"));
    TranscostsFld = fund("Transcosts", QStringLiteral("运输费用"));
    TranscodeFld = text("Transcode", 50, QStringLiteral("运单号"));
    NoteFld = text("Note", 50, QStringLiteral("主表备注"));
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
    UnitRateFld = AddField(TFieldType::Float, QStringLiteral("UnitRate"), -1, false);
    UnitNameFld = text("UnitName", 30, QStringLiteral("单位"));
    QtyFld = number("Qty", QStringLiteral("数量"));
    PriceFld = number("Price", QStringLiteral("单价"));
    DiscountFld = number("Discount", QStringLiteral("折扣"));
    FundFld = fund("Fund", QStringLiteral("金额"));
    OrdlIdFld = hidden("OrdlId");
    OrdCodeFld = text("OrdCode", 30, QStringLiteral("订单号"));
    InnerPriceFld = number("InnerPrice", QStringLiteral("内部结算价"));
    InnerFundFld = fund("InnerFund", QStringLiteral("内部结算额"));
    dlNoteFld = text("dlNote", 50, QStringLiteral("细表备注"));
    dlIdFld = hidden("dlId");
    InvIdFld = hidden("InvId");
    InvNoFld = text("InvNo", 50, QStringLiteral("发票号码"));
    InvDateFld = AddField(TFieldType::DateTime, QStringLiteral("InvDate"), -1, true, QStringLiteral("发票日期"));
}

int TSaleDetails::Open(TSaleWhere* where)
{
    QString conditions;
    if (where) {
        conditions = where->HeaderCriteria().Text() + where->GoodsInCriteria(QStringLiteral("d.WareId")).Text()
                     + where->OrderCriteria().Text() + where->InvoiceCriteria().Text();
    }
    return TRecordSet::Open(
        QStringLiteral(
            "select m.*, d.dlId, d.WareId, d.WareColor, d.[WareSize], d.WareProp, d.UnitRate, d.UnitName, d.Price, "
            "d.Discount, t.Sign*d.Qty as Qty, t.Sign*d.Fund as Fund, d.dlNote, d.InnerPrice, "
            "t.Sign*d.Qty*d.InnerPrice as InnerFund,  w.LookId as WareLookId, w.Code as WareCode, w.Name as WareName, "
            "w.PartNo as WarePartNo, w.Brand as WareBrand, w.Package as WarePackage, w.Unit as WareUnit, d.OrdlId, "
            "om.Code as OrdCode, im.Id as InvId, im.InvNo, im.InvDate, t.Name as TypeName, h.Name as DeptName, "
            "c.Name as ClientName, e.Name as SalemanName  from ((((((((((sale m inner join saledl d on "
            "m.Id=d.MastId)  left join saletype t on m.TypeId=t.Id)  left join departments h on h.Id=m.DeptId)  left "
            "join client c on c.Id=m.ClientId)  left join employee e on e.Id=m.SalemanId)  left join ware w on "
            "w.Id=d.WareId)  left join slorderfrmdl od on od.dlId=d.OrdlId)  left join slorderfrm om on "
            "om.Id=od.MastId)  left join slinvfrmdl id on id.SaledlId=d.dlId)  left join slinvfrm im on "
            "im.Id=id.MastId)  where 1=1 ")
        + conditions);
}

RSaleDetail TSaleDetails::AsData() const
{
    RSaleDetail r;
    r.Id = BillIdFld->AsInteger();
    r.Code = CodeFld->AsString();
    r.BizDate = BizDateFld->AsDate();
    r.DeptId = Nullable::Int(DeptIdFld->Value());
    r.SalemanId = Nullable::Int(SalemanIdFld->Value());
    r.ClientId = Nullable::Int(ClientIdFld->Value());
    r.TypeId = Nullable::Int(TypeIdFld->Value());
    r.DeptName = DeptNameFld->AsString();
    r.SalemanName = SalemanNameFld->AsString();
    r.ClientName = ClientNameFld->AsString();
    r.TypeName = TypeNameFld->AsString();
    r.WareId = Nullable::Int(WareIdFld->Value());
    r.WareCode = WareCodeFld->AsString();
    r.WareName = WareNameFld->AsString();
    r.WarePartNo = WarePartNoFld->AsString();
    r.WareBrand = WareBrandFld->AsString();
    r.WarePackage = WarePackageFld->AsString();
    r.WareUnit = WareUnitFld->AsString();
    r.UnitRate = UnitRateFld->IsNull() ? 1.0 : UnitRateFld->AsFloat();
    r.UnitName = UnitNameFld->AsString();
    r.WareColor = WareColorFld->AsString();
    r.WareSize = WareSizeFld->AsString();
    r.WareProp = WarePropFld->AsString();
    r.Qty = Nullable::Num(QtyFld->Value());
    r.Price = Nullable::Num(PriceFld->Value());
    r.Discount = Nullable::Num(DiscountFld->Value());
    r.Fund = Nullable::Num(FundFld->Value());
    r.dlNote = dlNoteFld->AsString();
    r.dlId = dlIdFld->AsInteger();
    r.OrdlId = Nullable::Int(OrdlIdFld->Value());
    r.OrdCode = OrdCodeFld->AsString();
    r.Note = NoteFld->AsString();
    return r;
}
