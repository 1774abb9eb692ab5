#pragma once
#include <QHeaderView>

class TmqDBGrid;

// The grid's column titles: several lines when multi-line titles are on (a '|' in a title
// separates the levels, and neighbouring columns that share the upper levels share one cell),
// and a sort marker with its rank on every sorted column.
class TGridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TGridHeader(TmqDBGrid* grid);
    // Title levels of the visible columns (1 when multi-line titles are off).
    int LevelCount() const;
    int LineHeight() const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QStringList partsOf(int logicalIndex) const;
    bool sharesGroup(int logicalA, int logicalB, int level) const;
    void drawCell(QPainter* painter, const QRect& cell, const QString& text, int logicalIndex) const;
    void drawSortMarker(QPainter* painter, const QRect& cell, int logicalIndex) const;
    TmqDBGrid* m_grid;
};
