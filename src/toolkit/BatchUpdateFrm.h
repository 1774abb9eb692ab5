#pragma once
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;

// The batch update dialog ("修改"): a field chosen from a list and the value to give it. OK
// is refused (disabled) until a field is chosen.
class TBatchUpdateFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBatchUpdateFrm(QWidget* parent = nullptr);
    void AddItem(const QString& label, const QString& fieldName);
    int ItemIndex() const;
    QString FieldName() const;
    QString Value() const;
    QComboBox* ItemCombo() const { return m_items; }
    QLineEdit* ValueEdit() const { return m_value; }
    QPushButton* OkButton() const { return m_ok; }

public Q_SLOTS:
    void accept() override;

private:
    QStringList m_names;
    QComboBox* m_items;
    QLineEdit* m_value;
    QPushButton* m_ok;
};
