// Receipts (11), other receivables (12), sales invoices (15) and expense vouchers (16) as JSON,
// made as their entry windows make them: a receipt line settles the whole outstanding amount of
// its delivery unless an amount is given, an invoice line shows its delivery line, and the
// window's required items and duplicate-line checks apply before anything is saved.
#include "BillJson.h"
#include "Errors.h"
#include "Field.h"
#include "Operator.h"
#include "OutlayBill.h"
#include "ReceiptBill.h"
#include "SaleGathering.h"
#include "SaleLists.h"
#include "ShldinBill.h"
#include "SlInvBill.h"

namespace {

void RequireNothingMissing(const QStringList& missing)
{
    if (!missing.isEmpty()) throw EMqError(QStringLiteral("必须填写以下项目: %1").arg(missing.join(QStringLiteral(", "))));
}

void RequireNoDuplicates(const QStringList& duplicates)
{
    if (duplicates.isEmpty()) return;
    QStringList texts;
    for (const QString& d : duplicates) texts << d.trimmed();
    throw EMqError(texts.join(QStringLiteral("; ")));
}

std::optional<int> Sign(TJsonIn& in, const QString& key = QStringLiteral("Sign"))
{
    const std::optional<int> sign = in.Int(key);
    if (sign && *sign != 1 && *sign != -1) throw EMqError(QStringLiteral("字段 %1 只能是 1 或 -1").arg(key));
    return sign;
}

void SaveFailed(const QString& message)
{
    throw EMqError(message.isEmpty() ? QStringLiteral("保存失败")
                                     : QStringLiteral("对不起,保存操作失败,返回的提示如下: %1").arg(message));
}

QJsonObject StampJson(const RBillStamp& s)
{
    QJsonObject o;
    o[QStringLiteral("Id")] = s.Id;
    o[QStringLiteral("Code")] = s.Code;
    o[QStringLiteral("Billman")] = s.Billman;
    o[QStringLiteral("BillTime")] = JsonOut::Of(s.BillTime);
    o[QStringLiteral("Checkman")] = s.Checkman;
    o[QStringLiteral("CheckTime")] = JsonOut::Of(s.CheckTime);
    return o;
}

// The pattern every finance document follows for show, check and delete.
template <class R>
class TFinanceDoc : public TBillDoc {
public:
    int OpenRight() const override { return 0; }  // the facade asks none for these windows
    QJsonObject Show(int id) override { return toJson(load(id)); }
    QJsonObject SetChecked(int id, bool check) override
    {
        R rec = load(id);
        if (rec.Checked() == check)
            throw EMqError(check ? QStringLiteral("单据 %1 已经审核过了").arg(rec.Code)
                                 : QStringLiteral("单据 %1 还没有审核").arg(rec.Code));
        if (!toggle(rec)) throw EMqError(QStringLiteral("单据 %1 的审核状态没有改变").arg(rec.Code));
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
        if (!remove(rec, message)) throw EMqError(message.isEmpty() ? QStringLiteral("删除失败") : message);
    }

protected:
    R load(int id) const
    {
        R rec;
        if (!read(id, rec)) throw EMqError(QStringLiteral("对不起,找不到单据(%1),请刷新检查.").arg(id));
        return rec;
    }
    virtual bool read(int id, R& rec) const = 0;
    virtual bool toggle(R& rec) const = 0;
    virtual bool remove(const R& rec, QString& message) const = 0;
    virtual QJsonObject toJson(const R& rec) const = 0;
};

// ---------------------------------------------------------------- receipts

class TReceiptDoc : public TFinanceDoc<RReceipt> {
public:
    QJsonObject Create(const QJsonObject& json) override
    {
        RReceipt rec = TReceiptBill::NewRecord();
        TJsonIn in(json, QStringLiteral("单据"));
        if (auto v = in.Date(QStringLiteral("BizDate"))) rec.BizDate = *v;
        rec.ClientId = in.Int(QStringLiteral("ClientId"));
        rec.BankId = in.Int(QStringLiteral("BankId"));
        rec.HandmanId = in.Int(QStringLiteral("HandmanId"));
        rec.DeptId = in.Int(QStringLiteral("DeptId"));
        const std::optional<int> sign = Sign(in);
        if (auto v = in.Num(QStringLiteral("Prefund"))) rec.Prefund = *v;
        if (auto v = in.Num(QStringLiteral("OtherFund"))) rec.OtherFund = *v;
        if (auto v = in.Text(QStringLiteral("Note"))) rec.Note = *v;
        const QJsonArray lines = in.Array(QStringLiteral("Lines"));
        in.Done();
        if (sign) rec.Sign = *sign;
        RequireRow(QStringLiteral("Client"), rec.ClientId, QStringLiteral("客户"));
        RequireRow(QStringLiteral("fn_bank"), rec.BankId, QStringLiteral("帐户"));
        RequireRow(QStringLiteral("employee"), rec.HandmanId, QStringLiteral("职员"));
        RequireRow(QStringLiteral("departments"), rec.DeptId, QStringLiteral("部门"));
        QStringList missing;
        if (!rec.ClientId) missing << QStringLiteral("单位");
        if (!rec.BankId) missing << QStringLiteral("帐户");
        if (!rec.HandmanId) missing << QStringLiteral("经手人");
        RequireNothingMissing(missing);

        // The deliveries of the client with what each still owes, as the receipt picker lists them.
        TSaleGathering gathering;
        TSaleWhere where;
        where.ClientIdFld->SetValue(*rec.ClientId);
        gathering.Open(&where);
        TDataSet* rows = gathering.DataSet();
        for (int i = 0; i < lines.size(); ++i) {
            if (!lines.at(i).isObject()) throw EMqError(QStringLiteral("第 %1 条明细必须是一个对象").arg(i + 1));
            TJsonIn li(lines.at(i).toObject(), QStringLiteral("第 %1 条明细").arg(i + 1));
            const std::optional<int> saleId = li.Int(QStringLiteral("SaleId"));
            const std::optional<QString> saleCode = li.Text(QStringLiteral("SaleCode"));
            const std::optional<double> pay = li.Num(QStringLiteral("dlPayFund"));
            const std::optional<double> dis = li.Num(QStringLiteral("dlDisFund"));
            const std::optional<QString> note = li.Text(QStringLiteral("dlNote"));
            li.Done();
            if (!saleId && !saleCode) throw EMqError(QStringLiteral("第 %1 条明细缺少 SaleId").arg(i + 1));
            bool found = false;
            for (rows->First(); !rows->Eof(); rows->Next()) {
                if ((saleId && gathering.IdFld->AsInteger() == *saleId) || (saleCode && gathering.CodeFld->AsString() == *saleCode)) {
                    found = true;
                    break;
                }
            }
            if (!found)
                throw EMqError(QStringLiteral("第 %1 条明细的发货单 %2 不存在或不是该客户的单据")
                                   .arg(i + 1)
                                   .arg(saleId ? QString::number(*saleId) : *saleCode));
            RReceiptdl line = gathering.AsReceiptdl();
            if (pay) line.dlPayFund = *pay;
            if (dis) line.dlDisFund = *dis;
            if (note) line.dlNote = *note;
            rec.Lines.append(line);
        }
        RequireNoDuplicates(TReceiptBill::DuplicateLines(rec.Lines));
        TReceiptBill::Recalc(rec);
        QString message;
        if (!TReceiptBill::Save(rec, message)) SaveFailed(message);
        return Show(rec.Id);
    }

protected:
    bool read(int id, RReceipt& rec) const override { return TReceiptBill::Load(id, rec); }
    bool toggle(RReceipt& rec) const override { return TReceiptBill::ToggleCheck(rec); }
    bool remove(const RReceipt& rec, QString& message) const override { return TReceiptBill::Delete(rec, message); }
    QJsonObject toJson(const RReceipt& r) const override
    {
        QJsonObject o = StampJson(r);
        o[QStringLiteral("BizDate")] = JsonOut::Of(r.BizDate);
        o[QStringLiteral("ClientId")] = JsonOut::Of(r.ClientId);
        o[QStringLiteral("ClientName")] = r.ClientName;
        o[QStringLiteral("Sign")] = r.Sign;
        o[QStringLiteral("Prefund")] = r.Prefund;
        o[QStringLiteral("OtherFund")] = r.OtherFund;
        o[QStringLiteral("PayFund")] = r.PayFund;
        o[QStringLiteral("DisFund")] = r.DisFund;
        o[QStringLiteral("TotalFund")] = TReceiptBill::Total(r);
        o[QStringLiteral("BankId")] = JsonOut::Of(r.BankId);
        o[QStringLiteral("BankName")] = r.BankName;
        o[QStringLiteral("HandmanId")] = JsonOut::Of(r.HandmanId);
        o[QStringLiteral("HandmanName")] = r.HandmanName;
        o[QStringLiteral("DeptId")] = JsonOut::Of(r.DeptId);
        o[QStringLiteral("DeptName")] = r.DeptName;
        o[QStringLiteral("Note")] = r.Note;
        QJsonArray lines;
        for (const RReceiptdl& l : r.Lines) {
            QJsonObject lo;
            lo[QStringLiteral("dlId")] = l.dlId;
            lo[QStringLiteral("SaleId")] = l.SaleId;
            lo[QStringLiteral("SaleCode")] = l.SaleCode;
            lo[QStringLiteral("SaleDate")] = JsonOut::Of(l.SaleDate);
            lo[QStringLiteral("ShldFund")] = JsonOut::Of(l.ShldFund);
            lo[QStringLiteral("dlPayFund")] = l.dlPayFund;
            lo[QStringLiteral("dlDisFund")] = l.dlDisFund;
            lo[QStringLiteral("dlNote")] = l.dlNote;
            lines.append(lo);
        }
        o[QStringLiteral("Lines")] = lines;
        return o;
    }
};

// ---------------------------------------------------------------- sales invoices

class TSlInvDoc : public TFinanceDoc<RSlInv> {
public:
    QJsonObject Create(const QJsonObject& json) override
    {
        RSlInv rec = TSlInvBill::NewRecord();
        TJsonIn in(json, QStringLiteral("单据"));
        if (auto v = in.Date(QStringLiteral("InvDate"))) rec.InvDate = *v;
        if (auto v = in.Text(QStringLiteral("InvCode"))) rec.InvCode = *v;
        if (auto v = in.Text(QStringLiteral("InvNo"))) rec.InvNo = *v;
        const std::optional<int> client = in.Int(QStringLiteral("ClientId"));
        const std::optional<int> handman = in.Int(QStringLiteral("HandmanId"));
        if (auto v = in.Text(QStringLiteral("Note"))) rec.Note = *v;
        const QJsonArray lines = in.Array(QStringLiteral("Lines"));
        in.Done();
        RequireRow(QStringLiteral("Client"), client, QStringLiteral("客户"));
        RequireRow(QStringLiteral("employee"), handman, QStringLiteral("职员"));
        rec.ClientId = client.value_or(-1);
        rec.HandmanId = handman.value_or(-1);
        QStringList missing;
        if (rec.ClientId <= 0) missing << QStringLiteral("客户名称");
        if (rec.InvNo.trimmed().isEmpty()) missing << QStringLiteral("发票号码");
        if (rec.HandmanId <= 0) missing << QStringLiteral("经手");
        RequireNothingMissing(missing);

        QList<int> saledlIds;
        QStringList notes;
        for (int i = 0; i < lines.size(); ++i) {
            if (!lines.at(i).isObject()) throw EMqError(QStringLiteral("第 %1 条明细必须是一个对象").arg(i + 1));
            TJsonIn li(lines.at(i).toObject(), QStringLiteral("第 %1 条明细").arg(i + 1));
            const std::optional<int> saledl = li.Int(QStringLiteral("SaledlId"));
            notes << li.Text(QStringLiteral("dlNote")).value_or(QString());
            li.Done();
            if (!saledl) throw EMqError(QStringLiteral("第 %1 条明细缺少 SaledlId").arg(i + 1));
            saledlIds << *saledl;
        }
        rec.Lines = TSlInvBill::LinesFromSale(rec, saledlIds);
        if (rec.Lines.size() != saledlIds.size()) {
            for (int id : saledlIds) {
                bool known = false;
                for (const RSlInvdl& l : rec.Lines) known = known || l.SaledlId == id;
                if (!known) throw EMqError(QStringLiteral("发货明细不存在: %1").arg(id));
            }
        }
        for (int i = 0; i < rec.Lines.size(); ++i) rec.Lines[i].dlNote = notes.at(i);
        if (rec.Lines.isEmpty()) throw EMqError(QStringLiteral("明细不能为空,至少需要添加一条记录"));
        RequireNoDuplicates(TSlInvBill::DuplicateLines(rec.Lines));
        rec.TotalFund = TSlInvBill::Total(rec);
        QString message;
        if (!TSlInvBill::Save(rec, message)) SaveFailed(message);
        return Show(rec.Id);
    }

protected:
    bool read(int id, RSlInv& rec) const override
    {
        rec.Id = id;
        return TSlInvBill::Load(rec);
    }
    bool toggle(RSlInv& rec) const override { return TSlInvBill::ToggleCheck(rec); }
    bool remove(const RSlInv& rec, QString& message) const override { return TSlInvBill::Delete(rec, message); }
    QJsonObject toJson(const RSlInv& r) const override
    {
        QJsonObject o = StampJson(r);
        o[QStringLiteral("InvCode")] = r.InvCode;
        o[QStringLiteral("InvNo")] = r.InvNo;
        o[QStringLiteral("InvDate")] = JsonOut::Of(r.InvDate);
        o[QStringLiteral("ClientId")] = r.ClientId > 0 ? QJsonValue(r.ClientId) : QJsonValue();
        o[QStringLiteral("ClientName")] = r.ClientName;
        o[QStringLiteral("HandmanId")] = r.HandmanId > 0 ? QJsonValue(r.HandmanId) : QJsonValue();
        o[QStringLiteral("HandmanName")] = r.HandmanName;
        o[QStringLiteral("TotalFund")] = JsonOut::Of(r.TotalFund);
        o[QStringLiteral("Note")] = r.Note;
        QJsonArray lines;
        for (const RSlInvdl& l : r.Lines) {
            QJsonObject lo;
            lo[QStringLiteral("dlId")] = l.dlId;
            lo[QStringLiteral("SaledlId")] = l.SaledlId;
            lo[QStringLiteral("WareId")] = l.WareId;
            lo[QStringLiteral("WareCode")] = l.WareCode;
            lo[QStringLiteral("WareName")] = l.WareName;
            lo[QStringLiteral("UnitName")] = l.UnitName;
            lo[QStringLiteral("Qty")] = JsonOut::Of(l.Qty);
            lo[QStringLiteral("Price")] = JsonOut::Of(l.Price);
            lo[QStringLiteral("Fund")] = JsonOut::Of(l.Fund);
            lo[QStringLiteral("dlNote")] = l.dlNote;
            lines.append(lo);
        }
        o[QStringLiteral("Lines")] = lines;
        return o;
    }
};

// ---------------------------------------------------------------- other receivables

class TShldinDoc : public TFinanceDoc<RShldin> {
public:
    QJsonObject Create(const QJsonObject& json) override
    {
        RShldin rec = TShldinBill::NewRecord();
        TJsonIn in(json, QStringLiteral("单据"));
        if (auto v = in.Date(QStringLiteral("BizDate"))) rec.BizDate = *v;
        rec.ClientId = in.Int(QStringLiteral("ClientId"));
        rec.ItemId = in.Int(QStringLiteral("ItemId"));
        rec.HandmanId = in.Int(QStringLiteral("HandmanId"));
        rec.DeptId = in.Int(QStringLiteral("DeptId"));
        const std::optional<int> sign = Sign(in);
        if (auto v = in.Num(QStringLiteral("Fund"))) rec.Fund = *v;
        if (auto v = in.Text(QStringLiteral("Note"))) rec.Note = *v;
        in.Done();
        if (sign) rec.Sign = *sign;
        RequireRow(QStringLiteral("Client"), rec.ClientId, QStringLiteral("客户"));
        RequireRow(QStringLiteral("shouldin_item"), rec.ItemId, QStringLiteral("应收项目"));
        RequireRow(QStringLiteral("employee"), rec.HandmanId, QStringLiteral("职员"));
        RequireRow(QStringLiteral("departments"), rec.DeptId, QStringLiteral("部门"));
        QStringList missing;
        if (!rec.ItemId) missing << QStringLiteral("项目");
        if (!rec.ClientId) missing << QStringLiteral("单位");
        if (!rec.HandmanId) missing << QStringLiteral("经手人");
        RequireNothingMissing(missing);
        QString message;
        if (!TShldinBill::Save(rec, message)) SaveFailed(message);
        return Show(rec.Id);
    }

protected:
    bool read(int id, RShldin& rec) const override { return TShldinBill::Load(id, rec); }
    bool toggle(RShldin& rec) const override { return TShldinBill::ToggleCheck(rec); }
    bool remove(const RShldin& rec, QString& message) const override { return TShldinBill::Delete(rec, message); }
    QJsonObject toJson(const RShldin& r) const override
    {
        QJsonObject o = StampJson(r);
        o[QStringLiteral("BizDate")] = JsonOut::Of(r.BizDate);
        o[QStringLiteral("ClientId")] = JsonOut::Of(r.ClientId);
        o[QStringLiteral("ClientName")] = r.ClientName;
        o[QStringLiteral("ItemId")] = JsonOut::Of(r.ItemId);
        o[QStringLiteral("ItemName")] = r.ItemName;
        o[QStringLiteral("Fund")] = r.Fund;
        o[QStringLiteral("Sign")] = r.Sign;
        o[QStringLiteral("HandmanId")] = JsonOut::Of(r.HandmanId);
        o[QStringLiteral("HandmanName")] = r.HandmanName;
        o[QStringLiteral("DeptId")] = JsonOut::Of(r.DeptId);
        o[QStringLiteral("DeptName")] = r.DeptName;
        o[QStringLiteral("Note")] = r.Note;
        return o;
    }
};

// ---------------------------------------------------------------- expense vouchers

class TOutlayDoc : public TFinanceDoc<ROutlay> {
public:
    QJsonObject Create(const QJsonObject& json) override
    {
        ROutlay rec = TOutlayBill::NewRecord();
        TJsonIn in(json, QStringLiteral("单据"));
        if (auto v = in.Date(QStringLiteral("BizDate"))) rec.BizDate = *v;
        rec.Sign = Sign(in);
        rec.ItemId = in.Int(QStringLiteral("ItemId"));
        rec.BankId = in.Int(QStringLiteral("BankId"));
        rec.ClientId = in.Int(QStringLiteral("ClientId"));
        rec.HandmanId = in.Int(QStringLiteral("HandmanId"));
        rec.DeptId = in.Int(QStringLiteral("DeptId"));
        rec.SalemanId = in.Int(QStringLiteral("SalemanId"));
        if (auto v = in.Num(QStringLiteral("Fund"))) rec.Fund = *v;
        if (auto v = in.Text(QStringLiteral("Note"))) rec.Note = *v;
        in.Done();
        RequireRow(QStringLiteral("outlay_item"), rec.ItemId, QStringLiteral("费用项目"));
        RequireRow(QStringLiteral("fn_bank"), rec.BankId, QStringLiteral("帐户"));
        RequireRow(QStringLiteral("Client"), rec.ClientId, QStringLiteral("客户"));
        RequireRow(QStringLiteral("employee"), rec.HandmanId, QStringLiteral("职员"));
        RequireRow(QStringLiteral("departments"), rec.DeptId, QStringLiteral("部门"));
        RequireRow(QStringLiteral("employee"), rec.SalemanId, QStringLiteral("职员"));
        QStringList missing;
        if (!rec.ItemId) missing << QStringLiteral("项目");
        if (!rec.ClientId) missing << QStringLiteral("相关客户");
        if (!rec.BankId) missing << QStringLiteral("帐户");
        if (!rec.HandmanId) missing << QStringLiteral("经手人");
        RequireNothingMissing(missing);
        QString message;
        if (!TOutlayBill::Save(rec, message)) SaveFailed(message);
        return Show(rec.Id);
    }

protected:
    bool read(int id, ROutlay& rec) const override { return TOutlayBill::Load(id, rec); }
    bool toggle(ROutlay& rec) const override { return TOutlayBill::ToggleCheck(rec); }
    bool remove(const ROutlay& rec, QString& message) const override { return TOutlayBill::Delete(rec, message); }
    QJsonObject toJson(const ROutlay& r) const override
    {
        QJsonObject o = StampJson(r);
        o[QStringLiteral("BizDate")] = JsonOut::Of(r.BizDate);
        o[QStringLiteral("Sign")] = JsonOut::Of(r.Sign);
        o[QStringLiteral("ItemId")] = JsonOut::Of(r.ItemId);
        o[QStringLiteral("ItemName")] = r.ItemName;
        o[QStringLiteral("BankId")] = JsonOut::Of(r.BankId);
        o[QStringLiteral("BankName")] = r.BankName;
        o[QStringLiteral("Fund")] = r.Fund;
        o[QStringLiteral("ClientId")] = JsonOut::Of(r.ClientId);
        o[QStringLiteral("ClientName")] = r.ClientName;
        o[QStringLiteral("HandmanId")] = JsonOut::Of(r.HandmanId);
        o[QStringLiteral("HandmanName")] = r.HandmanName;
        o[QStringLiteral("DeptId")] = JsonOut::Of(r.DeptId);
        o[QStringLiteral("DeptName")] = r.DeptName;
        o[QStringLiteral("SalemanId")] = JsonOut::Of(r.SalemanId);
        o[QStringLiteral("SalemanName")] = r.SalemanName;
        o[QStringLiteral("Note")] = r.Note;
        return o;
    }
};

}  // namespace

std::unique_ptr<TBillDoc> FinanceBillDoc(int type)
{
    switch (type) {
    case 11: return std::make_unique<TReceiptDoc>();
    case 12: return std::make_unique<TShldinDoc>();
    case 15: return std::make_unique<TSlInvDoc>();
    case 16: return std::make_unique<TOutlayDoc>();
    default: return nullptr;
    }
}
