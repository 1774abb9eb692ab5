#include "SlInvLists.h"

#include "Labels.h"

// --- TSlInvWhere -------------------------------------------------------------------------------

TSlInvWhere::TSlInvWhere(QObject* parent) : TCustomWhere(parent)
{
    BillIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("BillId"), 0, false, QString());
    BeginDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("BeginDate"), 0, true, QString());
    EndDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("EndDate"), 0, true, QString());
    ClientIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("ClientId"), 0, false, QString());
    HandmanIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("HandmanId"), 0, false, QString());
    CodeFld = AddFieldDef(TFieldType::String, QStringLiteral("Code"), 50, true, QString());
    InvCodeFld = AddFieldDef(TFieldType::String, QStringLiteral("InvCode"), 50, true, QString());
    InvNoFld = AddFieldDef(TFieldType::String, QStringLiteral("InvNo"), 50, true, QString());
    ChecksFld = AddFieldDef(TFieldType::Boolean, QStringLiteral("Checks"), 0, false, QString());
    Reset();
}

TCriteria TSlInvWhere::Criteria()
{
    UpdateRecord();
    const auto text = [](const TField* f) { return f->IsNull() ? QString() : f->AsString().trimmed(); };
    TCriteria c;
    c.IdNotNull(QStringLiteral("m.Id"), BillIdFld->Value());
    c.Date(QStringLiteral("m.InvDate"), QStringLiteral(">="), BeginDateFld->Value());
    c.Date(QStringLiteral("m.InvDate"), QStringLiteral("<="), EndDateFld->Value());
    c.Id(QStringLiteral("m.ClientId"), ClientIdFld->IsNull() ? 0 : ClientIdFld->AsLargeInt());
    c.Contains(QStringLiteral("m.Code"), text(CodeFld));
    c.Contains(QStringLiteral("m.InvCode"), text(InvCodeFld));
    c.Contains(QStringLiteral("m.InvNo"), text(InvNoFld));
    if (!ChecksFld->IsNull())
        c.Add(ChecksFld->AsBoolean() ? QStringLiteral("(not m.CheckTime is null)") : QStringLiteral("m.CheckTime is null"));
    return c;
}

// --- TSlInvSet ---------------------------------------------------------------------------------

TSlInvSet::TSlInvSet(QObject* parent) : TQuerySet(parent)
{
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("ID"));
    CodeFld = AddField(TFieldType::String, QStringLiteral("Code"), 20, true, QStringLiteral("编号"));
    InvCodeFld = AddField(TFieldType::String, QStringLiteral("InvCode"), 50, true, QStringLiteral("发票代码"));
    InvNoFld = AddField(TFieldType::String, QStringLiteral("InvNo"), 50, true, QStringLiteral("发票号码"));
    InvDateFld = AddField(TFieldType::DateTime, QStringLiteral("InvDate"), -1, true, QStringLiteral("日期"));
    ClientIdFld = AddField(TFieldType::Integer, QStringLiteral("ClientId"), -1, false);
    ClientNameFld = AddField(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("客户名称"));
    TotalFundFld = AddField(TFieldType::Float, QStringLiteral("TotalFund"), -1, true, QStringLiteral("金额"));
    HandmanIdFld = AddField(TFieldType::Integer, QStringLiteral("HandmanId"), -1, false);
    HandmanNameFld = AddField(TFieldType::String, QStringLiteral("HandmanName"), 50, true, QStringLiteral("经手人"));
    NoteFld = AddField(TFieldType::String, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    BillmanFld = AddField(TFieldType::String, QStringLiteral("Billman"), -1, true, QStringLiteral("制单人"));
    BillTimeFld = AddField(TFieldType::DateTime, QStringLiteral("BillTime"), -1, true, QStringLiteral("制单时间"));
    CheckmanFld = AddField(TFieldType::String, QStringLiteral("Checkman"), -1, true, QStringLiteral("审核人"));
    CheckTimeFld = AddField(TFieldType::DateTime, QStringLiteral("CheckTime"), -1, true, QStringLiteral("审核时间"));
}

int TSlInvSet::OpenList(TSlInvWhere* where)
{
    return Open(QStringLiteral("select m.*, h.Name as ClientName, e.Name as HandmanName from ((slinvfrm m left join "
                               "client h on m.ClientId=h.Id) left join employee e on m.HandmanId=e.Id) ")
                + (where ? where->Criteria().Where() : QString()) + QStringLiteral(" order by m.Id"));
}

bool TSlInvSet::OpenById(int id)
{
    TSlInvWhere where;
    where.BillIdFld->SetValue(id);
    return OpenList(&where) == 1;
}

// --- TSlInvdlSet -------------------------------------------------------------------------------

