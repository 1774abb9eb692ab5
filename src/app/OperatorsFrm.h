#pragma once
#include "Operator.h"
#include "aDlgFrm.h"

class QListWidget;
class QPushButton;

// The operators and their rights. `sa` is never listed: it holds every right.
class TOperatorsFrm : public TAInfoDlgFrm {
    Q_OBJECT
public:
    explicit TOperatorsFrm(QWidget* parent = nullptr);

    QListWidget* lstOperators1;
    QPushButton* AddBtn1;
    QPushButton* EditBtn1;
    QPushButton* DeleteBtn1;

    void AddOperator();
    void EditOperator();
    void DeleteOperator();

private:
    void updateButtons();
    void addEntry(const ROperator& op);
    ROperators m_operators;  // one per list entry, in list order
};
