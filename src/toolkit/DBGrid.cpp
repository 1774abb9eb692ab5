#include "DBGrid.h"

#include "BatchUpdateFrm.h"
#include "ColumnFrm.h"
#include "DataSet.h"
#include "Errors.h"
#include "FilterFrm.h"
#include "GridDelegate.h"
#include "GridExport.h"
#include "GridFooter.h"
#include "GridHeader.h"
#include "GridLayout.h"
#include "GridModel.h"
#include "MqLib.h"
#include "Operator.h"
#include "Seams.h"
#include "SortFrm.h"
#include "SortText.h"
#include "UiAction.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QScrollBar>

namespace {
constexpr int kRightExport = 10004;
constexpr int kRightSaveLayout = 10006;
constexpr int kRightPickColumns = 10008;

QString withSuffix(const QString& file, const QString& suffix)
{
    return QFileInfo(file).suffix().isEmpty() ? file + u'.' + suffix : file;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// TmqColumn

TField* TmqColumn::Field() const { return m_grid->m_model ? m_grid->m_model->FieldAt(m_column) : nullptr; }

QString TmqColumn::FieldName() const
{
    const TField* f = Field();
    return f ? f->FieldName() : QString();
}

int TmqColumn::Index() const { return m_grid->horizontalHeader()->visualIndex(m_column); }

QString TmqColumn::Title() const { return m_grid->ColumnTitle(m_column); }

void TmqColumn::SetTitle(const QString& title)
{
    if (const TField* f = Field()) m_grid->m_titles.insert(f->Index(), title);
    m_grid->refreshHeader();
}

bool TmqColumn::Visible() const { return !m_grid->horizontalHeader()->isSectionHidden(m_column); }

void TmqColumn::SetVisible(bool visible)
{
    QHeaderView* h = m_grid->horizontalHeader();
    if (visible == Visible()) return;
    if (!visible) {
        m_grid->m_hiddenWidths.insert(m_column, h->sectionSize(m_column));
        h->hideSection(m_column);
    } else {
        h->showSection(m_column);
        const int w = m_grid->m_hiddenWidths.take(m_column);
        if (w > 0) h->resizeSection(m_column, w);
    }
    m_grid->refreshHeader();
}

int TmqColumn::Width() const
{
    if (!Visible()) return m_grid->m_hiddenWidths.value(m_column, m_grid->defaultWidth(m_column));
    return m_grid->horizontalHeader()->sectionSize(m_column);
}

void TmqColumn::SetWidth(int width)
{
    if (width < 0) return;
    if (Visible()) m_grid->horizontalHeader()->resizeSection(m_column, width);
    else m_grid->m_hiddenWidths.insert(m_column, width);
}

bool TmqColumn::ReadOnly() const
{
    const TField* f = Field();
    return f && m_grid->m_model->ColumnReadOnly(f);
}

void TmqColumn::SetReadOnly(bool readOnly)
{
    if (const TField* f = Field()) m_grid->m_model->SetColumnReadOnly(f, readOnly);
    m_grid->viewport()->update();
}

bool TmqColumn::Ellipsis() const
{
    const TField* f = Field();
    return f && m_grid->m_ellipsisFields.contains(f->Index());
}

void TmqColumn::SetEllipsis(bool on)
{
    const TField* f = Field();
    if (!f) return;
    if (on) m_grid->m_ellipsisFields.insert(f->Index());
    else m_grid->m_ellipsisFields.remove(f->Index());
}

bool TmqColumn::FooterSum() const
{
    const TField* f = Field();
    return f && m_grid->m_footerFields.contains(f->Index());
}

void TmqColumn::SetFooterSum(bool on)
{
    const TField* f = Field();
    if (!f) return;
    if (on) m_grid->m_footerFields.insert(f->Index());
    else m_grid->m_footerFields.remove(f->Index());
    m_grid->invalidateFooter();
}

// ---------------------------------------------------------------------------------------------
// TmqDBGrid

TmqDBGrid::TmqDBGrid(QWidget* parent) : QTableView(parent)
{
    m_header = new TGridHeader(this);
    setHorizontalHeader(m_header);
    // Title clicks sort; they do not select the column.
    disconnect(m_header, SIGNAL(sectionPressed(int)), this, SLOT(selectColumn(int)));
    disconnect(m_header, SIGNAL(sectionEntered(int)), this, SLOT(_q_selectColumn(int)));
    connect(m_header, &QHeaderView::sectionClicked, this, [this](int logical) { TitleClick(logical); });
    connect(m_header, &QHeaderView::sectionResized, this, [this] { m_footer->update(); });
    connect(m_header, &QHeaderView::sectionMoved, this, [this] {
        m_footer->update();
        m_header->viewport()->update();
    });

    m_footer = new TGridFooter(this);
    m_footer->hide();
    m_delegate = new TGridDelegate([this](int column) { return m_model ? m_model->FieldAt(column) : nullptr; },
                                   [this](int column) { return Column(column) && Column(column)->Ellipsis(); }, this);
    setItemDelegate(m_delegate);
    connect(m_delegate, &TGridDelegate::EllipsisClicked, this, [this](const QModelIndex& index) {
        if (TmqColumn* c = Column(index.column())) Q_EMIT EditButtonClick(c->Field());
    });

    // No row header to see, but kept "shown" at zero width: a hidden header is not laid out and
    // would measure the rows in view against a stale height.
    verticalHeader()->setMinimumWidth(0);
    verticalHeader()->setMaximumWidth(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(12);
    verticalHeader()->setDefaultSectionSize(std::max(16, fontMetrics().height() + 4));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_popup->popup(viewport()->mapToGlobal(pos)); });

    createActions();
    refreshHeader();
}

TmqDBGrid::~TmqDBGrid() = default;

void TmqDBGrid::createActions()
{
    auto make = [this](const QString& caption, void (TmqDBGrid::*slot)()) {
        auto* a = new QAction(caption, this);
        connect(a, &QAction::triggered, this, [this, slot] { RunAction([this, slot] { (this->*slot)(); }); });
        return a;
    };
    ActionExport = make(QStringLiteral("导出"), &TmqDBGrid::ExportClick);
    ActionExport2Excel = make(QStringLiteral("导出到Excel文档"), &TmqDBGrid::SaveToExcelClick);
    ActionExport2Html = make(QStringLiteral("导出到Html网页文件"), &TmqDBGrid::SaveToHtmlClick);
    ActionColVisible = make(QStringLiteral("列选择"), &TmqDBGrid::PickColumnsClick);
    ActionTableStyleSave = make(QStringLiteral("保存表格样式"), &TmqDBGrid::SaveLayoutClick);
    ActionSort = make(QStringLiteral("排序"), &TmqDBGrid::SortClick);

    m_popup = new TmqPopupMenu(this);
    m_popup->addAction(ActionSort);
    InsertSeparator(m_popup);
    m_popup->addAction(ActionColVisible);
    m_popup->addAction(ActionTableStyleSave);
    InsertSeparator(m_popup);
    m_popup->addAction(ActionExport2Excel);
    m_popup->addAction(ActionExport2Html);
}

std::function<void(TDataSet*, QWidget*)>& TmqDBGrid::ExportDialog()
{
    static std::function<void(TDataSet*, QWidget*)> dialog;
    return dialog;
}

// ---- data

void TmqDBGrid::SetDataSet(TDataSet* dataSet)
{
    if (m_dataSet) disconnect(m_dataSet, nullptr, this, nullptr);
    TGridModel* old = m_model;
    m_dataSet = dataSet;
    m_model = dataSet ? new TGridModel(dataSet, this) : nullptr;
    if (m_model) {
        m_model->SetCellsEditable(!m_readOnly);
        m_model->SetTintReadOnly(m_tint);
    }
    setModel(m_model);
    delete old;
    m_titles.clear();
    m_ellipsisFields.clear();
    m_footerFields.clear();
    if (!dataSet) {
        m_columns.clear();
        return;
    }
    bindModelSignals();
    RebuildColumns();
    syncCurrentFromDataSet();
}

void TmqDBGrid::bindModelSignals()
{
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_headerState = m_header->saveState();
        invalidateFooter();
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        if (m_rebuilding) return;
        // The data changed (sort, filter, reload): keep the columns as the user arranged them.
        if (m_model->columnCount() == ColumnCount()) m_header->restoreState(m_headerState);
        else RebuildColumns();
        syncCurrentFromDataSet();
        refreshHeader();
    });
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { invalidateFooter(); });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] { invalidateFooter(); });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this] { invalidateFooter(); });
    connect(m_dataSet, &TDataSet::CurrentChanged, this, [this] {
        if (!m_syncing) syncCurrentFromDataSet();
    });
}