TSlInvdlSet::TSlInvdlSet(QObject* parent) : TMqClientDataSet(parent)
{
    const auto add = [this](TFieldType type, const char* name, int size, bool visible, const QString& label) {
        return AddFieldDef(type, QString::fromLatin1(name), size, visible, label);
    };
    using T = TFieldType;
    dlIdFld = add(T::Integer, "dlId", 0, false, QString());
    MastIdFld = add(T::Integer, "MastId", 0, false, QString());
    SaledlIdFld = add(T::Integer, "SaledlId", 0, false, QString());
    WareIdFld = add(T::Integer, "WareId", 0, false, QString());
    WareLookIdFld = add(T::String, "WareLookId", 50, true, QStringLiteral("助查码"));
    WareNameFld = add(T::String, "WareName", 50, true, TCaptions::WareS02());
    WareCodeFld = add(T::String, "WareCode", 50, true, TCaptions::WareS01());
    WarePartNoFld = add(T::String, "WarePartNo", 50, true, TCaptions::WareS04());
    WareBrandFld = add(T::String, "WareBrand", 50, true, TCaptions::WareS05());
    WarePackageFld = add(T::String, "WarePackage", 50, true, TCaptions::WareS06());
    WareUnitFld = add(T::String, "WareUnit", 50, true, QStringLiteral("单位"));
    WareBarcodeFld = add(T::String, "WareBarcode", 50, true, TCaptions::WareS07());
    UnitRateFld = add(T::Float, "UnitRate", 0, false, QString());
    UnitNameFld = add(T::String, "UnitName", 20, true, QStringLiteral("包装单位"));
    WareColorFld = add(T::String, "WareColor", 30, true, TCaptions::WareColorLabel());
    WareSizeFld = add(T::String, "WareSize", 30, true, TCaptions::WareSizeLabel());
    WarePropFld = add(T::String, "WareProp", 30, true, TCaptions::WarePropLabel());
    QtyFld = add(T::Float, "Qty", 0, true, QStringLiteral("数量"));
    PriceFld = add(T::Float, "Price", 0, true, QStringLiteral("单价"));
    FundFld = add(T::Float, "Fund", 0, true, QStringLiteral("金额"));
    FundFld->SetDisplayFormat(QStringLiteral("0.00"));
    TaxFld = add(T::Float, "Tax", 0, true, QStringLiteral("税率"));
    PurePriceFld = add(T::Float, "PurePrice", 0, true, QStringLiteral("去税价"));
    dlNoteFld = add(T::String, "dlNote", 50, true, QStringLiteral("备注"));
    OrderCodeFld = add(T::String, "OrderCode", 20, true, QStringLiteral("订单号"));
    PlanCodeFld = add(T::String, "PlanCode", 20, true, QStringLiteral("计划号"));
    AppCodeFld = add(T::String, "AppCode", 20, true, QStringLiteral("申请号"));
    CreateDataSet();

    using R = RSlInvdl;
    TLineBinding<R>& b = m_binding;
    b.Bind(dlIdFld, &R::dlId);
    b.Bind(MastIdFld, &R::MastId);
    b.Bind(SaledlIdFld, &R::SaledlId);
    b.Bind(WareIdFld, &R::WareId);
    b.Bind(WareLookIdFld, &R::WareLookId);
    b.Bind(WareNameFld, &R::WareName);
    b.Bind(WareCodeFld, &R::WareCode);
    b.Bind(WarePartNoFld, &R::WarePartNo);
    b.Bind(WareBrandFld, &R::WareBrand);
    b.Bind(WarePackageFld, &R::WarePackage);
    b.Bind(WareUnitFld, &R::WareUnit);
    b.Bind(WareBarcodeFld, &R::WareBarcode);
    b.Bind(UnitRateFld, &R::UnitRate);
    b.Bind(UnitNameFld, &R::UnitName);
    b.Bind(WareColorFld, &R::WareColor);
    b.Bind(WareSizeFld, &R::WareSize);
    b.Bind(WarePropFld, &R::WareProp);
    b.Bind(QtyFld, &R::Qty);
    b.Bind(PriceFld, &R::Price);
    b.Bind(FundFld, &R::Fund);
    b.Bind(TaxFld, &R::Tax);
    b.Bind(PurePriceFld, &R::PurePrice);
    b.Bind(dlNoteFld, &R::dlNote);
    b.Bind(OrderCodeFld, &R::OrderCode);
    b.Bind(PlanCodeFld, &R::PlanCode);
    b.Bind(AppCodeFld, &R::AppCode);
}

RSlInvdls TSlInvdlSet::AsDatas() { return m_binding.Read(*DataSet()); }

void TSlInvdlSet::SetAsDatas(const RSlInvdls& lines) { m_binding.Write(*DataSet(), lines); }

void TSlInvdlSet::AppendLine(const RSlInvdl& line) { m_binding.Append(*DataSet(), line); }
