#include "SaleLists.h"

#include "Nullable.h"

// --- TSaleWhere --------------------------------------------------------------------------------

TSaleWhere::TSaleWhere(QObject* parent) : TSalesWhere(parent)
{
    DeptIdFld = Add(TFieldType::Integer, QStringLiteral("DeptId"), 0, false);
    DeptNameFld = Add(TFieldType::String, QStringLiteral("DeptName"), 50, true, QStringLiteral("部门"));
    ClientIdFld = Add(TFieldType::Integer, QStringLiteral("ClientId"), 0, false);
    ClientNameFld = Add(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("客户名称"));
    DistCodeFld = Add(TFieldType::WideString, QStringLiteral("DistCode"), 30, true);
    SalemanIdFld = Add(TFieldType::Integer, QStringLiteral("SalemanId"), 0, false);
    SalemanNameFld = Add(TFieldType::String, QStringLiteral("SalemanName"), 30, true, QStringLiteral("业务员"));
    BeginDateFld = Add(TFieldType::DateTime, QStringLiteral("BeginDate"), 0, true, QStringLiteral("订单日期(始)"));
    EndDateFld = Add(TFieldType::DateTime, QStringLiteral("EndDate"), 0, true, QStringLiteral("订单日期(止)"));
    DeclareGoods();
    TypeIdFld = Add(TFieldType::Integer, QStringLiteral("TypeId"), 0, false);
    TypeNameFld = Add(TFieldType::String, QStringLiteral("TypeName"), 50, true, QStringLiteral("类别"));
    DeclareGoodsTexts(true);
    UserCodeFld = Add(TFieldType::String, QStringLiteral("UserCode"), 20, true, QStringLiteral("单号"));
    BillIdFld = Add(TFieldType::Integer, QStringLiteral("BillId"), 0, false);
    OrdCodeFld = Add(TFieldType::String, QStringLiteral("OrdCode"), 30, true, QStringLiteral("订单号"));
    OrdlIdFld = Add(TFieldType::Integer, QStringLiteral("OrdlId"), 0, false);
    InvIfFld = Add(TFieldType::Boolean, QStringLiteral("InvIf"), 0, true);
    Reset();
}

TCriteria TSaleWhere::HeaderCriteria(const QString& m)
{
    TCriteria c = TSalesWhere::HeaderCriteria(m);
    c.Id(m + QStringLiteral(".TypeId"), IdOf(TypeIdFld));
    c.Contains(m + QStringLiteral(".OldCode"), TextOf(UserCodeFld));
    return c;
}

TCriteria TSaleWhere::DistrictCriteria(const QString& district)
{
    UpdateRecord();
    return TCriteria().StartsWith(district + QStringLiteral(".Code"), TextOf(DistCodeFld));
}

TCriteria TSaleWhere::OrderCriteria(const QString& ordlIdColumn, const QString& ordCodeColumn)
{
    UpdateRecord();
    TCriteria c;
    c.IdNotNull(ordlIdColumn, OrdlIdFld->Value());
    c.Contains(ordCodeColumn, TextOf(OrdCodeFld));
    return c;
}

TCriteria TSaleWhere::InvoiceCriteria(const QString& invoiceLineColumn)
{
    UpdateRecord();
    TCriteria c;
    const QVariant v = InvIfFld->Value();
    if (!Nullable::IsNull(v))
        c.Add(TField::ToBool(v) ? QStringLiteral("(not %1 is null)").arg(invoiceLineColumn)
                                : QStringLiteral("%1 is null").arg(invoiceLineColumn));
    return c;
}

// --- TSaleSet ----------------------------------------------------------------------------------

