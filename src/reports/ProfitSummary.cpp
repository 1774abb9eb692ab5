#include "ProfitSummary.h"

#include "Numbers.h"
#include "ReportColumns.h"
#include "ReportData.h"
#include "SaleLists.h"

#include <QHash>

// --- TSumBy ------------------------------------------------------------------------------------

TSumBy::TSumBy(QObject* parent) : TMqClientDataSet(parent)
{
    const auto money = [this](const char* name, const QString& label) {
        return AddFieldDef(TFieldType::Currency, QString::fromLatin1(name), 0, true, label);
    };
    QtyFld = AddFieldDef(TFieldType::Float, QStringLiteral("Qty"), 0, true, QStringLiteral("销售数量"));
    SaleFundFld = money("SaleFund", QStringLiteral("销售金额"));
    SalePercentFld = money("SalePercent", QStringLiteral("销售比%"));
    InnerFundFld = money("InnerFund", QStringLiteral("内部金额"));
    CostFundFld = money("CostFund", QStringLiteral("成本金额"));
    OutlayFundFld = money("OutlayFund", QStringLiteral("产生费用"));
    ProfitFundFld = money("ProfitFund", QStringLiteral("利润"));
}

QVariant TSumBy::SalePercent(const QVariant& saleFund, double total)
{
    if (total == 0) return QVariant();
    return Numbers::RoundHalfEven(TField::ToFloat(saleFund) / total * 100, 2);
}

QString TSumBy::SalesSums(bool commission) const
{
    QString sums = QStringLiteral(
        "sum(t.Sign*d.UnitRate*d.Qty) as Qty, sum(t.Sign*d.Fund) as SaleFund, sum(t.Sign*d.InnerPrice*d.UnitRate*d.Qty) "
        "as InnerFund, sum(t.Sign*d.CostPrice*d.UnitRate*d.Qty) as CostFund");
    if (commission) sums += QStringLiteral(", sum((t.Sign*d.Fund-t.Sign*d.InnerPrice*d.UnitRate*d.Qty)*d.ProfitRate/100) as ProfitFund");
    return sums;
}

namespace {

// The grouped sales of a query whose first column is the group's key.
class TSalesGroups {
public:
    explicit TSalesGroups(const QString& sql) : m_rows(sql)
    {
        m_qty = m_rows.Column(QStringLiteral("Qty"));
        m_sale = m_rows.Column(QStringLiteral("SaleFund"));
        m_inner = m_rows.Column(QStringLiteral("InnerFund"));
        m_cost = m_rows.Column(QStringLiteral("CostFund"));
        m_commission = m_rows.Column(QStringLiteral("ProfitFund"));
        // The shares are measured against every sale, also those of no listed member.
        for (int i = 0; i < m_rows.Count(); ++i) m_total += TField::ToFloat(m_rows.At(i, m_sale));
    }
    const TResultRows& Rows() const { return m_rows; }
    int Count() const { return m_rows.Count(); }
    // Keys of the groups that have one.
    QHash<int, int> IndexByKey() const
    {
        QHash<int, int> index;
        for (int i = 0; i < m_rows.Count(); ++i)
            if (!IsEmptyValue(m_rows.At(i, 0))) index.insert(TField::ToInt(m_rows.At(i, 0)), i);
        return index;
    }
    QVariant Commission(int group) const { return m_rows.At(group, m_commission); }

