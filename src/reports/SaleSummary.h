#pragma once
#include "ClientDataSet.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class TResultRows;
class TRowBuffer;
class TSaleWhere;

// The three ways a sales summary spreads the year.
enum class TSalePeriod { Month = 0, Quarter = 1, Weekday = 2 };
// "月度汇总", "季度汇总", "周汇总".
QString SalePeriodText(TSalePeriod period);

// Delivered sales of one dimension (client, salesman, goods, goods class, district or
// department) spread over the twelve calendar months, the four quarters and the seven weekdays,
// one row per member. Amounts are signed Qty × Price of the lines, without discount, each line
// rounded to two decimals; every cell holds its sum rounded to two decimals, and stays empty
// until a line reaches it. Months and quarters are calendar positions: a period over two years
// adds both Januaries together.
class TSaleSumView : public TMqClientDataSet {
    Q_OBJECT
public:
    ~TSaleSumView() override;

    // The criteria: those of the signed sales records of the deliveries, plus the member
    // criteria each dimension's list of members reads.
    TSaleWhere* Where() const { return m_where; }

    TField* MonthFld(int month) const { return m_months[month - 1]; }         // 1 JanFund .. 12 DecFund
    TField* QuarterFld(int quarter) const { return m_quarters[quarter - 1]; }  // 1 SprFund .. 4 WinFund
    TField* WeekdayFld(int dayOfWeek) const { return m_weekdays[dayOfWeek - 1]; }  // 1 MonFund .. 7 SunFund
    TField* TotFundFld = nullptr;
    TField* KeyFld = nullptr;   // the member's Id, or its code for classes and districts
    TField* NameFld = nullptr;  // "其他Id=..." for sales of members the list does not hold

    // Rebuilds the rows from the database: the members first, each sale of a member the list
    // does not hold in a row of its own after them. Raises OnProgress (groups, done) after each
    // group of lines (a member on one day).
    virtual void Compute();
    void ShowPeriods(bool months, bool quarters, bool weekdays);
    void ShowPeriod(TSalePeriod period);

    // Add to the current row's cell of the date's month, quarter or weekday.
    void AddToMonth(const QDate& date, double amount);
    void AddToQuarter(const QDate& date, double amount);
    void AddToWeekday(const QDate& date, double amount);

    // A cell after one more amount: the sum rounded to two decimals; an empty cell counts as 0.
    static double CellSum(const QVariant& cell, double amount);

protected:
    explicit TSaleSumView(QObject* parent);
    // The key of the signed sales lines this dimension groups by ("m.ClientId", "l.Code" ...),
    // over the aliases m sale, d saledl, t saletype, w ware, c client, i districts, l wareclass.
    QString m_keyColumn;
    bool m_textKey = false;
    TField* m_idFld = nullptr;  // code keys: the Id field, 0 for members the list does not hold
    // The statement listing the members for the current criteria; its columns go in order into
    // m_preFillFields.
    virtual QString PreFillSql() = 0;
    QList<TField*> m_preFillFields;
    // The order of the members read by the pre-fill (row numbers); by default as read.
    virtual QList<int> MemberOrder(const TResultRows& members) const;

private:
    // The signed lines summed per member and day.
    QString salesSql() const;

    TSaleWhere* m_where;
    TField* m_months[12] = {};
    TField* m_quarters[4] = {};
    TField* m_weekdays[7] = {};
};

class TSaleSumClient : public TSaleSumView {
    Q_OBJECT
public:
    explicit TSaleSumClient(QObject* parent = nullptr);
    TField *ClientIdFld, *ClientNameFld, *ClientLinkmanFld, *ClientLinktelFld;

protected:
    QString PreFillSql() override;
};

class TSaleSumSaleman : public TSaleSumView {
    Q_OBJECT
public:
    explicit TSaleSumSaleman(QObject* parent = nullptr);
    TField *SalemanIdFld, *SalemanNameFld;

protected:
    QString PreFillSql() override;
};

class TSaleSumWare : public TSaleSumView {
    Q_OBJECT
public:
    explicit TSaleSumWare(QObject* parent = nullptr);
    TField *WareIdFld, *WareCodeFld, *WareNameFld, *WarePartNoFld, *WareBrandFld, *WarePackageFld, *WareUnitFld;

protected:
    QString PreFillSql() override;
    // By code, in the order of Chinese text.
    QList<int> MemberOrder(const TResultRows& members) const override;
};

// A class row holds the sales of the goods directly in that class; nothing rolls up.
class TSaleSumWarecata : public TSaleSumView {
    Q_OBJECT
public:
    explicit TSaleSumWarecata(QObject* parent = nullptr);
    TField *WarecataIdFld, *WarecataCodeFld, *WarecataNameFld;

protected:
    QString PreFillSql() override;
};

// A district row holds the sales to clients directly in that district; nothing rolls up.
class TSaleSumDistrict : public TSaleSumView {
    Q_OBJECT
public:
    explicit TSaleSumDistrict(QObject* parent = nullptr);
    TField *DistIdFld, *DistCodeFld, *DistNameFld;

protected:
    QString PreFillSql() override;
};

// Every department is listed whatever the department criterion (this summary calls it 仓库).
class TSaleSumDept : public TSaleSumView {
    Q_OBJECT
public:
    explicit TSaleSumDept(QObject* parent = nullptr);
    TField *DeptIdFld, *DeptNameFld;

protected:
    QString PreFillSql() override;
};

// The dimensions of the sales summary, in the order the window offers them, with their grid
// layouts and report templates for months, quarters and weekdays.
struct TSaleSumKind {
    QString Name;  // 客户, 业务员, 货物, 货物类别, 销售区域, 仓库
    std::function<TSaleSumView*(QObject* parent)> Create;
    int GridLayouts[3];
    int Reports[3];
};
const QList<TSaleSumKind>& SaleSumKinds();