void TmqDBGrid::syncCurrentFromDataSet()
{
    if (!m_dataSet || !m_model || m_dataSet->IsEmpty()) return;
    const int row = m_dataSet->RecNo() - 1;
    int column = currentIndex().isValid() ? currentIndex().column() : -1;
    if (column < 0 || m_header->isSectionHidden(column)) column = ColumnAt(0) ? neighbourColumn(-1, +1) : -1;
    if (column < 0) column = 0;
    if (currentIndex().row() == row && currentIndex().column() == column) return;
    // A selection of several rows (for a batch update) stays when the window moves the cursor.
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::NoUpdate;
    if (SelectedRows().size() <= 1) {
        flags = QItemSelectionModel::ClearAndSelect;
        if (selectionBehavior() == SelectRows) flags |= QItemSelectionModel::Rows;
    }
    m_syncing = true;
    selectionModel()->setCurrentIndex(m_model->index(row, column), flags);
    m_syncing = false;
}

bool TmqDBGrid::CheckDataSet() const
{
    if (!m_model) {
        ShowInfo(QStringLiteral("系统错误: 没有为DBGrid指定DataSource对象,请与作者联系!"));
        return false;
    }
    if (!m_dataSet) {
        ShowInfo(QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!"));
        return false;
    }
    if (!m_dataSet->Active()) {
        ShowInfo(QStringLiteral("系统提示: 请先打开数据再操作!"));
        return false;
    }
    return true;
}

void TmqDBGrid::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    if (m_model) m_model->SetCellsEditable(!readOnly);
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::AnyKeyPressed);
}

