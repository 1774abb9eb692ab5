#include "SortFrm.h"

#include "DataSet.h"
#include "SortText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString captionOf(const QString& direction)
{
    if (direction == QLatin1String("ASC")) return QStringLiteral("升序");
    if (direction == QLatin1String("DESC")) return QStringLiteral("降序");
    return QString();
}

// Rows are moved by dragging one onto another.
class TSortGrid : public QTableWidget {
public:
    std::function<void(int, int)> OnMove;
    using QTableWidget::QTableWidget;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        m_from = rowAt(int(e->position().y()));
        QTableWidget::mousePressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (m_from >= 0 && (e->buttons() & Qt::LeftButton)) setCursor(Qt::SizeVerCursor);
        QTableWidget::mouseMoveEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        unsetCursor();
        const int to = rowAt(int(e->position().y()));
        QTableWidget::mouseReleaseEvent(e);
        if (m_from >= 0 && to >= 0 && to != m_from && OnMove) OnMove(m_from, to);
        m_from = -1;
    }

private:
    int m_from = -1;
};
}  // namespace

TSortFrm::TSortFrm(TDataSet* dataSet, bool allFields, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("排序"));
    for (const TField* f : dataSet->Fields()) {
        if (f->DataType() == TFieldType::Memo || f->DataType() == TFieldType::Blob) continue;
        if (!allFields && !f->Visible()) continue;
        m_labels << f->DisplayLabel();
        m_names << f->FieldName();
        m_directions << QString();
    }

    auto* grid = new TSortGrid(int(m_names.size()), 2, this);
    m_grid = grid;
    grid->OnMove = [this](int from, int to) { MoveRow(from, to); };
    m_grid->setHorizontalHeaderLabels({QStringLiteral("项目"), QStringLiteral("排序方式")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_grid->setColumnWidth(1, 80);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setToolTip(QStringLiteral("双击可改变当前值"));
    for (int r = 0; r < m_names.size(); ++r) {
        m_grid->setItem(r, 0, new QTableWidgetItem(m_labels[r]));
        m_grid->setItem(r, 1, new QTableWidgetItem());
        m_grid->item(r, 1)->setTextAlignment(Qt::AlignCenter);
    }
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row) { CycleDirection(row); });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { updateButtons(); });

    m_up = new QPushButton(QStringLiteral("上移(&U)"), this);
    m_down = new QPushButton(QStringLiteral("下移(&D)"), this);
    connect(m_up, &QPushButton::clicked, this, [this] {
        const int r = m_grid->currentRow();
        if (r > 0) MoveRow(r, r - 1);
    });
    connect(m_down, &QPushButton::clicked, this, [this] {
        const int r = m_grid->currentRow();
        if (r >= 0 && r < RowCount() - 1) MoveRow(r, r + 1);
    });
    auto* ok = new QPushButton(QStringLiteral("确定(&Y)"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消(&Q)"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* hint = new QLabel(QStringLiteral("提示:双击空白处切换排序方式(升/降/无),单击上下移动键调整优先顺序"), this);
    hint->setWordWrap(true);

    auto* side = new QVBoxLayout;
    side->addWidget(m_up);
    side->addWidget(m_down);
    side->addStretch();
    side->addWidget(ok);
    side->addWidget(cancel);
    auto* top = new QHBoxLayout;
    top->addWidget(m_grid, 1);
    top->addLayout(side);
    auto* main = new QVBoxLayout(this);
    main->addLayout(top, 1);
    main->addWidget(hint);
    resize(380, 320);
    if (RowCount() > 0) m_grid->setCurrentCell(0, 0);
    updateButtons();
}

int TSortFrm::RowCount() const { return int(m_names.size()); }
QString TSortFrm::FieldNameAt(int row) const { return m_names.value(row); }
QString TSortFrm::DirectionAt(int row) const { return m_directions.value(row); }

void TSortFrm::setDirection(int row, const QString& direction)
{
    m_directions[row] = direction;
    m_grid->item(row, 1)->setText(captionOf(direction));
}

void TSortFrm::CycleDirection(int row)
{
    if (row < 0 || row >= RowCount()) return;
    const QString d = m_directions[row];
    setDirection(row, d.isEmpty() ? QStringLiteral("ASC") : d == QLatin1String("ASC") ? QStringLiteral("DESC") : QString());
}

void TSortFrm::MoveRow(int from, int to)
{
    if (from < 0 || to < 0 || from >= RowCount() || to >= RowCount() || from == to) return;
    m_labels.move(from, to);
    m_names.move(from, to);
    m_directions.move(from, to);
    for (int r = std::min(from, to); r <= std::max(from, to); ++r) {
        m_grid->item(r, 0)->setText(m_labels[r]);
        m_grid->item(r, 1)->setText(captionOf(m_directions[r]));
    }
    m_grid->setCurrentCell(to, 0);
    updateButtons();
}

void TSortFrm::updateButtons()
{
    const int r = m_grid->currentRow();
    m_up->setEnabled(r > 0);
    m_down->setEnabled(r >= 0 && r < RowCount() - 1);
}

void TSortFrm::SetSortText(const QString& sortText)
{
    int place = 0;
    for (const TSortKey& key : SortText::Parse(sortText)) {
        const int row = int(m_names.indexOf(key.Field));
        if (row < 0) continue;  // not offered
        setDirection(row, key.Desc ? QStringLiteral("DESC") : QStringLiteral("ASC"));
        MoveRow(row, place);
        ++place;
    }
    if (RowCount() > 0) m_grid->setCurrentCell(0, 0);
    updateButtons();
}

QString TSortFrm::join(bool captions) const
{
    QString s;
    for (int r = 0; r < RowCount(); ++r) {
        if (m_directions[r].isEmpty()) continue;
        s += captions ? u',' + m_labels[r] + u' ' + captionOf(m_directions[r])
                      : u',' + m_names[r] + u' ' + m_directions[r];
    }
    return s.mid(1);
}

QString TSortFrm::SortText() const { return join(false); }
QString TSortFrm::SortCaption() const { return join(true); }

std::optional<QString> ShowSortDialog(TDataSet* dataSet, bool allFields, const QString& currentSort, QWidget* parent)
{
    TSortFrm dlg(dataSet, allFields, parent);
    dlg.SetSortText(currentSort);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.SortText();
}