    // Quantity, amounts and share of a group, empty sums kept empty.
    void Fill(QVector<QVariant>& row, const TSumBy& set, int group) const
    {
        TRowBuffer::Set(row, set.QtyFld, m_rows.At(group, m_qty));
        TRowBuffer::Set(row, set.SaleFundFld, m_rows.At(group, m_sale));
        TRowBuffer::Set(row, set.InnerFundFld, m_rows.At(group, m_inner));
        TRowBuffer::Set(row, set.CostFundFld, m_rows.At(group, m_cost));
        TRowBuffer::Set(row, set.SalePercentFld, TSumBy::SalePercent(m_rows.At(group, m_sale), m_total));
    }

private:
    TResultRows m_rows;
    int m_qty, m_sale, m_inner, m_cost, m_commission;
    double m_total = 0.0;
};

// Sales less cost less expenses, when any of the three is there.
void setTradingProfit(QVector<QVariant>& row, const TSumBy& set)
{
    const QVariant& sale = TRowBuffer::Get(row, set.SaleFundFld);
    const QVariant& cost = TRowBuffer::Get(row, set.CostFundFld);
    const QVariant& outlay = TRowBuffer::Get(row, set.OutlayFundFld);
    if (IsEmptyValue(sale) && IsEmptyValue(cost) && IsEmptyValue(outlay)) return;
    TRowBuffer::Set(row, set.ProfitFundFld, TField::ToFloat(sale) - TField::ToFloat(cost) - TField::ToFloat(outlay));
}

TCriteria dateCriteria(TSaleWhere* where)
{
    TCriteria c;
    if (!where) return c;
    where->UpdateRecord();
    c.Date(QStringLiteral("BizDate"), QStringLiteral(">="), where->BeginDateFld->Value());
    c.Date(QStringLiteral("BizDate"), QStringLiteral("<="), where->EndDateFld->Value());
    return c;
}

// Every criterion of the filter, over sale m and saledl d.
QString allCriteria(TSaleWhere* where)
{
    if (!where) return QString();
    return where->HeaderCriteria().Text() + where->GoodsInCriteria(QStringLiteral("d.WareId")).Text();
}

}  // namespace

// --- salesmen, departments, clients ------------------------------------------------------------

TSumByMembers::TSumByMembers(QObject* parent) : TSumBy(parent) {}

void TSumByMembers::Compute(TSaleWhere* where)
{
    StartTiming();
    TDataSet* ds = DataSet();
    TFrozenControls frozen(ds);
    ds->Close();
    ds->CreateDataSet();

    const QString dates = dateCriteria(where).Text();
    const TResultRows members(m_memberSql);
    const TResultRows outlays(
        QStringLiteral("select %1, sum(Sign*Fund) as OutlayFund from outlay where 1=1 %2 group by %1").arg(m_column, dates));
    const TSalesGroups sales(QStringLiteral("select m.%1, %2 from sale m, saledl d, saletype t where m.Id=d.MastId and "
                                            "m.TypeId=t.Id %3 group by m.%1")
                                 .arg(m_column, SalesSums(m_commission), dates));
    QHash<int, int> outlayOf;
    for (int i = 0; i < outlays.Count(); ++i)
        if (!IsEmptyValue(outlays.At(i, 0))) outlayOf.insert(TField::ToInt(outlays.At(i, 0)), i);
    const QHash<int, int> salesOf = sales.IndexByKey();

    TRowBuffer rows(ds);
    rows.Reserve(members.Count());
    for (int i = 0; i < members.Count(); ++i) {
        QVector<QVariant>& row = rows.Append();
        for (int c = 0; c < m_memberFields.size(); ++c) TRowBuffer::Set(row, m_memberFields[c], members.At(i, c));
        const int id = TField::ToInt(members.At(i, 0));
        const int group = salesOf.value(id, -1);
        const int outlay = outlayOf.value(id, -1);
        if (outlay >= 0) TRowBuffer::Set(row, OutlayFundFld, outlays.At(outlay, 1));
        if (group >= 0) sales.Fill(row, *this, group);
        if (m_commission) {
            const double expenses = TField::ToFloat(TRowBuffer::Get(row, OutlayFundFld));
            if (group >= 0)
                TRowBuffer::Set(row, ProfitFundFld, TField::ToFloat(sales.Commission(group)) - expenses);
            else if (!IsEmptyValue(TRowBuffer::Get(row, OutlayFundFld)))
                TRowBuffer::Set(row, ProfitFundFld, -expenses);
        } else {
            setTradingProfit(row, *this);
        }
    }
    rows.LoadInto();
    ds->First();
    StopTiming();
}

