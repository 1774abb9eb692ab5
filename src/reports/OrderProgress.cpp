#include "OrderProgress.h"

#include "Nullable.h"
#include "Numbers.h"
#include "OrderBill.h"
#include "OrderLists.h"
#include "ReportColumns.h"
#include "ReportData.h"

#include <QHash>

// --- TOrderProgress ----------------------------------------------------------------------------

TOrderProgress::TOrderProgress(QObject* parent) : TMqClientDataSet(parent)
{
    const ReportColumns::TAdd add = [this](TFieldType t, const QString& n, int s, bool v, const QString& l) {
        return AddFieldDef(t, n, s, v, l);
    };
    const auto hidden = [this](const char* name, TFieldType type = TFieldType::Integer) {
        return AddFieldDef(type, QString::fromLatin1(name), 0, false, QString());
    };
    const auto text = [this](const char* name, int size, const QString& label) {
        return AddFieldDef(TFieldType::WideString, QString::fromLatin1(name), size, true, label);
    };
    const auto number = [this](TFieldType type, const char* name, const QString& label) {
        return AddFieldDef(type, QString::fromLatin1(name), 0, true, label);
    };

    IdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("Id"), 0, false, QStringLiteral("BillId"));
    CodeFld = text("Code", 20, QStringLiteral("编号"));
    BizDateFld = number(TFieldType::DateTime, "BizDate", QStringLiteral("日期"));
    TypeIdFld = hidden("TypeId");
    TypeNameFld = text("TypeName", 30, QStringLiteral("类别"));
    DeptIdFld = hidden("DeptId");
    DeptNameFld = text("DeptName", 30, QStringLiteral("部门"));
    ClientIdFld = hidden("ClientId");
    ClientNameFld = text("ClientName", 50, QStringLiteral("客户名称"));
    SalemanIdFld = hidden("SalemanId");
    SalemanNameFld = text("SalemanName", 30, QStringLiteral("销售员"));
    TimeLimitFld = number(TFieldType::DateTime, "TimeLimit", QStringLiteral("交货期限"));
    NoteFld = text("Note", 50, QStringLiteral("主表备注"));
    OrderdlIdFld = hidden("OrderdlId");
    WarecataCodeFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WarecataCode"), 50, false, QString());
    WareIdFld = hidden("WareId");
    const ReportColumns::TGoods goods = ReportColumns::AddGoods(add);
    WareLookIdFld = goods.WareLookId;
    WareCodeFld = goods.WareCode;
    WareNameFld = goods.WareName;
    WarePartNoFld = goods.WarePartNo;
    WareBrandFld = goods.WareBrand;
    WarePackageFld = goods.WarePackage;
    WareUnitFld = goods.WareUnit;
    WareCostPriceFld = hidden("WareCostPrice", TFieldType::Float);
    WareInnerPriceFld = hidden("WareInnerPrice", TFieldType::Float);
    WareProfitRateFld = hidden("WareProfitRate", TFieldType::Float);
    const ReportColumns::TAttributes attrs = ReportColumns::AddAttributes(add);
    WareColorFld = attrs.WareColor;
    WareSizeFld = attrs.WareSize;
    WarePropFld = attrs.WareProp;
    UnitRateFld = hidden("UnitRate", TFieldType::Float);
    UnitNameFld = text("UnitName", 30, QStringLiteral("包装单位"));
    QtyFld = AddFieldDef(TFieldType::Float, QStringLiteral("Qty"), 0, false, QStringLiteral("单位数量"));
    OrderQtyFld = number(TFieldType::Float, "OrderQty", QStringLiteral("单位数量|订单"));
    CompleteQtyFld = number(TFieldType::Float, "CompleteQty", QStringLiteral("单位数量|已发"));
    ResidualQtyFld = number(TFieldType::Float, "ResidualQty", QStringLiteral("单位数量|待发"));
    LastSendDateFld = number(TFieldType::DateTime, "LastSendDate", QStringLiteral("发货日期"));
    PriceFld = number(TFieldType::Float, "Price", QStringLiteral("单价"));
    DiscountFld = number(TFieldType::Float, "Discount", QStringLiteral("折扣"));
    FundFld = number(TFieldType::Fund, "Fund", QStringLiteral("金额"));
    dlNoteFld = text("dlNote", 50, QStringLiteral("细表备注"));
    ComIdFld = hidden("ComId");
    ComFlagFld = AddFieldDef(TFieldType::WideString, QStringLiteral("ComFlag"), 10, true, QStringLiteral("完成"));
    // The signed amount of the delivery lines of the order line; the goods summary shows its sum.
    CompleteFundFld = AddFieldDef(TFieldType::Fund, QStringLiteral("CompleteFund"), 0, false, QStringLiteral("已发金额"));
    CreateDataSet();
}

