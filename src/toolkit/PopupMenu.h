#pragma once
#include <QMenu>
#include <functional>

// The type of every grid's pop-up menu. Its items are QActions; the routines below build it.
class TmqPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit TmqPopupMenu(QWidget* parent = nullptr) : QMenu(parent) {}
};

// Puts the action into the menu (or into the sub-menu `parent`) at index; -1 appends.
QAction* InsertActionItem(QMenu* menu, QAction* action, int index = -1, QMenu* parent = nullptr);
// A new item with the caption and handler, at the top or at the end; owned by the menu and
// disconnected when `owner` goes away.
QAction* AddMenuItem(QMenu* menu, const QString& caption, bool atTop, const std::function<void()>& handler,
                     QObject* owner = nullptr);
// A separator at index (-1 = at the end) of the menu or of the sub-menu `parent`.
QAction* InsertSeparator(QMenu* menu, int index = -1, QMenu* parent = nullptr);
