#include "CliCommand.h"
#include "CommonObjects.h"
#include "CsvOut.h"
#include "Database.h"
#include "MasterLists.h"
#include "Operator.h"

#include <functional>
#include <memory>

namespace {

// A master list as its window opens it: the right the window enforces on opening (0: none),
// then the list object's own refresh.
struct TListKind {
    QString Name;
    int OpenRight;
    std::function<void(TCliContext&)> Write;
};

template <class List>
std::function<void(TCliContext&)> Writer()
{
    return [](TCliContext& context) {
        List list;
        list.RefreshList();
        CsvOut::WriteDataSet(context.Out, *list.DataSet());
    };
}

const QList<TListKind>& Kinds()
{
    static const QList<TListKind> kinds{
        {QStringLiteral("goods"), 1014, Writer<TWareList>()},
        {QStringLiteral("clients"), 10, Writer<TClientList>()},
        {QStringLiteral("employees"), 1011, Writer<TEmployeeList>()},
        {QStringLiteral("departments"), 0, Writer<TDeptList>()},
        {QStringLiteral("warehouses"), 2013, Writer<THouseList>()},
        {QStringLiteral("units"), 62, Writer<TUnitList>()},
        {QStringLiteral("banks"), 1052, Writer<TBankList>()},
        {QStringLiteral("shouldin-items"), 61, Writer<TShldinItemList>()},
        {QStringLiteral("outlay-items"), 65, Writer<TOutlayItemList>()},
    };
    return kinds;
}

}  // namespace

QStringList ListNames()
{
    QStringList names;
    for (const TListKind& k : Kinds()) names << k.Name;
    return names;
}

// list NAME: a master list as CSV.
int RunList(TCliContext& context)
{
    if (context.Args.size() != 1) {
        context.Fail(QStringLiteral("list 需要一个列表名: %1").arg(ListNames().join(QStringLiteral(", "))));
        return 2;
    }
    const QString name = context.Args.first();
    for (const TListKind& kind : Kinds()) {
        if (kind.Name != name) continue;
        TDatabase& db = GlobalDatabase();
        if (!context.Connect(db, false) || !context.Login()) return 1;
        LoadCommonObjects();
        if (kind.OpenRight > 0) CurrentOperator().CheckRight(kind.OpenRight);
        kind.Write(context);
        return 0;
    }
    context.Fail(QStringLiteral("未知的列表: %1 (可用: %2)").arg(name, ListNames().join(QStringLiteral(", "))));
    return 2;
}
