#include "MasterSql.h"

#include "Keys.h"
#include "MqLib.h"

namespace MasterSql {

QVariant KeyOrNull(const std::optional<int>& id)
{
    return id && *id > 0 ? QVariant(*id) : QVariant();
}

std::optional<double> OptFloat(const TField* field)
{
    if (field->IsNull()) return std::nullopt;
    return field->AsFloat();
}

std::optional<int> OptInt(const TField* field)
{
    if (field->IsNull()) return std::nullopt;
    return field->AsInteger();
}

bool InsertWithNewId(const QString& table, const QString& sql, TDBParameters params, int& id)
{
    TTransaction trans;
    const int newId = NewId(table);
    params.append(DBParam(QStringLiteral("Id"), newId));
    if (GlobalDatabase().Execute(sql, params) != 1) return false;
    trans.Commit();
    id = newId;
    return true;
}

int ExecuteGuarded(const QString& sql, const TDBParameters& params)
{
    TTransaction trans;
    const int rows = GlobalDatabase().Execute(sql, params);
    trans.Commit();
    return rows;
}

bool DeleteById(const QString& table, int id)
{
    return ExecuteGuarded(QStringLiteral("delete from %1 where Id=:Id").arg(table), {DBParam(QStringLiteral("Id"), id)}) == 1;
}

void ShowReferencedRefused(const QString& errorText)
{
    ShowInfo(QStringLiteral("为了数据的完整性,现在不能删除该资料,因为有的单据中已引用了,除非先把相关的单据删除.\r\n"
                            "如果是初始使用，请选择“文件”菜单里的初始数据功能来清除. 系统描述如下:\r\n")
             + errorText);
}

}  // namespace MasterSql