bool TmqDBGrid::ReadOnly() const { return m_readOnly; }

void TmqDBGrid::SetTintReadOnly(bool on)
{
    m_tint = on;
    if (m_model) m_model->SetTintReadOnly(on);
    viewport()->update();
}

// ---- columns

int TmqDBGrid::defaultWidth(int modelColumn) const
{
    const TField* f = m_model ? m_model->FieldAt(modelColumn) : nullptr;
    if (!f) return 64;
    int chars = f->DisplayWidth();
    if (chars <= 0) {
        if (f->IsText()) chars = f->Size();
        else if (f->DataType() == TFieldType::DateTime) chars = 10;
        else if (f->DataType() == TFieldType::Boolean) chars = 4;
        else chars = 10;
    }
    chars = std::clamp(chars, 4, 24);  // wide text fields would push every other column away
    const QFontMetrics fm = fontMetrics();
    const int byField = chars * fm.horizontalAdvance(u'0') + 6;
    const int byTitle = fm.horizontalAdvance(ColumnTitle(modelColumn).section(u'|', -1)) + 12;
    return std::max(byField, byTitle);
}

void TmqDBGrid::RebuildColumns()
{
    if (!m_model) return;
    m_rebuilding = true;
    m_model->RefreshColumns();
    m_rebuilding = false;
    m_hiddenWidths.clear();
    // Handles already given out stay valid: the column objects are only added or dropped.
    while (ColumnCount() > m_model->columnCount()) m_columns.pop_back();
    while (ColumnCount() < m_model->columnCount()) m_columns.push_back(std::make_unique<TmqColumn>(this, ColumnCount()));
    for (int c = 0; c < ColumnCount(); ++c) {
        const int v = m_header->visualIndex(c);
        if (v != c) m_header->moveSection(v, c);
        m_header->showSection(c);
        m_header->resizeSection(c, defaultWidth(c));
    }
    invalidateFooter();
    refreshHeader();
}

TmqColumn* TmqDBGrid::Column(int modelColumn) const
{
    return modelColumn >= 0 && modelColumn < ColumnCount() ? m_columns[size_t(modelColumn)].get() : nullptr;
}

