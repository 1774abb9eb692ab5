#include "GridDelegate.h"

#include "Field.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {
const char* kInitial = "mqInitialText";
const char* kEditor = "mqCellEditor";

QLineEdit* lineOf(QWidget* editor)
{
    if (auto* l = qobject_cast<QLineEdit*>(editor)) return l;
    return editor->findChild<QLineEdit*>();
}
}  // namespace

TGridDelegate::TGridDelegate(std::function<TField*(int)> fieldOf, std::function<bool(int)> ellipsisOf,
                             QObject* parent)
    : QStyledItemDelegate(parent), m_fieldOf(std::move(fieldOf)), m_ellipsisOf(std::move(ellipsisOf))
{
}

QString TGridDelegate::EditText(const TField* field, const QVariant& value)
{
    if (!value.isValid() || value.isNull()) return QString();
    if (field->IsNumeric()) {
        if (field->DataType() == TFieldType::Integer) return QString::number(value.toLongLong());
        return QString::number(value.toDouble(), 'g', 15);
    }
    if (field->DataType() == TFieldType::DateTime) return field->Format(value);
    return value.toString();
}

bool TGridDelegate::ParseText(const TField* field, const QString& text, QVariant& value)
{
    const QString t = text.trimmed();
    if (t.isEmpty() && !field->IsText()) {
        value = QVariant();
        return true;
    }
    bool ok = true;
    switch (field->DataType()) {
    case TFieldType::Integer:
        value = t.toLongLong(&ok);
        return ok;
    case TFieldType::Float:
    case TFieldType::Currency:
    case TFieldType::Fund:
        value = t.toDouble(&ok);
        return ok;
    case TFieldType::DateTime: {
        const QDateTime dt = TField::ToDateTime(t);
        const QDate d = QDate::fromString(t, QStringLiteral("yyyy-M-d"));
        if (d.isValid()) value = d;
        else if (dt.isValid()) value = dt;
        else return false;
        return true;
    }
    case TFieldType::Boolean:
        value = t == QStringLiteral("是") || TField::ToBool(t);
        return true;
    default:
        value = text;
        return true;
    }
}

QWidget* TGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    const TField* field = m_fieldOf(index.column());
    if (!field) return QStyledItemDelegate::createEditor(parent, option, index);

    auto* line = new QLineEdit;
    line->setFrame(false);
    if (field->DataType() == TFieldType::Integer)
        line->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*")), line));
    else if (field->IsNumeric())
        line->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*\\.?\\d*")), line));
    if (field->IsNumeric()) line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    line->installEventFilter(const_cast<TGridDelegate*>(this));

    QWidget* editor = line;
    if (m_ellipsisOf(index.column())) {
        editor = new QWidget(parent);
        editor->setAutoFillBackground(true);
        auto* box = new QHBoxLayout(editor);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(0);
        box->addWidget(line);
        auto* button = new QToolButton(editor);
        button->setText(QStringLiteral("..."));
        button->setFocusPolicy(Qt::NoFocus);
        box->addWidget(button);
        editor->setFocusProxy(line);
        const QPersistentModelIndex at(index);
        connect(button, &QToolButton::clicked, this, [this, editor, at] {
            Q_EMIT const_cast<TGridDelegate*>(this)->commitData(editor);
            Q_EMIT const_cast<TGridDelegate*>(this)->EllipsisClicked(at);
        });
    } else {
        line->setParent(parent);
    }
    line->setProperty(kEditor, QVariant::fromValue<QObject*>(editor));
    return editor;
}

void TGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    QLineEdit* line = lineOf(editor);
    const TField* field = m_fieldOf(index.column());
    if (!line || !field) return QStyledItemDelegate::setEditorData(editor, index);
    const QString text = EditText(field, index.data(Qt::EditRole));
    if (line->text() != text || !editor->property(kInitial).isValid()) {
        line->setText(text);
        line->selectAll();
    }
    editor->setProperty(kInitial, text);
}

void TGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    QLineEdit* line = lineOf(editor);
    const TField* field = m_fieldOf(index.column());
    if (!line || !field) return QStyledItemDelegate::setModelData(editor, model, index);
    if (line->text() == editor->property(kInitial).toString()) return;  // unchanged: no edit
    QVariant value;
    if (!ParseText(field, line->text(), value)) return;  // not a value of the type: keep the old one
    model->setData(index, value, Qt::EditRole);
    editor->setProperty(kInitial, line->text());
}

void TGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

bool TGridDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            auto* editor = qobject_cast<QWidget*>(object->property(kEditor).value<QObject*>());
            if (!editor) editor = qobject_cast<QWidget*>(object);
            if (editor) {
                Q_EMIT commitData(editor);
                Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
            Q_EMIT EnterPressed(ke->modifiers());
            return true;
        }
        if (ke->key() == Qt::Key_Escape) {
            auto* editor = qobject_cast<QWidget*>(object->property(kEditor).value<QObject*>());
            if (editor) {
                Q_EMIT closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