TSaleSet::TSaleSet(QObject* parent) : TBillListSet(parent)
{
    DeclareNumbers();
    DeclareDept();
    DeclareClient();
    DeclareSaleman(QStringLiteral("业务员"));
    TypeIdFld = Add(TFieldType::Integer, QStringLiteral("TypeId"), -1, false);
    TypeNameFld = Add(TFieldType::String, QStringLiteral("TypeName"), 50, true, QStringLiteral("类别"));
    TotalFundFld = Add(TFieldType::Float, QStringLiteral("TotalFund"), -1, true, QStringLiteral("合计金额"));
    DeclareStamp();
    ConveyancerFld = Add(TFieldType::String, QStringLiteral("Conveyancer"), 50, true, QStringLiteral("运输商"));
    TranscostsFld = Add(TFieldType::Float, QStringLiteral("Transcosts"), -1, true, QStringLiteral("运输费用"));
    TranscodeFld = Add(TFieldType::String, QStringLiteral("Transcode"), 50, true, QStringLiteral("运单号"));
    DiscountFundFld = Add(TFieldType::Float, QStringLiteral("DiscountFund"), -1, true, QStringLiteral("折让"));
}

int TSaleSet::OpenList(TSaleWhere* where)
{
    QString conditions;
    if (where) conditions = where->HeaderCriteria().Text() + where->GoodsSubquery(QStringLiteral("saledl"));
    return Open(QStringLiteral("select m.*, c.Name as ClientName, h.Name as DeptName, e.Name as SalemanName, t.Name as "
                               "TypeName  from ((((sale m left join client c on c.Id=m.ClientId)  left join departments "
                               "h on h.Id=m.DeptId)  left join employee e on e.Id=m.SalemanId)  left join saletype t on "
                               "t.Id=m.TypeId) where 1=1")
                + conditions);
}

bool TSaleSet::OpenById(int id)
{
    TSaleWhere where;
    where.BillIdFld->SetValue(id);
    return OpenList(&where) == 1;
}

// --- TSaleTypeSet ------------------------------------------------------------------------------

TSaleTypeSet::TSaleTypeSet(QObject* parent) : TRecordSet(parent)
{
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), -1, false);
    NameFld = AddField(TFieldType::String, QStringLiteral("Name"), 20, true, QStringLiteral("类别"));
    SignFld = AddField(TFieldType::Integer, QStringLiteral("Sign"), -1, false);
}

int TSaleTypeSet::Open() { return TRecordSet::Open(QStringLiteral("select * from saletype")); }

RSaleType TSaleTypeSet::AsData() const { return {IdFld->AsInteger(), NameFld->AsString(), SignFld->AsInteger()}; }

// --- TSalePriceSet -----------------------------------------------------------------------------

