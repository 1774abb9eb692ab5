#include "CliCommand.h"

#include "Database.h"
#include "Seams.h"

namespace {

// The connection reports its failure through a message box; here it becomes the one error line.
class TCollectedMessages : public IMessages {
public:
    TCollectedMessages() { Platform::SetMessages(this); }
    ~TCollectedMessages() override { Platform::SetMessages(nullptr); }
    void Show(TMsgKind, const QString& text) override { Texts << text; }
    bool OkCancel(TMsgKind, const QString& text) override
    {
        Texts << text;
        return false;
    }
    bool YesNo(const QString& text) override
    {
        Texts << text;
        return false;
    }
    bool Input(const QString&, const QString&, QString&) override { return false; }
    QStringList Texts;
};

}  // namespace

QString TCliContext::ConnectionString() const
{
    if (!DbFile.isEmpty()) return QStringLiteral("Provider=SQLite;Data Source=") + DbFile;
    if (TDatabase::ValueOf(PgConnection, QStringLiteral("Provider")).isEmpty())
        return QStringLiteral("Provider=PostgreSQL;") + PgConnection;
    return PgConnection;
}

bool TCliContext::Connect(TDatabase& db, bool createFile) const
{
    TCollectedMessages messages;
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
