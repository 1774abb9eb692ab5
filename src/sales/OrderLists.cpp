#include "OrderLists.h"

#include "Operator.h"

// --- TOrderWhere -------------------------------------------------------------------------------

TOrderWhere::TOrderWhere(QObject* parent) : TSalesWhere(parent)
{
    BeginDateFld = Add(TFieldType::DateTime, QStringLiteral("BeginDate"), 0, true, QStringLiteral("订单日期(始)"));
    EndDateFld = Add(TFieldType::DateTime, QStringLiteral("EndDate"), 0, true, QStringLiteral("订单日期(止)"));
    DeptIdFld = Add(TFieldType::Integer, QStringLiteral("DeptId"), 0, false);
    DeptNameFld = Add(TFieldType::String, QStringLiteral("DeptName"), 50, true, QStringLiteral("部门"));
    ClientIdFld = Add(TFieldType::Integer, QStringLiteral("ClientId"), 0, false);
    ClientNameFld = Add(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("客户名称"));
    SalemanIdFld = Add(TFieldType::Integer, QStringLiteral("SalemanId"), 0, false);
    SalemanNameFld = Add(TFieldType::String, QStringLiteral("SalemanName"), 30, true, QStringLiteral("业务员"));
    UnFinishedFld = Add(TFieldType::Boolean, QStringLiteral("UnFinished"), 0, true, QStringLiteral("未完成"));
    TimeLimitFld = Add(TFieldType::DateTime, QStringLiteral("TimeLimit"), 0, true, QStringLiteral("交货期限"));
    TypeIdFld = Add(TFieldType::Integer, QStringLiteral("TypeId"), 0, false);
    DeclareGoods();
    DeclareGoodsTexts(true);
    UserCodeFld = Add(TFieldType::WideString, QStringLiteral("UserCode"), 20, true, QStringLiteral("单号"));
    BillIdFld = Add(TFieldType::Integer, QStringLiteral("BillId"), 0, false);
    BillCodeFld = Add(TFieldType::String, QStringLiteral("BillCode"), 30, true, QStringLiteral("订单编号"));
    Reset();
}

void TOrderWhere::Reset()
{
    TSalesWhere::Reset();
    UnFinishedFld->SetValue(false);
}

TCriteria TOrderWhere::HeaderCriteria(const QString& m)
{
    TCriteria c = TSalesWhere::HeaderCriteria(m);
    c.Date(m + QStringLiteral(".TimeLimit"), QStringLiteral("<="), TimeLimitFld->Value());
    c.Id(m + QStringLiteral(".TypeId"), IdOf(TypeIdFld));
    c.Contains(m + QStringLiteral(".OldCode"), TextOf(UserCodeFld));
    c.Contains(m + QStringLiteral(".Code"), TextOf(BillCodeFld));
    return c;
}

// --- TPlanWhere --------------------------------------------------------------------------------

TPlanWhere::TPlanWhere(QObject* parent) : TCustomWhere(parent)
{
    BeginDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("BeginDate"), 0, true, QString());
    EndDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("EndDate"), 0, true, QString());
    TimeLimitFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("TimeLimit"), 0, true, QString());
    DeptIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("DeptId"), 0, false, QString());
    CodeFld = AddFieldDef(TFieldType::WideString, QStringLiteral("Code"), 50, true, QString());
    BatchNoFld = AddFieldDef(TFieldType::WideString, QStringLiteral("BatchNo"), 50, true, QString());
    WareCodeFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareCode"), 50, true, QString());
    WareLookIdFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareLookId"), 50, true, QString());
    WareNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareName"), 50, true, QString());
    WareClassIdFld = AddFieldDef(TFieldType::String, QStringLiteral("WarecataCode"), 50, false, QString());
    WarecataNameFld = AddFieldDef(TFieldType::String, QStringLiteral("WarecataName"), 50, false, QString());
    Reset();
}

// --- TOrderSet ---------------------------------------------------------------------------------

TOrderSet::TOrderSet(QObject* parent) : TBillListSet(parent)
{
    DeclareNumbers();
    TypeIdFld = Add(TFieldType::Integer, QStringLiteral("TypeId"), -1, false);
    TypeNameFld = Add(TFieldType::String, QStringLiteral("TypeName"), 30, true, QStringLiteral("类别"));
    DeclareDept();
    DeclareClient();
    ClientLinkmanFld = Add(TFieldType::String, QStringLiteral("ClientLinkman"), 50, true, QStringLiteral("客户联系人"));
    ClientTelFld = Add(TFieldType::String, QStringLiteral("ClientTel"), 50, true, QStringLiteral("客户电话"));
    ClientFaxFld = Add(TFieldType::String, QStringLiteral("ClientFax"), 50, true, QStringLiteral("客户传真"));
    DeclareSaleman(QStringLiteral("业务员"));
    TotalFundFld = Add(TFieldType::Float, QStringLiteral("TotalFund"), -1, true, QStringLiteral("折后货款"));
    TimeLimitFld = Add(TFieldType::DateTime, QStringLiteral("TimeLimit"), -1, true, QStringLiteral("交货期限"));
    DeclareStamp();
}

int TOrderSet::OpenList(TOrderWhere* where)
{
    QString conditions;
    if (where) conditions = where->HeaderCriteria().Text() + where->GoodsSubquery(QStringLiteral("slorderfrmdl"));
    return Open(QStringLiteral("select m.*, t.Name as TypeName, c.Name as ClientName, c.Linkman as ClientLinkman, c.Tel "
                               "as ClientTel, c.Fax as ClientFax, h.Name as DeptName, e.Name as SalemanName  from "
                               "((((slorderfrm m left join slorderfrmtype t on t.Id=m.TypeId)  left join client c on "
                               "c.Id=m.ClientId)  left join employee e on e.Id=m.SalemanId)  left join departments h on "
                               "h.Id=m.DeptId)  where 1=1")
                + conditions);
}

bool TOrderSet::OpenById(int id)
{
    TOrderWhere where;
    where.BillIdFld->SetValue(id);
    return OpenList(&where) == 1;
}

ROrdercord TOrderSet::AsData() const { return {IdFld->AsInteger(), CodeFld->AsString()}; }

// --- TOrderTypeSet -----------------------------------------------------------------------------

TOrderTypeSet::TOrderTypeSet(QObject* parent) : TRecordSet(parent)
{
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), -1, false);
    NameFld = AddField(TFieldType::String, QStringLiteral("Name"), 20, true, QStringLiteral("类别"));
}

int TOrderTypeSet::Open() { return TRecordSet::Open(QStringLiteral("select * from slorderfrmtype")); }

RslOrderType TOrderTypeSet::AsData() const { return {IdFld->AsInteger(), NameFld->AsString()}; }

bool TOrderTypeSet::DeleteType(int id)
{
    CurrentOperator().CheckRight(SalesRights::OrderTypes);
    return GlobalDatabase().Execute(QStringLiteral("delete from slorderfrmtype where Id=:Id"),
                                    {DBParam(QStringLiteral("Id"), id)}) == 1;
}