TSalePriceSet::TSalePriceSet(QObject* parent) : TQuerySet(parent)
{
    BizDateFld = AddField(TFieldType::DateTime, QStringLiteral("BizDate"), -1, true, QStringLiteral("日期"));
    BizTypeFld = AddField(TFieldType::String, QStringLiteral("BizType"), 30, true, QStringLiteral("类别"));
    PriceFld = AddField(TFieldType::Float, QStringLiteral("Price"), -1, true, QStringLiteral("单价"));
    QtyFld = AddField(TFieldType::Float, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    UnitNameFld = AddField(TFieldType::WideString, QStringLiteral("UnitName"), 30, true, QStringLiteral("单位"));
    ClientNameFld = AddField(TFieldType::WideString, QStringLiteral("ClientName"), 50, true, QStringLiteral("客户"));
    dlNoteFld = AddField(TFieldType::WideString, QStringLiteral("dlNote"), 50, true, QStringLiteral("备注"));
    BillIdFld = AddField(TFieldType::Integer, QStringLiteral("BillId"), -1, false);
    BillKindFld = AddField(TFieldType::Integer, QStringLiteral("BillKind"), -1, false);
}

int TSalePriceSet::Open(int wareId)
{
    QString sql = QStringLiteral(
        "select m.BizDate, '报价' as BizType, d.Price, d.Qty, d.UnitName, c.Name as ClientName, d.dlNote, m.Id as BillId, "
        "{quot} as BillKind from ((slquotfrm m inner join slquotfrmdl d on m.Id=d.MastId) left join client c on "
        "c.Id=m.ClientId) where d.WareId={WareId}  union all select m.BizDate, '订单', d.Price, d.Qty, d.UnitName, "
        "c.Name, d.dlNote, m.Id, {order} from ((slorderfrm m inner join slorderfrmdl d on m.Id=d.MastId) left join "
        "client c on c.Id=m.ClientId) where d.WareId={WareId}  union all select m.BizDate, '发货', d.Price, d.Qty, "
        "d.UnitName, c.Name, d.dlNote, m.Id, {sale} from ((sale m inner join saledl d on m.Id=d.MastId) left join "
        "client c on c.Id=m.ClientId) where d.WareId={WareId}  order by BizDate desc, BillKind");
    sql.replace(QStringLiteral("{quot}"), QString::number(BillTypes::Quotation), Qt::CaseInsensitive);
    sql.replace(QStringLiteral("{order}"), QString::number(BillTypes::Order), Qt::CaseInsensitive);
    sql.replace(QStringLiteral("{sale}"), QString::number(BillTypes::Sale), Qt::CaseInsensitive);
    sql.replace(QStringLiteral("{WareId}"), QString::number(wareId), Qt::CaseInsensitive);
    return TQuerySet::Open(sql);
}

RSalePrice TSalePriceSet::AsData() const
{
    RSalePrice p;
    p.BizDate = BizDateFld->AsDate();
    p.BizType = BizTypeFld->AsString();
    p.Price = Nullable::Num(PriceFld->Value());
    p.Qty = Nullable::Num(QtyFld->Value());
    p.UnitName = UnitNameFld->AsString();
    p.ClientName = ClientNameFld->AsString();
    p.dlNote = dlNoteFld->AsString();
    p.BillId = BillIdFld->AsInteger();
    p.BillKind = BillKindFld->AsInteger();
    return p;
}

// --- TSaleCords --------------------------------------------------------------------------------

TSaleCords::TSaleCords(QObject* parent) : TQuerySet(parent)
{
    BizDateFld = AddField(TFieldType::DateTime, QStringLiteral("BizDate"));
    QtyFld = AddField(TFieldType::Float, QStringLiteral("Qty"));
    FundFld = AddField(TFieldType::Currency, QStringLiteral("Fund"));
    CostFld = AddField(TFieldType::Currency, QStringLiteral("Cost"));
    MonthxFld = AddField(TFieldType::Integer, QStringLiteral("Monthx"), -1, true, QStringLiteral("Month"));
    WareIdFld = AddField(TFieldType::Integer, QStringLiteral("WareId"));
    DeptIdFld = AddField(TFieldType::Integer, QStringLiteral("DeptId"));
    SalemanIdFld = AddField(TFieldType::Integer, QStringLiteral("SalemanId"));
    ClientIdFld = AddField(TFieldType::Integer, QStringLiteral("ClientId"));
    WarecataCodeFld = AddField(TFieldType::WideString, QStringLiteral("WarecataCode"));
    DistCodeFld = AddField(TFieldType::WideString, QStringLiteral("DistCode"));
}

int TSaleCords::Open()
{
    QString conditions;
    if (Where) {
        conditions = Where->HeaderCriteria().Text() + Where->DistrictCriteria().Text()
                     + Where->GoodsCriteria(QStringLiteral("w"), QStringLiteral("l")).Text();
    }
    return TQuerySet::Open(
        QStringLiteral("select m.BizDate, t.Sign*d.Qty as Qty, t.Sign*d.Qty*d.Price as Fund, 0.01 as Cost, "
                       "Month(m.BizDate) as MonthX, d.WareId, m.DeptId, m.ClientId, m.SalemanId, l.Code as WarecataCode, "
                       "i.Code as DistCode from ((((((sale m inner join saledl d on m.Id=d.MastId) inner join saletype t "
                       "on t.Id=m.TypeId) inner join ware w on w.Id=d.WareId) left join client c on c.Id=m.ClientId) "
                       "left join districts i on i.Id=c.DistrictId)  left join wareclass l on l.Id=w.ClassId) where 1=1 ")
        + conditions);
}
