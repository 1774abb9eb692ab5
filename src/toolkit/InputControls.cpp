#include "InputControls.h"

#include "Errors.h"
#include "Seams.h"

#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QStyle>
#include <cmath>

namespace {
const QColor kAqua(0, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

bool isEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

void setBackground(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}

QString quotedError(const QString& text, const QString& what)
{
    return QStringLiteral("\"%1\" 不是有效的%2.").arg(text, what);
}

QDate parseDate(const QString& s)
{
    return QDate::fromString(s.trimmed(), QStringLiteral("yyyy-M-d"));
}

QDateTime parseDateTime(const QString& text)
{
    const QString s = text.trimmed();
    for (const char* f : {"yyyy-M-d H:m:s", "yyyy-M-d H:m", "yyyy-M-d"}) {
        const QDateTime dt = QDateTime::fromString(s, QLatin1String(f));
        if (dt.isValid()) return dt;
    }
    return {};
}

bool isNullValue(const QVariant& v) { return !v.isValid() || v.isNull(); }
}  // namespace

void FocusFlow::MoveFocus(QWidget* from, bool forward)
{
    if (!from || !from->parentWidget()) return;
    QApplication::postEvent(from, new QKeyEvent(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                                                 forward ? Qt::NoModifier : Qt::ShiftModifier));
}

// ---------------------------------------------------------------------------------------------

TmqEdit::TmqEdit(QWidget* parent) : QLineEdit(parent) {}

void TmqEdit::SetEditType(TEditType type)
{
    m_editType = type;
    // Number boxes take no composed (input method) text.
    setAttribute(Qt::WA_InputMethodEnabled, type == TEditType::etFree);
}

bool TmqEdit::AcceptsChar(QChar c) const
{
    const QString t = text();
    switch (m_editType) {
    case TEditType::etFree:
        return true;
    case TEditType::etInteger:
        return c >= u'0' && c <= u'9';
    case TEditType::etNumber:
        if (c == u'.') return !t.isEmpty() && !t.contains(u'.');
        if (c == u'0') return t.contains(u'.') || !t.startsWith(u'0');
        return c >= u'1' && c <= u'9';
    }
    return true;
}

void TmqEdit::keyPressEvent(QKeyEvent* e)
{
    if (isEnter(e) && m_tabOnEnter && parentWidget()) {
        e->accept();
        FocusFlow::MoveFocus(this, !(e->modifiers() & Qt::ShiftModifier));
        return;
    }
    if (m_editType != TEditType::etFree) {
        // Shortcuts (paste among them) are refused; keys that type nothing (arrows, Delete) pass.
        if (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier) || e->matches(QKeySequence::Paste)) {
            e->accept();
            return;
        }
        const QString typed = e->text();
        if (!typed.isEmpty() && typed[0].isPrint() && !AcceptsChar(typed[0])) {
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void TmqEdit::focusInEvent(QFocusEvent* e)
{
    // A second focus-in (window activation) must not take the focus colour for the saved one.
    if (!m_hasSavedColor) m_savedColor = palette().color(QPalette::Base);
    m_hasSavedColor = true;
    setBackground(this, isReadOnly() ? m_colorOnReadOnly : m_colorOnEnter);
    QLineEdit::focusInEvent(e);
}

void TmqEdit::focusOutEvent(QFocusEvent* e)
{
    if (m_hasSavedColor) setBackground(this, m_savedColor);
    m_hasSavedColor = false;
    QLineEdit::focusOutEvent(e);
}

double TmqEdit::AsDouble() const
{
    const QString t = text().trimmed();
    if (t.isEmpty()) return 0.0;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) throw EMqError(quotedError(text(), QStringLiteral("数字")));
    return v;
}

void TmqEdit::SetAsDouble(double value)
{
    setText(value == 0.0 ? QString() : QString::number(value, 'g', 15));
}

int TmqEdit::AsInteger() const
{
    const QString t = text().trimmed();
    if (t.isEmpty()) return 0;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok) throw EMqError(quotedError(text(), QStringLiteral("整数")));
    return v;
}

void TmqEdit::SetAsInteger(int value) { setText(value == 0 ? QString() : QString::number(value)); }

QVariant TmqEdit::AsDate() const
{
    if (text().trimmed().isEmpty()) return {};
    const QDate d = parseDate(text());
    if (!d.isValid()) throw EMqError(quotedError(text(), QStringLiteral("日期")));
    return d;
}

void TmqEdit::SetAsDate(const QVariant& value)
{
    if (isNullValue(value)) {
        clear();
        return;
    }
    QDate d;
    if (value.typeId() == QMetaType::QDate) d = value.toDate();
    else if (value.typeId() == QMetaType::QDateTime) d = value.toDateTime().date();
    else d = parseDate(value.toString());
    if (!d.isValid()) throw EMqError(quotedError(value.toString(), QStringLiteral("日期")));
    setText(d.toString(QStringLiteral("yyyy-MM-dd")));
}

QVariant TmqEdit::AsDateTime() const
{
    if (text().trimmed().isEmpty()) return {};
    const QDateTime dt = parseDateTime(text());
    if (!dt.isValid()) throw EMqError(quotedError(text(), QStringLiteral("日期")));
    return dt;
}

void TmqEdit::SetAsDateTime(const QVariant& value)
{
    if (isNullValue(value)) {
        clear();
        return;
    }
    QDateTime dt;
    if (value.typeId() == QMetaType::QDateTime) dt = value.toDateTime();
    else if (value.typeId() == QMetaType::QDate) dt = QDateTime(value.toDate(), QTime(0, 0));
    else dt = parseDateTime(value.toString());
    if (!dt.isValid()) throw EMqError(quotedError(value.toString(), QStringLiteral("日期")));
    setText(dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

QVariant TmqEdit::AsVariant() const
{
    if (text().isEmpty()) return {};
    switch (m_editType) {
    case TEditType::etNumber:
        return AsDouble();
    case TEditType::etInteger:
        return AsInteger();
    case TEditType::etFree:
        break;
    }
    return text();
}

void TmqEdit::SetAsVariant(const QVariant& value)
{
    if (isNullValue(value)) {
        clear();
        return;
    }
    switch (m_editType) {
    case TEditType::etNumber: {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (!ok) throw EMqError(quotedError(value.toString(), QStringLiteral("数字")));
        setText(QString::number(v, 'g', 15));
        return;
    }
    case TEditType::etInteger: {
        bool ok = false;
        const qlonglong v = value.toLongLong(&ok);
        if (!ok) throw EMqError(quotedError(value.toString(), QStringLiteral("整数")));
        setText(QString::number(v));
        return;
    }
    case TEditType::etFree:
        setText(value.toString());
        return;
    }
}

// ---------------------------------------------------------------------------------------------

TmqComboBox::TmqComboBox(QWidget* parent) : QComboBox(parent)
{
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this] { Q_EMIT Changed(); });
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (lineEdit() && lineEdit()->isModified()) Q_EMIT Changed();
    });
}

