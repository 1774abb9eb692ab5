#include "ShldinLists.h"

#include "FnColumns.h"
#include "ShldinBill.h"

// --- TShldinWhere ------------------------------------------------------------------------------

TShldinWhere::TShldinWhere(QObject* parent) : TCustomWhere(parent)
{
    BillIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("BillId"), 0, false, QString());
    BeginDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("BeginDate"), 0, true, QString());
    EndDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("EndDate"), 0, true, QString());
    ClientIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("ClientId"), 0, false, QString());
    ClientNameFld = AddFieldDef(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("客户名称"));
    TCustomWhere::Reset();
}

void TShldinWhere::Reset()
{
    UpdateRecord();
    for (TField* f : {BillIdFld, BeginDateFld, EndDateFld, ClientIdFld}) f->Clear();
}

TCriteria TShldinWhere::Criteria()
{
    UpdateRecord();
    TCriteria c;
    c.IdNotNull(QStringLiteral("m.Id"), BillIdFld->Value());
    FnColumns::Period(c, QStringLiteral("m.BizDate"), BeginDateFld->Value(), EndDateFld->Value());
    c.Id(QStringLiteral("m.ClientId"), ClientIdFld->IsNull() ? 0 : ClientIdFld->AsLargeInt());
    return c;
}

// --- TShldinSet --------------------------------------------------------------------------------

TShldinSet::TShldinSet(QObject* parent) : TRecordSet(parent), Where(new TShldinWhere(this))
{
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"));
    CodeFld = AddField(TFieldType::String, QStringLiteral("Code"), 20, true, QStringLiteral("编号"));
    BizDateFld = AddField(TFieldType::DateTime, QStringLiteral("BizDate"), -1, true, QStringLiteral("日期"));
    ClientIdFld = AddField(TFieldType::Integer, QStringLiteral("ClientId"), -1, false);
    ClientNameFld = AddField(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("对方单位"));
    ItemIdFld = AddField(TFieldType::Integer, QStringLiteral("ItemId"), -1, false);
    ItemNameFld = AddField(TFieldType::String, QStringLiteral("ItemName"), 30, true, QStringLiteral("应收项目"));
    FundFld = AddField(TFieldType::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    SignFld = AddField(TFieldType::Integer, QStringLiteral("Sign"), -1, true, QStringLiteral("方向"));
    HandmanIdFld = AddField(TFieldType::Integer, QStringLiteral("HandmanId"), -1, false);
    HandmanNameFld = AddField(TFieldType::String, QStringLiteral("HandmanName"), 30, true, QStringLiteral("经手人"));
    DeptIdFld = AddField(TFieldType::Integer, QStringLiteral("DeptId"), -1, false);
    DeptNameFld = AddField(TFieldType::String, QStringLiteral("DeptName"), 30, true, QStringLiteral("部门"));
    BillmanFld = AddField(TFieldType::String, QStringLiteral("Billman"), -1, true, QStringLiteral("制单人"));
    BillTimeFld = AddField(TFieldType::DateTime, QStringLiteral("BillTime"), -1, true, QStringLiteral("制单时间"));
    CheckmanFld = AddField(TFieldType::String, QStringLiteral("Checkman"), -1, true, QStringLiteral("审核人"));
    CheckTimeFld = AddField(TFieldType::DateTime, QStringLiteral("CheckTime"), -1, true, QStringLiteral("审核时间"));
    NoteFld = AddField(TFieldType::String, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
}

int TShldinSet::OpenList()
{
    return Open(QStringLiteral("select m.*, c.Name as ClientName, i.Name as ItemName, e.Name as HandmanName, h.Name as "
                               "DeptName  from (((( shouldin m left join client c on c.Id=m.ClientId)  left join  "
                               "shouldin_item i on i.Id=m.ItemId)  left join departments h on h.Id=m.DeptId)  left join "
                               "employee e on e.Id=m.HandmanId) ")
                + Where->Criteria().Where() + QStringLiteral(" order by m.BizDate, m.Id"));
}

bool TShldinSet::OpenById(int id)
{
    Where->Reset();
    Where->BillIdFld->SetValue(id);
    return OpenList() == 1;
}

void TShldinSet::DeleteCurrent()
{
    if (!Active() || IsEmpty()) return;
    RShldin doc;
    doc.Id = IdFld->AsInteger();
    doc.Billman = BillmanFld->AsString();
    QString message;
    if (!TShldinBill::Delete(doc, message)) throw EMqError(message);
    TRecordSet::DeleteCurrent();
}

// --- TShldinFinder -----------------------------------------------------------------------------

TShldinFinder::TShldinFinder(QObject* parent) : TShldinSet(parent), m_cursor(*this, IdFld) {}

int TShldinFinder::Find(const std::optional<QDate>& begin, const std::optional<QDate>& end)
{
    Where->Reset();
    if (begin) Where->BeginDateFld->SetValue(*begin);
    if (end) Where->EndDateFld->SetValue(*end);
    return OpenList();
}
