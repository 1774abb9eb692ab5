#pragma once
#include "DemoCatalog.h"
#include "DemoData.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class TDatabase;

// Multi-row inserts: rows are collected as SQL literals and written a few hundred at a time.
class TBulkInsert {
public:
    TBulkInsert(TDatabase& db, const QString& table, const QStringList& columns, int rowsPerStatement = 400);
    ~TBulkInsert();
    // Rows that reference rows of another insert (lines of headers) wait until those are written.
    void After(TBulkInsert& parent) { m_parent = &parent; }
    void Add(const QStringList& literals);
    void Flush();
    qint64 Rows() const { return m_rows; }

    static QString Text(const QString& value);  // quoted, quotes doubled
    static QString Int(int value) { return QString::number(value); }
    static QString OptInt(int value) { return value > 0 ? QString::number(value) : QStringLiteral("null"); }
    static QString Num(double value, int decimals = 2) { return QString::number(value, 'f', decimals); }
    static QString Real(double value) { return QString::number(value, 'g', 15); }
    static QString Date(const QDate& value) { return Text(value.toString(QStringLiteral("yyyy-MM-dd"))); }
    static QString Time(const QDateTime& value);
    static QString Null() { return QStringLiteral("null"); }

private:
    TDatabase& m_db;
    QString m_head;
    int m_perStatement;
    QStringList m_pending;
    qint64 m_rows = 0;
    TBulkInsert* m_parent = nullptr;
};

// The saved Ids of the master records, by their index in TDemoMasters.
struct TDemoIds {
    QList<int> Employees;
    QList<int> Depts;
    QList<int> Banks;
    QList<int> ShldinItems;
    QList<int> OutlayItems;
    QList<int> Districts;
    QList<int> Classes;
    QList<int> Wares;
    QList<int> Clients;
    int Saleman(const TDemoMasters& m, int saleman) const { return Employees.at(m.Salesmen.at(saleman)); }
    int SalemanDept(const TDemoMasters& m, int saleman) const { return Depts.at(m.SalemanDept.at(saleman)); }
};

namespace DemoWriter {
// Employees, departments, warehouses, units, bank accounts, finance items, the two trees and
// the demo operators, through the master-data save operations.
void SaveSmallTables(TDemoMasters& m, TDemoIds& ids);
// Goods and clients one by one through their save operations.
void SaveGoodsAndClients(TDemoMasters& m, TDemoIds& ids, const TDemoProgress& progress);
// Goods and clients with multi-row inserts under Ids counted on from the tables' maximum.
void InsertGoodsAndClients(TDatabase& db, TDemoMasters& m, TDemoIds& ids, const TDemoProgress& progress);
// The documents of the large demo, with multi-row inserts.
void InsertLargeDocuments(TDatabase& db, const TDemoMasters& m, const TDemoIds& ids, quint32 seed, const QDate& end,
                          const TDemoProgress& progress);
// The documents of the small demo, through the document classes.
void SaveSmallDocuments(const TDemoMasters& m, const TDemoIds& ids, quint32 seed, const QDate& end,
                        const TDemoProgress& progress);
}  // namespace DemoWriter
