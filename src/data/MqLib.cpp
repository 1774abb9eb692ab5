#include "MqLib.h"

#include "DataSet.h"
#include "Seams.h"

#include <cmath>

void ShowInfo(const QString& text)
{
    Platform::Messages().Show(TMsgKind::Information, QStringLiteral("\r\n") + text + QStringLiteral("\t"));
}

void ShowWarning(const QString& text)
{
    Platform::Messages().Show(TMsgKind::Warning, QStringLiteral("\r\n") + text + QStringLiteral("\t"));
}

bool ConfirmDelete(const QString& what)
{
    const QString name = what.isEmpty() ? QStringLiteral("当前记录") : what;
    return Platform::Messages().OkCancel(TMsgKind::Warning,
                                         QStringLiteral("\r您确定要删除 %1 吗?\t\t").arg(name));
}

bool AskYesNo(const QString& text)
{
    return Platform::Messages().YesNo(QStringLiteral("\r") + text);
}

void ShowDeleteRefused(const QString& errorText)
{
    ShowInfo(QStringLiteral("为了数据的完整性,现在不能删除该记录.\r\n因为至少有一个表已经关联到该记录,"
                            "除非先删除关联表中的记录.\r\n如果是清除演示数据,请选择菜单里相应的功能来操作. "
                            "以下是原文描述:\r\n\r\n")
             + errorText);
}

bool CheckActive(const TDataSet* dataSet)
{
    if (dataSet && dataSet->Active()) return true;
    ShowInfo(QStringLiteral("\r\n系统提示：请先打开数据集再操作."));
    return false;
}

QString DateText(const QDate& date) { return date.toString(QStringLiteral("yyyy-MM-dd")); }
QString DateText(const QDateTime& date) { return DateText(date.date()); }
QString TodayText() { return DateText(Platform::Clock().Now()); }

QString AmountInWords(double amount)
{
    static const QString digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    static const QString units = QStringLiteral("万仟佰拾亿仟佰拾万仟佰拾元角分");
    const double cents = std::nearbyint(amount * 100.0);  // the default rounding mode: halves to even
    if (std::fabs(cents) >= 1e15) return QString();
    const QString number = QString::number(static_cast<qint64>(cents)).rightJustified(15, u' ');
    if (number.size() > 15) return QString();
    QString text;
    for (int i = 0; i < 15; ++i) {
        const QChar c = number[i];
        if (!c.isDigit()) continue;
        text += digits[c.digitValue()];
        text += units[i];
    }
    static const char* const pairs[][2] = {
        {"零元", "元"}, {"零拾", "零"}, {"零佰", "零"}, {"零仟", "零"}, {"零万", "万"},
        {"零亿", "亿"}, {"亿万", "亿"}, {"零零零", "零"}, {"零零", "零"}, {"零万", "万"},
        {"零亿", "亿"}, {"亿万", "亿"}, {"零元", "元"},
    };
    for (const auto& p : pairs) text.replace(QString::fromUtf8(p[0]), QString::fromUtf8(p[1]));
    if (text.contains(QStringLiteral("零分")))
        text.replace(QStringLiteral("零角"), QStringLiteral("整"));
    else
        text.replace(QStringLiteral("零角"), QStringLiteral("零"));
    text.remove(QStringLiteral("零分"));
    return text;
}
