#pragma once
#include "InfoSet.h"

// Employees, departments, warehouses, units, bank accounts, receivable items and expense items:
// records and record sets over the generic small-table piece. A fresh record has Id 0, empty
// texts and rate 0.

struct REmployee {
    int Id = 0;
    QString Name;
    QString Tel;
    QString Sex;
    QString Addr;
    QString Note;
};

struct RDept {
    int Id = 0;
    QString Name;
    QString Mgr;
    QString Tel;
    QString Addr;
    QString Note;
};

// Addr is shown by the editor but has no column.
struct RHouse {
    int Id = 0;
    QString Name;
    QString Mgr;
    QString Tel;
    QString Note;
    QString Addr;
};

struct RUnit {
    int Id = 0;
    QString Name;
    double Rate = 0.0;  // base units in one of this unit
    QString Note;
};

struct RNameNote {
    int Id = 0;
    QString Name;
    QString Note;
};
struct RBank : RNameNote {};
struct RShldinItem : RNameNote {};
struct ROutlayItem : RNameNote {};

template <> const TInfoSchema<REmployee>& TInfoSetOf<REmployee>::Schema();
template <> const TInfoSchema<RDept>& TInfoSetOf<RDept>::Schema();
template <> const TInfoSchema<RHouse>& TInfoSetOf<RHouse>::Schema();
template <> const TInfoSchema<RUnit>& TInfoSetOf<RUnit>::Schema();
template <> const TInfoSchema<RBank>& TInfoSetOf<RBank>::Schema();
template <> const TInfoSchema<RShldinItem>& TInfoSetOf<RShldinItem>::Schema();
template <> const TInfoSchema<ROutlayItem>& TInfoSetOf<ROutlayItem>::Schema();

// Deleting an employee also clears the operators and goods classes that name it.
class TEmployeeSet : public TInfoSetOf<REmployee> {
public:
    explicit TEmployeeSet(QObject* parent = nullptr);
    TField* SexFld;
    TField* TelFld;
    TField* AddrFld;
    static bool SaveEmployee(REmployee& r) { return Save(r); }
    static bool DeleteEmployee(int id) { return Delete(id); }
    static bool LoadEmployee(int id, REmployee& r) { return Load(id, r); }
};

class TDeptSet : public TInfoSetOf<RDept> {
public:
    explicit TDeptSet(QObject* parent = nullptr);
    TField* MgrFld;
    TField* TelFld;
    TField* AddrFld;
    static bool SaveDept(RDept& r) { return Save(r); }
    static bool DeleteDept(int id) { return Delete(id); }
    static bool LoadDept(int id, RDept& r) { return Load(id, r); }
};

class THouseSet : public TInfoSetOf<RHouse> {
public:
    explicit THouseSet(QObject* parent = nullptr);
    TField* MgrFld;
    TField* TelFld;
    static bool SaveHouse(RHouse& r) { return Save(r); }
    static bool DeleteHouse(int id) { return Delete(id); }
    static bool LoadHouse(int id, RHouse& r) { return Load(id, r); }
};

// The delete of units, receivable items and expense items shows a refusal itself.
class TUnitSet : public TInfoSetOf<RUnit> {
public:
    explicit TUnitSet(QObject* parent = nullptr);
    TField* RateFld;
    static bool SaveUnit(RUnit& r) { return Save(r); }
    static bool DeleteUnit(int id) { return Delete(id); }
    static bool LoadUnit(int id, RUnit& r) { return Load(id, r); }
};

class TBankSet : public TInfoSetOf<RBank> {
public:
    explicit TBankSet(QObject* parent = nullptr) : TInfoSetOf<RBank>(parent) {}
    static bool SaveBank(RBank& r) { return Save(r); }
    static bool DeleteBank(int id) { return Delete(id); }
    static bool LoadBank(int id, RBank& r) { return Load(id, r); }
};

class TShldinItemSet : public TInfoSetOf<RShldinItem> {
public:
    explicit TShldinItemSet(QObject* parent = nullptr) : TInfoSetOf<RShldinItem>(parent) {}
    static bool SaveShldinItem(RShldinItem& r) { return Save(r); }
    static bool DeleteShldinItem(int id) { return Delete(id); }
    static bool LoadShldinItem(int id, RShldinItem& r) { return Load(id, r); }
};

class TOutlayItemSet : public TInfoSetOf<ROutlayItem> {
public:
    explicit TOutlayItemSet(QObject* parent = nullptr) : TInfoSetOf<ROutlayItem>(parent) {}
    static bool SaveOutlayItem(ROutlayItem& r) { return Save(r); }
    static bool DeleteOutlayItem(int id) { return Delete(id); }
    static bool LoadOutlayItem(int id, ROutlayItem& r) { return Load(id, r); }
};
