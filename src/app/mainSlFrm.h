#pragma once
#include "aFrm.h"

#include <QList>
#include <functional>
#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class TActionListView;
class TNavButton;
class TPicturePanel;

// The program's home: banner, navigation bar, the operator's desktop of sales actions, the
// master-data shortcuts and the main menu. Every command opens its window through the facade.
// Closing it runs the shutdown.
class TmainSlFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TmainSlFrm(QWidget* parent = nullptr);
    ~TmainSlFrm() override;

    // The program's own parameters, for the command-line login at start.
    void SetLoginParameters(const QStringList& parameters) { m_parameters = parameters; }
    // Logs an operator in (first: at start, when the command line may carry the login). On
    // success the previous operator's desktop is saved and the new one's is shown.
    bool Login(bool first);
    void RebuildToolsMenu();
    // Fills the desktop with the fifteen sales actions (capturing the current layout first).
    void ShowSalesPage(bool capture = true);
    void ShowFinancePage();
    // The shutdown steps after the other windows closed (also for tests).
    void SaveAndDisconnect();

    QMenuBar* MainMenu1;
    QMenu* ToolsMenu1;
    QMenu* DesktopMenu1;
    TPicturePanel* imgTop1;
    QLabel* imgTitle1;
    QLabel* imgTitleLog1;
    QLabel* lblVersion1;
    QLabel* lblHint2;
    TPicturePanel* imgNav1;
    TNavButton* imgSale1;
    TNavButton* imgFinance1;
    TNavButton* imgExit1;
    TActionListView* ListView1;
    TActionListView* ListView2;
    TPicturePanel* imgBtm1;
    QLabel* lblStatus1;

    // ActionList1, in the order of the action table.
    const QList<QAction*>& Actions() const { return m_actions; }
    QAction* Action(const QString& name) const;

    QAction* OpenItem1;
    QAction* AlignTopItem1;
    QAction* AlignLeftItem1;
    QAction* ArrangeItem1;

Q_SIGNALS:
    // The shutdown has run; the program may end.
    void ShutDown();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addAction(const char* name, const QString& caption, const QString& icon, const QString& hint,
                       std::function<void()> run);
    void createActions();
    void createMenus();
    QWidget* createBanner();
    QWidget* createDesktop();
    void fillPage(const QStringList& actionNames, bool capture);
    void afterLogin();
    void updateDesktopMenu();
    void updateStatus();
    void openTextFile(const QString& name);

    QList<QAction*> m_actions;
    QStringList m_parameters;
    bool m_shutDown = false;
};
