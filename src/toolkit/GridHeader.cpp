#include "GridHeader.h"

#include "DBGrid.h"

#include <QPainter>
#include <QStyleOptionHeader>

TGridHeader::TGridHeader(TmqDBGrid* grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

QStringList TGridHeader::partsOf(int logicalIndex) const
{
    const QString title = m_grid->ColumnTitle(logicalIndex);
    return m_grid->MultiTitle() ? title.split(u'|') : QStringList{title};
}

int TGridHeader::LevelCount() const
{
    int levels = 1;
    if (!m_grid->MultiTitle()) return levels;
    for (int i = 0; i < count(); ++i)
        if (!isSectionHidden(i)) levels = std::max(levels, int(partsOf(i).size()));
    return levels;
}

int TGridHeader::LineHeight() const { return std::max(20, fontMetrics().height() + 6); }

bool TGridHeader::sharesGroup(int logicalA, int logicalB, int level) const
{
    const QStringList a = partsOf(logicalA), b = partsOf(logicalB);
    if (a.size() - 1 <= level || b.size() - 1 <= level) return false;
    for (int k = 0; k <= level; ++k)
        if (a[k] != b[k]) return false;
    return true;
}

void TGridHeader::drawCell(QPainter* painter, const QRect& cell, const QString& text, int logicalIndex) const
{
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = cell;
    opt.section = logicalIndex;
    opt.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine, text);
}

void TGridHeader::drawSortMarker(QPainter* painter, const QRect& cell, int logicalIndex) const
{
    bool desc = false;
    int rank = 0, keys = 0;
    if (!m_grid->SortMarker(logicalIndex, rank, desc, keys)) return;
    const int s = 4;
    const int cx = cell.right() - 8, cy = cell.center().y();
    QPolygon tri;
    if (desc) tri << QPoint(cx - s, cy - s / 2) << QPoint(cx + s, cy - s / 2) << QPoint(cx, cy + s / 2 + 1);
    else tri << QPoint(cx - s, cy + s / 2) << QPoint(cx + s, cy + s / 2) << QPoint(cx, cy - s / 2 - 1);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(70, 70, 70));
    painter->drawPolygon(tri);
    if (keys > 1) {
        QFont f = painter->font();
        f.setPointSizeF(f.pointSizeF() * 0.75);
        painter->setFont(f);
        painter->setPen(QColor(70, 70, 70));
        painter->drawText(QRect(cx - 16, cell.top(), 10, cell.height()), Qt::AlignCenter, QString::number(rank));
    }
}

void TGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid()) return;
    const QStringList parts = partsOf(logicalIndex);
    const int levels = LevelCount();
    const int lineH = levels > 1 ? rect.height() / levels : rect.height();
    const int visual = visualIndex(logicalIndex);

    // Upper levels: one cell over every neighbouring column of the same group.
    for (int k = 0; k < parts.size() - 1 && k < levels - 1; ++k) {
        int first = logicalIndex, last = logicalIndex;
        for (int v = visual - 1; v >= 0; --v) {
            const int l = this->logicalIndex(v);
            if (isSectionHidden(l)) continue;
            if (!sharesGroup(logicalIndex, l, k)) break;
            first = l;
        }
        for (int v = visual + 1; v < count(); ++v) {
            const int l = this->logicalIndex(v);
            if (isSectionHidden(l)) continue;
            if (!sharesGroup(logicalIndex, l, k)) break;
            last = l;
        }
        const int x1 = sectionViewportPosition(first);
        const int x2 = sectionViewportPosition(last) + sectionSize(last);
        drawCell(painter, QRect(x1, rect.top() + k * lineH, x2 - x1, lineH), parts[k], logicalIndex);
    }
    const int upper = std::min(int(parts.size()) - 1, levels - 1);
    const QRect own(rect.left(), rect.top() + upper * lineH, rect.width(), rect.height() - upper * lineH);
    drawCell(painter, own, parts.last(), logicalIndex);
    drawSortMarker(painter, own, logicalIndex);
}
