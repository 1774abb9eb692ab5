#pragma once
#include <QDialog>
#include <QList>

class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class TDataSet;
class TField;

// The one-field keyword filter ("过滤"): page 1 chooses a visible text field, page 2 takes the
// keyword; OK filters the data set to rows whose field contains the keyword.
class TFltrDlgFrm : public QDialog {
    Q_OBJECT
public:
    explicit TFltrDlgFrm(TDataSet* dataSet, QWidget* parent = nullptr);

    QListWidget* FieldList() const { return m_list; }
    QLineEdit* KeywordEdit() const { return m_keyword; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* OkButton() const { return m_ok; }
    // Page 2.
    void GoNext();
    // Sets the data set's filter from the chosen field and keyword and closes with OK.
    void Confirm();
    // The filter expression for a field and keyword: "Name like '%x%' escape '\'".
    static QString FilterText(const QString& fieldName, const QString& keyword);

private:
    TDataSet* m_dataSet;
    QList<TField*> m_fields;
    QStackedWidget* m_pages;
    QListWidget* m_list;
    QLineEdit* m_keyword;
    QPushButton* m_next;
    QPushButton* m_ok;
};

// Modal; true when a filter was set.
bool ShowFilterDialog(TDataSet* dataSet, QWidget* parent = nullptr);
