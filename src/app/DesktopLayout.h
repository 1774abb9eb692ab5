#pragma once
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

// The remembered position of one desktop action.
struct RListItem {
    QString Name;  // the action's name
    int X = 10;
    int Y = 10;
};
using RListItems = QList<RListItem>;

// An operator's desktop layout, kept in the operator's Menus text as "Name=X,Y" lines. Lines of
// other names are kept when the layout is written back.
namespace TDesktopLayout {
// A value that is empty, "0,0" or has no comma stands for the position (10, 10).
QPoint ParsePosition(const QString& value);
// The value of one name in a Menus text (empty when absent).
QString ValueOf(const QString& menus, const QString& name);
// One item per action name, in that order, with the positions the Menus text holds.
RListItems FromMenus(const QString& menus, const QStringList& actionNames);
// The Menus text with every item's line set to "X,Y"; other lines stay.
QString MergeIntoMenus(const QString& menus, const RListItems& items);

// Reads and writes the operator's Menus column.
QString ReadMenus(const QString& loginId);
void WriteMenus(const QString& loginId, const QString& menus);
RListItems Load(const QString& loginId, const QStringList& actionNames);
void Save(const QString& loginId, const RListItems& items);
}  // namespace TDesktopLayout
