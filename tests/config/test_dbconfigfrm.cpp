#include "AppHome.h"
#include "Configer.h"
#include "DBConfigFrm.h"
#include "IniFile.h"
#include "TestSeams.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DBConfigFrmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppHome::SetHome(m_dir.path());
    }
    void TearDown() override { AppHome::SetHome(QString()); }
    bool IniExists() const { return QFile::exists(TConfiger::DefaultFileName()); }

    TRecordingMessages Messages;
    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(DBConfigFrmTest, PagesFollowTheProviderAndTheDefaultFileLocksItsControls)
{
    TDBConfigFrm frm;  // no cfg.ini: the embedded database page with the default file
    frm.show();
    EXPECT_EQ(frm.windowTitle(), QString());
    EXPECT_EQ(frm.providerComboBox1->count(), 3);
    EXPECT_EQ(frm.pages->currentWidget()->objectName(), QStringLiteral("jet4"));
    const QList<QWidget*> fileControls{frm.jetfileEdit1, frm.jetfileButton1, frm.jetUserEdit1, frm.jetPwEdit1};
    EXPECT_TRUE(frm.jetDefaultCheckBox1->isChecked());
    for (QWidget* w : fileControls) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    frm.grab().save(QStringLiteral("/tmp/dbconfig_jet4_default.png"));

    QTest::mouseClick(frm.jetDefaultCheckBox1, Qt::LeftButton, {}, QPoint(8, frm.jetDefaultCheckBox1->height() / 2));
    for (QWidget* w : fileControls) EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();

    const char* names[] = {"mssql", "jet4", "mqdip"};
    for (int i : {0, 2, 1}) {
        frm.providerComboBox1->setCurrentIndex(i);
        EXPECT_EQ(frm.pages->currentWidget()->objectName(), QString::fromLatin1(names[i]));
        frm.grab().save(QStringLiteral("/tmp/dbconfig_%1.png").arg(QString::fromLatin1(names[i])));
    }
    EXPECT_EQ(frm.mssqlPwEdit1->echoMode(), QLineEdit::Password);
    EXPECT_EQ(frm.jetPwEdit1->echoMode(), QLineEdit::Password);
}

TEST_F(DBConfigFrmTest, OkSavesEveryControl)
{
    TConfiger configer;
    TDBConfigFrm frm(&configer);
    frm.show();
    frm.providerComboBox1->setCurrentIndex(0);
    QTest::keyClicks(frm.mssqlServerEdit1, QStringLiteral("db.local"));
    frm.mssqlPortEdit1->clear();
    QTest::keyClicks(frm.mssqlPortEdit1, QStringLiteral("5433"));
    frm.mssqlDbEdit1->setText(QStringLiteral("销售"));  // typed through an input method
    QTest::keyClicks(frm.mssqlUserEdit1, QStringLiteral("clerk"));
    QTest::keyClicks(frm.mssqlPwEdit1, QStringLiteral("p;w"));
    QTest::keyClicks(frm.edtDipUrl1, QStringLiteral("http://dip.local/c"));
    QTest::keyClicks(frm.edtDipUser1, QStringLiteral("shop1"));
    QTest::mouseClick(frm.btnOk, Qt::LeftButton);
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    EXPECT_TRUE(Messages.Texts.isEmpty());

    const TConfiger saved;
    EXPECT_EQ(saved.providerIdx, 0);
    EXPECT_EQ(saved.mssqlServer, QStringLiteral("db.local"));
    EXPECT_EQ(saved.mssqlPort, 5433);
    EXPECT_EQ(saved.mssqlDb, QStringLiteral("销售"));
    EXPECT_EQ(saved.mssqlUser, QStringLiteral("clerk"));
    EXPECT_EQ(saved.mssqlPw, QStringLiteral("p;w"));
    EXPECT_TRUE(saved.defaultCon);
    EXPECT_EQ(saved.dipUrl, QStringLiteral("http://dip.local/c"));
    EXPECT_EQ(saved.dipUser, QStringLiteral("shop1"));
    // Smart connection was left unchecked: the server's alias carries the port.
    EXPECT_EQ(TIniFile(TConfiger::DefaultFileName()).ReadString(QStringLiteral("alias"), QStringLiteral("db.local")),
              QStringLiteral("db.local,5433"));
}

TEST_F(DBConfigFrmTest, ABadPortIsRefusedAndTheDialogStaysOpen)
{
    TDBConfigFrm frm;
    frm.show();
    frm.mssqlPortEdit1->setText(QStringLiteral("54x"));
    QTest::mouseClick(frm.btnOk, Qt::LeftButton);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_NE(frm.result(), QDialog::Accepted);
    ASSERT_EQ(Messages.Plain().size(), 1);
    EXPECT_EQ(Messages.Plain()[0], QStringLiteral("端口“54x”无效,请输入 1 到 65535 之间的数字."));
    EXPECT_EQ(frm.pages->currentWidget()->objectName(), QStringLiteral("mssql"));
    EXPECT_FALSE(IniExists());
}

TEST_F(DBConfigFrmTest, CancelAndEscapeSaveNothing)
{
    for (bool escape : {false, true}) {
        TDBConfigFrm frm;
        frm.show();
        frm.providerComboBox1->setCurrentIndex(2);
        frm.edtDipUrl1->setText(QStringLiteral("http://x"));
        if (escape)
            QTest::keyClick(frm.edtDipUrl1, Qt::Key_Escape);
        else
            QTest::mouseClick(frm.btnCancel, Qt::LeftButton);
        EXPECT_EQ(frm.result(), QDialog::Rejected);
        EXPECT_FALSE(frm.isVisible());
        EXPECT_FALSE(IniExists());
    }
}

TEST_F(DBConfigFrmTest, EnterMovesToTheNextBoxAndTheFileButtonFillsTheFile)
{
    TDBConfigFrm frm;
    frm.show();
    frm.providerComboBox1->setCurrentIndex(0);
    frm.mssqlServerEdit1->setFocus();
    QTest::keyClick(frm.mssqlServerEdit1, Qt::Key_Return);
    EXPECT_EQ(frm.focusWidget(), frm.mssqlPortEdit1);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_NE(frm.result(), QDialog::Accepted);

    TScriptedFileDialogs files;
    files.Files.enqueue(QStringLiteral("/data/账套.db"));
    frm.providerComboBox1->setCurrentIndex(1);
    frm.jetDefaultCheckBox1->setChecked(false);
    QTest::mouseClick(frm.jetfileButton1, Qt::LeftButton);
    EXPECT_EQ(frm.jetfileEdit1->text(), QStringLiteral("/data/账套.db"));
    QTest::mouseClick(frm.jetfileButton1, Qt::LeftButton);  // cancelled: the file stays
    EXPECT_EQ(frm.jetfileEdit1->text(), QStringLiteral("/data/账套.db"));
}
