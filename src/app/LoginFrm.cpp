#include "LoginFrm.h"

#include "Configer.h"
#include "Login.h"
#include "Operator.h"
#include "Pictures.h"
#include "Product.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TLoginFrm::TLoginFrm(QWidget* parent) : TADlgFrm(parent)
{
    setObjectName(QStringLiteral("LoginFrm"));
    setWindowTitle(QStringLiteral("登陆"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    SetPlacement(TPlacement::ScreenCentre);

    auto* layout = new QVBoxLayout(ClientPanel());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    auto* banner = new QLabel(ClientPanel());
    banner->setObjectName(QStringLiteral("imgLogin1"));
    const QPixmap picture = Pictures::Load(QStringLiteral("login.png"));
    if (!picture.isNull()) {
        banner->setPixmap(picture);
        banner->setFixedSize(picture.size());
        setFixedWidth(picture.width() + 24);  // the picture spans the dialog
    } else {
        banner->setText(TProduct::Title());
    }
    layout->addWidget(banner);

    auto* prompt = new QLabel(QStringLiteral("请输入您的用户名和密码:"), ClientPanel());
    layout->addWidget(prompt);

    auto* form = new QFormLayout;
    form->setContentsMargins(24, 0, 24, 4);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    cbUser1 = new QComboBox(ClientPanel());
    cbUser1->setObjectName(QStringLiteral("cbUser1"));
    cbUser1->setEditable(true);
    cbUser1->setInsertPolicy(QComboBox::NoInsert);
    edtPassword1 = new QLineEdit(ClientPanel());
    edtPassword1->setObjectName(QStringLiteral("edtPassword1"));
    edtPassword1->setEchoMode(QLineEdit::Password);
    edtPassword1->installEventFilter(this);
    auto* userLabel = new QLabel(QStringLiteral("用户名(&U)"), ClientPanel());
    userLabel->setBuddy(cbUser1);
    auto* passwordLabel = new QLabel(QStringLiteral("密码(&P)"), ClientPanel());
    passwordLabel->setBuddy(edtPassword1);
    form->addRow(userLabel, cbUser1);
    form->addRow(passwordLabel, edtPassword1);
    layout->addLayout(form);

    for (const ROperator& op : TOperatorSet::LoadAll()) cbUser1->addItem(op.LoginId);
    const QString last = TConfiger::ReadLastLoginId();
    cbUser1->setEditText(last.isEmpty() ? QStringLiteral("sa") : last);
}

void TLoginFrm::showEvent(QShowEvent* event)
{
    TADlgFrm::showEvent(event);
    edtPassword1->setFocus();
}

bool TLoginFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtPassword1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OkBtn1->click();
            return true;
        }
    }
    return TADlgFrm::eventFilter(watched, event);
}

void TLoginFrm::accept()
{
    const QString loginId = cbUser1->currentText().trimmed();
    if (!TLogin::Check(loginId, edtPassword1->text())) {
        edtPassword1->setFocus();
        edtPassword1->selectAll();
        return;
    }
    TConfiger::WriteLastLoginId(CurrentOperator().LoginId);
    TADlgFrm::accept();
}

bool RunLoginDialog(QWidget* parent)
{
    TLoginFrm dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}
