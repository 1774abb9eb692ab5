#include "Configer.h"
#include <QTest>
#include "Login.h"
#include "LoginFrm.h"
#include "OperatorEdtFrm.h"
#include "OperatorsFrm.h"
#include "PasswordFrm.h"
#include "SchemaFixture.h"
#include "ShellTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

class LoginTest : public SchemaTest {
protected:
    void Prepare() override
    {
        SchemaTest::Prepare();
        CurrentOperator().Clear();
        ASSERT_TRUE(TOperatorSet::SaveOperator(op("wang", "123", ",16,")));
        ASSERT_TRUE(TOperatorSet::SaveOperator(op("li", "abc", QString())));
    }
    void TearDown() override
    {
        CurrentOperator().Clear();
        SchemaTest::TearDown();
    }
    static ROperator op(const char* id, const char* password, const QString& rights)
    {
        ROperator r;
        r.LoginId = QString::fromLatin1(id);
        r.Password = QString::fromLatin1(password);
        r.Rights = rights;
        return r;
    }
    QString storedPassword(const QString& loginId)
    {
        SharedRecordSet().Open(QStringLiteral("select [Password] from [operator] where LoginId=:LoginId"),
                               {DBParam(QStringLiteral("LoginId"), loginId)});
        return SharedRecordSet().FirstValue().toString();
    }
};

TEST_P(LoginTest, NameAndPasswordMustMatch)
{
    EXPECT_FALSE(TLogin::Check(QStringLiteral("wang"), QStringLiteral("1234")));
    EXPECT_TRUE(CurrentOperator().LoginId.isEmpty());
    EXPECT_TRUE(TLogin::Check(QStringLiteral("wang"), QStringLiteral("123")));
    EXPECT_EQ(CurrentOperator().LoginId, QStringLiteral("wang"));
    EXPECT_EQ(CurrentOperator().Rights, QStringLiteral(",16,"));
    // An unknown name never inherits the operator of an earlier attempt.
    EXPECT_FALSE(TLogin::Check(QStringLiteral("nobody"), QStringLiteral("123")));
    EXPECT_EQ(CurrentOperator().LoginId, QStringLiteral("wang"));
    // The seeded sa has an empty plain-text password, replaced by its hash at the first login.
    EXPECT_TRUE(TLogin::Check(QStringLiteral("sa"), QString()));
    EXPECT_TRUE(PasswordHash::IsHash(storedPassword(QStringLiteral("sa"))));
    EXPECT_TRUE(TLogin::Check(QStringLiteral("sa"), QString()));
}

TEST_P(LoginTest, CommandLineLogsInOnlyWithThreeMatchingParameters)
{
    struct Case {
        QStringList parameters;
        bool loggedIn;
    };
    const Case cases[] = {
        {{QStringLiteral("wang"), QStringLiteral("123"), QStringLiteral("x")}, true},
        {{QStringLiteral("sa"), QString(), QStringLiteral("1")}, true},
        {{QStringLiteral("wang"), QStringLiteral("12"), QStringLiteral("x")}, false},
        {{QStringLiteral("wang"), QStringLiteral("123")}, false},
        {{QStringLiteral("wang"), QStringLiteral("123"), QStringLiteral("x"), QStringLiteral("y")}, false},
    };
    for (const Case& c : cases) {
        CurrentOperator().Clear();
        EXPECT_EQ(TLogin::FromParameters(c.parameters), c.loggedIn) << c.parameters.join(u' ').toStdString();
        EXPECT_EQ(CurrentOperator().LoginId.isEmpty(), !c.loggedIn);
    }
}

