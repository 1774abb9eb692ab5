#include "BilldlSets.h"

#include "Labels.h"
#include "Nullable.h"

namespace {
QVariant text(const QString& s) { return s; }

// The three line datasets differ only in how one line is read and written.
template <class Lines, class Read>
Lines readLines(int count, Read read)
{
    Lines lines;
    lines.resize(count);
    for (int i = 0; i < count; ++i) read(i, lines[i]);
    return lines;
}

template <class Lines, class Write>
std::vector<QVector<QVariant>> rowsOf(const Lines& lines, int fieldCount, Write write)
{
    std::vector<QVector<QVariant>> rows;
    rows.reserve(size_t(lines.size()));
    for (const auto& l : lines) {
        rows.emplace_back(fieldCount);
        write(rows.back(), l);
    }
    return rows;
}
}  // namespace

TGoodsdlSet::TGoodsdlSet(QObject* parent) : TMqClientDataSet(parent)
{
    dlIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("dlId"), 0, false, QString());
    MastIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("MastId"), 0, false, QString());
    WareIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("WareId"), 0, false, QString());
    WareCodeFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareCode"), 30, true, QStringLiteral("货号"));
    WareNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareName"), 50, true, TCaptions::WareS02());
    WarePartNoFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WarePartNo"), 200, true, TCaptions::WareS04());
    WareBrandFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareBrand"), 30, true, TCaptions::WareS05());
    WarePackageFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WarePackage"), 20, true, TCaptions::WareS06());
    WareUnitFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareUnit"), 20, true, TCaptions::WareS12());
    UnitRateFld = AddFieldDef(TFieldType::Float, QStringLiteral("UnitRate"), 0, false, QString());
    UnitNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("UnitName"), 20, true, QStringLiteral("单位"));
    WareColorFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareColor"), 10, true, TCaptions::WareColorLabel());
    WareSizeFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareSize"), 10, true, TCaptions::WareSizeLabel());
    WarePropFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WareProp"), 10, true, TCaptions::WarePropLabel());
}

void TGoodsdlSet::DeclareAmounts(bool discount)
{
    QtyFld = AddFieldDef(TFieldType::Float, QStringLiteral("Qty"), 0, true, QStringLiteral("数量"));
    PriceFld = AddFieldDef(TFieldType::Float, QStringLiteral("Price"), 0, true, QStringLiteral("单价"));
    if (discount) DiscountFld = AddFieldDef(TFieldType::Float, QStringLiteral("Discount"), 0, true, QStringLiteral("折率"));
    FundFld = AddFieldDef(TFieldType::Float, QStringLiteral("Fund"), 0, true, QStringLiteral("金额"));
    dlNoteFld = AddFieldDef(TFieldType::WideString, QStringLiteral("dlNote"), 50, true, QStringLiteral("备注"));
}

int TGoodsdlSet::BeginRead()
{
    TDataSet* ds = DataSet();
    if (!ds->Active()) return 0;
    ds->Post();  // the row being edited counts as entered
    return ds->RecordCount();
}

QVariant TGoodsdlSet::At(int row, const TField* field) const { return DataSet()->ValueAt(row, field->Index()); }

void TGoodsdlSet::ReadGoods(int row, RGoodsLine& l) const
{
    auto str = [&](const TField* f) {
        const QVariant v = At(row, f);
        return Nullable::IsNull(v) ? QString() : v.toString();
    };
    l.dlId = TField::ToInt(At(row, dlIdFld));
    l.MastId = TField::ToInt(At(row, MastIdFld));
    l.WareId = TField::ToInt(At(row, WareIdFld));
    l.WareCode = str(WareCodeFld);
    l.WareName = str(WareNameFld);
    l.WarePartNo = str(WarePartNoFld);
    l.WareBrand = str(WareBrandFld);
    l.WarePackage = str(WarePackageFld);
    l.WareUnit = str(WareUnitFld);
    l.UnitRate = Nullable::Num(At(row, UnitRateFld)).value_or(1.0);
    l.UnitName = str(UnitNameFld);
    l.WareColor = str(WareColorFld);
    l.WareSize = str(WareSizeFld);
    l.WareProp = str(WarePropFld);
    l.Qty = Nullable::Num(At(row, QtyFld));
    l.Price = Nullable::Num(At(row, PriceFld));
    l.Fund = Nullable::Num(At(row, FundFld));
    l.dlNote = str(dlNoteFld);
}

void TGoodsdlSet::ReadDiscount(int row, ROrderdl& l) const
{
    ReadGoods(row, l);
    l.Discount = Nullable::Num(At(row, DiscountFld));
}

void TGoodsdlSet::WriteGoods(QVector<QVariant>& row, const RGoodsLine& l) const
{
    row[dlIdFld->Index()] = l.dlId;
    row[MastIdFld->Index()] = l.MastId;
    row[WareIdFld->Index()] = l.WareId;
    row[WareCodeFld->Index()] = text(l.WareCode);
    row[WareNameFld->Index()] = text(l.WareName);
    row[WarePartNoFld->Index()] = text(l.WarePartNo);
    row[WareBrandFld->Index()] = text(l.WareBrand);
    row[WarePackageFld->Index()] = text(l.WarePackage);
    row[WareUnitFld->Index()] = text(l.WareUnit);
    row[UnitRateFld->Index()] = l.UnitRate;
    row[UnitNameFld->Index()] = text(l.UnitName);
    row[WareColorFld->Index()] = text(l.WareColor);
    row[WareSizeFld->Index()] = text(l.WareSize);
    row[WarePropFld->Index()] = text(l.WareProp);
    row[QtyFld->Index()] = Nullable::Of(l.Qty);
    row[PriceFld->Index()] = Nullable::Of(l.Price);
    row[FundFld->Index()] = Nullable::Of(l.Fund);
    row[dlNoteFld->Index()] = text(l.dlNote);
}