QString TOrderProgress::ComFlagText(double residualQty, bool stopped)
{
    if (residualQty <= 0) return QStringLiteral("√");
    return stopped ? QStringLiteral("中止") : QString();
}

int BuildOrderProgress(TOrderProgress* set, TOrderWhere* where)
{
    set->StartTiming();
    TDataSet* ds = set->DataSet();
    TFrozenControls frozen(ds);
    ds->EmptyDataSet();

    QString conditions;
    if (where) conditions = where->HeaderCriteria().Text() + where->GoodsCriteria(QStringLiteral("w"), QStringLiteral("a")).Text();
    const TResultRows lines(
        QStringLiteral(
            "select m.Id, m.Code, m.BizDate, m.DeptId, m.TypeId,m.ClientId, m.SalemanId, m.TimeLimit, m.[Note], "
            "d.dlId, a.Code as WarecataCode, d.WareId, w.LookId as WareLookId, w.Code as WareCode, w.Name as WareName, "
            "w.PartNo as WarePartNo, w.Brand as WareBrand, w.Package as WarePackage, w.Unit as WareUnit, w.CostPrice "
            "as WareCostPrice, w.InnerPrice as WareInnerPrice, w.ProfitRate as WareProfitRate, d.WareColor, "
            "d.[WareSize], d.WareProp, d.UnitRate, d.UnitName, d.Qty, d.Qty*d.UnitRate as Qty1, d.Price, d.Discount, "
            "d.dlNote, r.OrdlId as ComId, h.Name as DeptName, t.Name as TypeName, c.Name as ClientName, e.Name as "
            "SalemanName, (select sum(sd.Qty*sd.UnitRate*st.Sign) from ((saledl sd inner join sale sm on "
            "sm.Id=sd.MastId) left join saletype st on st.Id=sm.TypeId) where sd.OrdlId=d.dlId) as SendQty, (select "
            "max(sm.BizDate) from (saledl sd inner join sale sm on sm.Id=sd.MastId) where sd.OrdlId=d.dlId) as "
            "LastSendDate, (select sum(sd.Fund*st.Sign) from ((saledl sd inner join sale sm on sm.Id=sd.MastId) left "
            "join saletype st on st.Id=sm.TypeId) where sd.OrdlId=d.dlId) as SendFund from ((((((((slorderfrm m inner "
            "join slorderfrmdl d on m.Id=d.MastId)  left join departments h on h.Id=m.DeptId)  left join client c on "
            "c.Id=m.ClientId)  left join employee e on e.Id=m.SalemanId)  left join slorderfrmtype t on "
            "t.Id=m.TypeId)  left join slordercom r on d.dlId=r.OrdlId) left join ware w on w.Id=d.WareId)  left join "
            "wareclass a on a.Id=w.ClassId) where 1=1 ")
        + conditions);

    // Fields filled straight from the column of the same name.
    std::vector<std::pair<const TField*, int>> direct;
    for (TField* f : ds->Fields()) {
        const int column = lines.Column(f->FieldName());
        if (column >= 0) direct.emplace_back(f, column);
    }
    const int dlIdCol = lines.Column(QStringLiteral("dlId"));
    const int qty1Col = lines.Column(QStringLiteral("Qty1"));
    const int sendQtyCol = lines.Column(QStringLiteral("SendQty"));
    const int sendFundCol = lines.Column(QStringLiteral("SendFund"));
    const bool unfinishedOnly = where && TField::ToBool(where->UnFinishedFld->Value());

    TRowBuffer rows(ds);
    const int total = lines.Count();
    for (int i = 0; i < total; ++i) {
        const QVector<QVariant>& line = lines.Row(i);
        const QVariant orderQty = line[qty1Col];
        const QVariant sendQty = line[sendQtyCol];
        const double residual = Numbers::RoundTo(TField::ToFloat(orderQty) - TField::ToFloat(sendQty), 8);
        const bool stopped = !IsEmptyValue(line[lines.Column(QStringLiteral("ComId"))]);
        if (!unfinishedOnly || (residual > 0 && !stopped)) {
            QVector<QVariant>& row = rows.Append();
            for (const auto& [field, column] : direct) TRowBuffer::Set(row, field, line[column]);
            TRowBuffer::Set(row, set->OrderdlIdFld, line[dlIdCol]);
            TRowBuffer::Set(row, set->OrderQtyFld, orderQty);
            TRowBuffer::Set(row, set->CompleteQtyFld, sendQty);
            TRowBuffer::Set(row, set->CompleteFundFld, line[sendFundCol]);
            TRowBuffer::Set(row, set->ResidualQtyFld, residual);
            const double fund = TField::ToFloat(TRowBuffer::Get(row, set->QtyFld))
                                * TField::ToFloat(TRowBuffer::Get(row, set->PriceFld))
                                * TField::ToFloat(TRowBuffer::Get(row, set->DiscountFld));
            TRowBuffer::Set(row, set->FundFld, Numbers::RoundTo(fund, 2));
            TRowBuffer::Set(row, set->ComFlagFld, TOrderProgress::ComFlagText(residual, stopped));
        }
        set->Progress(total, i + 1);
    }
    rows.LoadInto();
    ds->First();
    set->StopTiming();
    return ds->RecordCount();
}