TSumBySaleman::TSumBySaleman(QObject* parent) : TSumByMembers(parent)
{
    SalemanIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("SalemanId"), 0, false, QString());
    SalemanNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("SalemanName"), 30, true, QStringLiteral("销售员"));
    CreateDataSet();
    ItemFld = SalemanNameFld;
    m_memberSql = QStringLiteral("select Id, Name from employee order by Id");
    m_memberFields = {SalemanIdFld, SalemanNameFld};
    m_column = QStringLiteral("SalemanId");
    m_commission = true;
}

TSumByDept::TSumByDept(QObject* parent) : TSumByMembers(parent)
{
    DeptIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("DeptId"), 0, false, QString());
    DeptNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("DeptName"), 50, true, QStringLiteral("部门"));
    CreateDataSet();
    ItemFld = DeptNameFld;
    m_memberSql = QStringLiteral("select Id, Name from departments order by Id");
    m_memberFields = {DeptIdFld, DeptNameFld};
    m_column = QStringLiteral("DeptId");
}

TSumByClient::TSumByClient(QObject* parent) : TSumByMembers(parent)
{
    const auto text = [this](const char* name, int size, const QString& label) {
        return AddFieldDef(TFieldType::WideString, QString::fromLatin1(name), size, true, label);
    };
    ClientIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("ClientId"), 0, false, QString());
    ClientNameFld = text("ClientName", 50, QStringLiteral("客户名称"));
    ClientLinkmanFld = text("ClientLinkman", 30, QStringLiteral("联系人"));
    ClientTelFld = text("ClientTel", 50, QStringLiteral("联系电话"));
    ClientFaxFld = text("ClientFax", 50, QStringLiteral("传真号码"));
    ClientAddrFld = text("ClientAddr", 50, QStringLiteral("联系地址"));
    CreateDataSet();
    ItemFld = ClientNameFld;
    m_memberSql = QStringLiteral("select Id, Name, Linkman, Tel, Fax, Addr from client order by Id");
    m_memberFields = {ClientIdFld, ClientNameFld, ClientLinkmanFld, ClientTelFld, ClientFaxFld, ClientAddrFld};
    m_column = QStringLiteral("ClientId");
}

// --- goods -------------------------------------------------------------------------------------

TSumByWare::TSumByWare(QObject* parent) : TSumBy(parent)
{
    WareIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("WareId"), 0, false, QString());
    const ReportColumns::TGoods goods = ReportColumns::AddGoods(
        [this](TFieldType t, const QString& n, int s, bool v, const QString& l) { return AddFieldDef(t, n, s, v, l); });
    WareLookIdFld = goods.WareLookId;
    WareCodeFld = goods.WareCode;
    WareNameFld = goods.WareName;
    WarePartNoFld = goods.WarePartNo;
    WareBrandFld = goods.WareBrand;
    WarePackageFld = goods.WarePackage;
    WareUnitFld = goods.WareUnit;
    CreateDataSet();
    ItemFld = WareNameFld;
}

