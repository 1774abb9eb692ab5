// Quotations (14), orders (9) and deliveries (10) as JSON: made as the entry windows make them
// (new record, lines from goods or order lines, amounts by the document classes, the window's
// required items) and saved, checked and deleted through the document classes.
#include "BillAmounts.h"
#include "BillJson.h"
#include "Errors.h"
#include "Operator.h"
#include "OrderBill.h"
#include "QuotBill.h"
#include "SaleBill.h"
#include "Seams.h"

namespace {

QString Labels(const QStringList& missing) { return missing.join(QStringLiteral(", ")); }

// What the three documents share; the traits below add what differs.
template <class R>
void ReadHead(TJsonIn& in, R& rec)
{
    if (auto v = in.Date(QStringLiteral("BizDate"))) rec.BizDate = *v;
    if (auto v = in.Text(QStringLiteral("OldCode"))) rec.OldCode = *v;
    if (auto v = in.Text(QStringLiteral("Note"))) rec.Note = *v;
    rec.ClientId = in.Int(QStringLiteral("ClientId"));
    rec.DeptId = in.Int(QStringLiteral("DeptId"));
    rec.SalemanId = in.Int(QStringLiteral("SalemanId"));
    RequireRow(QStringLiteral("Client"), rec.ClientId, QStringLiteral("客户"));
    RequireRow(QStringLiteral("departments"), rec.DeptId, QStringLiteral("部门"));
    RequireRow(QStringLiteral("employee"), rec.SalemanId, QStringLiteral("职员"));
}

template <class R>
void WriteHead(QJsonObject& o, const R& rec)
{
    o[QStringLiteral("Id")] = rec.Id;
    o[QStringLiteral("Code")] = rec.Code;
    o[QStringLiteral("OldCode")] = rec.OldCode;
    o[QStringLiteral("BizDate")] = JsonOut::Of(rec.BizDate);
    o[QStringLiteral("ClientId")] = JsonOut::Of(rec.ClientId);
    o[QStringLiteral("ClientName")] = rec.ClientName;
    o[QStringLiteral("DeptId")] = JsonOut::Of(rec.DeptId);
    o[QStringLiteral("DeptName")] = rec.DeptName;
    o[QStringLiteral("SalemanId")] = JsonOut::Of(rec.SalemanId);
    o[QStringLiteral("SalemanName")] = rec.SalemanName;
    o[QStringLiteral("TotalFund")] = rec.TotalFund;
    o[QStringLiteral("Note")] = rec.Note;
    o[QStringLiteral("Billman")] = rec.Billman;
    o[QStringLiteral("BillTime")] = JsonOut::Of(rec.BillTime);
    o[QStringLiteral("Checkman")] = rec.Checkman;
    o[QStringLiteral("CheckTime")] = JsonOut::Of(rec.CheckTime);
}

// Line values the caller may give over those the line started with.
void ReadGoodsLine(TJsonIn& in, RGoodsLine& l)
{
    if (auto v = in.Num(QStringLiteral("Qty"))) l.Qty = *v;
    if (auto v = in.Text(QStringLiteral("UnitName"))) l.UnitName = *v;
    if (auto v = in.Num(QStringLiteral("UnitRate"))) l.UnitRate = *v;
    if (auto v = in.Text(QStringLiteral("WareColor"))) l.WareColor = *v;
    if (auto v = in.Text(QStringLiteral("WareSize"))) l.WareSize = *v;
    if (auto v = in.Text(QStringLiteral("WareProp"))) l.WareProp = *v;
    if (auto v = in.Text(QStringLiteral("dlNote"))) l.dlNote = *v;
}

QJsonObject GoodsLineJson(const RGoodsLine& l)
{
    QJsonObject o;
    o[QStringLiteral("dlId")] = l.dlId;
    o[QStringLiteral("WareId")] = l.WareId;
    o[QStringLiteral("WareCode")] = l.WareCode;
    o[QStringLiteral("WareName")] = l.WareName;
    o[QStringLiteral("WarePartNo")] = l.WarePartNo;
    o[QStringLiteral("WareBrand")] = l.WareBrand;
    o[QStringLiteral("WareColor")] = l.WareColor;
    o[QStringLiteral("WareSize")] = l.WareSize;
    o[QStringLiteral("WareProp")] = l.WareProp;
    o[QStringLiteral("UnitName")] = l.UnitName;
    o[QStringLiteral("UnitRate")] = l.UnitRate;
    o[QStringLiteral("Qty")] = JsonOut::Of(l.Qty);
    o[QStringLiteral("Price")] = JsonOut::Of(l.Price);
    o[QStringLiteral("Fund")] = JsonOut::Of(l.Fund);
    o[QStringLiteral("dlNote")] = l.dlNote;
    return o;
}

// A price typed over the default needs the price right where the window's price column needs it.
void ReadPrice(TJsonIn& in, std::optional<double>& price, int priceRight)
{
    const std::optional<double> given = in.Num(QStringLiteral("Price"));
    if (!given || (price && qFuzzyCompare(1.0 + *given, 1.0 + *price))) return;
    if (priceRight > 0) CurrentOperator().CheckRight(priceRight);
    price = given;
}

struct TQuotTraits {
    using R = RQuot;
    using L = RQuotdl;
    using Bill = TQuotBill;
    static constexpr int OpenRight = 59;
    static constexpr int PriceRight = 0;  // always editable
    static void ReadOwnHead(TJsonIn& in, R& rec) { rec.TimeLimit = in.Date(QStringLiteral("TimeLimit")); }
    static QStringList Missing(const R& rec)
    {
        QStringList m;
        if (!rec.ClientId) m << QStringLiteral("客户");
        if (!rec.DeptId) m << QStringLiteral("部门");
        if (!rec.SalemanId) m << QStringLiteral("报价");
        return m;
    }
    static std::optional<L> NewLine(const R& rec, TJsonIn& in)
    {
        const std::optional<int> ware = in.Int(QStringLiteral("WareId"));
        if (!ware) throw EMqError(QStringLiteral("明细缺少 WareId"));
        RequireRow(QStringLiteral("ware"), ware, QStringLiteral("货品"));
        return Bill::LineFromWare(rec, *ware);
    }
    static void ReadOwnLine(TJsonIn& in, L& l) { ReadPrice(in, l.Price, PriceRight); }
    static void PostLine(L& l) { BillAmounts::PostLine(l, TDecimals::Configured()); }
    static double Total(const R& rec) { return BillAmounts::Total(rec); }
    static void WriteOwnHead(QJsonObject& o, const R& rec) { o[QStringLiteral("TimeLimit")] = JsonOut::Of(rec.TimeLimit); }
    static void WriteOwnLine(QJsonObject&, const L&) {}
};

struct TOrderTraits {
    using R = ROrder;
    using L = ROrderdl;
    using Bill = TOrderBill;
    static constexpr int OpenRight = 1054;
    static constexpr int PriceRight = 67;
    static void ReadOwnHead(TJsonIn& in, R& rec)
    {
        rec.TimeLimit = in.Date(QStringLiteral("TimeLimit"));
        if (in.Has(QStringLiteral("TypeId"))) {
            rec.TypeId = in.Int(QStringLiteral("TypeId"));
            RequireRow(QStringLiteral("slorderfrmtype"), rec.TypeId, QStringLiteral("订单类别"));
        } else {
            in.Int(QStringLiteral("TypeId"));
        }
    }
    static QStringList Missing(const R& rec)
    {
        QStringList m;
        if (!rec.ClientId) m << QStringLiteral("客户");
        if (!rec.DeptId) m << QStringLiteral("部门");
        if (!rec.SalemanId) m << QStringLiteral("经手人");
        return m;
    }
    static std::optional<L> NewLine(const R& rec, TJsonIn& in)
    {
        const std::optional<int> ware = in.Int(QStringLiteral("WareId"));
        if (!ware) throw EMqError(QStringLiteral("明细缺少 WareId"));
        RequireRow(QStringLiteral("ware"), ware, QStringLiteral("货品"));
        return Bill::LineFromWare(rec, *ware);
    }
    static void ReadOwnLine(TJsonIn& in, L& l)
    {
        ReadPrice(in, l.Price, PriceRight);
        if (auto v = in.Num(QStringLiteral("Discount"))) l.Discount = *v;
    }
    static void PostLine(L& l) { BillAmounts::PostLine(l, TDecimals::Configured()); }
    static double Total(const R& rec) { return BillAmounts::Total(rec); }
    static void WriteOwnHead(QJsonObject& o, const R& rec)
    {
        o[QStringLiteral("TypeId")] = JsonOut::Of(rec.TypeId);
        o[QStringLiteral("TypeName")] = rec.TypeName;
        o[QStringLiteral("TimeLimit")] = JsonOut::Of(rec.TimeLimit);
    }
    static void WriteOwnLine(QJsonObject& o, const L& l) { o[QStringLiteral("Discount")] = JsonOut::Of(l.Discount); }
};

struct TSaleTraits {
    using R = RSale;
    using L = RSaledl;
    using Bill = TSaleBill;
    static constexpr int OpenRight = 16;
    static constexpr int PriceRight = 68;
    static void ReadOwnHead(TJsonIn& in, R& rec)
    {
        if (in.Has(QStringLiteral("TypeId"))) {
            rec.TypeId = in.Int(QStringLiteral("TypeId"));
            RequireRow(QStringLiteral("saletype"), rec.TypeId, QStringLiteral("发货类型"));
        } else {
            in.Int(QStringLiteral("TypeId"));
        }
        if (auto v = in.Num(QStringLiteral("DiscountFund"))) rec.DiscountFund = *v;
        if (auto v = in.Num(QStringLiteral("Transcosts"))) rec.Transcosts = *v;
        if (auto v = in.Text(QStringLiteral("Conveyancer"))) rec.Conveyancer = *v;
        if (auto v = in.Text(QStringLiteral("Transcode"))) rec.Transcode = *v;
    }
    static QStringList Missing(const R& rec)
    {
        QStringList m;
        if (!rec.TypeId) m << QStringLiteral("类型");
        if (!rec.ClientId) m << QStringLiteral("客户");
        if (!rec.DeptId) m << QStringLiteral("部门");
        if (!rec.SalemanId) m << QStringLiteral("销售");
        return m;
    }
    // A line from an order line (what remains, the order's price and discount, the link) or
    // from a goods item (the default price).
    static std::optional<L> NewLine(const R& rec, TJsonIn& in)
    {
        const std::optional<int> ordl = in.Int(QStringLiteral("OrdlId"));
        const std::optional<int> ware = in.Int(QStringLiteral("WareId"));
        if (ordl) {
            std::optional<L> line = Bill::LineFromOrderLine(rec, *ordl);
            if (!line) throw EMqError(QStringLiteral("订单明细不存在: %1").arg(*ordl));
            if (ware && *ware != line->WareId)
                throw EMqError(QStringLiteral("明细的 WareId %1 与订单明细 %2 的货品不符").arg(*ware).arg(*ordl));
            return line;
        }
        if (!ware) throw EMqError(QStringLiteral("明细缺少 WareId"));
        RequireRow(QStringLiteral("ware"), ware, QStringLiteral("货品"));
        return Bill::LineFromWare(rec, *ware);
    }
    static void ReadOwnLine(TJsonIn& in, L& l)
    {
        ReadPrice(in, l.Price, PriceRight);
        if (auto v = in.Num(QStringLiteral("Discount"))) l.Discount = *v;
    }
    static void PostLine(L& l) { BillAmounts::PostLine(l); }
    static double Total(const R& rec) { return BillAmounts::Total(rec); }
    static void WriteOwnHead(QJsonObject& o, const R& rec)
    {
        o[QStringLiteral("TypeId")] = JsonOut::Of(rec.TypeId);
        o[QStringLiteral("TypeName")] = rec.TypeName;
        o[QStringLiteral("DiscountFund")] = rec.DiscountFund;
        o[QStringLiteral("Transcosts")] = rec.Transcosts;
        o[QStringLiteral("Conveyancer")] = rec.Conveyancer;
        o[QStringLiteral("Transcode")] = rec.Transcode;
    }
    static void WriteOwnLine(QJsonObject& o, const L& l)
    {
        o[QStringLiteral("Discount")] = JsonOut::Of(l.Discount);
        o[QStringLiteral("OrdlId")] = JsonOut::Of(l.OrdlId);
        o[QStringLiteral("OrdCode")] = l.OrdCode;
        o[QStringLiteral("CostPrice")] = JsonOut::Of(l.CostPrice);
        o[QStringLiteral("InnerPrice")] = JsonOut::Of(l.InnerPrice);
        o[QStringLiteral("ProfitRate")] = JsonOut::Of(l.ProfitRate);
    }
};

template <class T>
class TSalesDoc : public TBillDoc {
public:
    using R = typename T::R;
    using L = typename T::L;

