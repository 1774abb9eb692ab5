#pragma once
#include "ClientDataSet.h"
#include "Criteria.h"

// What the filter records of the sales lists share: the goods criteria and the criteria of
// every document header (Id, dates, client, department, salesman). Each record declares its
// fields in its own order; the conditions are built here, once, with TCriteria.
class TSalesWhere : public TCustomWhere {
    Q_OBJECT
public:
    TField* BillIdFld = nullptr;
    TField* BeginDateFld = nullptr;
    TField* EndDateFld = nullptr;
    TField* DeptIdFld = nullptr;
    TField* DeptNameFld = nullptr;
    TField* ClientIdFld = nullptr;
    TField* ClientNameFld = nullptr;
    TField* SalemanIdFld = nullptr;
    TField* SalemanNameFld = nullptr;
    TField* WareClassIdFld = nullptr;  // the goods class code (WarecataCode)
    TField* WarecataNameFld = nullptr;
    TField* WareIdFld = nullptr;
    TField* WareLookIdFld = nullptr;
    TField* WareCodeFld = nullptr;
    TField* WareNameFld = nullptr;
    TField* WarePartNoFld = nullptr;
    TField* WareBrandFld = nullptr;
    TField* WarePackageFld = nullptr;
    TField* WareUnitFld = nullptr;
    TField* WareCodeXFld = nullptr;
    TField* WareLookIdXFld = nullptr;
    TField* WareNameXFld = nullptr;

    // Document Id, dates, client, department and salesman of the header alias m; each record
    // adds its own header criteria.
    virtual TCriteria HeaderCriteria(const QString& m = QStringLiteral("m"));
    // Goods Id, class code prefix and code, lookup code and name substrings, on a goods alias and
    // its class alias.
    TCriteria GoodsCriteria(const QString& ware = QStringLiteral("w"), const QString& wareClass = QStringLiteral("c"));
    // The goods conditions for statements without those joins: "column in (select w.Id ...)".
    TCriteria GoodsInCriteria(const QString& wareIdColumn);
    // The documents having at least one line that passes the goods conditions:
    // " and m.Id in (select distinct MastId from ... where 1=1 ...)"; empty when none is set.
    QString GoodsSubquery(const QString& detailTable, const QString& m = QStringLiteral("m"));

    // A criterion's value; null, empty and ids not above 0 count as not set.
    static qint64 IdOf(const TField* field);
    static QString TextOf(const TField* field);

protected:
    explicit TSalesWhere(QObject* parent);
    TField* Add(TFieldType type, const QString& name, int size, bool visible, const QString& label = QString());
    // WarecataCode, WarecataName, WareId, WareLookId, WareCode, WareName, WarePartNo, WareBrand,
    // WarePackage, WareUnit.
    void DeclareGoods();
    // WareCodeX, WareLookIdX, WareNameX.
    void DeclareGoodsTexts(bool labelled);
};
