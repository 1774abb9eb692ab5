#pragma once
#include "RecordSet.h"

// What the header lists of the sales documents share: the fields every document header shows,
// declared by small steps so that each list keeps its own field order.
class TBillListSet : public TRecordSet {
    Q_OBJECT
public:
    TField* IdFld = nullptr;
    TField* CodeFld = nullptr;
    TField* OldCodeFld = nullptr;
    TField* BizDateFld = nullptr;
    TField* DeptIdFld = nullptr;
    TField* DeptNameFld = nullptr;
    TField* ClientIdFld = nullptr;
    TField* ClientNameFld = nullptr;
    TField* SalemanIdFld = nullptr;
    TField* SalemanNameFld = nullptr;
    TField* BillmanFld = nullptr;
    TField* BillTimeFld = nullptr;
    TField* CheckmanFld = nullptr;
    TField* CheckTimeFld = nullptr;
    TField* NoteFld = nullptr;

protected:
    explicit TBillListSet(QObject* parent) : TRecordSet(parent) {}
    TField* Add(TFieldType type, const QString& name, int size = -1, bool visible = true, const QString& label = QString())
    {
        return AddField(type, name, size, visible, label);
    }
    // Id, Code (编号), OldCode (单号), BizDate (日期).
    void DeclareNumbers();
    // DeptId, DeptName (部门).
    void DeclareDept();
    // ClientId, ClientName (客户名称).
    void DeclareClient();
    // SalemanId, SalemanName under the document's own caption.
    void DeclareSaleman(const QString& label);
    // Billman, BillTime, Checkman, CheckTime and Note.
    void DeclareStamp();
};
