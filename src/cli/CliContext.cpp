#include "CliCommand.h"

#include "Database.h"
#include "Operator.h"
#include "Seams.h"


QString TCliContext::ConnectionString() const
{
    if (!DbFile.isEmpty()) return QStringLiteral("Provider=SQLite;Data Source=") + DbFile;
    if (TDatabase::ValueOf(PgConnection, QStringLiteral("Provider")).isEmpty())
        return QStringLiteral("Provider=PostgreSQL;") + PgConnection;
    return PgConnection;
}

bool TCliContext::Connect(TDatabase& db, bool createFile) const
{
    if (db.Connect(ConnectionString(), createFile)) return true;
    Fail(QStringLiteral("无法连接数据库: %1").arg(db.LastConnectError()));
    return false;
}

int TCliContext::Fail(const QString& message) const
{
    QString line = message;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ').replace(u'\r', u' ').replace(u'\t', u' ');
    Err << QStringLiteral("mqsalectl: ") << line.simplified() << Qt::endl;
    return 1;
}

bool TCliContext::Login() const
{
    TOperator& op = CurrentOperator();
    op.LoadOperator(UserId);
    if (op.CheckPassword(Password)) return true;
    op.Clear();
    Fail(QStringLiteral("用户名或密码错误: %1").arg(UserId));
    return false;
}

void TCliContext::Progress(const QString& text) const
{
    Err << text << Qt::endl;
}
