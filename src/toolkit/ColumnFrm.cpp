#include "ColumnFrm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString kTick = QStringLiteral("√");
}

TxVisibleFrm::TxVisibleFrm(const RColItems& items, QWidget* parent) : QDialog(parent), m_items(items)
{
    setWindowTitle(QStringLiteral("列选择"));
    m_grid = new QTableWidget(int(items.size()), 2, this);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("列"), QStringLiteral("显示")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_grid->setColumnWidth(1, 50);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < items.size(); ++r) {
        m_grid->setItem(r, 0, new QTableWidgetItem(items[r].Title));
        auto* tick = new QTableWidgetItem(items[r].Visible ? kTick : QString());
        tick->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(r, 1, tick);
    }
    connect(m_grid, &QTableWidget::cellClicked, this, [this](int row) { Toggle(row); });

    auto* ok = new QPushButton(QStringLiteral("确定(&Y)"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消(&Q)"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* side = new QVBoxLayout;
    side->addStretch();
    side->addWidget(ok);
    side->addWidget(cancel);
    auto* main = new QHBoxLayout(this);
    main->addWidget(m_grid, 1);
    main->addLayout(side);
    resize(340, 320);
}

void TxVisibleFrm::Toggle(int row)
{
    if (row < 0 || row >= m_grid->rowCount()) return;
    QTableWidgetItem* tick = m_grid->item(row, 1);
    tick->setText(tick->text() == kTick ? QString() : kTick);
}

RColItems TxVisibleFrm::Items() const
{
    RColItems items = m_items;
    for (int r = 0; r < items.size(); ++r) items[r].Visible = m_grid->item(r, 1)->text() == kTick;
    return items;
}

std::optional<RColItems> ShowColumnDialog(const RColItems& items, QWidget* parent)
{
    TxVisibleFrm dlg(items, parent);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.Items();
}
