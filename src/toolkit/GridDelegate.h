#pragma once
#include <QStyledItemDelegate>
#include <functional>

class TField;

// Cell editors of the grids: a line edit (numbers: digits only; dates: yyyy-mm-dd) with an
// optional "..." button, Enter reported to the grid, values written only when they changed.
class TGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // fieldOf: the field of a model column; ellipsisOf: whether its column has a "..." button.
    TGridDelegate(std::function<TField*(int column)> fieldOf, std::function<bool(int column)> ellipsisOf,
                  QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The text a value is edited as.
    static QString EditText(const TField* field, const QVariant& value);
    // The value typed text stands for; false when the text is no value of the field's type.
    static bool ParseText(const TField* field, const QString& text, QVariant& value);

Q_SIGNALS:
    // Enter or Shift+Enter in an open editor, after its value was written.
    void EnterPressed(Qt::KeyboardModifiers modifiers);
    void EllipsisClicked(const QModelIndex& index);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    std::function<TField*(int)> m_fieldOf;
    std::function<bool(int)> m_ellipsisOf;
};
