#pragma once
#include "DataSet.h"
#include "PopupMenu.h"

#include <QAction>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>
#include <vector>

class TGridModel;
class TGridHeader;
class TGridFooter;
class TGridDelegate;
class TmqDBGrid;
struct TExportColumn;

// A handle on one grid column (one visible field of the data set). A handle stays valid while
// the grid has at least that many columns; what it sets is kept per field, so it survives a
// reloaded layout.
class TmqColumn {
public:
    TmqColumn(TmqDBGrid* grid, int modelColumn) : m_grid(grid), m_column(modelColumn) {}
    TField* Field() const;
    QString FieldName() const;
    int ModelColumn() const { return m_column; }
    // Position in display order, counting hidden columns.
    int Index() const;
    QString Title() const;
    void SetTitle(const QString& title);
    bool Visible() const;
    void SetVisible(bool visible);
    int Width() const;
    void SetWidth(int width);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool Ellipsis() const;
    void SetEllipsis(bool on);
    bool FooterSum() const;
    void SetFooterSum(bool on);

private:
    TmqDBGrid* m_grid;
    int m_column;
};

// The one data grid of the program: columns from the data set's visible fields, a column
// layout saved per numeric key in table syscols, title-click sorting over several columns, a
// quick text filter, a footer row with sums, the standard pop-up menu and its actions, batch
// update of the selected rows and exports to Excel and HTML.
//
// Actions that are refused (rights, closed data set) end with their message; the slots behind
// the menu and the actions catch the silent abort, the *Click operations let it through.
class TmqDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TmqDBGrid(QWidget* parent = nullptr);
    ~TmqDBGrid() override;

    // Creates a grid filling the panel, bound to the data set, with the layout key as its tag
    // and that layout loaded.
    template <class Grid = TmqDBGrid>
    static Grid* CreateIn(QWidget* panel, int layoutKey, TDataSet* dataSet)
    {
        auto* grid = new Grid(panel);
        auto* box = new QVBoxLayout(panel);
        box->setContentsMargins(0, 0, 0, 0);
        box->addWidget(grid);
        grid->SetDataSet(dataSet);
        grid->SetTag(layoutKey);
        grid->LoadLayout(layoutKey);
        return grid;
    }

    // ---- data
    void SetDataSet(TDataSet* dataSet);
    TDataSet* DataSet() const { return m_dataSet; }
    TGridModel* GridModel() const { return m_model; }
    // True with an open data set; otherwise tells the user and returns false.
    bool CheckDataSet() const;
    // Editing in cells (off for lists).
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const;
    // Read-only cells drawn cream and pale green by record number (on in bill grids).
    void SetTintReadOnly(bool on);

    // ---- columns
    // One column per visible field, in field order, with default titles and widths.
    void RebuildColumns();
    int ColumnCount() const { return int(m_columns.size()); }
    TmqColumn* Column(int modelColumn) const;
    // The column at a display position.
    TmqColumn* ColumnAt(int position) const;
    // The column of the field; nullptr when the field has no column.
    TmqColumn* ColumnOf(const QString& fieldName) const;
    TmqColumn* CurrentColumn() const;
    bool SetColumnReadOnly(const QString& fieldName, bool readOnly);
    // A "..." button in the field's cells: EditButtonClick is raised when it is pressed.
    void SetEllipsis(const QString& fieldName);
    // The field's column shows its sum in the footer (and the footer is shown).
    void SetFooterSum(const QString& fieldName);
    void SetFooterVisible(bool visible);
    bool FooterVisible() const { return m_footerVisible; }
    // The sum of a field over the rows shown.
    double FooterValue(const QString& fieldName) const;
    QString FooterText(int modelColumn) const;
    // Titles on several lines split at '|'.
    void SetMultiTitle(bool on);
    bool MultiTitle() const { return m_multiTitle; }
    QString ColumnTitle(int modelColumn) const;

    // ---- layouts ("Code=True80" per column in display order)
    QString LayoutText() const;
    // Rebuilds the columns, then applies what the text says; a broken text is applied as far
    // as it goes.
    void ApplyLayout(const QString& text);
    void LoadLayout(int key);
    virtual bool SaveLayout(int key);
    int LayoutId() const { return m_layoutId; }
    void SetLayoutId(int key);
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // ---- sorting and filtering
    // Cycles the column's sort marker none -> ascending -> descending -> none and sorts by
    // all marked columns in the order they were marked.
    void TitleClick(int modelColumn);
    // The column's place in the sort (rank from 1) and direction; false when not sorted.
    bool SortMarker(int modelColumn, int& rank, bool& desc, int& keyCount) const;
    // Rows whose text fields contain the text (any case); empty text shows all rows.
    void QuickFilter(const QString& text);

    // ---- selection
    // Selected rows (0-based, in display order).
    QList<int> SelectedRows() const;

    // ---- menu, actions, operations
    TmqPopupMenu* PopupMenuMq() const { return m_popup; }
    QAction* ActionExport;
    QAction* ActionExport2Excel;
    QAction* ActionExport2Html;
    QAction* ActionColVisible;
    QAction* ActionTableStyleSave;
    QAction* ActionSort;
    // Called after each row a batch update changed; the window writes the row there.
    std::function<void(TmqDBGrid*)> BatchProc;

    virtual void ExportToExcel();
    virtual void ExportToHtml();
    virtual void SaveToExcelClick();
    virtual void SaveToHtmlClick();
    virtual void SaveLayoutClick();
    virtual void PickColumnsClick();
    void PopupButtonClick(QWidget* control);
    void SortClick();
    void FilterClick();
    void ExportClick();
    void BatchUpdateClick();

    // The export dialog offered by "导出" (registered by the master-data windows); without
    // one, "导出" exports to Excel.
    static std::function<void(TDataSet*, QWidget*)>& ExportDialog();

Q_SIGNALS:
    // Every key pressed in the grid, after the grid's own arrow-key handling.
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The "..." button of a cell was pressed; the row is current.
    void EditButtonClick(TField* field);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    // Moves the current cell within the row to a model column (hidden ones are skipped).
    void moveToCell(int row, int modelColumn);
    // The nearest visible column left (-1) or right (+1) of a model column; -1 when none.
    int neighbourColumn(int modelColumn, int direction) const;
    TGridDelegate* delegate() const { return m_delegate; }
    void refreshHeader();
    // The current cell left a column; bill grids post the row there.
    virtual void columnExit(int modelColumn);

private:
    friend class TmqColumn;
    void createActions();
    void bindModelSignals();
    void syncCurrentFromDataSet();
    void invalidateFooter();
    int defaultWidth(int modelColumn) const;
    QList<TExportColumn> exportColumns() const;

    QPointer<TDataSet> m_dataSet;
    TGridModel* m_model = nullptr;
    TGridHeader* m_header;
    TGridFooter* m_footer;
    TGridDelegate* m_delegate;
    TmqPopupMenu* m_popup;
    std::vector<std::unique_ptr<TmqColumn>> m_columns;
    QHash<int, QString> m_titles;     // by field index
    QHash<int, int> m_hiddenWidths;   // by model column
    QSet<int> m_ellipsisFields;       // by field index
    QSet<int> m_footerFields;         // by field index
    mutable QHash<int, double> m_footerCache;  // by field index
    QByteArray m_headerState;
    bool m_rebuilding = false;
    bool m_syncing = false;
    bool m_multiTitle = false;
    bool m_footerVisible = false;
    bool m_inGeometry = false;
    bool m_readOnly = true;
    bool m_tint = false;
    int m_layoutId = 0;
    int m_tag = 0;
};