TmqColumn* TmqDBGrid::ColumnAt(int position) const
{
    if (position < 0 || position >= ColumnCount()) return nullptr;
    return Column(m_header->logicalIndex(position));
}

TmqColumn* TmqDBGrid::ColumnOf(const QString& fieldName) const
{
    for (int c = ColumnCount() - 1; c >= 0; --c)
        if (Column(c)->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0) return Column(c);
    return nullptr;
}

TmqColumn* TmqDBGrid::CurrentColumn() const { return Column(currentIndex().column()); }

bool TmqDBGrid::SetColumnReadOnly(const QString& fieldName, bool readOnly)
{
    TmqColumn* c = ColumnOf(fieldName);
    if (c) c->SetReadOnly(readOnly);
    return c != nullptr;
}

void TmqDBGrid::SetEllipsis(const QString& fieldName)
{
    if (TmqColumn* c = ColumnOf(fieldName)) c->SetEllipsis(true);
}

void TmqDBGrid::SetFooterSum(const QString& fieldName)
{
    if (TmqColumn* c = ColumnOf(fieldName)) c->SetFooterSum(true);
    SetFooterVisible(true);
}

void TmqDBGrid::SetFooterVisible(bool visible)
{
    m_footerVisible = visible;
    m_footer->setVisible(visible);
    updateGeometries();
}

void TmqDBGrid::invalidateFooter()
{
    m_footerCache.clear();
    if (m_footerVisible) m_footer->update();
}

double TmqDBGrid::FooterValue(const QString& fieldName) const
{
    const TField* f = m_dataSet ? m_dataSet->FindField(fieldName) : nullptr;
    if (!f || !m_dataSet->Active()) return 0.0;
    auto it = m_footerCache.constFind(f->Index());
    if (it != m_footerCache.constEnd()) return *it;
    const double sum = m_dataSet->Sum(f);
    m_footerCache.insert(f->Index(), sum);
    return sum;
}

QString TmqDBGrid::FooterText(int modelColumn) const
{
    const TmqColumn* c = Column(modelColumn);
    if (!c || !c->FooterSum()) return QString();
    const TField* f = c->Field();
    return f->Format(FooterValue(f->FieldName()));
}

void TmqDBGrid::SetMultiTitle(bool on)
{
    m_multiTitle = on;
    refreshHeader();
}

QString TmqDBGrid::ColumnTitle(int modelColumn) const
{
    const TField* f = m_model ? m_model->FieldAt(modelColumn) : nullptr;
    if (!f) return QString();
    return m_titles.value(f->Index(), f->DisplayLabel());
}

void TmqDBGrid::refreshHeader()
{
    m_header->setFixedHeight(m_header->LevelCount() * m_header->LineHeight());
    m_header->viewport()->update();
    updateGeometries();
}

// ---- layouts

QString TmqDBGrid::LayoutText() const
{
    QList<TLayoutLine> lines;
    for (int v = 0; v < ColumnCount(); ++v) {
        const TmqColumn* c = ColumnAt(v);
        const QString line = GridLayout::Line(c->FieldName(), c->Visible(), c->Width());
        lines.append({c->FieldName(), line.mid(c->FieldName().size() + 1)});
    }
    return GridLayout::Format(lines);
}

void TmqDBGrid::ApplyLayout(const QString& text)
{
    RebuildColumns();
    if (text.trimmed().isEmpty()) return;
    const QList<TLayoutLine> lines = GridLayout::Parse(text);
    for (const TLayoutLine& line : lines) {
        TmqColumn* c = ColumnOf(line.FieldName);
        if (!c) continue;  // a field the data set no longer has
        c->SetVisible(line.Visible());
        int width = 0;
        if (line.Width(width)) c->SetWidth(width);
    }
    for (int i = int(lines.size()) - 1; i >= 0; --i) {
        TmqColumn* c = ColumnOf(lines[i].FieldName);
        if (!c) continue;
        m_header->moveSection(c->Index(), std::min(i, ColumnCount() - 1));
    }
    refreshHeader();
}

void TmqDBGrid::LoadLayout(int key) { ApplyLayout(GridLayout::Load(key)); }

bool TmqDBGrid::SaveLayout(int key) { return GridLayout::Save(key, LayoutText()); }

