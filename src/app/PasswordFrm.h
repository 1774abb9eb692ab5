#pragma once
#include "aDlgFrm.h"

class QLineEdit;

// The logged-in operator changes his own password.
class TPasswordFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TPasswordFrm(QWidget* parent = nullptr);

    QLineEdit* edtUser1;
    QLineEdit* edtOldPassword1;
    QLineEdit* edtNewPassword1;
    QLineEdit* edtNewPassword2;

    void accept() override;
};

// The menu command "更改我的密码".
void ChangeMyPassword(QWidget* parent = nullptr);