QString TmqComboBox::SelectedText() const { return currentIndex() >= 0 ? itemText(currentIndex()) : QString(); }

void TmqComboBox::keyPressEvent(QKeyEvent* e)
{
    if (isEnter(e) && parentWidget()) {
        e->accept();
        FocusFlow::MoveFocus(this, !(e->modifiers() & Qt::ShiftModifier));
        return;
    }
    if (e->key() == Qt::Key_Delete && !isEditable()) {
        e->accept();
        setCurrentIndex(-1);
        Q_EMIT Changed();
        return;
    }
    QComboBox::keyPressEvent(e);
}

void TmqComboBox::focusInEvent(QFocusEvent* e)
{
    setBackground(this, kAqua);
    QComboBox::focusInEvent(e);
}

void TmqComboBox::focusOutEvent(QFocusEvent* e)
{
    setBackground(this, kWhite);
    QComboBox::focusOutEvent(e);
}

// ---------------------------------------------------------------------------------------------

TmqMemo::TmqMemo(QWidget* parent) : QPlainTextEdit(parent) {}

void TmqMemo::focusInEvent(QFocusEvent* e)
{
    setBackground(this, isReadOnly() ? kYellow : kAqua);
    QPlainTextEdit::focusInEvent(e);
}

void TmqMemo::focusOutEvent(QFocusEvent* e)
{
    setBackground(this, kWhite);
    QPlainTextEdit::focusOutEvent(e);
}

