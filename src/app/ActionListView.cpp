#include "ActionListView.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int ActionNameRole = Qt::UserRole;

QString plainCaption(QString text) { return text.remove(u'&'); }
}  // namespace

TActionListView::TActionListView(QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setIconSize(QSize(48, 48));
    setGridSize(QSize(104, 84));
    setWordWrap(true);
    setResizeMode(QListView::Fixed);
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setTextElideMode(Qt::ElideNone);
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { ExecuteCurrent(); });
}

QListWidgetItem* TActionListView::AddAction(QAction* action)
{
    auto* item = new QListWidgetItem(action->icon(), plainCaption(action->text()), this);
    item->setData(ActionNameRole, action->objectName());
    item->setToolTip(action->statusTip());
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // One size for every item, so icons line up whatever their caption's length.
    item->setSizeHint(QSize(96, 76));
    return item;
}

QAction* TActionListView::FindAction(const QString& name) const
{
    if (name.isEmpty()) return nullptr;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (w->isWindow()) return w->findChild<QAction*>(name);
    }
    return nullptr;
}

QAction* TActionListView::ActionOf(const QListWidgetItem* item) const
{
    return item ? FindAction(item->data(ActionNameRole).toString()) : nullptr;
}

QListWidgetItem* TActionListView::ItemOf(const QString& actionName) const
{
    for (int i = 0; i < count(); ++i)
        if (item(i)->data(ActionNameRole).toString() == actionName) return item(i);
    return nullptr;
}

void TActionListView::LoadDesktop(const QList<QAction*>& actions, const QString& loginId)
{
    QStringList names;
    for (const QAction* a : actions) names << a->objectName();
    m_items = TDesktopLayout::Load(loginId, names);
}

QPoint TActionListView::ItemPosition(const QListWidgetItem* item) const
{
    return rectForIndex(indexFromItem(item)).topLeft();
}

void TActionListView::SetItemPosition(QListWidgetItem* item, const QPoint& pos)
{
    executeDelayedItemsLayout();
    setPositionForIndex(pos, indexFromItem(item));
    updateGeometries();
}

void TActionListView::updateGeometries()
{
    QListWidget::updateGeometries();
    if (movement() == QListView::Static) return;
    // The scroll range follows where the items are now, not where the first layout put them.
    QRect used;
    for (int i = 0; i < count(); ++i) used |= rectForIndex(indexFromItem(item(i)));
    const QSize area = viewport()->size();
    verticalScrollBar()->setRange(0, qMax(0, used.bottom() + 10 - area.height()));
    horizontalScrollBar()->setRange(0, qMax(0, used.right() + 10 - area.width()));
}

void TActionListView::ApplyDesktop()
{
    executeDelayedItemsLayout();
    for (const RListItem& r : std::as_const(m_items))
        if (QListWidgetItem* it = ItemOf(r.Name)) setPositionForIndex(QPoint(r.X, r.Y), indexFromItem(it));
    updateGeometries();
    viewport()->update();
}

void TActionListView::CaptureDesktop()
{
    executeDelayedItemsLayout();
    for (RListItem& r : m_items) {
        if (const QListWidgetItem* it = ItemOf(r.Name)) {
            const QPoint p = ItemPosition(it);
            r.X = p.x();
            r.Y = p.y();
        }
    }
}

void TActionListView::SaveDesktop(const QString& loginId) const { TDesktopLayout::Save(loginId, m_items); }

QList<QListWidgetItem*> TActionListView::SelectedInOrder() const
{
    QList<QListWidgetItem*> list;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected()) list << item(i);
    return list;
}

void TActionListView::MoveSelected(const QPoint& delta)
{
    for (QListWidgetItem* it : SelectedInOrder()) SetItemPosition(it, ItemPosition(it) + delta);
    viewport()->update();
}

void TActionListView::AlignTop()
{
    const QList<QListWidgetItem*> selected = SelectedInOrder();
    if (selected.size() < 2) return;
    const int top = ItemPosition(selected.first()).y();
    for (QListWidgetItem* it : selected) SetItemPosition(it, QPoint(ItemPosition(it).x(), top));
    viewport()->update();
}

void TActionListView::AlignLeft()
{
    const QList<QListWidgetItem*> selected = SelectedInOrder();
    if (selected.size() < 2) return;
    const int left = ItemPosition(selected.first()).x();
    for (QListWidgetItem* it : selected) SetItemPosition(it, QPoint(left, ItemPosition(it).y()));
    viewport()->update();
}

void TActionListView::ArrangeItems()
{
    const QSize cell = gridSize().isValid() ? gridSize() : QSize(104, 84);
    const int columns = qMax(1, (viewport()->width() - 20) / cell.width());
    for (int i = 0; i < count(); ++i)
        SetItemPosition(item(i), QPoint(10 + (i % columns) * cell.width(), 10 + (i / columns) * cell.height()));
    viewport()->update();
}

void TActionListView::ExecuteCurrent()
{
    if (QAction* action = ActionOf(currentItem())) action->trigger();
}

void TActionListView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        ExecuteCurrent();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void TActionListView::mouseMoveEvent(QMouseEvent* event)
{
    const QAction* action = ActionOf(itemAt(event->position().toPoint()));
    Q_EMIT hintChanged(action ? action->statusTip() : QString());
    QListWidget::mouseMoveEvent(event);
}

void TActionListView::leaveEvent(QEvent* event)
{
    Q_EMIT hintChanged(QString());
    QListWidget::leaveEvent(event);
}

void TActionListView::SetWatermark(const QPixmap& picture)
{
    m_watermark = picture;
    viewport()->update();
}

void TActionListView::paintEvent(QPaintEvent* event)
{
    if (!m_watermark.isNull()) {
        QPainter p(viewport());
        const QSize area = viewport()->size();
        p.drawPixmap(area.width() - m_watermark.width() - 24, area.height() - m_watermark.height() - 16, m_watermark);
    }
    QListWidget::paintEvent(event);
}
