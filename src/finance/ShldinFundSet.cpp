#include "ShldinFundSet.h"

#include "Client.h"
#include "Criteria.h"
#include "FundCalc.h"
#include "Nullable.h"
#include "Numbers.h"

// --- TShldinFundWhere --------------------------------------------------------------------------

TShldinFundWhere::TShldinFundWhere(QObject* parent) : TCustomWhere(parent)
{
    BeginDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("BeginDate"), 0, true, QString());
    EndDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("EndDate"), 0, true, QString());
    DeptIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("DeptId"), 0, false, QString());
    DeptNameFld = AddFieldDef(TFieldType::String, QStringLiteral("DeptName"), 50, true, QString());
    ClientKeyFld = AddFieldDef(TFieldType::String, QStringLiteral("ClientKey"), 50, true, QString());
    Reset();
}

// --- TShldinFundSet ----------------------------------------------------------------------------

TShldinFundSet::TShldinFundSet(QObject* parent) : TMqClientDataSet(parent), Where(new TShldinFundWhere(this))
{
    const auto text = [this](const char* name, int size, const char* label) {
        return AddFieldDef(TFieldType::String, QString::fromLatin1(name), size, true, QString::fromUtf8(label));
    };
    const auto fund = [this](const char* name, const char* label) {
        TField* f = AddFieldDef(TFieldType::Float, QString::fromLatin1(name), 0, true, QString::fromUtf8(label));
        f->SetDisplayFormat(QStringLiteral("0.00"));
        return f;
    };
    ClientIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("ClientId"), 0, false, QString());
    ClientNameFld = text("ClientName", 50, "客户名称");
    ClientLinkmanFld = text("ClientLinkman", 30, "联系人");
    ClientTelFld = text("ClientTel", 50, "联系电话");
    ClientFaxFld = text("ClientFax", 50, "传真号码");
    ClientAddrFld = text("ClientAddr", 50, "联系地址");
    ClientBankFld = text("ClientBank", 50, "开户行");
    ClientBankIdFld = text("ClientBankId", 50, "账号");
    PreoutFundAFld = fund("PreoutFundA", "预收款|期初");
    PreoutFund1Fld = fund("PreoutFund1", "预收款|本期");
    PreoutFundZFld = fund("PreoutFund", "预收款|期末");
    ShldinFundAFld = fund("ShldinFundA", "应收款|期初");
    ShldinFund1Fld = fund("ShldinFund1", "应收款|本期");
    ShldinFundZFld = fund("ShldinFund", "应收款|期末");
    PayFundAFld = fund("PayFundA", "收款|期初");
    PayFund1Fld = fund("PayFund1", "收款|本期");
    PayFundZFld = fund("PayFundZ", "收款|期末");
    InvFundAFld = fund("InvFundA", "发票|已开|期初");
    InvFund1Fld = fund("InvFund1", "发票|已开|本期");
    InvFundZFld = fund("InvFundZ", "发票|已开|期末");
    UinvFundAFld = fund("UinvFundA", "发票|未开|期初");
    UinvFund1Fld = fund("UinvFund1", "发票|未开|本期");
    UinvFundZFld = fund("UinvFundZ", "发票|未开|期末");
    BalanceFundFld = fund("BalanceFund", "结余");
    CreateDataSet();
}

namespace {
// A zero figure stays empty.
QVariant figure(double v) { return v == 0.0 ? QVariant() : QVariant(v); }

std::optional<QDate> dateOf(const TField* f)
{
    const QDate d = TField::ToDate(f->Value());
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}
}  // namespace

double TShldinFundSet::Compute()
{
    StartTiming();
    Where->UpdateRecord();
    const TFundWindows period{dateOf(Where->BeginDateFld), dateOf(Where->EndDateFld)};
    const int deptId = Where->DeptIdFld->IsNull() ? 0 : Where->DeptIdFld->AsInteger();

    TShldinFundCalc moveA, move1, moveZ;
    TShldinFundCalc::PrepareWindows(0, deptId, period, moveA, move1, moveZ);
    TInvFundCalc invA, inv1, invZ;
    TInvFundCalc::PrepareWindows(0, deptId, period, invA, inv1, invZ);

    TClientSet clients;
    clients.OpenAll();
    TDataSet* cs = clients.DataSet();
    const QString key = Where->ClientKeyFld->IsNull() ? QString() : Where->ClientKeyFld->AsString().trimmed();
    if (!key.isEmpty()) {
        QStringList any;
        for (const TField* f : {clients.LookIdFld, clients.NameFld, clients.TelFld})
            any << TCriteria().Contains(f->FieldName(), key).Conditions();
        cs->SetFilter(any.join(QStringLiteral(" or ")));
        cs->SetFiltered(true);
    }
    cs->SetSort(QStringLiteral("Id"));

    TDataSet* ds = DataSet();
    ds->DisableControls();
    ds->EmptyDataSet();
    const int count = cs->RecordCount();
    std::vector<QVector<QVariant>> rows;
    rows.reserve(size_t(count));
    const auto text = [&](int row, const TField* f) {
        const QVariant v = cs->ValueAt(row, f->Index());
        return Nullable::IsNull(v) ? QString() : v.toString();
    };
    for (int row = 0; row < count; ++row) {
        const int id = TField::ToInt(cs->ValueAt(row, clients.IdFld->Index()));
        QVector<QVariant> r(ds->FieldCount());
        r[ClientIdFld->Index()] = id;
        r[ClientNameFld->Index()] = text(row, clients.NameFld);
        r[ClientAddrFld->Index()] = text(row, clients.AddrFld);
        r[ClientLinkmanFld->Index()] = text(row, clients.LinkmanFld);
        r[ClientTelFld->Index()] = text(row, clients.TelFld);
        r[ClientFaxFld->Index()] = text(row, clients.FaxFld);
        r[ClientBankFld->Index()] = text(row, clients.BankFld);
        r[ClientBankIdFld->Index()] = text(row, clients.BankIdFld);
        const RShldinTotals a = moveA.Totals(id), p = move1.Totals(id), z = moveZ.Totals(id);
        r[PreoutFundAFld->Index()] = figure(a.Advance);
        r[ShldinFundAFld->Index()] = figure(a.Increase);
        r[PayFundAFld->Index()] = figure(a.Decrease);
        r[PreoutFund1Fld->Index()] = figure(p.Advance);
        r[ShldinFund1Fld->Index()] = figure(p.Increase);
        r[PayFund1Fld->Index()] = figure(p.Decrease);
        r[PreoutFundZFld->Index()] = figure(z.Advance);
        r[ShldinFundZFld->Index()] = figure(z.Increase);
        r[PayFundZFld->Index()] = figure(z.Decrease);
        r[BalanceFundFld->Index()] = Numbers::RoundHalfEven(z.Balance(), 4);
        const RInvTotals ia = invA.Totals(id), i1 = inv1.Totals(id), iz = invZ.Totals(id);
        r[InvFundAFld->Index()] = figure(ia.Invoiced);
        r[UinvFundAFld->Index()] = figure(ia.Uninvoiced);
        r[InvFund1Fld->Index()] = figure(i1.Invoiced);
        r[UinvFund1Fld->Index()] = figure(i1.Uninvoiced);
        r[InvFundZFld->Index()] = figure(iz.Invoiced);
        r[UinvFundZFld->Index()] = figure(iz.Uninvoiced);
        rows.push_back(std::move(r));
        Progress(count, row + 1);
    }
    ds->LoadRows(std::move(rows));
    ds->First();
    ds->EnableControls();
    StopTiming();
    return Duration();
}