bool TOrderProgress::ToggleTermination()
{
    TDataSet* ds = DataSet();
    if (!ds->Active() || ds->IsEmpty()) return false;
    const int ordlId = OrderdlIdFld->AsInteger();
    const bool stop = ComIdFld->IsNull();
    if (!TOrderBill::SetLineStopped(ordlId, stop)) return false;
    ds->Edit();
    if (stop) ComIdFld->SetValue(ordlId);
    else ComIdFld->Clear();
    ComFlagFld->SetValue(ComFlagText(ResidualQtyFld->AsFloat(), stop));
    ds->Post();
    return true;
}

namespace {
void addToTotals(RWareTotals& t, const QVector<QVariant>& row, const TOrderProgress& set)
{
    const double residual = TField::ToFloat(TRowBuffer::Get(row, set.ResidualQtyFld));
    const bool stopped = !IsEmptyValue(TRowBuffer::Get(row, set.ComIdFld));
    t.OrderQty += TField::ToFloat(TRowBuffer::Get(row, set.OrderQtyFld));
    t.CompleteQty += TField::ToFloat(TRowBuffer::Get(row, set.CompleteQtyFld));
    t.CompleteFund += TField::ToFloat(TRowBuffer::Get(row, set.CompleteFundFld));
    if (residual > 0) {
        if (stopped) t.TerminateQty += residual;
        else t.ResidualQty += residual;
    } else if (residual < 0) {
        t.OverQty += residual;
    }
}
}  // namespace

RWareTotals TOrderProgress::WareTotals(int wareId) const
{
    RWareTotals t;
    const TDataSet* ds = DataSet();
    if (!ds->Active()) return t;
    for (int i = 0; i < ds->RecordCount(); ++i) {
        const QVector<QVariant>& row = ds->RowValues(i);
        if (!IsEmptyValue(row[WareIdFld->Index()]) && TField::ToInt(row[WareIdFld->Index()]) == wareId)
            addToTotals(t, row, *this);
    }
    return t;
}