TEST_P(LoginTest, DialogRetriesQuietlyUntilTheRightPassword)
{
    TConfiger::WriteLastLoginId(QString());
    TLoginFrm dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("登陆"));
    EXPECT_EQ(dialog.cbUser1->currentText(), QStringLiteral("sa"));
    QStringList listed;
    for (int i = 0; i < dialog.cbUser1->count(); ++i) listed << dialog.cbUser1->itemText(i);
    listed.sort();
    EXPECT_EQ(listed, QStringList({QStringLiteral("li"), QStringLiteral("wang")}));

    dialog.show();
    dialog.cbUser1->setEditText(QStringLiteral("wang"));
    for (const char* wrong : {"1", "", "12"}) {
        dialog.edtPassword1->setText(QString::fromLatin1(wrong));
        dialog.OkBtn1->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.edtPassword1->selectedText(), QString::fromLatin1(wrong));
    }
    EXPECT_TRUE(Messages.Texts.isEmpty());
    EXPECT_TRUE(CurrentOperator().LoginId.isEmpty());
    dialog.edtPassword1->setText(QStringLiteral("123"));
    QTest::keyClick(dialog.edtPassword1, Qt::Key_Return);  // Enter in the password presses OK
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(CurrentOperator().LoginId, QStringLiteral("wang"));
    EXPECT_EQ(TConfiger::ReadLastLoginId(), QStringLiteral("wang"));

    TLoginFrm next;
    EXPECT_EQ(next.cbUser1->currentText(), QStringLiteral("wang"));
}

TEST_P(LoginTest, EditorBuildsRightsAndKeepsAStoredPasswordWhenLeftEmpty)
{
    ROperators saved;
    auto save = [&saved](const ROperator& op) {
        saved << op;
        return TOperatorSet::SaveOperator(op);
    };
    ROperators all = TOperatorSet::LoadAll();
    const auto wang = std::find_if(all.begin(), all.end(), [](const ROperator& o) { return o.LoginId == QStringLiteral("wang"); });
    ASSERT_NE(wang, all.end());
    {
        TOperatorEdtFrm editor(*wang, false, save);
        EXPECT_TRUE(editor.edtLoginId1->isReadOnly());
        EXPECT_TRUE(editor.edtPassword1->text().isEmpty());
        QListWidget* list = editor.lstRights1;
        ASSERT_EQ(list->count(), OfferedRights().size());
        int checked = 0;
        for (int i = 0; i < list->count(); ++i) checked += list->item(i)->checkState() == Qt::Checked;
        EXPECT_EQ(checked, 1);  // 发货单录入
        list->item(0)->setCheckState(Qt::Checked);  // 部门设置, 1012
        list->item(7)->setCheckState(Qt::Checked);  // 费用项目设置 checks 其他应收项目设置 too (61)
        EXPECT_EQ(list->item(6)->checkState(), Qt::Checked);
        editor.OkBtn1->click();
        EXPECT_EQ(editor.result(), QDialog::Accepted);
    }
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].Rights, QStringLiteral(",1012,,61,,16,"));
    EXPECT_TRUE(TLogin::Check(QStringLiteral("wang"), QStringLiteral("123")));
    EXPECT_EQ(CurrentOperator().Rights, QStringLiteral(",1012,,61,,16,"));

    // No right checked stores the empty text; a new password replaces the old one.
    TOperatorEdtFrm editor(saved[0], false, save);
    for (int i = 0; i < editor.lstRights1->count(); ++i) editor.lstRights1->item(i)->setCheckState(Qt::Unchecked);
    editor.edtPassword1->setText(QStringLiteral("new"));
    editor.edtPassword2->setText(QStringLiteral("new"));
    editor.OkBtn1->click();
    EXPECT_EQ(saved.last().Rights, QString());
    EXPECT_FALSE(TLogin::Check(QStringLiteral("wang"), QStringLiteral("123")));
    EXPECT_TRUE(TLogin::Check(QStringLiteral("wang"), QStringLiteral("new")));
}

