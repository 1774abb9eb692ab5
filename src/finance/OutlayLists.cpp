#include "OutlayLists.h"

#include "FnColumns.h"
#include "Nullable.h"
#include "Numbers.h"

#include <QSqlQuery>

// --- TOutlayWhere ------------------------------------------------------------------------------

TOutlayWhere::TOutlayWhere(QObject* parent) : TCustomWhere(parent)
{
    using T = TFieldType;
    const auto add = [this](T type, const char* name, int size, bool visible) {
        return AddFieldDef(type, QString::fromLatin1(name), size, visible, QString());
    };
    BillIdFld = add(T::Integer, "BillId", 0, false);
    CodeFld = add(T::String, "Code", 20, true);
    BizDate1Fld = add(T::DateTime, "BizDate1", 0, true);
    BizDate2Fld = add(T::DateTime, "BizDate2", 0, true);
    ItemIdFld = add(T::Integer, "ItemId", 0, false);
    ItemNameFld = add(T::String, "ItemName", 30, true);
    BankIdFld = add(T::Integer, "BankId", 0, false);
    BankNameFld = add(T::String, "BankName", 30, true);
    Fund1Fld = add(T::Float, "Fund1", 0, true);
    Fund2Fld = add(T::Float, "Fund2", 0, true);
    ClientIdFld = add(T::Integer, "ClientId", 0, false);
    ClientNameFld = add(T::String, "ClientName", 30, true);
    HandmanIdFld = add(T::Integer, "HandmanId", 0, false);
    HandmanNameFld = add(T::String, "HandmanName", 30, true);
    SalemanIdFld = add(T::Integer, "SalemanId", 0, false);
    SignIdFld = add(T::Integer, "SignId", 0, false);
    DeptIdFld = add(T::Integer, "DeptId", 0, false);
    Reset();
}

TCriteria TOutlayWhere::Criteria()
{
    UpdateRecord();
    const auto id = [](const TField* f) { return f->IsNull() ? qint64(0) : f->AsLargeInt(); };
    const auto number = [](double v) { return QString::number(v, 'g', 17); };
    TCriteria c;
    c.IdNotNull(QStringLiteral("m.Id"), BillIdFld->Value());
    c.Contains(QStringLiteral("m.Code"), CodeFld->IsNull() ? QString() : CodeFld->AsString().trimmed());
    FnColumns::Period(c, QStringLiteral("m.BizDate"), BizDate1Fld->Value(), BizDate2Fld->Value());
    c.Id(QStringLiteral("m.ItemId"), id(ItemIdFld));
    c.Id(QStringLiteral("m.BankId"), id(BankIdFld));
    if (!Fund1Fld->IsNull()) c.Add(QStringLiteral("m.Fund >= ") + number(Fund1Fld->AsFloat()));
    if (!Fund2Fld->IsNull()) c.Add(QStringLiteral("m.Fund < ") + number(Fund2Fld->AsFloat()));
    c.Id(QStringLiteral("m.ClientId"), id(ClientIdFld));
    c.Id(QStringLiteral("m.HandmanId"), id(HandmanIdFld));
    c.Id(QStringLiteral("m.SalemanId"), id(SalemanIdFld));
    c.Id(QStringLiteral("m.DeptId"), id(DeptIdFld));
    // Both directions can be asked for; anything else means either.
    const qint64 sign = id(SignIdFld);
    if (sign == 1 || sign == -1) c.Add(QStringLiteral("m.Sign=%1").arg(sign));
    return c;
}

// --- TOutlaySet --------------------------------------------------------------------------------

