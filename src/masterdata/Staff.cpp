#include "Staff.h"

namespace {
TInfoColumn text(const char* name, int size, const char* label, bool visible = true)
{
    return {QString::fromLatin1(name), TFieldType::String, size, visible, QString::fromUtf8(label)};
}
TInfoColumn wide(const char* name, int size, const char* label)
{
    return {QString::fromLatin1(name), TFieldType::WideString, size, true, QString::fromUtf8(label)};
}

// Bank accounts, receivable items and expense items differ only in table and name caption.
template <class R>
TInfoSchema<R> nameNoteSchema(const char* table, const char* nameLabel, bool showsRefusal)
{
    TInfoSchema<R> s;
    s.Table.Table = QString::fromLatin1(table);
    s.Table.Columns = {text("Name", 30, nameLabel), wide("Note", 50, "备注")};
    s.Table.DeleteShowsRefusal = showsRefusal;
    s.Members = {&R::Name, &R::Note};
    return s;
}
}  // namespace

template <>
const TInfoSchema<REmployee>& TInfoSetOf<REmployee>::Schema()
{
    static const TInfoSchema<REmployee> s = [] {
        TInfoSchema<REmployee> s;
        s.Table.Table = QStringLiteral("employee");
        s.Table.Columns = {text("Name", 30, "姓名"), text("Sex", 2, "性别"), text("Tel", 30, "联系电话"),
                           text("Addr", 50, "联系地址"),
                           {QStringLiteral("Note"), TFieldType::Memo, -1, false, QStringLiteral("备注")}};
        s.Table.DeleteReleases = {QStringLiteral("update [operator] set EmployeeId=null where EmployeeId=:Id"),
                                  QStringLiteral("update [wareclass] set BuymanId=null where BuymanId=:Id")};
        s.Members = {&REmployee::Name, &REmployee::Sex, &REmployee::Tel, &REmployee::Addr, &REmployee::Note};
        return s;
    }();
    return s;
}

template <>
const TInfoSchema<RDept>& TInfoSetOf<RDept>::Schema()
{
    static const TInfoSchema<RDept> s = [] {
        TInfoSchema<RDept> s;
        s.Table.Table = QStringLiteral("departments");
        s.Table.IdVisible = false;
        s.Table.Columns = {text("Name", 20, "名称"), text("Mgr", 30, "负责人"), text("Tel", 50, "电话"),
                           text("Addr", 50, "地址"), wide("Note", 50, "备注")};
        s.Members = {&RDept::Name, &RDept::Mgr, &RDept::Tel, &RDept::Addr, &RDept::Note};
        return s;
    }();
    return s;
}

template <>
const TInfoSchema<RHouse>& TInfoSetOf<RHouse>::Schema()
{
    static const TInfoSchema<RHouse> s = [] {
        TInfoSchema<RHouse> s;
        s.Table.Table = QStringLiteral("warehouse");
        s.Table.IdVisible = false;
        s.Table.IdLabel = QStringLiteral("编码");
        s.Table.Columns = {text("Name", 20, "名称"), text("Mgr", 30, "负责人"), text("Tel", 50, "电话"),
                           wide("Note", 50, "备注")};
        s.Members = {&RHouse::Name, &RHouse::Mgr, &RHouse::Tel, &RHouse::Note};
        return s;
    }();
    return s;
}

template <>
const TInfoSchema<RUnit>& TInfoSetOf<RUnit>::Schema()
{
    static const TInfoSchema<RUnit> s = [] {
        TInfoSchema<RUnit> s;
        s.Table.Table = QStringLiteral("unit");
        s.Table.Columns = {text("Name", 30, "名称"),
                           {QStringLiteral("Rate"), TFieldType::Float, 0, true, QStringLiteral("换算率")},
                           wide("NoteX", 50, "备注")};
        s.Table.DeleteShowsRefusal = true;
        s.Members = {&RUnit::Name, &RUnit::Rate, &RUnit::Note};
        return s;
    }();
    return s;
}

template <>
const TInfoSchema<RBank>& TInfoSetOf<RBank>::Schema()
{
    static const TInfoSchema<RBank> s = nameNoteSchema<RBank>("fn_bank", "帐户名称", false);
    return s;
}

template <>
const TInfoSchema<RShldinItem>& TInfoSetOf<RShldinItem>::Schema()
{
    static const TInfoSchema<RShldinItem> s = nameNoteSchema<RShldinItem>("shouldin_item", "应收项目", true);
    return s;
}

template <>
const TInfoSchema<ROutlayItem>& TInfoSetOf<ROutlayItem>::Schema()
{
    static const TInfoSchema<ROutlayItem> s = nameNoteSchema<ROutlayItem>("outlay_item", "费用名称", true);
    return s;
}

TEmployeeSet::TEmployeeSet(QObject* parent) : TInfoSetOf<REmployee>(parent)
{
    SexFld = FieldByName(QStringLiteral("Sex"));
    TelFld = FieldByName(QStringLiteral("Tel"));
    AddrFld = FieldByName(QStringLiteral("Addr"));
}

TDeptSet::TDeptSet(QObject* parent) : TInfoSetOf<RDept>(parent)
{
    MgrFld = FieldByName(QStringLiteral("Mgr"));
    TelFld = FieldByName(QStringLiteral("Tel"));
    AddrFld = FieldByName(QStringLiteral("Addr"));
}

THouseSet::THouseSet(QObject* parent) : TInfoSetOf<RHouse>(parent)
{
    MgrFld = FieldByName(QStringLiteral("Mgr"));
    TelFld = FieldByName(QStringLiteral("Tel"));
}

TUnitSet::TUnitSet(QObject* parent) : TInfoSetOf<RUnit>(parent) { RateFld = FieldByName(QStringLiteral("Rate")); }
