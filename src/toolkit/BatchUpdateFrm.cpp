#include "BatchUpdateFrm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBatchUpdateFrm::TBatchUpdateFrm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("修改"));
    auto* group = new QGroupBox(QStringLiteral("批量更新"), this);
    m_items = new QComboBox(group);
    m_items->setEditable(false);
    m_items->setMinimumWidth(180);
    m_value = new QLineEdit(group);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("项目"), m_items);
    form->addRow(QStringLiteral("值为"), m_value);

    m_ok = new QPushButton(QStringLiteral("确定(&Y)"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消(&Q)"), this);
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    connect(m_items, &QComboBox::currentIndexChanged, this, [this](int i) { m_ok->setEnabled(i >= 0); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* main = new QVBoxLayout(this);
    main->addWidget(group);
    main->addLayout(buttons);
}

void TBatchUpdateFrm::AddItem(const QString& label, const QString& fieldName)
{
    const QSignalBlocker block(m_items);
    m_items->addItem(label);
    m_names << fieldName;
    m_items->setCurrentIndex(-1);
    m_ok->setEnabled(false);
}

int TBatchUpdateFrm::ItemIndex() const { return m_items->currentIndex(); }
QString TBatchUpdateFrm::FieldName() const { return m_names.value(ItemIndex()); }
QString TBatchUpdateFrm::Value() const { return m_value->text(); }

void TBatchUpdateFrm::accept()
{
    if (ItemIndex() < 0) return;  // no field chosen yet
    QDialog::accept();
}