ROrderProgress TOrderProgress::AsData() const
{
    ROrderProgress r;
    r.Id = IdFld->AsInteger();
    r.Code = CodeFld->AsString();
    r.BizDate = BizDateFld->AsDate();
    r.ClientId = Nullable::Int(ClientIdFld->Value());
    r.OrderdlId = OrderdlIdFld->AsInteger();
    r.WareId = Nullable::Int(WareIdFld->Value());
    r.WareLookId = WareLookIdFld->AsString();
    r.WareCode = WareCodeFld->AsString();
    r.WareName = WareNameFld->AsString();
    r.WarePartNo = WarePartNoFld->AsString();
    r.WareBrand = WareBrandFld->AsString();
    r.WarePackage = WarePackageFld->AsString();
    r.WareUnit = WareUnitFld->AsString();
    r.WareCostPrice = Nullable::Num(WareCostPriceFld->Value());
    r.WareInnerPrice = Nullable::Num(WareInnerPriceFld->Value());
    r.WareProfitRate = Nullable::Int(WareProfitRateFld->Value());
    r.WareColor = WareColorFld->AsString();
    r.WareSize = WareSizeFld->AsString();
    r.WareProp = WarePropFld->AsString();
    r.UnitRate = UnitRateFld->IsNull() ? 1.0 : UnitRateFld->AsFloat();
    r.UnitName = UnitNameFld->AsString();
    r.OrderQty = Nullable::Num(OrderQtyFld->Value());
    r.CompleteQty = Nullable::Num(CompleteQtyFld->Value());
    r.ResidualQty = Nullable::Num(ResidualQtyFld->Value());
    r.Price = Nullable::Num(PriceFld->Value());
    r.Discount = Nullable::Num(DiscountFld->Value());
    r.Fund = Nullable::Num(FundFld->Value());
    r.dlNote = dlNoteFld->AsString();
    return r;
}

// --- TOrderWareSums ----------------------------------------------------------------------------

TOrderWareSums::TOrderWareSums(QObject* parent) : TMqClientDataSet(parent)
{
    const ReportColumns::TAdd add = [this](TFieldType t, const QString& n, int s, bool v, const QString& l) {
        return AddFieldDef(t, n, s, v, l);
    };
    const auto number = [this](TFieldType type, const char* name, const QString& label) {
        return AddFieldDef(type, QString::fromLatin1(name), 0, true, label);
    };
    WareIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("WareId"), 0, false, QString());
    const ReportColumns::TGoods goods = ReportColumns::AddGoods(add);
    WareLookIdFld = goods.WareLookId;
    WareCodeFld = goods.WareCode;
    WareNameFld = goods.WareName;
    WarePartNoFld = goods.WarePartNo;
    WareBrandFld = goods.WareBrand;
    WarePackageFld = goods.WarePackage;
    WareUnitFld = goods.WareUnit;
    OrderQtyFld = number(TFieldType::Float, "OrderQty", QStringLiteral("单位数量|订单"));
    SaleQtyFld = number(TFieldType::Float, "SaleQty", QStringLiteral("单位数量|已发"));
    TerminateQtyFld = number(TFieldType::Float, "TerminateQty", QStringLiteral("单位数量|中止"));
    ResidualQtyFld = number(TFieldType::Float, "ResidualQty", QStringLiteral("单位数量|待发"));
    OverQtyFld = number(TFieldType::Float, "OverQty", QStringLiteral("单位数量|超发"));
    OrderFundFld = number(TFieldType::Fund, "OrderFund", QStringLiteral("订单金额"));
    SaleFundFld = number(TFieldType::Fund, "SaleFund", QStringLiteral("已发金额"));
    CreateDataSet();
}

