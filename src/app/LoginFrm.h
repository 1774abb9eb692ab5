#pragma once
#include "aDlgFrm.h"

class QComboBox;
class QLabel;
class QLineEdit;

// The login dialog, at start and for re-login. OK checks the name and password; on success the
// global operator is the one logged in and the name is remembered in cfg.ini. A failed check
// says nothing: the password is selected for another try.
class TLoginFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TLoginFrm(QWidget* parent = nullptr);

    QComboBox* cbUser1;
    QLineEdit* edtPassword1;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// Runs the login dialog; true when an operator logged in.
bool RunLoginDialog(QWidget* parent = nullptr);
