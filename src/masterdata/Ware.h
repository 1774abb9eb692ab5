#pragma once
#include "ClassTree.h"
#include "ClientDataSet.h"
#include "RecordSet.h"

#include <optional>

using RWareCata = RTreeClass;
using RWareCatas = RTreeClasses;

// One goods item in memory. Id 0 or less = not yet saved; no value = null in the table.
struct RWare {
    int Id = 0;
    std::optional<int> ClassId;
    QString CataCode;
    QString CataName;
    QString CataPath;
    QString Code;
    QString Name;
    QString LookId;
    QString PartNo;
    QString Brand;
    QString Package;
    QString Barcode;
    QString Unit;
    std::optional<double> CostPrice;
    std::optional<double> InnerPrice;
    std::optional<double> SalePrice1;
    std::optional<double> SalePrice2;
    std::optional<double> SalePrice3;
    std::optional<int> ProfitRate;
    QString S08;
    QString S09;
    QString S10;
    QString S11;
    std::optional<double> F01;
    std::optional<double> F02;
    std::optional<double> F03;
    std::optional<double> F04;
    std::optional<double> F05;
    QString Note;
    QString Location;
    std::optional<double> MinQty;
    std::optional<double> MaxQty;
    std::optional<double> InPrice;
    std::optional<double> OutPrice;
    std::optional<int> CostId;
    QString CostName;
};

// The criteria of a goods list; set ones become conditions of its select.
class TWareWhere : public TCustomWhere {
    Q_OBJECT
public:
    explicit TWareWhere(QObject* parent = nullptr);
    TField* IdFld;
    TField* ClassIdFld;
    TField* CataCodeFld;  // a class code (the class and all below it) or a pseudo code
    TField* LookIdFld;
    TField* WareCodeFld;
    TField* WareNameFld;
    TField* PartNoFld;
    TField* PackageFld;
    TField* BarCodeFld;
    TField* LocationFld;

    // " and "-joined conditions over ware w and wareclass c; empty when nothing is set.
    QString Conditions() const;
};

// The goods list: every goods item with its class and costing method.
class TWareSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TWareSet(QObject* parent = nullptr);

    TField* IdFld;
    TField* ClassIdFld;
    TField* CatacodeFld;
    TField* CataNameFld;
    TField* CataPathFld;
    TField* CodeFld;
    TField* NameFld;
    TField* LookIdFld;
    TField* PartNoFld;
    TField* BrandFld;
    TField* PackageFld;
    TField* BarcodeFld;
    TField* UnitFld;
    TField* S08Fld;
    TField* S09Fld;
    TField* S10Fld;
    TField* S11Fld;
    TField* F01Fld;
    TField* F02Fld;
    TField* F03Fld;
    TField* F04Fld;
    TField* F05Fld;
    TField* NoteFld;
    TField* CostPriceFld;
    TField* InnerPriceFld;
    TField* SalePrice1Fld;
    TField* SalePrice2Fld;
    TField* SalePrice3Fld;
    TField* ProfitRateFld;
    TField* InPriceFld;
    TField* OutPriceFld;
    TField* MinQtyFld;
    TField* MaxQtyFld;
    TField* CostIdFld;
    TField* CostNameFld;
    TField* LocationFld;

    TWareWhere* Where() const { return m_where; }

    // Opens the goods that match the filter record (all goods when it is empty).
    void OpenWhere();
    // True when the goods item was found.
    bool OpenById(int id);

    // The current row.
    RWare AsData() const;
    // Writes a record into the loaded rows (never the database): edits its row or appends one.
    void SetAsData(const RWare& ware);

    // Client-side filter of the loaded rows by class code or pseudo code.
    void FilterByClass(const QString& code);
    // The five filter slots the pickers drive; each rebuilds the filter from all of them.
    void SetClassId(const QString& code);
    void SetLookId(const QString& text);
    void SetWareName(const QString& text);
    void SetPartNo(const QString& text);
    void SetWareCode(const QString& text);

    // Puts the current goods item into a class (Id 0 or less: none) and patches the row.
    bool AssignClass(const RWareCata& cata);

    // Delivery-line prices of the current goods item; 0 when it was never delivered.
    double LowestInPrice() const;
    double HighestInPrice() const;
    double LastInPrice() const;
    double AvgInPrice() const;

    // Class-level operations; each reports whether exactly one row was affected.
    static bool SaveWare(RWare& ware);
    // The database refuses deleting goods used by documents; its error passes on.
    static bool DeleteWare(int id);
    static bool LoadWare(int id, RWare& ware);
    // Moves the goods directly in source (the unclassified ones when source has Id 0 or less)
    // into target; returns the number of goods moved.
    static int MoveToClass(const RWareCata& source, const RWareCata& target);
    static bool SetWareClass(const std::optional<int>& classId, int id);

private:
    enum TSlot { ClassSlot, LookIdSlot, NameSlot, PartNoSlot, CodeSlot, SlotCount };
    void setSlot(TSlot slot, const QString& condition);
    double priceStat(const QString& sql) const;

    TWareWhere* m_where;
    QString m_slots[SlotCount];
};

// The goods classes in SlfId order.
class TWareCataSet : public TTreeClassSet {
    Q_OBJECT
public:
    explicit TWareCataSet(QObject* parent = nullptr);
    // Saves the whole numbered tree (see SaveTree).
    static bool SaveClassTree(RWareCatas& catas);
};