int TOrderWareSums::Open(TOrderWhere* where)
{
    StartTiming();
    TDataSet* ds = DataSet();
    TFrozenControls frozen(ds);
    ds->EmptyDataSet();
    DoProgress(0, 0, QStringLiteral("正在查询订单..."));

    QString conditions;
    if (where) {
        // Only the document criteria and the goods class bound the ordered quantities.
        conditions = where->TSalesWhere::HeaderCriteria().Text()
                     + TCriteria().StartsWith(QStringLiteral("a.Code"), TSalesWhere::TextOf(where->WareClassIdFld)).Text();
    }
    const TResultRows sums(
        QStringLiteral("select d.WareId, sum(d.Qty*d.UnitRate) as Qty, sum(d.Qty*d.Price*d.Discount) as Fund, "
                       "w.LookId, w.Code, w.Name, w.PartNo, w.Brand, w.Package, w.Unit from (((slorderfrm m inner "
                       "join slorderfrmdl d on m.Id=d.MastId )  left join ware w on w.Id=d.WareId)  left join "
                       "wareclass a on a.Id=w.ClassId) where 1=1 %1 group by d.WareId, w.LookId, w.Code, w.Name, "
                       "w.PartNo, w.Brand, w.Package, w.Unit order by w.Code, d.WareId")
            .arg(conditions));
    const int count = sums.Count();

    DoProgress(count, 0, QStringLiteral("正在汇总发货..."));
    QHash<int, RWareTotals> totals;
    {
        TOrderProgress progress;
        BuildOrderProgress(&progress, where);
        const TDataSet* lines = progress.DataSet();
        for (int i = 0; i < lines->RecordCount(); ++i) {
            const QVector<QVariant>& row = lines->RowValues(i);
            addToTotals(totals[TField::ToInt(row[progress.WareIdFld->Index()])], row, progress);
        }
    }

    const bool unfinishedOnly = where && TField::ToBool(where->UnFinishedFld->Value());
    const int wareCol = sums.Column(QStringLiteral("WareId"));
    const std::pair<const TField*, int> texts[] = {
        {WareLookIdFld, sums.Column(QStringLiteral("LookId"))},   {WareCodeFld, sums.Column(QStringLiteral("Code"))},
        {WareNameFld, sums.Column(QStringLiteral("Name"))},       {WarePartNoFld, sums.Column(QStringLiteral("PartNo"))},
        {WareBrandFld, sums.Column(QStringLiteral("Brand"))},     {WarePackageFld, sums.Column(QStringLiteral("Package"))},
        {WareUnitFld, sums.Column(QStringLiteral("Unit"))}};
    TRowBuffer rows(ds);
    for (int i = 0; i < count; ++i) {
        const QVector<QVariant>& sum = sums.Row(i);
        const RWareTotals t = totals.value(TField::ToInt(sum[wareCol]));
        // Pending quantities below half a unit count as done here.
        if (!unfinishedOnly || Numbers::RoundHalfEven(t.ResidualQty, 0) > 0) {
            QVector<QVariant>& row = rows.Append();
            TRowBuffer::Set(row, WareIdFld, sum[wareCol]);
            for (const auto& [field, column] : texts) TRowBuffer::Set(row, field, sum[column]);
            TRowBuffer::Set(row, OrderQtyFld, sum[sums.Column(QStringLiteral("Qty"))]);
            const QVariant fund = sum[sums.Column(QStringLiteral("Fund"))];
            if (!IsEmptyValue(fund)) TRowBuffer::Set(row, OrderFundFld, Numbers::RoundTo(fund.toDouble(), 2));
            TRowBuffer::Set(row, SaleQtyFld, t.CompleteQty);
            TRowBuffer::Set(row, SaleFundFld, Numbers::RoundTo(t.CompleteFund, 2));
            if (t.TerminateQty != 0) TRowBuffer::Set(row, TerminateQtyFld, t.TerminateQty);
            if (t.OverQty != 0) TRowBuffer::Set(row, OverQtyFld, t.OverQty);
            TRowBuffer::Set(row, ResidualQtyFld, t.ResidualQty);
        }
        DoProgress(count, i + 1, QStringLiteral("正在提取数据..."));
    }
    rows.LoadInto();
    ds->First();
    DoProgress(0, 0, QString());
    StopTiming();
    return ds->RecordCount();
}