    int OpenRight() const override { return T::OpenRight; }

    QJsonObject Create(const QJsonObject& json) override
    {
        R rec = T::Bill::NewRecord();
        TJsonIn in(json, QStringLiteral("单据"));
        ReadHead(in, rec);
        T::ReadOwnHead(in, rec);
        const std::optional<double> total = in.Num(QStringLiteral("TotalFund"));
        const QJsonArray lines = in.Array(QStringLiteral("Lines"));
        in.Done();
        for (int i = 0; i < lines.size(); ++i) {
            if (!lines.at(i).isObject()) throw EMqError(QStringLiteral("第 %1 条明细必须是一个对象").arg(i + 1));
            TJsonIn li(lines.at(i).toObject(), QStringLiteral("第 %1 条明细").arg(i + 1));
            std::optional<L> line = T::NewLine(rec, li);
            if (!line) throw EMqError(QStringLiteral("第 %1 条明细的货品不存在").arg(i + 1));
            ReadGoodsLine(li, *line);
            T::ReadOwnLine(li, *line);
            const std::optional<double> fund = li.Num(QStringLiteral("Fund"));
            li.Done();
            // The amount as the window posts it, unless it was given.
            if (fund) line->Fund = *fund;
            else T::PostLine(*line);
            rec.Lines.append(*line);
        }
        const QStringList missing = T::Missing(rec);
        if (!missing.isEmpty()) throw EMqError(QStringLiteral("必须填写以下项目: %1").arg(Labels(missing)));
        if (rec.Lines.isEmpty()) throw EMqError(QStringLiteral("明细不能为空,至少需要添加一条记录"));
        rec.TotalFund = total ? *total : T::Total(rec);
        QString message;
        if (!T::Bill::Save(rec, message))
            throw EMqError(message.isEmpty() ? QStringLiteral("保存失败")
                                             : QStringLiteral("对不起,保存操作失败,返回的提示如下: %1").arg(message));
        return Show(rec.Id);
    }