TOutlaySet::TOutlaySet(QObject* parent) : TRecordSet(parent), Where(new TOutlayWhere(this))
{
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"));
    CodeFld = AddField(TFieldType::String, QStringLiteral("Code"), 20, true, QStringLiteral("单号"));
    BizDateFld = AddField(TFieldType::DateTime, QStringLiteral("BizDate"), -1, true, QStringLiteral("日期"));
    SignFld = AddField(TFieldType::Integer, QStringLiteral("Sign"), -1, true, QStringLiteral("方向"));
    ItemIdFld = AddField(TFieldType::Integer, QStringLiteral("ItemId"), -1, false);
    ItemNameFld = AddField(TFieldType::String, QStringLiteral("ItemName"), 30, true, QStringLiteral("项目"));
    BankIdFld = AddField(TFieldType::Integer, QStringLiteral("BankId"), -1, false);
    BankNameFld = AddField(TFieldType::String, QStringLiteral("BankName"), 50, true, QStringLiteral("账户"));
    FundFld = AddField(TFieldType::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    DeptIdFld = AddField(TFieldType::Integer, QStringLiteral("DeptId"), -1, false);
    DeptNameFld = AddField(TFieldType::String, QStringLiteral("DeptName"), 50, true, QStringLiteral("部门"));
    SalemanIdFld = AddField(TFieldType::Integer, QStringLiteral("SalemanId"), -1, false);
    SalemanNameFld = AddField(TFieldType::String, QStringLiteral("SalemanName"), 50, true, QStringLiteral("相关业务员"));
    ClientIdFld = AddField(TFieldType::Integer, QStringLiteral("ClientId"), -1, false);
    ClientNameFld = AddField(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("单位名称"));
    HandmanIdFld = AddField(TFieldType::Integer, QStringLiteral("HandmanId"), -1, false);
    HandmanNameFld = AddField(TFieldType::String, QStringLiteral("HandmanName"), 30, true, QStringLiteral("经手人"));
    BillmanFld = AddField(TFieldType::String, QStringLiteral("Billman"), -1, true, QStringLiteral("制单人"));
    BillTimeFld = AddField(TFieldType::DateTime, QStringLiteral("BillTime"), -1, true, QStringLiteral("制单时间"));
    CheckmanFld = AddField(TFieldType::String, QStringLiteral("Checkman"), -1, true, QStringLiteral("审核人"));
    CheckTimeFld = AddField(TFieldType::DateTime, QStringLiteral("CheckTime"), -1, true, QStringLiteral("审核时间"));
    NoteFld = AddField(TFieldType::String, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    FundCnCalcFld = AddField(TFieldType::String, QStringLiteral("FundCnCalc"), 50, false, QStringLiteral("金额(大写)"));
}

int TOutlaySet::OpenList()
{
    const int n = Open(QStringLiteral("select m.*, null as FundCnCalc, i.Name as ItemName, b.Name as BankName, c.Name as "
                                      "ClientName, e.Name as HandmanName, h.Name as DeptName, e2.Name as SalemanName  from "
                                      "((((((outlay m left join outlay_item i on i.Id=m.ItemId)  left join fn_bank b on "
                                      "b.Id=m.BankId)  left join client c on c.Id=m.ClientId)  left join employee e on "
                                      "e.Id=m.HandmanId)  left join departments h on h.Id=m.DeptId)  left join employee e2 "
                                      "on e2.Id=m.SalemanId) ")
                       + Where->Criteria().Where() + QStringLiteral(" order by m.BizDate, m.Id"));
    FnColumns::FillAmountInWords(*this, FundFld, FundCnCalcFld);
    return n;
}

bool TOutlaySet::OpenById(int id)
{
    Where->Reset();
    Where->BillIdFld->SetValue(id);
    return OpenList() == 1;
}

double TOutlaySet::SignedTotal() const
{
    const TDataSet* ds = DataSet();
    if (!ds->Active()) return 0.0;
    double sum = 0.0;
    for (int row = 0; row < ds->RecordCount(); ++row)
        sum += TField::ToInt(ds->ValueAt(row, SignFld->Index())) * TField::ToFloat(ds->ValueAt(row, FundFld->Index()));
    return Numbers::RoundHalfEven(sum, 4);
}

// --- TOutlayFinder -----------------------------------------------------------------------------

TOutlayFinder::TOutlayFinder(QObject* parent) : TOutlaySet(parent), m_cursor(*this, IdFld) {}

int TOutlayFinder::Find(const std::optional<QDate>& begin, const std::optional<QDate>& end)
{
    Where->Reset();
    if (begin) Where->BizDate1Fld->SetValue(*begin);
    if (end) Where->BizDate2Fld->SetValue(*end);
    return OpenList();
}

// --- TOutlaySums -------------------------------------------------------------------------------

QHash<int, double> TOutlaySums::Sum(TBy by, const std::optional<QDate>& begin, const std::optional<QDate>& end)
{
    const QString key = by == TBy::Saleman ? QStringLiteral("SalemanId")
                        : by == TBy::Dept  ? QStringLiteral("DeptId")
                                           : QStringLiteral("ClientId");
    TCriteria c;
    FnColumns::Period(c, QStringLiteral("BizDate"), begin ? QVariant(*begin) : QVariant(), end ? QVariant(*end) : QVariant());
    QHash<int, double> sums;
    QSqlQuery q = GlobalDatabase().Select(
        QStringLiteral("select %1, sum(Sign*Fund) from outlay where 1=1%2 group by %1").arg(key, c.Text()), {});
    while (q.next()) sums[TField::ToInt(q.value(0))] += Numbers::RoundHalfEven(TField::ToFloat(q.value(1)), 4);
    return sums;
}