void TmqDBGrid::SetLayoutId(int key)
{
    m_layoutId = key;
    LoadLayout(key);
}

// ---- sorting and filtering

void TmqDBGrid::TitleClick(int modelColumn)
{
    const TmqColumn* c = Column(modelColumn);
    if (!c || !m_dataSet || !m_dataSet->Active()) return;
    QList<TSortKey> keys = SortText::Parse(m_dataSet->Sort());
    const QString name = c->FieldName();
    auto it = std::find_if(keys.begin(), keys.end(),
                           [&](const TSortKey& k) { return k.Field.compare(name, Qt::CaseInsensitive) == 0; });
    if (it == keys.end()) keys.append({name, false});
    else if (!it->Desc) it->Desc = true;
    else keys.erase(it);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        m_dataSet->SetSort(SortText::Join(keys));
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    m_header->viewport()->update();
}

bool TmqDBGrid::SortMarker(int modelColumn, int& rank, bool& desc, int& keyCount) const
{
    const TmqColumn* c = Column(modelColumn);
    if (!c || !m_dataSet) return false;
    const QList<TSortKey> keys = SortText::Parse(m_dataSet->Sort());
    keyCount = int(keys.size());
    for (int i = 0; i < keys.size(); ++i)
        if (keys[i].Field.compare(c->FieldName(), Qt::CaseInsensitive) == 0) {
            rank = i + 1;
            desc = keys[i].Desc;
            return true;
        }
    return false;
}

void TmqDBGrid::QuickFilter(const QString& text)
{
    if (!m_dataSet || !m_dataSet->Active()) return;
    if (text.isEmpty()) {
        m_dataSet->SetRowFilter({});
        return;
    }
    QList<int> textFields;
    for (const TField* f : m_dataSet->Fields())
        if (f->DataType() == TFieldType::String || f->DataType() == TFieldType::WideString) textFields << f->Index();
    m_dataSet->SetRowFilter([textFields, text](const QVector<QVariant>& row) {
        for (int i : textFields)
            if (row[i].toString().contains(text, Qt::CaseInsensitive)) return true;
        return false;
    });
}

// ---- selection

QList<int> TmqDBGrid::SelectedRows() const
{
    QList<int> rows;
    if (!selectionModel() || !m_model) return rows;
    std::vector<bool> marked(size_t(m_model->rowCount()), false);
    for (const QItemSelectionRange& r : selectionModel()->selection())
        for (int row = r.top(); row <= r.bottom(); ++row)
            if (row >= 0 && row < int(marked.size())) marked[size_t(row)] = true;
    for (size_t i = 0; i < marked.size(); ++i)
        if (marked[i]) rows << int(i);
    return rows;
}

// ---- keys and current cell

int TmqDBGrid::neighbourColumn(int modelColumn, int direction) const
{
    int v = modelColumn < 0 ? (direction > 0 ? -1 : ColumnCount()) : m_header->visualIndex(modelColumn);
    for (v += direction; v >= 0 && v < ColumnCount(); v += direction) {
        const int logical = m_header->logicalIndex(v);
        if (!m_header->isSectionHidden(logical)) return logical;
    }
    return -1;
}

void TmqDBGrid::moveToCell(int row, int modelColumn)
{
    if (!m_model || row < 0 || row >= m_model->rowCount() || modelColumn < 0) return;
    const QItemSelectionModel::SelectionFlags flags =
        selectionBehavior() == SelectRows ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                          : QItemSelectionModel::ClearAndSelect;
    selectionModel()->setCurrentIndex(m_model->index(row, modelColumn), flags);
}

void TmqDBGrid::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const QModelIndex cur = currentIndex();
    if (plain && cur.isValid() && (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)) {
        switch (key) {
        case Qt::Key_Left:
            moveToCell(cur.row(), neighbourColumn(cur.column(), -1));
            break;
        case Qt::Key_Right:
            moveToCell(cur.row(), neighbourColumn(cur.column(), +1));
            break;
        case Qt::Key_Up:
            moveToCell(cur.row() - 1, cur.column());
            break;
        default:
            moveToCell(cur.row() + 1, cur.column());
            break;
        }
        e->accept();
        Q_EMIT KeyDown(key, e->modifiers());
        return;
    }
    Q_EMIT KeyDown(key, e->modifiers());
    QTableView::keyPressEvent(e);
}

void TmqDBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);  // writes a pending cell editor first
    if (previous.isValid() && current.column() != previous.column()) columnExit(previous.column());
    if (!m_syncing && m_dataSet && current.isValid() && m_dataSet->RecNo() != current.row() + 1) {
        m_syncing = true;
        m_dataSet->SetRecNo(current.row() + 1);
        m_syncing = false;
    }
}

void TmqDBGrid::columnExit(int) {}

void TmqDBGrid::updateGeometries()
{
    if (m_inGeometry) return;
    m_inGeometry = true;
    // The table counts the rows that fit before the footer takes its place and clamps the
    // scroll position to that; the position is put back once the range is right.
    const int keepRow = verticalScrollBar()->value();
    QTableView::updateGeometries();
    if (m_footerVisible) {
        const int h = m_header->LineHeight();
        const QMargins m = viewportMargins();
        setViewportMargins(m.left(), m.top(), m.right(), h);
        const QRect vg = viewport()->geometry();
        m_footer->setGeometry(vg.left(), vg.bottom() + 1, vg.width(), h);
        // The row header measures the rows in view by its own height.
        QHeaderView* rows = verticalHeader();
        rows->setGeometry(rows->x(), vg.top(), rows->width(), vg.height());
        // The rows were counted before the footer took its place.
        if (verticalScrollMode() == ScrollPerItem && m_model) {
            const int rowH = std::max(1, verticalHeader()->defaultSectionSize());
            const int inView = std::max(1, vg.height() / rowH);
            verticalScrollBar()->setRange(0, std::max(0, m_model->rowCount() - inView));
            verticalScrollBar()->setPageStep(inView);
            verticalScrollBar()->setValue(keepRow);
        }
    }
    m_inGeometry = false;
}

void TmqDBGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0 && m_footerVisible) m_footer->update();
}

// ---- operations

QList<TExportColumn> TmqDBGrid::exportColumns() const
{
    QList<TExportColumn> cols;
    for (int v = 0; v < ColumnCount(); ++v) {
        const TmqColumn* c = ColumnAt(v);
        if (c->Visible()) cols.append({c->Title(), c->Field()});
    }
    return cols;
}

