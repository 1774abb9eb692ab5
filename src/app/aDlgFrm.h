#pragma once
#include "aFrm.h"

class QHBoxLayout;
class QPushButton;
class QWidget;

// A modal dialog with a line above its bottom button row: "确定(&O)" accepts, "取消" and Escape
// cancel, "帮助" opens the window's help. Derived dialogs lay out ClientPanel() and validate
// in accept(), calling TADlgFrm::accept() only when the input is good.
class TADlgFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TADlgFrm(QWidget* parent = nullptr);

    QWidget* ClientPanel() const { return m_client; }
    // The button row, for dialogs that add buttons of their own (left of the standard ones).
    QHBoxLayout* ButtonRow() const { return m_buttons; }

    QPushButton* OkBtn1;
    QPushButton* CancelBtn1;
    QPushButton* HelpBtn1;

protected:
    bool EscapeCloses() const override { return true; }

private:
    QWidget* m_client;
    QHBoxLayout* m_buttons;
};

// A dialog that shows or manages something and is closed when done: "关闭" (also Escape) and
// "帮助". It opens centred on the main window.
class TAInfoDlgFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TAInfoDlgFrm(QWidget* parent = nullptr);

    QWidget* ClientPanel() const { return m_client; }
    QHBoxLayout* ButtonRow() const { return m_buttons; }

    QPushButton* CloseBtn1;
    QPushButton* HelpBtn1;

protected:
    bool EscapeCloses() const override { return true; }

private:
    QWidget* m_client;
    QHBoxLayout* m_buttons;
};
