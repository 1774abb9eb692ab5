#include "OperatorEdtFrm.h"

#include "Facade.h"
#include "MqLib.h"
#include "RecordSet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int TelRole = Qt::UserRole + 1;
}

TOperatorEdtFrm::TOperatorEdtFrm(const ROperator& op, bool isNew, TSave save, QWidget* parent)
    : TADlgFrm(parent), m_op(op), m_save(std::move(save))
{
    setObjectName(QStringLiteral("OperatorEdtFrm"));
    setWindowTitle(QStringLiteral("操作员属性"));

    auto* grid = new QGridLayout(ClientPanel());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    auto label = [this](const QString& text) { return new QLabel(text, ClientPanel()); };

    edtLoginId1 = new QLineEdit(op.LoginId, ClientPanel());
    edtLoginId1->setObjectName(QStringLiteral("edtLoginId1"));
    edtLoginId1->setMaxLength(30);
    edtLoginId1->setReadOnly(!isNew);
    cbName1 = new QComboBox(ClientPanel());
    cbName1->setObjectName(QStringLiteral("cbName1"));
    cbName1->setMinimumWidth(150);
    auto* pickBtn = new QPushButton(QStringLiteral("..."), ClientPanel());
    pickBtn->setAutoDefault(false);
    pickBtn->setFixedWidth(28);
    pickBtn->setToolTip(QStringLiteral("从职员资料中选择"));
    edtContact1 = new QLineEdit(ClientPanel());
    edtContact1->setObjectName(QStringLiteral("edtContact1"));
    edtContact1->setReadOnly(true);
    edtNote1 = new QLineEdit(op.Note, ClientPanel());
    edtNote1->setObjectName(QStringLiteral("edtNote1"));
    edtPassword1 = new QLineEdit(ClientPanel());
    edtPassword1->setObjectName(QStringLiteral("edtPassword1"));
    edtPassword1->setEchoMode(QLineEdit::Password);
    edtPassword2 = new QLineEdit(ClientPanel());
    edtPassword2->setObjectName(QStringLiteral("edtPassword2"));
    edtPassword2->setEchoMode(QLineEdit::Password);
    if (!isNew) {
        edtPassword1->setPlaceholderText(QStringLiteral("不修改请留空"));
        edtPassword2->setPlaceholderText(QStringLiteral("不修改请留空"));
    }

    int row = 0;
    grid->addWidget(label(QStringLiteral("登陆名")), row, 0);
    grid->addWidget(edtLoginId1, row++, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("姓名")), row, 0);
    grid->addWidget(cbName1, row, 1);
    grid->addWidget(pickBtn, row++, 2);
    grid->addWidget(label(QStringLiteral("联系方式")), row, 0);
    grid->addWidget(edtContact1, row++, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("备注")), row, 0);
    grid->addWidget(edtNote1, row++, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("密码")), row, 0);
    grid->addWidget(edtPassword1, row++, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("验证密码")), row, 0);
    grid->addWidget(edtPassword2, row++, 1, 1, 2);
    grid->setRowStretch(row, 1);

    lstRights1 = new QListWidget(ClientPanel());
    lstRights1->setObjectName(QStringLiteral("lstRights1"));
    lstRights1->setMinimumSize(210, 300);
    for (const TRightEntry& r : OfferedRights()) {
        auto* item = new QListWidgetItem(r.Caption, lstRights1);
        item->setData(Qt::UserRole, r.Right);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(TOperator::RightsContain(op.Rights, r.Right) ? Qt::Checked : Qt::Unchecked);
    }
    grid->addWidget(label(QStringLiteral("权限")), 0, 3);
    grid->addWidget(lstRights1, 1, 3, row, 1);
    grid->setColumnStretch(3, 1);

    loadEmployees(op.EmployeeId);
    if (cbName1->currentIndex() <= 0) edtContact1->setText(op.Contact);

    connect(cbName1, &QComboBox::activated, this, [this] { employeeChosen(); });
    connect(pickBtn, &QPushButton::clicked, this, [this] { pickEmployee(); });
    connect(lstRights1, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    connect(lstRights1, &QListWidget::itemChanged, this, &TOperatorEdtFrm::rightToggled);
}

void TOperatorEdtFrm::loadEmployees(const QVariant& selectId)
{
    cbName1->clear();
    cbName1->addItem(QString());
    TQuerySet employees;
    employees.Open(QStringLiteral("select Id, Name, Tel from employee order by Id"));
    TDataSet* ds = employees.DataSet();
    for (int i = 0; i < ds->RecordCount(); ++i) {
        cbName1->addItem(ds->ValueAt(i, 1).toString(), ds->ValueAt(i, 0).toInt());
        cbName1->setItemData(cbName1->count() - 1, ds->ValueAt(i, 2).toString(), TelRole);
    }
    const int index = selectId.isNull() ? 0 : cbName1->findData(selectId.toInt());
    cbName1->setCurrentIndex(index < 0 ? 0 : index);
}

void TOperatorEdtFrm::employeeChosen() { edtContact1->setText(cbName1->currentData(TelRole).toString()); }

void TOperatorEdtFrm::pickEmployee()
{
    const QVariant id = Mall().Pick(MallPicker::Employee, this);
    if (id.isNull()) return;
    loadEmployees(id);
    employeeChosen();
}

void TOperatorEdtFrm::rightToggled(QListWidgetItem* item)
{
    // A right offered under two captions is one right: both entries follow each other.
    if (m_syncing) return;
    m_syncing = true;
    const int right = item->data(Qt::UserRole).toInt();
    for (int i = 0; i < lstRights1->count(); ++i) {
        QListWidgetItem* other = lstRights1->item(i);
        if (other != item && other->data(Qt::UserRole).toInt() == right) other->setCheckState(item->checkState());
    }
    m_syncing = false;
}

ROperator TOperatorEdtFrm::Result() const
{
    ROperator op;
    op.LoginId = edtLoginId1->text().trimmed();
    op.Password = edtPassword1->text();
    QList<bool> checked;
    for (int i = 0; i < lstRights1->count(); ++i) checked << (lstRights1->item(i)->checkState() == Qt::Checked);
    op.Rights = BuildRightsText(checked);
    op.Note = edtNote1->text();
    if (cbName1->currentIndex() > 0) {
        op.EmployeeId = cbName1->currentData();
        op.Name = cbName1->currentText();
        op.Contact = cbName1->currentData(TelRole).toString();
    }
    return op;
}

void TOperatorEdtFrm::accept()
{
    if (edtLoginId1->text().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("必须填写登陆名."));
        edtLoginId1->setFocus();
        return;
    }
    if (edtPassword1->text() != edtPassword2->text()) {
        ShowInfo(QStringLiteral("两次输入的密码不一样,请重新输入."));
        edtPassword1->clear();
        edtPassword2->clear();
        edtPassword1->setFocus();
        return;
    }
    if (m_save && !m_save(Result())) return;
    TADlgFrm::accept();
}
