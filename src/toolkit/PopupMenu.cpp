#include "PopupMenu.h"

namespace {
QAction* actionAt(QMenu* menu, int index)
{
    const QList<QAction*> list = menu->actions();
    return index >= 0 && index < list.size() ? list[index] : nullptr;
}
}  // namespace

QAction* InsertActionItem(QMenu* menu, QAction* action, int index, QMenu* parent)
{
    QMenu* target = parent ? parent : menu;
    target->insertAction(actionAt(target, index), action);
    return action;
}

QAction* AddMenuItem(QMenu* menu, const QString& caption, bool atTop, const std::function<void()>& handler,
                     QObject* owner)
{
    auto* action = new QAction(caption, menu);
    if (handler) QObject::connect(action, &QAction::triggered, owner ? owner : action, [handler] { handler(); });
    menu->insertAction(atTop ? actionAt(menu, 0) : nullptr, action);
    return action;
}

QAction* InsertSeparator(QMenu* menu, int index, QMenu* parent)
{
    QMenu* target = parent ? parent : menu;
    auto* sep = new QAction(target);
    sep->setSeparator(true);
    sep->setText(QStringLiteral("-"));
    target->insertAction(actionAt(target, index), sep);
    return sep;
}
