#pragma once
#include <QWidget>

class TmqDBGrid;

// The footer row under the grid's cells: the sum of every column that asks for one, aligned
// with the columns as they are moved, resized and scrolled.
class TGridFooter : public QWidget {
    Q_OBJECT
public:
    explicit TGridFooter(TmqDBGrid* grid);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TmqDBGrid* m_grid;
};
