#include "PasswordFrm.h"

#include "MqLib.h"
#include "Operator.h"
#include "Seams.h"

#include <QFormLayout>
#include <QLineEdit>

TPasswordFrm::TPasswordFrm(QWidget* parent) : TADlgFrm(parent)
{
    setObjectName(QStringLiteral("PasswordFrm"));
    setWindowTitle(QStringLiteral("更改密码"));
    auto* form = new QFormLayout(ClientPanel());
    form->setContentsMargins(8, 4, 8, 4);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    auto edit = [this](const char* name, bool masked) {
        auto* e = new QLineEdit(ClientPanel());
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumWidth(180);
        if (masked) e->setEchoMode(QLineEdit::Password);
        return e;
    };
    edtUser1 = edit("edtUser1", false);
    edtUser1->setText(CurrentOperator().LoginId);
    edtUser1->setReadOnly(true);
    edtOldPassword1 = edit("edtOldPassword1", true);
    edtNewPassword1 = edit("edtNewPassword1", true);
    edtNewPassword2 = edit("edtNewPassword2", true);
    form->addRow(QStringLiteral("当前用户"), edtUser1);
    form->addRow(QStringLiteral("当前密码"), edtOldPassword1);
    form->addRow(QStringLiteral("新密码"), edtNewPassword1);
    form->addRow(QStringLiteral("新密码验证"), edtNewPassword2);
    edtOldPassword1->setFocus();
}

void TPasswordFrm::accept()
{
    if (edtNewPassword1->text() != edtNewPassword2->text()) {
        Platform::Messages().Show(TMsgKind::Information, QStringLiteral("两次输入的新密码不一样,请确认并重新输入."));
        edtNewPassword1->clear();
        edtNewPassword2->clear();
        edtNewPassword1->setFocus();
        return;
    }
    TOperator& op = CurrentOperator();
    if (!PasswordHash::Verify(op.Password, edtOldPassword1->text())) {
        ShowInfo(QStringLiteral("当前密码验证失败,请确认并重新输入."));
        edtOldPassword1->setFocus();
        edtOldPassword1->selectAll();
        return;
    }
    if (!op.SetPassword(edtNewPassword1->text())) {
        ShowInfo(QStringLiteral("密码没有更改,请重新登陆后再试."));
        return;
    }
    ShowInfo(QStringLiteral("密码更改成功! 下次登陆时请使用新密码."));
    TADlgFrm::accept();
}

void ChangeMyPassword(QWidget* parent)
{
    TPasswordFrm dialog(parent);
    dialog.exec();
}
