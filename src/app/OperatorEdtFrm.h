#pragma once
#include "Operator.h"
#include "aDlgFrm.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

// The operator editor. A stored password is never shown: both password boxes start empty and
// leaving them empty keeps the password. OK hands the operator to the save callback and closes
// only when it reports success.
class TOperatorEdtFrm : public TADlgFrm {
    Q_OBJECT
public:
    using TSave = std::function<bool(const ROperator&)>;

    TOperatorEdtFrm(const ROperator& op, bool isNew, TSave save, QWidget* parent = nullptr);

    QLineEdit* edtLoginId1;
    QComboBox* cbName1;
    QLineEdit* edtContact1;
    QLineEdit* edtNote1;
    QLineEdit* edtPassword1;
    QLineEdit* edtPassword2;
    QListWidget* lstRights1;

    // The operator as the editor shows it now.
    ROperator Result() const;
    void accept() override;

private:
    void loadEmployees(const QVariant& selectId);
    void employeeChosen();
    void pickEmployee();
    void rightToggled(QListWidgetItem* item);

    ROperator m_op;
    TSave m_save;
    bool m_syncing = false;
};
