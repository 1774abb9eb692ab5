#pragma once
#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TConfiger;

// The connection dialog: shown when the program cannot connect, it lets the user correct the
// provider and its parameters and saves them to cfg.ini on OK.
class TDBConfigFrm : public QDialog {
    Q_OBJECT
public:
    // Works on the given settings, or on its own copy of cfg.ini when none is given.
    explicit TDBConfigFrm(TConfiger* configer = nullptr, QWidget* parent = nullptr);
    ~TDBConfigFrm() override;

    TConfiger& Configer() { return *m_configer; }
    // Shows the dialog modally over the settings; true when confirmed and saved.
    static bool Execute(TConfiger& configer, QWidget* parent = nullptr);

    QComboBox* providerComboBox1 = nullptr;
    QStackedWidget* pages = nullptr;
    QLineEdit* mssqlServerEdit1 = nullptr;
    QLineEdit* mssqlPortEdit1 = nullptr;
    QLineEdit* mssqlDbEdit1 = nullptr;
    QLineEdit* mssqlUserEdit1 = nullptr;
    QLineEdit* mssqlPwEdit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* jetDefaultCheckBox1 = nullptr;
    QLineEdit* jetfileEdit1 = nullptr;
    QPushButton* jetfileButton1 = nullptr;
    QLineEdit* jetUserEdit1 = nullptr;
    QLineEdit* jetPwEdit1 = nullptr;
    QLineEdit* edtDipUrl1 = nullptr;
    QLineEdit* edtDipUser1 = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    // The decoration at the dialog's side.
    static QPixmap Decoration(const QSize& size);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildUi();
    void loadFromConfiger();
    bool storeToConfiger();
    void jetDefaultChanged();
    void chooseJetFile();
    void accept() override;

    std::unique_ptr<TConfiger> m_own;
    TConfiger* m_configer = nullptr;
};

// Connects GlobalDatabase at start-up, showing TDBConfigFrm while the connection fails.
bool ConnectDatabase();
