#pragma once
#include "BillAmounts.h"
#include "ClientDataSet.h"
#include "SalesRecords.h"

#include <QVector>

// The line datasets bound to the entry grids. AsDatas reads all rows as line records (a pending
// edit is taken first, the cursor stays); SetAsDatas replaces all rows. PostAmount computes the
// current row's amount as the window posts it.

// The goods columns every sales line dataset starts with.
class TGoodsdlSet : public TMqClientDataSet {
    Q_OBJECT
public:
    TField* dlIdFld;
    TField* MastIdFld;
    TField* WareIdFld;
    TField* WareCodeFld;
    TField* WareNameFld;
    TField* WarePartNoFld;
    TField* WareBrandFld;
    TField* WarePackageFld;
    TField* WareUnitFld;
    TField* UnitRateFld;
    TField* UnitNameFld;
    TField* WareColorFld;
    TField* WareSizeFld;
    TField* WarePropFld;
    TField* QtyFld = nullptr;
    TField* PriceFld = nullptr;
    TField* DiscountFld = nullptr;  // none in quotations
    TField* FundFld = nullptr;
    TField* dlNoteFld = nullptr;

protected:
    // Declares dlId through WareProp.
    explicit TGoodsdlSet(QObject* parent);
    // Declares Qty, Price, Discount (when asked), Fund and dlNote.
    void DeclareAmounts(bool discount);

    // Row access by row number (0-based); the reading side takes a pending edit first.
    int BeginRead();
    QVariant At(int row, const TField* field) const;
    void ReadGoods(int row, RGoodsLine& line) const;
    void ReadDiscount(int row, ROrderdl& line) const;
    void WriteGoods(QVector<QVariant>& row, const RGoodsLine& line) const;
    void WriteDiscount(QVector<QVariant>& row, const ROrderdl& line) const;
    void Replace(std::vector<QVector<QVariant>>&& rows);
    // Writes the amounts of a posted line back into the current row.
    void WriteAmounts(const RGoodsLine& line);
};

class TQuotdlSet : public TGoodsdlSet {
    Q_OBJECT
public:
    explicit TQuotdlSet(QObject* parent = nullptr);
    RQuotdls AsDatas();
    void SetAsDatas(const RQuotdls& lines);
    void PostAmount(const TDecimals& decimals);
};

class TOrderdlSet : public TGoodsdlSet {
    Q_OBJECT
public:
    explicit TOrderdlSet(QObject* parent = nullptr);
    ROrderdls AsDatas();
    void SetAsDatas(const ROrderdls& lines);
    void PostAmount(const TDecimals& decimals);
};

class TSaledlSet : public TGoodsdlSet {
    Q_OBJECT
public:
    explicit TSaledlSet(QObject* parent = nullptr);
    TField* OrdlIdFld;
    TField* OrdCodeFld;
    TField* CostPriceFld;
    TField* InnerPriceFld;
    TField* ProfitRateFld;

    RSaledls AsDatas();
    void SetAsDatas(const RSaledls& lines);
    void PostAmount();

private:
    void readRow(int row, RSaledl& line) const;
};