void TmqDBGrid::ExportToExcel()
{
    if (!CheckDataSet()) return;
    QString file = Platform::FileDialogs().SaveFile(QStringLiteral("导出到Excel文档"),
                                                    QStringLiteral("Excel 文件 (*.xlsx)"), QString());
    if (file.isEmpty()) return;
    file = withSuffix(file, QStringLiteral("xlsx"));
    QString error;
    bool ok = false;
    {
        const int rows = m_dataSet->RecordCount();
        std::unique_ptr<QProgressDialog> progress;
        if (rows > 20000 && isVisible()) {
            progress = std::make_unique<QProgressDialog>(QStringLiteral("正在导出..."), QString(), 0, rows, this);
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(300);
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ok = GridExport::WriteXlsx(file, exportColumns(), *m_dataSet, error, [&](int total, int done) {
            if (progress) {
                progress->setMaximum(total);
                progress->setValue(done);
            }
        });
        QApplication::restoreOverrideCursor();
    }
    if (!ok) {
        Platform::Messages().Show(TMsgKind::Error, QStringLiteral("\r\n") + error + QStringLiteral("\t"));
        return;
    }
    if (!Platform::Shell().Open(file)) Platform::Messages().Show(TMsgKind::Error, QStringLiteral("Excel 没有正确安装!"));
}

void TmqDBGrid::ExportToHtml()
{
    if (!CheckDataSet()) return;
    QString file = Platform::FileDialogs().SaveFile(QStringLiteral("导出到Html网页文件"),
                                                    QStringLiteral("网页文件 (*.htm *.html)"), QString());
    if (file.isEmpty()) return;
    file = withSuffix(file, QStringLiteral("html"));
    QString error;
    if (!GridExport::WriteHtml(file, exportColumns(), *m_dataSet, error)) {
        Platform::Messages().Show(TMsgKind::Error, QStringLiteral("\r\n") + error + QStringLiteral("\t"));
        return;
    }
    if (Platform::Messages().OkCancel(TMsgKind::Question, QStringLiteral("\r\n导出成功,是否现在就打开?    ")))
        Platform::Shell().Open(file);
}

void TmqDBGrid::SaveToExcelClick()
{
    CurrentOperator().CheckRight(kRightExport);
    ExportToExcel();
}

void TmqDBGrid::SaveToHtmlClick()
{
    CurrentOperator().CheckRight(kRightExport);
    ExportToHtml();
}

void TmqDBGrid::SaveLayoutClick()
{
    CurrentOperator().CheckRight(kRightSaveLayout);
    if (SaveLayout(m_layoutId > 0 ? m_layoutId : m_tag)) ShowInfo(QStringLiteral("列样式保存成功."));
    else ShowWarning(QStringLiteral("列样式没有保存."));
}

void TmqDBGrid::PickColumnsClick()
{
    CurrentOperator().CheckRight(kRightPickColumns);
    RColItems items;
    for (int v = 0; v < ColumnCount(); ++v) {
        const TmqColumn* c = ColumnAt(v);
        items.append({c->ModelColumn(), c->Title(), c->Visible()});
    }
    const std::optional<RColItems> chosen = ShowColumnDialog(items, this);
    if (!chosen) return;
    for (const RColItem& item : *chosen)
        if (TmqColumn* c = Column(item.Index)) c->SetVisible(item.Visible);
}

void TmqDBGrid::PopupButtonClick(QWidget* control)
{
    if (!control) return;
    m_popup->popup(control->mapToGlobal(control->rect().bottomLeft()));
}

void TmqDBGrid::SortClick()
{
    if (!CheckDataSet()) return;
    const std::optional<QString> sort = ShowSortDialog(m_dataSet, true, m_dataSet->Sort(), this);
    if (!sort) return;
    m_dataSet->SetSort(*sort);
    m_header->viewport()->update();
}

void TmqDBGrid::FilterClick()
{
    if (!CheckDataSet()) return;
    ShowFilterDialog(m_dataSet, this);
}

void TmqDBGrid::ExportClick()
{
    CurrentOperator().CheckRight(kRightExport);
    if (!m_dataSet || !m_dataSet->Active()) return;
    if (ExportDialog()) ExportDialog()(m_dataSet, this);
    else ExportToExcel();
}

void TmqDBGrid::BatchUpdateClick()
{
    if (!m_dataSet) {
        ShowInfo(QStringLiteral("没有指定数据集DataSet, 操作被取消."));
        return;
    }
    if (!BatchProc) {
        ShowInfo(QStringLiteral("没有指定更新过程BatchProc, 操作被取消."));
        return;
    }
    if (!CheckDataSet()) return;
    TBatchUpdateFrm dlg(this);
    for (int v = 0; v < ColumnCount(); ++v) {
        const TField* f = ColumnAt(v)->Field();
        if (f->Visible() && !f->ReadOnly()) dlg.AddItem(f->DisplayLabel(), f->FieldName());
    }
    if (dlg.exec() != QDialog::Accepted) return;
    TField* field = m_dataSet->FieldByName(dlg.FieldName());
    QVariant value;
    if (!TGridDelegate::ParseText(field, dlg.Value(), value)) {
        const QString what = field->DataType() == TFieldType::DateTime ? QStringLiteral("日期")
                             : field->DataType() == TFieldType::Integer ? QStringLiteral("整数")
                                                                         : QStringLiteral("数字");
        ShowInfo(QStringLiteral("\"%1\" 不是有效的%2.").arg(dlg.Value(), what));
        return;
    }
    const QList<int> rows = SelectedRows();
    const TBookmark keep = m_dataSet->GetBookmark();
    m_dataSet->DisableControls();
    auto restore = [&] {
        if (m_dataSet->State() != TDataSet::TState::Browse) m_dataSet->Cancel();
        m_dataSet->GotoBookmark(keep);
        m_dataSet->EnableControls();
    };
    try {
        for (int row : rows) {
            m_dataSet->SetRecNo(row + 1);
            m_dataSet->Edit();
            m_dataSet->SetFieldValue(field, value);
            m_dataSet->Post();
            BatchProc(this);
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    invalidateFooter();
}
