#pragma once
#include "DesktopLayout.h"

#include <QListWidget>
#include <QPixmap>

class QAction;

// A view of large icons, one per action. Each item remembers the name of its action; the view
// keeps the remembered position of every action (the desktop layout of the operator) and can
// move its items there or take their current positions.
class TActionListView : public QListWidget {
    Q_OBJECT
public:
    explicit TActionListView(QWidget* parent = nullptr);

    QListWidgetItem* AddAction(QAction* action);
    // The action of the owning window with that name; nullptr when there is none.
    QAction* FindAction(const QString& name) const;
    QAction* ActionOf(const QListWidgetItem* item) const;
    QListWidgetItem* ItemOf(const QString& actionName) const;

    // Positions of every action of the list from the operator's Menus.
    void LoadDesktop(const QList<QAction*>& actions, const QString& loginId);
    // Moves every item to the position remembered for its action.
    void ApplyDesktop();
    // Remembers every item's current position.
    void CaptureDesktop();
    // Writes the remembered positions into the operator's Menus.
    void SaveDesktop(const QString& loginId) const;
    const RListItems& Layout() const { return m_items; }

    // Item positions in contents coordinates.
    QPoint ItemPosition(const QListWidgetItem* item) const;
    void SetItemPosition(QListWidgetItem* item, const QPoint& pos);
    // Moves every selected item by delta (what dropping dragged items does).
    void MoveSelected(const QPoint& delta);
    // The selected items in list order; the first is the one the others align to.
    QList<QListWidgetItem*> SelectedInOrder() const;
    void AlignTop();
    void AlignLeft();
    // Lays the items out in rows, in list order.
    void ArrangeItems();
    // Runs the action of the current item.
    void ExecuteCurrent();
    // A faint picture in the bottom right corner behind the items.
    void SetWatermark(const QPixmap& picture);

Q_SIGNALS:
    void hintChanged(const QString& hint);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent* event) override;

private:
    RListItems m_items;
    QPixmap m_watermark;
};
