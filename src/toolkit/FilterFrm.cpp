#include "FilterFrm.h"

#include "Criteria.h"
#include "DataSet.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TFltrDlgFrm::TFltrDlgFrm(TDataSet* dataSet, QWidget* parent) : QDialog(parent), m_dataSet(dataSet)
{
    setWindowTitle(QStringLiteral("过滤"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    for (TField* f : dataSet->Fields())
        if (f->Visible() && (f->DataType() == TFieldType::String || f->DataType() == TFieldType::WideString))
            m_fields << f;

    // Page 1: the field.
    auto* page1 = new QWidget;
    m_list = new QListWidget(page1);
    for (const TField* f : m_fields) m_list->addItem(f->DisplayLabel());
    m_next = new QPushButton(QStringLiteral("下一步"), page1);
    m_next->setEnabled(false);
    auto* cancel1 = new QPushButton(QStringLiteral("取消"), page1);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_next->setEnabled(row >= 0); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { GoNext(); });
    connect(m_next, &QPushButton::clicked, this, [this] { GoNext(); });
    connect(cancel1, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons1 = new QHBoxLayout;
    buttons1->addStretch();
    buttons1->addWidget(m_next);
    buttons1->addWidget(cancel1);
    auto* box1 = new QVBoxLayout(page1);
    box1->addWidget(new QLabel(QStringLiteral("请选择过滤项目"), page1));
    box1->addWidget(m_list, 1);
    box1->addWidget(new QLabel(QStringLiteral("双击选择快捷确认"), page1));
    box1->addLayout(buttons1);

    // Page 2: the keyword.
    auto* page2 = new QWidget;
    m_keyword = new QLineEdit(page2);
    m_ok = new QPushButton(QStringLiteral("确定"), page2);
    auto* cancel2 = new QPushButton(QStringLiteral("取消"), page2);
    connect(m_keyword, &QLineEdit::returnPressed, this, [this] { Confirm(); });
    connect(m_ok, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(cancel2, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons2 = new QHBoxLayout;
    buttons2->addStretch();
    buttons2->addWidget(m_ok);
    buttons2->addWidget(cancel2);
    auto* box2 = new QVBoxLayout(page2);
    box2->addWidget(new QLabel(QStringLiteral("请输入关键字"), page2));
    box2->addWidget(m_keyword);
    box2->addStretch();
    box2->addLayout(buttons2);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(page1);
    m_pages->addWidget(page2);
    auto* main = new QVBoxLayout(this);
    main->addWidget(m_pages);
    resize(300, 300);
}

void TFltrDlgFrm::GoNext()
{
    if (m_list->currentRow() < 0) return;
    m_pages->setCurrentIndex(1);
    m_keyword->setFocus();
}

QString TFltrDlgFrm::FilterText(const QString& fieldName, const QString& keyword)
{
    return TCriteria().Contains(fieldName, keyword).Conditions();
}

void TFltrDlgFrm::Confirm()
{
    const int row = m_list->currentRow();
    if (row < 0) return;
    m_dataSet->SetFilter(FilterText(m_fields[row]->FieldName(), m_keyword->text()));
    m_dataSet->SetFiltered(true);
    accept();
}

bool ShowFilterDialog(TDataSet* dataSet, QWidget* parent)
{
    TFltrDlgFrm dlg(dataSet, parent);
    return dlg.exec() == QDialog::Accepted;
}
