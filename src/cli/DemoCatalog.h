#pragma once
#include "Client.h"
#include "Staff.h"
#include "Ware.h"

#include <QDate>
#include <QList>
#include <QString>

// The master data of the demo: records as the master-data editors make them, plus what the
// document generators need to know about each (who sells to whom, what a client buys). Links
// between records are indexes into the lists here; the writers turn them into saved Ids.

struct TDemoWare {
    RWare Rec;
    int ClassNode = 0;  // index into Classes (a leaf)
    int Top = 0;        // top class number
};

struct TDemoClient {
    RClient Rec;
    int DistrictNode = 0;  // index into Districts (a city)
    int Saleman = 0;       // index into Salesmen
    double Weight = 1.0;   // how much business the client brings
    QDate Since;           // first business date
    bool WantsInvoices = false;
    QList<int> Tops;  // the goods classes (top level) the client buys from
};

struct TDemoMasters {
    QList<REmployee> Employees;
    QList<int> Salesmen;     // indexes into Employees
    QList<int> SalemanDept;  // per salesman, index into Depts
    QList<RDept> Depts;
    QList<RHouse> Houses;
    QList<RUnit> Units;
    QList<RBank> Banks;
    QList<RShldinItem> ShldinItems;
    QList<ROutlayItem> OutlayItems;
    RDistricts Districts;  // provinces and their cities, in pre-order
    QList<int> DistrictParents;
    RWareCatas Classes;  // three levels, in pre-order
    QList<int> ClassParents;
    QList<TDemoWare> Wares;
    QList<QPair<int, int>> TopWares;  // per top class: first goods index and count
    QList<TDemoClient> Clients;
    QStringList Carriers;
};

class TDemoRandom;

namespace DemoCatalog {
// clientCount clients and about goodsCount goods (spread over every goods class), clients
// starting business between from and end.
TDemoMasters Build(quint32 seed, int clientCount, int goodsCount, const QDate& from, const QDate& end);
// A Chinese person's name.
QString PersonName(TDemoRandom& random);
}  // namespace DemoCatalog
