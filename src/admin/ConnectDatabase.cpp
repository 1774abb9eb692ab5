#include "ConnectDatabase.h"

#include "Configer.h"
#include "Database.h"
#include "Errors.h"
#include "MqLib.h"
#include "Schema.h"

#include <QCoreApplication>

namespace {

// A database without the system's tables gets them: a file silently (it is this workstation's
// own), a server only when the user agrees. An older database is upgraded. False (after a
// message) leaves the connection closed.
bool prepareSchema(TDatabase& db)
{
    try {
        const int version = TSchema::Version(db);
        if (version == 0 && db.IsSqlServer()
            && !AskYesNo(QStringLiteral("数据库“%1”中还没有本系统的数据表.\r\n是否现在创建?")
                             .arg(db.GetConnectionValue(QStringLiteral("Initial Catalog"))))) {
            db.SetConnected(false);
            return false;
        }
        // A newer database, or one that belongs to another program, is refused in there.
        if (version != TSchema::CurrentVersion()) TSchema::CreateOrUpgrade(db);
        return true;
    } catch (const EDatabaseError& e) {
        ShowInfo(QStringLiteral("无法建立或升级数据库,提示如下:\r\n%1").arg(e.Message()));
    } catch (const EMqError& e) {
        ShowInfo(e.Message());
    }
    db.SetConnected(false);
    return false;
}

}  // namespace

bool ConnectDatabase(const TConnectionDialog& showDialog)
{
    TConfiger::CreateIfMissing();
    TConfiger configer;
    TDatabase& db = GlobalDatabase();
    while (true) {
        // Only the default database file may be created here; a file the user named must exist.
        if (db.Connect(configer.GetConnectionString(), configer.UsesDefaultFile()) && prepareSchema(db)) break;
        if (!showDialog || !showDialog(configer)) break;
        QCoreApplication::processEvents();
    }
    return db.Connected();
}