// ---------------------------------------------------------------------------------------------

TmqDateTimePicker::TmqDateTimePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setCalendarPopup(true);
    showNow();
    // A date the user picks checks the box, as the check box asks for a date.
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!m_programmatic && m_checkBox && !m_checkBox->isChecked()) SetChecked(true);
    });
}

void TmqDateTimePicker::showNow() { setValue(Platform::Clock().Now()); }

void TmqDateTimePicker::setValue(const QDateTime& value)
{
    m_programmatic = true;
    setDateTime(value);
    m_programmatic = false;
}

void TmqDateTimePicker::SetShowCheckbox(bool show)
{
    if (show == ShowCheckbox()) return;
    if (show) {
        m_checkBox = new QCheckBox(this);
        m_checkBox->setFocusPolicy(Qt::NoFocus);
        connect(m_checkBox, &QCheckBox::toggled, this, [this] { updateLook(); });
        m_checkBox->show();
    } else {
        delete m_checkBox;
        m_checkBox = nullptr;
    }
    const int margin = m_checkBox ? m_checkBox->sizeHint().width() + 2 : 0;
    lineEdit()->setTextMargins(margin, 0, 0, 0);
    updateLook();
    resizeEvent(nullptr);
}

bool TmqDateTimePicker::Checked() const { return !m_checkBox || m_checkBox->isChecked(); }

void TmqDateTimePicker::SetChecked(bool checked)
{
    if (m_checkBox) m_checkBox->setChecked(checked);
}

void TmqDateTimePicker::updateLook()
{
    QPalette p = lineEdit()->palette();
    p.setColor(QPalette::Text, Checked() ? palette().color(QPalette::Text) : QColor(Qt::gray));
    lineEdit()->setPalette(p);
}

void TmqDateTimePicker::resizeEvent(QResizeEvent* e)
{
    if (e) QDateTimeEdit::resizeEvent(e);
    if (m_checkBox) {
        const QSize s = m_checkBox->sizeHint();
        m_checkBox->setGeometry(3, (height() - s.height()) / 2, s.width(), s.height());
    }
}

QVariant TmqDateTimePicker::AsDate() const
{
    if (!Checked()) return {};
    return dateTime().date();
}

QVariant TmqDateTimePicker::AsTime() const
{
    if (!Checked()) return {};
    return dateTime().time();
}

QVariant TmqDateTimePicker::AsDateTime() const
{
    if (!Checked()) return {};
    return dateTime();
}

void TmqDateTimePicker::SetAsDate(const QVariant& value) { SetAsDateTime(value); }

void TmqDateTimePicker::SetAsDateTime(const QVariant& value)
{
    if (isNullValue(value)) {
        showNow();
        SetChecked(false);
        return;
    }
    const QDateTime dt = value.typeId() == QMetaType::QDate ? QDateTime(value.toDate(), QTime(0, 0))
                                                            : value.toDateTime();
    setValue(dt);
    // Writing a date checks the box, so that the value reads back.
    SetChecked(true);
}

void TmqDateTimePicker::SetAsTime(const QVariant& value)
{
    if (isNullValue(value)) {
        if (m_checkBox) SetChecked(false);
        else showNow();
        return;
    }
    setValue(QDateTime(dateTime().date(), value.toTime()));
    SetChecked(true);
}

void TmqDateTimePicker::ClearDate()
{
    showNow();
    SetAsDate(QVariant());
}

void TmqDateTimePicker::SetMonthStart()
{
    const QDate today = Platform::Clock().Now().date();
    SetAsDate(QDate(today.year(), today.month(), 1));
}

void TmqDateTimePicker::focusInEvent(QFocusEvent* e)
{
    setBackground(this, kAqua);
    QDateTimeEdit::focusInEvent(e);
}

void TmqDateTimePicker::focusOutEvent(QFocusEvent* e)
{
    setBackground(this, kWhite);
    QDateTimeEdit::focusOutEvent(e);
}
