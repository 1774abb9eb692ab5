#include "DesktopLayout.h"

#include "Database.h"
#include "RecordSet.h"

namespace {

// The Menus text as name=value lines; keeps the order and every line it does not touch.
QStringList linesOf(const QString& menus)
{
    QStringList lines;
    for (QString line : menus.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (!line.isEmpty()) lines << line;
    }
    return lines;
}

}  // namespace

QPoint TDesktopLayout::ParsePosition(const QString& value)
{
    const QString v = value.trimmed();
    const int comma = v.indexOf(u',');
    if (v.isEmpty() || v == QStringLiteral("0,0") || comma < 0) return QPoint(10, 10);
    return QPoint(v.left(comma).trimmed().toInt(), v.mid(comma + 1).trimmed().toInt());
}

QString TDesktopLayout::ValueOf(const QString& menus, const QString& name)
{
    const QString prefix = name + u'=';
    for (const QString& line : linesOf(menus))
        if (line.startsWith(prefix, Qt::CaseInsensitive)) return line.mid(prefix.size());
    return QString();
}

RListItems TDesktopLayout::FromMenus(const QString& menus, const QStringList& actionNames)
{
    RListItems items;
    for (const QString& name : actionNames) {
        const QPoint p = ParsePosition(ValueOf(menus, name));
        items << RListItem{name, p.x(), p.y()};
    }
    return items;
}

QString TDesktopLayout::MergeIntoMenus(const QString& menus, const RListItems& items)
{
    QStringList lines = linesOf(menus);
    for (const RListItem& item : items) {
        const QString line = QStringLiteral("%1=%2,%3").arg(item.Name).arg(item.X).arg(item.Y);
        const QString prefix = item.Name + u'=';
        bool found = false;
        for (QString& l : lines) {
            if (l.startsWith(prefix, Qt::CaseInsensitive)) {
                l = line;
                found = true;
                break;
            }
        }
        if (!found) lines << line;
    }
    return lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString TDesktopLayout::ReadMenus(const QString& loginId)
{
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select Menus from [operator] where LoginId=:LoginId"),
            {DBParam(QStringLiteral("LoginId"), loginId)});
    return rs.FirstValue().toString();
}

void TDesktopLayout::WriteMenus(const QString& loginId, const QString& menus)
{
    GlobalDatabase().Execute(QStringLiteral("update [operator] set Menus=:Menus where LoginId=:LoginId"),
                             {DBParam(QStringLiteral("Menus"), menus), DBParam(QStringLiteral("LoginId"), loginId)});
}

RListItems TDesktopLayout::Load(const QString& loginId, const QStringList& actionNames)
{
    return FromMenus(ReadMenus(loginId), actionNames);
}

void TDesktopLayout::Save(const QString& loginId, const RListItems& items)
{
    if (loginId.isEmpty()) return;
    WriteMenus(loginId, MergeIntoMenus(ReadMenus(loginId), items));
}
