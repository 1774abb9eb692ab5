#pragma once
#include <QColor>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

class QCheckBox;

// What may be typed into a TmqEdit.
enum class TEditType { etFree, etNumber, etInteger };

namespace FocusFlow {
// Asks the control's window to move the focus to the next control (Shift: the previous one).
// Posted, so the key that asked for it is fully handled first. Nothing happens for a control
// that has no parent.
void MoveFocus(QWidget* from, bool forward);
}  // namespace FocusFlow

// The program's edit box: a focus colour, Enter moving to the next box, number-only typing and
// typed access to the value. Typed reads and writes raise EMqError with the system's texts.
class TmqEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TmqEdit(QWidget* parent = nullptr);

    QColor ColorOnEnter() const { return m_colorOnEnter; }
    void SetColorOnEnter(const QColor& c) { m_colorOnEnter = c; }
    QColor ColorOnReadOnly() const { return m_colorOnReadOnly; }
    void SetColorOnReadOnly(const QColor& c) { m_colorOnReadOnly = c; }
    bool TabOnEnter() const { return m_tabOnEnter; }
    void SetTabOnEnter(bool on) { m_tabOnEnter = on; }
    TEditType EditType() const { return m_editType; }
    void SetEditType(TEditType type);
    Qt::Alignment Alignment() const { return alignment(); }
    void SetAlignment(Qt::Alignment a) { setAlignment(a); }

    // Empty reads as 0; 0 writes an empty box.
    double AsDouble() const;
    void SetAsDouble(double value);
    int AsInteger() const;
    void SetAsInteger(int value);
    // Null (an invalid QVariant) for an empty box; otherwise a QDate / QDateTime.
    QVariant AsDate() const;
    void SetAsDate(const QVariant& value);
    QVariant AsDateTime() const;
    void SetAsDateTime(const QVariant& value);
    // By edit type: number, integer or text; null for an empty box.
    QVariant AsVariant() const;
    void SetAsVariant(const QVariant& value);

    // Whether a typed character would be accepted by the number filter of the edit type.
    bool AcceptsChar(QChar c) const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QColor m_colorOnEnter{0, 255, 255};
    QColor m_colorOnReadOnly{255, 255, 0};
    bool m_tabOnEnter = true;
    TEditType m_editType = TEditType::etFree;
    QColor m_savedColor;
    bool m_hasSavedColor = false;
};

// The program's combo box: no auto-completion, Enter moves the focus, focus colour, and Delete
// clears the choice of a drop-down list. Changed() is raised for every change the user makes.
class TmqComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TmqComboBox(QWidget* parent = nullptr);
    // The selected item's text; empty when nothing is selected.
    QString SelectedText() const;

Q_SIGNALS:
    void Changed();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// The program's memo: focus colours only; Enter stays a line break.
class TmqMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TmqMemo(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// The program's date picker, optionally with a check box: unchecked reads as null. Starts
// unchecked at the current time, shown as yyyy-mm-dd.
class TmqDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit TmqDateTimePicker(QWidget* parent = nullptr);

    bool ShowCheckbox() const { return m_checkBox != nullptr; }
    void SetShowCheckbox(bool show);
    bool Checked() const;
    void SetChecked(bool checked);

    // Null when unchecked; otherwise a QDate, QTime or QDateTime.
    QVariant AsDate() const;
    void SetAsDate(const QVariant& value);
    QVariant AsTime() const;
    void SetAsTime(const QVariant& value);
    QVariant AsDateTime() const;
    void SetAsDateTime(const QVariant& value);

    // Now, then null (unchecked when there is a check box).
    void ClearDate();
    // The first day of the current month.
    void SetMonthStart();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void showNow();
    void setValue(const QDateTime& value);
    void updateLook();
    QCheckBox* m_checkBox = nullptr;
    bool m_programmatic = false;
};
