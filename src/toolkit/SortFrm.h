#pragma once
#include <QDialog>
#include <QStringList>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;
class TDataSet;

// The multi-column sort dialog ("排序"): one row per offered field with its direction; a double
// click cycles none -> 升序 -> 降序 -> none; rows are moved up and down (buttons or dragging)
// to set the order of the keys.
class TSortFrm : public QDialog {
    Q_OBJECT
public:
    // Offers the data fields that are not memo or blob, visible ones only unless allFields.
    TSortFrm(TDataSet* dataSet, bool allFields, QWidget* parent = nullptr);

    // Shows the directions of a sort text ("Name ASC,Code DESC" or "Code DESC , Name") and
    // moves its fields to the top in its order.
    void SetSortText(const QString& sortText);
    // "Name ASC,Code DESC": the rows with a direction, in row order.
    QString SortText() const;
    // The same with labels and 升序/降序, for display.
    QString SortCaption() const;

    int RowCount() const;
    QString FieldNameAt(int row) const;
    QString DirectionAt(int row) const;  // "ASC", "DESC" or empty
    void CycleDirection(int row);
    void MoveRow(int from, int to);
    QTableWidget* Grid() const { return m_grid; }
    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }

private:
    void setDirection(int row, const QString& direction);
    void updateButtons();
    QString join(bool captions) const;
    QTableWidget* m_grid;
    QPushButton* m_up;
    QPushButton* m_down;
    QStringList m_labels;
    QStringList m_names;
    QStringList m_directions;
};

// The new sort text, or nothing when the dialog was cancelled.
std::optional<QString> ShowSortDialog(TDataSet* dataSet, bool allFields, const QString& currentSort,
                                      QWidget* parent = nullptr);
