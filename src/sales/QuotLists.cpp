#include "QuotLists.h"

// --- TQuotWhere --------------------------------------------------------------------------------

TQuotWhere::TQuotWhere(QObject* parent) : TSalesWhere(parent)
{
    BillIdFld = Add(TFieldType::Integer, QStringLiteral("BillId"), 0, false);
    BeginDateFld = Add(TFieldType::DateTime, QStringLiteral("BeginDate"), 0, true);
    EndDateFld = Add(TFieldType::DateTime, QStringLiteral("EndDate"), 0, true);
    DeptIdFld = Add(TFieldType::Integer, QStringLiteral("DeptId"), 0, false);
    DeptNameFld = Add(TFieldType::String, QStringLiteral("DeptName"), 50, true, QStringLiteral("部门"));
    ClientIdFld = Add(TFieldType::Integer, QStringLiteral("ClientId"), 0, false);
    ClientNameFld = Add(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("客户名称"));
    SalemanIdFld = Add(TFieldType::Integer, QStringLiteral("SalemanId"), 0, false);
    SalemanNameFld = Add(TFieldType::String, QStringLiteral("SalemanName"), 30, true, QStringLiteral("报价人"));
    CodeFld = Add(TFieldType::WideString, QStringLiteral("Code"), 50, true);
    BillCodeFld = Add(TFieldType::WideString, QStringLiteral("BillCode"), 50, true);
    DeclareGoods();
    DeclareGoodsTexts(false);
    NoteFld = Add(TFieldType::WideString, QStringLiteral("Note"), 50, true);
    TSalesWhere::Reset();
}

void TQuotWhere::Reset()
{
    UpdateRecord();
    for (TField* f : {BillIdFld, BeginDateFld, EndDateFld, DeptIdFld, DeptNameFld, ClientIdFld, ClientNameFld, CodeFld,
                      BillCodeFld, WareCodeFld, WareLookIdFld, WareNameFld, SalemanIdFld, SalemanNameFld, WareClassIdFld,
                      WarecataNameFld, WareIdFld, NoteFld})
        f->Clear();
}

TCriteria TQuotWhere::HeaderCriteria(const QString& m)
{
    TCriteria c = TSalesWhere::HeaderCriteria(m);
    c.Contains(m + QStringLiteral(".Code"), TextOf(CodeFld));
    c.Contains(m + QStringLiteral(".OldCode"), TextOf(BillCodeFld));
    c.Contains(m + QStringLiteral(".[Note]"), TextOf(NoteFld));
    return c;
}

// --- TQuotSet ----------------------------------------------------------------------------------

TQuotSet::TQuotSet(QObject* parent) : TBillListSet(parent)
{
    DeclareNumbers();
    DeclareDept();
    DeclareClient();
    ClientLinkmanFld = Add(TFieldType::String, QStringLiteral("ClientLinkman"), 30, true, QStringLiteral("联系人"));
    ClientTelFld = Add(TFieldType::String, QStringLiteral("ClientTel"), 50, true, QStringLiteral("联系电话"));
    ClientFaxFld = Add(TFieldType::String, QStringLiteral("ClientFax"), 50, true, QStringLiteral("传真号码"));
    ClientAddrFld = Add(TFieldType::String, QStringLiteral("ClientAddr"), 50, true, QStringLiteral("联系地址"));
    DeclareSaleman(QStringLiteral("报价人"));
    TotalFundFld = Add(TFieldType::Float, QStringLiteral("TotalFund"), -1, true, QStringLiteral("合计"));
    TimeLimitFld = Add(TFieldType::DateTime, QStringLiteral("TimeLimit"), -1, true, QStringLiteral("有效期限"));
    DeclareStamp();
}

int TQuotSet::OpenList(TQuotWhere* where)
{
    if (!where) return RecordCount();
    const TCriteria header = where->HeaderCriteria();
    const QString conditions = header.Text() + where->GoodsSubquery(QStringLiteral("slquotfrmdl"));
    return Open(QStringLiteral("select m.*, c.Name as ClientName, c.Linkman as ClientLinkman, c.Tel as ClientTel, c.Fax "
                               "as ClientFax, c.Addr as ClientAddr, h.Name as DeptName, e.Name as SalemanName  from "
                               "(((slquotfrm m left join client c on c.Id=m.ClientId)  left join departments h on "
                               "h.Id=m.DeptId)  left join employee e on e.Id=m.SalemanId) where 1=1")
                + conditions);
}

bool TQuotSet::OpenById(int id)
{
    TQuotWhere where;
    where.BillIdFld->SetValue(id);
    return OpenList(&where) == 1;
}
