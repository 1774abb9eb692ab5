#pragma once
#include "Client.h"
#include "Staff.h"
#include "ViewList.h"
#include "Ware.h"

// The list objects of the master tables: what their windows, pickers and pick-enabled controls
// call. Editors, importers and printing are installed by the windows and report libraries.

// Goods lists. New goods get the list's default class.
template <class Derived>
class TWareListOf : public TViewList<Derived, TWareSet, RWare> {
public:
    explicit TWareListOf(QObject* parent = nullptr) : TViewList<Derived, TWareSet, RWare>({1014, 1027}, parent) {}
    RWareCata DefaultClass;  // Id 0 or less: none

    void RefreshList() override { this->OpenWhere(); }
    void SearchFields(const TSearchFieldEvent& callback) override
    {
        for (TField* f : {this->LookIdFld, this->CodeFld, this->NameFld, this->PartNoFld, this->BarcodeFld}) callback(f);
    }

protected:
    RWare NewItem() const override
    {
        RWare w;
        if (DefaultClass.Id > 0) {
            w.ClassId = DefaultClass.Id;
            w.CataCode = DefaultClass.Code;
            w.CataName = DefaultClass.Name;
        }
        return w;
    }
    QString ItemName() const override { return QString(); }
    bool SaveRecord(RWare& w) override { return TWareSet::SaveWare(w); }
    bool DeleteRecord(int id) override { return TWareSet::DeleteWare(id); }
};

// The goods list window's list (opens the sales goods editor).
class TWareList4Sale : public TWareListOf<TWareList4Sale> {
public:
    using TWareListOf::TWareListOf;
};

// The goods picker's and the pick-enabled boxes' list (opens the full goods editor).
class TWareList : public TWareListOf<TWareList> {
public:
    using TWareListOf::TWareListOf;
};

// Clients. New clients get the list's default district (a pseudo district means none).
class TClientList : public TViewList<TClientList, TClientSet, RClient> {
public:
    explicit TClientList(QObject* parent = nullptr) : TViewList({10, 28}, parent) {}
    RDistrict DefaultDistrict;
    void RefreshList() override { OpenAll(); }

protected:
    RClient NewItem() const override;
    bool SaveRecord(RClient& c) override { return SaveClient(c); }
    bool DeleteRecord(int id) override { return DeleteClient(id); }
};

// The small tables: one list shape, their rights and print templates.
template <class Derived, class Set, class R, int Right, int ReportNo>
class TInfoList : public TViewList<Derived, Set, R> {
public:
    explicit TInfoList(QObject* parent = nullptr) : TViewList<Derived, Set, R>({Right, ReportNo}, parent) {}
    void RefreshList() override { this->OpenAll(); }

protected:
    bool SaveRecord(R& r) override { return Set::Save(r); }
    bool DeleteRecord(int id) override { return Set::Delete(id); }
};

class TEmployeeList : public TInfoList<TEmployeeList, TEmployeeSet, REmployee, 1011, 1029> {
    using TInfoList::TInfoList;
};
class TDeptList : public TInfoList<TDeptList, TDeptSet, RDept, 1012, 1030> {
    using TInfoList::TInfoList;
};
class THouseList : public TInfoList<THouseList, THouseSet, RHouse, 2013, 2320> {
    using TInfoList::TInfoList;
};
class TUnitList : public TInfoList<TUnitList, TUnitSet, RUnit, 62, 58> {
    using TInfoList::TInfoList;
};
class TBankList : public TInfoList<TBankList, TBankSet, RBank, 1052, 1045> {
    using TInfoList::TInfoList;
};
// Receivable and expense items share right 61, whichever right opened their window.
class TShldinItemList : public TInfoList<TShldinItemList, TShldinItemSet, RShldinItem, 61, 57> {
    using TInfoList::TInfoList;
};
class TOutlayItemList : public TInfoList<TOutlayItemList, TOutlayItemSet, ROutlayItem, 61, 57> {
    using TInfoList::TInfoList;
};
