#include "GridFooter.h"

#include "DBGrid.h"

#include <QHeaderView>
#include <QPainter>

TGridFooter::TGridFooter(TmqDBGrid* grid) : QWidget(grid), m_grid(grid)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void TGridFooter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QHeaderView* h = m_grid->horizontalHeader();
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 0, width(), 0);
    for (int v = 0; v < h->count(); ++v) {
        const int logical = h->logicalIndex(v);
        if (h->isSectionHidden(logical)) continue;
        const QRect cell(h->sectionViewportPosition(logical), 1, h->sectionSize(logical), height() - 1);
        if (cell.right() < 0 || cell.left() > width()) continue;
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
        const QString text = m_grid->FooterText(logical);
        if (text.isEmpty()) continue;
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(cell.adjusted(3, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    }
}
