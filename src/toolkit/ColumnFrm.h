#pragma once
#include <QDialog>
#include <QList>
#include <optional>

class QTableWidget;

// One column offered by the column dialog: the grid's column number, its title, its visibility.
struct RColItem {
    int Index = 0;
    QString Title;
    bool Visible = true;
};
using RColItems = QList<RColItem>;

// The column visibility dialog ("列选择"): a click on a row toggles its "√".
class TxVisibleFrm : public QDialog {
    Q_OBJECT
public:
    explicit TxVisibleFrm(const RColItems& items, QWidget* parent = nullptr);
    void Toggle(int row);
    // The items with the visibility each row shows.
    RColItems Items() const;
    QTableWidget* Grid() const { return m_grid; }

private:
    RColItems m_items;
    QTableWidget* m_grid;
};

// The edited items on OK; nothing on Cancel.
std::optional<RColItems> ShowColumnDialog(const RColItems& items, QWidget* parent = nullptr);