    QJsonObject Show(int id) override { return toJson(load(id)); }

    QJsonObject SetChecked(int id, bool check) override
    {
        R rec = load(id);
        if (rec.Checked() == check)
            throw EMqError(check ? QStringLiteral("单据 %1 已经审核过了").arg(rec.Code)
                                 : QStringLiteral("单据 %1 还没有审核").arg(rec.Code));
        if (!T::Bill::ToggleCheck(rec)) throw EMqError(QStringLiteral("单据 %1 的审核状态没有改变").arg(rec.Code));
        return Show(id);
    }

    void Delete(int id) override
    {
        const R rec = load(id);
        // The window offers no delete for a checked document.
        if (rec.Checked()) throw EMqError(QStringLiteral("单据 %1 已经被%2审核,不允许删除.").arg(rec.Code, rec.Checkman));
        if (rec.Billman != CurrentOperator().LoginId)
            throw EMqError(QStringLiteral("对不起, 您不是该单据的编制人,不允许删除."));
        QString message;
        if (!T::Bill::Delete(rec, message)) throw EMqError(message.isEmpty() ? QStringLiteral("删除失败") : message);
    }

private:
    static R load(int id)
    {
        R rec;
        rec.Id = id;
        if (!T::Bill::Load(rec)) throw EMqError(QStringLiteral("对不起,找不到单据(%1),请刷新检查.").arg(id));
        return rec;
    }

    static QJsonObject toJson(const R& rec)
    {
        QJsonObject o;
        WriteHead(o, rec);
        T::WriteOwnHead(o, rec);
        QJsonArray lines;
        for (const L& l : rec.Lines) {
            QJsonObject lo = GoodsLineJson(l);
            T::WriteOwnLine(lo, l);
            lines.append(lo);
        }
        o[QStringLiteral("Lines")] = lines;
        return o;
    }
};

}  // namespace

std::unique_ptr<TBillDoc> SalesBillDoc(int type)
{
    switch (type) {
    case 9: return std::make_unique<TSalesDoc<TOrderTraits>>();
    case 10: return std::make_unique<TSalesDoc<TSaleTraits>>();
    case 14: return std::make_unique<TSalesDoc<TQuotTraits>>();
    default: return nullptr;
    }
}