void TSumByWare::Compute(TSaleWhere* where)
{
    StartTiming();
    TDataSet* ds = DataSet();
    TFrozenControls frozen(ds);
    ds->Close();
    ds->CreateDataSet();

    const TSalesGroups sales(
        // Grouped by the goods Id alone and joined to the goods afterwards: grouping by their
        // texts would compare Chinese text for every line.
        QStringLiteral("select g.*, w.LookId, w.Code, w.Name, w.PartNo, w.Brand, w.Package, w.Unit from (select "
                       "d.WareId, %1 from sale m, saledl d, saletype t where m.Id=d.MastId and m.TypeId=t.Id %2 group "
                       "by d.WareId) g inner join ware w on w.Id=g.WareId order by g.WareId")
            .arg(SalesSums(false), allCriteria(where)));
    const TResultRows& groups = sales.Rows();
    const std::pair<const TField*, int> texts[] = {
        {WareIdFld, 0},
        {WareLookIdFld, groups.Column(QStringLiteral("LookId"))},
        {WareCodeFld, groups.Column(QStringLiteral("Code"))},
        {WareNameFld, groups.Column(QStringLiteral("Name"))},
        {WarePartNoFld, groups.Column(QStringLiteral("PartNo"))},
        {WareBrandFld, groups.Column(QStringLiteral("Brand"))},
        {WarePackageFld, groups.Column(QStringLiteral("Package"))},
        {WareUnitFld, groups.Column(QStringLiteral("Unit"))}};

    TRowBuffer rows(ds);
    rows.Reserve(sales.Count());
    for (int i = 0; i < sales.Count(); ++i) {
        QVector<QVariant>& row = rows.Append();
        for (const auto& [field, column] : texts) TRowBuffer::Set(row, field, groups.At(i, column));
        sales.Fill(row, *this, i);
        setTradingProfit(row, *this);
    }
    rows.LoadInto();
    ds->First();
    StopTiming();
}

// --- goods classes -----------------------------------------------------------------------------

TSumByWareclass::TSumByWareclass(QObject* parent) : TSumBy(parent)
{
    CataCodeFld = AddFieldDef(TFieldType::WideString, QStringLiteral("CataCode"), 50, false, QString());
    CataNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("CataName"), 50, true, QStringLiteral("类别"));
    CreateDataSet();
    ItemFld = CataNameFld;
}

void TSumByWareclass::Compute(TSaleWhere* where)
{
    StartTiming();
    TDataSet* ds = DataSet();
    TFrozenControls frozen(ds);
    ds->Close();
    ds->CreateDataSet();

    const TResultRows classes(QStringLiteral("select Id, Code, Name from wareclass order by SlfId, Id"));
    const TSalesGroups sales(QStringLiteral("select w.ClassId, %1 from sale m, saledl d, saletype t, ware w where "
                                            "m.Id=d.MastId and m.TypeId=t.Id and d.WareId=w.Id %2 group by w.ClassId")
                                 .arg(SalesSums(false), allCriteria(where)));

    TRowBuffer rows(ds);
    QHash<int, int> rowOfClass;
    for (int i = 0; i < classes.Count(); ++i) {
        QVector<QVariant>& row = rows.Append();
        TRowBuffer::Set(row, CataCodeFld, classes.At(i, 1));
        TRowBuffer::Set(row, CataNameFld, classes.At(i, 2));
        rowOfClass.insert(TField::ToInt(classes.At(i, 0)), i);
    }
    for (int g = 0; g < sales.Count(); ++g) {
        const QVariant& classId = sales.Rows().At(g, 0);
        const int found = IsEmptyValue(classId) ? -1 : rowOfClass.value(TField::ToInt(classId), -1);
        QVector<QVariant>& row = found >= 0 ? rows.Row(found) : rows.Append();  // goods without a class
        sales.Fill(row, *this, g);
        setTradingProfit(row, *this);
    }
    rows.LoadInto();
    ds->First();
    StopTiming();
}

// --- the objects offered -----------------------------------------------------------------------

const QList<TProfitObject>& ProfitObjects()
{
    static const QList<TProfitObject> objects = {
        {QStringLiteral("销售员"), [](QObject* p) -> TSumBy* { return new TSumBySaleman(p); }, 10, 218, 1},
        {QStringLiteral("部门"), [](QObject* p) -> TSumBy* { return new TSumByDept(p); }, 61, 283, 1},
        {QStringLiteral("客户"), [](QObject* p) -> TSumBy* { return new TSumByClient(p); }, 9, 217, 1},
        {QStringLiteral("产品"), [](QObject* p) -> TSumBy* { return new TSumByWare(p); }, 8, 216, 2},
        {QStringLiteral("产品类别"), [](QObject* p) -> TSumBy* { return new TSumByWareclass(p); }, 35, 238, 2},
    };
    return objects;
}
