#include "BillListSet.h"

void TBillListSet::DeclareNumbers()
{
    IdFld = Add(TFieldType::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("ID"));
    CodeFld = Add(TFieldType::String, QStringLiteral("Code"), 20, true, QStringLiteral("编号"));
    OldCodeFld = Add(TFieldType::String, QStringLiteral("OldCode"), 30, true, QStringLiteral("单号"));
    BizDateFld = Add(TFieldType::DateTime, QStringLiteral("BizDate"), -1, true, QStringLiteral("日期"));
}

void TBillListSet::DeclareDept()
{
    DeptIdFld = Add(TFieldType::Integer, QStringLiteral("DeptId"), -1, false);
    DeptNameFld = Add(TFieldType::String, QStringLiteral("DeptName"), 50, true, QStringLiteral("部门"));
}

void TBillListSet::DeclareClient()
{
    ClientIdFld = Add(TFieldType::Integer, QStringLiteral("ClientId"), -1, false);
    ClientNameFld = Add(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("客户名称"));
}

void TBillListSet::DeclareSaleman(const QString& label)
{
    SalemanIdFld = Add(TFieldType::Integer, QStringLiteral("SalemanId"), -1, false);
    SalemanNameFld = Add(TFieldType::String, QStringLiteral("SalemanName"), 30, true, label);
}

void TBillListSet::DeclareStamp()
{
    BillmanFld = Add(TFieldType::String, QStringLiteral("Billman"), -1, true, QStringLiteral("制单人"));
    BillTimeFld = Add(TFieldType::DateTime, QStringLiteral("BillTime"), -1, true, QStringLiteral("制单时间"));
    CheckmanFld = Add(TFieldType::String, QStringLiteral("Checkman"), -1, true, QStringLiteral("审核人"));
    CheckTimeFld = Add(TFieldType::DateTime, QStringLiteral("CheckTime"), -1, true, QStringLiteral("审核时间"));
    NoteFld = Add(TFieldType::String, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
}
