#include "Labels.h"

#include "KeyValue.h"

#include <QHash>
#include <QRegularExpression>

namespace {

struct TCaption {
    const char* Name;
    const char* BuiltIn;
};

// The captions and what each holds before the store is loaded, goods fields first.
const TCaption kCaptions[] = {
    {"WareS01", "货号"},          {"WareS02", "品名"},           {"WareS03", "助查码"},
    {"WareS04", "规格"},          {"WareS05", "品牌"},           {"WareS06", "封装"},
    {"WareS07", "条码"},          {"WareS08", "vWareS08"},       {"WareS09", "vWareS09"},
    {"WareS10", "vWareS10"},      {"WareS11", "vWareS11"},       {"WareS12", "基本单位"},
    {"WareF01", "vWareF01"},      {"WareF02", "vWareF02"},       {"WareF03", "vWareF03"},
    {"WareF04", "vWareF04"},      {"WareF05", "vWareF05"},       {"WareColorLabel", "颜色"},
    {"WareSizeLabel", "材料"},    {"WarePropLabel", "图号"},     {"Client", "客户"},
    {"ClientLookId", "助查码"},   {"Clientname", "客户名称"},    {"ClientLinkman", "联系人"},
    {"ClientTel", "联系电话"},    {"ClientFax", "传真号码"},     {"ClientAddr", "联系地址"},
    {"ClientZip", "邮编"},        {"ClientUrl", "网址"},         {"ClientEmail", "电子信箱"},
    {"ClientLawman", "法人代表"}, {"ClientTaxId", "税号"},       {"ClientBank", "开户银行"},
    {"ClientBankId", "银行帐号"}, {"ClientNote", "备注"},
};
constexpr int kWareCaptionCount = 20;

QHash<QString, QString>& current()
{
    static QHash<QString, QString> captions = [] {
        QHash<QString, QString> h;
        for (const TCaption& c : kCaptions) h.insert(QString::fromUtf8(c.Name), QString::fromUtf8(c.BuiltIn));
        return h;
    }();
    return captions;
}

}  // namespace

TLabels::TLabels() : TLabels(TKeyValueSet::GetStr(KeyIds::Captions)) {}

TLabels::TLabels(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r?\n|\r"));
    for (const QString& line : text.split(lineBreak)) {
        const int eq = line.indexOf(u'=');
        if (eq <= 0) continue;
        SetLabel(line.left(eq).trimmed(), line.mid(eq + 1));
    }
}

QString TLabels::GetLabel(const QString& name) const
{
    for (const auto& item : m_items)
        if (item.first.compare(name, Qt::CaseInsensitive) == 0) return item.second;
    return name;
}

void TLabels::SetLabel(const QString& name, const QString& caption)
{
    for (auto& item : m_items) {
        if (item.first.compare(name, Qt::CaseInsensitive) == 0) {
            item.second = caption;
            return;
        }
    }
    m_items.append({name, caption});
}

bool TLabels::Contains(const QString& name) const
{
    for (const auto& item : m_items)
        if (item.first.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString TLabels::Text() const
{
    QStringList lines;
    for (const auto& item : m_items) lines << item.first + u'=' + item.second;
    return lines.join(u'\n');
}

bool TLabels::SaveLabels() const { return TKeyValueSet::SetStr(KeyIds::Captions, Text()); }

const QStringList& TCaptions::Names()
{
    static const QStringList names = [] {
        QStringList l;
        for (const TCaption& c : kCaptions) l << QString::fromUtf8(c.Name);
        return l;
    }();
    return names;
}

const QStringList& TCaptions::WareNames()
{
    static const QStringList names = Names().mid(0, kWareCaptionCount);
    return names;
}

QString TCaptions::BuiltIn(const QString& name)
{
    for (const TCaption& c : kCaptions)
        if (name == QLatin1String(c.Name)) return QString::fromUtf8(c.BuiltIn);
    return QString();
}

QString TCaptions::BuiltInText()
{
    TLabels labels{QString()};
    for (const TCaption& c : kCaptions) labels.SetLabel(QString::fromUtf8(c.Name), QString::fromUtf8(c.BuiltIn));
    return labels.Text();
}

QString TCaptions::Get(const QString& name) { return current().value(name, name); }

void TCaptions::Set(const QString& name, const QString& caption) { current().insert(name, caption); }

void TCaptions::Load()
{
    const TLabels labels;
    for (const QString& name : Names()) current().insert(name, labels.GetLabel(name));
}

void TCaptions::Reset()
{
    for (const TCaption& c : kCaptions) current().insert(QString::fromUtf8(c.Name), QString::fromUtf8(c.BuiltIn));
}