void TGoodsdlSet::WriteDiscount(QVector<QVariant>& row, const ROrderdl& l) const
{
    WriteGoods(row, l);
    row[DiscountFld->Index()] = Nullable::Of(l.Discount);
}

void TGoodsdlSet::Replace(std::vector<QVector<QVariant>>&& rows)
{
    TDataSet* ds = DataSet();
    ds->DisableControls();
    if (!ds->Active()) ds->CreateDataSet();
    ds->LoadRows(std::move(rows));
    ds->First();
    ds->EnableControls();
}

void TGoodsdlSet::WriteAmounts(const RGoodsLine& l)
{
    TDataSet* ds = DataSet();
    if (!ds->Active() || ds->IsEmpty()) return;
    ds->SetFieldValue(QtyFld, Nullable::Of(l.Qty));
    ds->SetFieldValue(PriceFld, Nullable::Of(l.Price));
    ds->SetFieldValue(FundFld, Nullable::Of(l.Fund));
}

// --- quotations --------------------------------------------------------------------------------

TQuotdlSet::TQuotdlSet(QObject* parent) : TGoodsdlSet(parent)
{
    DeclareAmounts(false);
    CreateDataSet();
}

RQuotdls TQuotdlSet::AsDatas()
{
    return readLines<RQuotdls>(BeginRead(), [this](int row, RQuotdl& l) { ReadGoods(row, l); });
}

void TQuotdlSet::SetAsDatas(const RQuotdls& lines)
{
    Replace(rowsOf(lines, DataSet()->FieldCount(), [this](QVector<QVariant>& row, const RQuotdl& l) { WriteGoods(row, l); }));
}

void TQuotdlSet::PostAmount(const TDecimals& decimals)
{
    if (DataSet()->IsEmpty()) return;
    RQuotdl l;
    ReadGoods(DataSet()->RecNo() - 1, l);
    BillAmounts::PostLine(l, decimals);
    WriteAmounts(l);
}

// --- orders ------------------------------------------------------------------------------------

TOrderdlSet::TOrderdlSet(QObject* parent) : TGoodsdlSet(parent)
{
    DeclareAmounts(true);
    CreateDataSet();
}

ROrderdls TOrderdlSet::AsDatas()
{
    return readLines<ROrderdls>(BeginRead(), [this](int row, ROrderdl& l) { ReadDiscount(row, l); });
}

void TOrderdlSet::SetAsDatas(const ROrderdls& lines)
{
    Replace(rowsOf(lines, DataSet()->FieldCount(), [this](QVector<QVariant>& row, const ROrderdl& l) { WriteDiscount(row, l); }));
}

void TOrderdlSet::PostAmount(const TDecimals& decimals)
{
    if (DataSet()->IsEmpty()) return;
    ROrderdl l;
    ReadDiscount(DataSet()->RecNo() - 1, l);
    BillAmounts::PostLine(l, decimals);
    WriteAmounts(l);
}

// --- deliveries --------------------------------------------------------------------------------

TSaledlSet::TSaledlSet(QObject* parent) : TGoodsdlSet(parent)
{
    DeclareAmounts(true);
    OrdlIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("OrdlId"), 0, false, QString());
    OrdCodeFld = AddFieldDef(TFieldType::WideString, QStringLiteral("OrdCode"), 30, true, QStringLiteral("订单号"));
    CostPriceFld = AddFieldDef(TFieldType::Float, QStringLiteral("CostPrice"), 0, false, QStringLiteral("入库价"));
    InnerPriceFld = AddFieldDef(TFieldType::Float, QStringLiteral("InnerPrice"), 0, false, QStringLiteral("结算价"));
    ProfitRateFld = AddFieldDef(TFieldType::Integer, QStringLiteral("ProfitRate"), 0, false, QStringLiteral("提成率"));
    CreateDataSet();
}

void TSaledlSet::readRow(int row, RSaledl& l) const
{
    ReadDiscount(row, l);
    l.OrdlId = Nullable::Int(At(row, OrdlIdFld));
    const QVariant code = At(row, OrdCodeFld);
    l.OrdCode = Nullable::IsNull(code) ? QString() : code.toString();
    l.CostPrice = Nullable::Num(At(row, CostPriceFld));
    l.InnerPrice = Nullable::Num(At(row, InnerPriceFld));
    l.ProfitRate = Nullable::Int(At(row, ProfitRateFld));
}

RSaledls TSaledlSet::AsDatas()
{
    return readLines<RSaledls>(BeginRead(), [this](int row, RSaledl& l) { readRow(row, l); });
}

void TSaledlSet::SetAsDatas(const RSaledls& lines)
{
    Replace(rowsOf(lines, DataSet()->FieldCount(), [this](QVector<QVariant>& row, const RSaledl& l) {
        WriteDiscount(row, l);
        row[OrdlIdFld->Index()] = Nullable::Of(l.OrdlId);
        row[OrdCodeFld->Index()] = text(l.OrdCode);
        row[CostPriceFld->Index()] = Nullable::Of(l.CostPrice);
        row[InnerPriceFld->Index()] = Nullable::Of(l.InnerPrice);
        row[ProfitRateFld->Index()] = Nullable::Of(l.ProfitRate);
    }));
}

void TSaledlSet::PostAmount()
{
    if (DataSet()->IsEmpty()) return;
    RSaledl l;
    readRow(DataSet()->RecNo() - 1, l);
    BillAmounts::PostLine(l);
    WriteAmounts(l);
}
