#include "OperatorsFrm.h"

#include "MqLib.h"
#include "OperatorEdtFrm.h"
#include "Pictures.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TOperatorsFrm::TOperatorsFrm(QWidget* parent) : TAInfoDlgFrm(parent)
{
    setObjectName(QStringLiteral("OperatorsFrm"));
    setWindowTitle(QStringLiteral("操作员及权限"));
    resize(560, 380);

    auto* layout = new QHBoxLayout(ClientPanel());
    layout->setContentsMargins(0, 0, 0, 0);
    lstOperators1 = new QListWidget(ClientPanel());
    lstOperators1->setObjectName(QStringLiteral("lstOperators1"));
    lstOperators1->setViewMode(QListView::IconMode);
    lstOperators1->setIconSize(QSize(48, 48));
    lstOperators1->setGridSize(QSize(96, 84));
    lstOperators1->setMovement(QListView::Static);
    lstOperators1->setResizeMode(QListView::Adjust);
    lstOperators1->setWordWrap(true);
    layout->addWidget(lstOperators1, 1);

    auto* buttons = new QVBoxLayout;
    auto makeButton = [this, buttons](const QString& text, const char* name) {
        auto* b = new QPushButton(text, ClientPanel());
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setMinimumWidth(84);
        buttons->addWidget(b);
        return b;
    };
    AddBtn1 = makeButton(QStringLiteral("添加"), "AddBtn1");
    EditBtn1 = makeButton(QStringLiteral("属性"), "EditBtn1");
    DeleteBtn1 = makeButton(QStringLiteral("删除"), "DeleteBtn1");
    buttons->addStretch(1);
    layout->addLayout(buttons);

    m_operators = TOperatorSet::LoadAll();
    for (const ROperator& op : std::as_const(m_operators)) {
        auto* item = new QListWidgetItem(Pictures::Icon(QStringLiteral("operator")), op.LoginId, lstOperators1);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    connect(AddBtn1, &QPushButton::clicked, this, &TOperatorsFrm::AddOperator);
    connect(EditBtn1, &QPushButton::clicked, this, &TOperatorsFrm::EditOperator);
    connect(DeleteBtn1, &QPushButton::clicked, this, &TOperatorsFrm::DeleteOperator);
    connect(lstOperators1, &QListWidget::itemDoubleClicked, this, &TOperatorsFrm::EditOperator);
    connect(lstOperators1, &QListWidget::itemSelectionChanged, this, &TOperatorsFrm::updateButtons);
    updateButtons();
}

void TOperatorsFrm::updateButtons()
{
    const bool selected = lstOperators1->currentItem() && lstOperators1->currentItem()->isSelected();
    EditBtn1->setEnabled(selected);
    DeleteBtn1->setEnabled(selected);
}

void TOperatorsFrm::addEntry(const ROperator& op)
{
    m_operators << op;
    auto* item = new QListWidgetItem(Pictures::Icon(QStringLiteral("operator")), op.LoginId, lstOperators1);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lstOperators1->setCurrentItem(item);
}

void TOperatorsFrm::AddOperator()
{
    ROperator fresh;
    ROperator saved;
    TOperatorEdtFrm editor(fresh, true, [&saved](const ROperator& op) {
        if (!TOperatorSet::SaveOperator(op)) return false;
        saved = op;
        return true;
    }, this);
    if (editor.exec() != QDialog::Accepted) return;
    saved.Password.clear();
    addEntry(saved);
}

void TOperatorsFrm::EditOperator()
{
    const int row = lstOperators1->currentRow();
    if (row < 0 || row >= m_operators.size() || !lstOperators1->currentItem()->isSelected()) return;
    ROperator saved;
    TOperatorEdtFrm editor(m_operators[row], false, [&saved](const ROperator& op) {
        if (!TOperatorSet::SaveOperator(op)) return false;
        saved = op;
        return true;
    }, this);
    if (editor.exec() != QDialog::Accepted) return;
    saved.Password.clear();
    m_operators[row] = saved;
    lstOperators1->item(row)->setText(saved.LoginId);
}

void TOperatorsFrm::DeleteOperator()
{
    const int row = lstOperators1->currentRow();
    if (row < 0 || row >= m_operators.size() || !lstOperators1->currentItem()->isSelected()) return;
    if (!ConfirmDelete(m_operators[row].LoginId)) return;
    if (!TOperatorSet::DeleteOperator(m_operators[row].LoginId)) return;
    m_operators.removeAt(row);
    delete lstOperators1->takeItem(row);
    updateButtons();
}