TEST_P(LoginTest, EditorRefusesAnEmptyNameAndDifferentPasswords)
{
    int saves = 0;
    TOperatorEdtFrm editor(ROperator(), true, [&saves](const ROperator&) { return ++saves > 0; });
    editor.show();
    editor.OkBtn1->click();
    EXPECT_EQ(Messages.Plain(), QStringList{QStringLiteral("必须填写登陆名.")});
    editor.edtLoginId1->setText(QStringLiteral("zhao"));
    editor.edtPassword1->setText(QStringLiteral("a"));
    editor.edtPassword2->setText(QStringLiteral("b"));
    editor.OkBtn1->click();
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("两次输入的密码不一样,请重新输入."));
    EXPECT_TRUE(editor.edtPassword1->text().isEmpty());
    EXPECT_TRUE(editor.edtPassword2->text().isEmpty());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(saves, 0);
}

TEST_P(LoginTest, OperatorsDialogAddsAndDeletes)
{
    TOperatorsFrm dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("操作员及权限"));
    EXPECT_EQ(dialog.lstOperators1->count(), 2);
    EXPECT_FALSE(dialog.EditBtn1->isEnabled());
    OnModal<TOperatorEdtFrm>([](TOperatorEdtFrm* editor) {
        editor->edtLoginId1->setText(QStringLiteral("zhao"));
        editor->edtPassword1->setText(QStringLiteral("pw"));
        editor->edtPassword2->setText(QStringLiteral("pw"));
        editor->lstRights1->item(16)->setCheckState(Qt::Checked);  // 发货单录入
        editor->OkBtn1->click();
    });
    dialog.AddBtn1->click();
    ASSERT_EQ(dialog.lstOperators1->count(), 3);
    EXPECT_EQ(dialog.lstOperators1->item(2)->text(), QStringLiteral("zhao"));
    EXPECT_TRUE(dialog.DeleteBtn1->isEnabled());
    EXPECT_TRUE(TLogin::Check(QStringLiteral("zhao"), QStringLiteral("pw")));
    EXPECT_EQ(CurrentOperator().Rights, QStringLiteral(",16,"));

    Messages.Answers << true;
    dialog.DeleteBtn1->click();
    EXPECT_EQ(dialog.lstOperators1->count(), 2);
    EXPECT_TRUE(Messages.Texts.last().contains(QStringLiteral("zhao")));
    EXPECT_FALSE(TLogin::Check(QStringLiteral("zhao"), QStringLiteral("pw")));
}

TEST_P(LoginTest, PasswordChangeChecksBothNewAndCurrent)
{
    ASSERT_TRUE(TLogin::Check(QStringLiteral("li"), QStringLiteral("abc")));
    TPasswordFrm dialog;
    EXPECT_EQ(dialog.edtUser1->text(), QStringLiteral("li"));
    dialog.show();
    dialog.edtOldPassword1->setText(QStringLiteral("abc"));
    dialog.edtNewPassword1->setText(QStringLiteral("x1"));
    dialog.edtNewPassword2->setText(QStringLiteral("x2"));
    dialog.OkBtn1->click();
    EXPECT_EQ(Messages.Texts.last(), QStringLiteral("两次输入的新密码不一样,请确认并重新输入."));
    EXPECT_TRUE(dialog.edtNewPassword1->text().isEmpty());

    dialog.edtOldPassword1->setText(QStringLiteral("wrong"));
    dialog.edtNewPassword1->setText(QStringLiteral("x1"));
    dialog.edtNewPassword2->setText(QStringLiteral("x1"));
    dialog.OkBtn1->click();
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("当前密码验证失败,请确认并重新输入."));
    EXPECT_TRUE(dialog.isVisible());

    dialog.edtOldPassword1->setText(QStringLiteral("abc"));
    dialog.OkBtn1->click();
    EXPECT_EQ(Messages.Plain().last(), QStringLiteral("密码更改成功! 下次登陆时请使用新密码."));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(TLogin::Check(QStringLiteral("li"), QStringLiteral("abc")));
    EXPECT_TRUE(TLogin::Check(QStringLiteral("li"), QStringLiteral("x1")));
}

MQ_BOTH_ENGINES(LoginTest);

}  // namespace
