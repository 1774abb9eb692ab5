#pragma once
#include "Database.h"
#include "Field.h"

#include <QVariant>
#include <optional>

// The few write patterns every master table shares.
namespace MasterSql {

template <class T>
QVariant Nullable(const std::optional<T>& value)
{
    return value ? QVariant::fromValue(*value) : QVariant();
}
// Keys of another table count only above 0; 0, -1 (a pseudo node) and none are stored as null.
QVariant KeyOrNull(const std::optional<int>& id);

std::optional<double> OptFloat(const TField* field);
std::optional<int> OptInt(const TField* field);

// Inserts a row under a new Id: in one transaction (a savepoint inside the caller's) takes the
// table's next Id, runs the statement with it bound to :Id and commits when exactly one row went
// in. On success id holds the new Id; otherwise it is left as it was.
bool InsertWithNewId(const QString& table, const QString& sql, TDBParameters params, int& id);

// Runs a statement the database may refuse (a delete of a row that documents use) in its own
// transaction or savepoint, so that a refusal leaves the connection and the caller's
// transaction usable. Returns the affected rows; the database's error passes on.
int ExecuteGuarded(const QString& sql, const TDBParameters& params);

// "delete from <table> where Id=:Id", guarded as above; true when exactly one row went.
bool DeleteById(const QString& table, int id);

// Reads one row by Id into a record through a temporary record set of its kind.
template <class Set, class R>
bool LoadById(int id, R& record)
{
    Set set;
    if (!set.OpenById(id)) return false;
    record = set.AsData();
    return true;
}

// The message a list shows when the database refuses to delete a row that documents use.
void ShowReferencedRefused(const QString& errorText);

}  // namespace MasterSql
