#pragma once
#include "aDlgFrm.h"

class QPlainTextEdit;

// The error report: the pre-filled report, which the user may complete, is sent to the maker
// when the user presses OK. A failed send keeps the dialog open to try again or cancel.
class TBuggerFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TBuggerFrm(const QString& report, QWidget* parent = nullptr);

    QPlainTextEdit* memReport1;

    void accept() override;
};
