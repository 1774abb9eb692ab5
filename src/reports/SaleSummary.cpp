#include "SaleSummary.h"

#include "Labels.h"
#include "Numbers.h"
#include "ReportData.h"
#include "SaleLists.h"
#include "TextOrder.h"

#include <QHash>
#include <algorithm>
#include <numeric>

QString SalePeriodText(TSalePeriod period)
{
    switch (period) {
    case TSalePeriod::Month: return QStringLiteral("月度汇总");
    case TSalePeriod::Quarter: return QStringLiteral("季度汇总");
    case TSalePeriod::Weekday: return QStringLiteral("周汇总");
    }
    return QString();
}

// --- TSaleSumView ------------------------------------------------------------------------------

TSaleSumView::TSaleSumView(QObject* parent) : TMqClientDataSet(parent), m_where(new TSaleWhere(this))
{
    static const char* const months[12][2] = {
        {"JanFund", "一月份|销售额"}, {"FebFund", "二月份|销售额"},   {"MarFund", "三月份|销售额"},
        {"AprFund", "四月份|销售额"}, {"MayFund", "五月份|销售额"},   {"JunFund", "六月份|销售额"},
        {"JulFund", "七月份|销售额"}, {"AugFund", "八月份|销售额"},   {"SepFund", "九月份|销售额"},
        {"OctFund", "十月份|销售额"}, {"NovFund", "十一月份|销售额"}, {"DecFund", "十二月份|销售额"}};
    static const char* const quarters[4][2] = {
        {"SprFund", "一季度"}, {"SumFund", "二季度"}, {"AutFund", "三季度"}, {"WinFund", "四季度"}};
    static const char* const weekdays[7][2] = {{"MonFund", "星期一"}, {"TueFund", "星期二"}, {"WedFund", "星期三"},
                                               {"ThuFund", "星期四"}, {"FriFund", "星期五"}, {"SatFund", "星期六"},
                                               {"SunFund", "星期日"}};
    const auto amount = [this](const char* const def[2]) {
        return AddFieldDef(TFieldType::Fund, QString::fromLatin1(def[0]), 0, true, QString::fromUtf8(def[1]));
    };
    for (int i = 0; i < 12; ++i) m_months[i] = amount(months[i]);
    for (int i = 0; i < 4; ++i) m_quarters[i] = amount(quarters[i]);
    for (int i = 0; i < 7; ++i) m_weekdays[i] = amount(weekdays[i]);
    TotFundFld = AddFieldDef(TFieldType::Fund, QStringLiteral("TotFund"), 0, true, QStringLiteral("合计|销售额"));
}

TSaleSumView::~TSaleSumView() = default;

double TSaleSumView::CellSum(const QVariant& cell, double amount)
{
    return Numbers::RoundTo(TField::ToFloat(cell) + amount, 2);
}

void TSaleSumView::AddToMonth(const QDate& date, double amount)
{
    TField* f = MonthFld(date.month());
    f->SetValue(CellSum(f->Value(), amount));
}

void TSaleSumView::AddToQuarter(const QDate& date, double amount)
{
    TField* f = QuarterFld((date.month() - 1) / 3 + 1);
    f->SetValue(CellSum(f->Value(), amount));
}

void TSaleSumView::AddToWeekday(const QDate& date, double amount)
{
    TField* f = WeekdayFld(date.dayOfWeek());
    f->SetValue(CellSum(f->Value(), amount));
}

void TSaleSumView::ShowPeriods(bool months, bool quarters, bool weekdays)
{
    for (TField* f : m_months) f->SetVisible(months);
    for (TField* f : m_quarters) f->SetVisible(quarters);
    for (TField* f : m_weekdays) f->SetVisible(weekdays);
}

void TSaleSumView::ShowPeriod(TSalePeriod period)
{
    ShowPeriods(period == TSalePeriod::Month, period == TSalePeriod::Quarter, period == TSalePeriod::Weekday);
}

QList<int> TSaleSumView::MemberOrder(const TResultRows& members) const
{
    QList<int> order(members.Count());
    std::iota(order.begin(), order.end(), 0);
    return order;
}

QString TSaleSumView::salesSql() const
{
    const QString goods = m_where->GoodsCriteria(QStringLiteral("w"), QStringLiteral("l")).Text();
    const QString district = m_where->DistrictCriteria().Text();
    // Only the joins the key and the criteria need: each one costs a lookup per line.
    const bool classes = m_keyColumn.startsWith(QLatin1String("l.")) || !TSalesWhere::TextOf(m_where->WareClassIdFld).isEmpty();
    const bool districts = m_keyColumn.startsWith(QLatin1String("i.")) || !district.isEmpty();
    QString from = QStringLiteral("((sale m inner join saledl d on m.Id=d.MastId) inner join saletype t on "
                                  "t.Id=m.TypeId) inner join ware w on w.Id=d.WareId");
    if (districts)
        from = QStringLiteral("((%1) left join client c on c.Id=m.ClientId) left join districts i on i.Id=c.DistrictId").arg(from);
    if (classes) from = QStringLiteral("(%1) left join wareclass l on l.Id=w.ClassId").arg(from);
    return QStringLiteral("select %1 as MemberKey, m.BizDate, sum(round(cast(t.Sign*d.Qty*d.Price as numeric), 2)) as "
                          "Fund from %2 where 1=1 %3 group by %1, m.BizDate")
        .arg(m_keyColumn, from, m_where->HeaderCriteria().Text() + district + goods);
}

namespace {

// The cells of one row in cents: the amounts are whole cents, so adding cents is adding with
// every sum rounded to two decimals.
struct TCents {
    static constexpr int kTotal = 23;  // after 12 months, 4 quarters, 7 weekdays
    qint64 Cents[24] = {};
    bool Reached[24] = {};
    void Add(int cell, qint64 cents)
    {
        Cents[cell] += cents;
        Reached[cell] = true;
    }
};

}  // namespace

void TSaleSumView::Compute()
{
    StartTiming();
    TDataSet* ds = DataSet();
    TFrozenControls frozen(ds);
    ds->Close();
    ds->CreateDataSet();

    // The members, in the order of their list, found by key.
    TRowBuffer rows(ds);
    QHash<qint64, int> rowOfId;
    QHash<QString, int> rowOfCode;
    {
        const TResultRows members(PreFillSql());
        rows.Reserve(members.Count());
        for (int i : MemberOrder(members)) {
            QVector<QVariant>& row = rows.Append();
            for (int c = 0; c < m_preFillFields.size(); ++c) TRowBuffer::Set(row, m_preFillFields[c], members.At(i, c));
            const QVariant& key = TRowBuffer::Get(row, KeyFld);
            if (!m_textKey) rowOfId.insert(TField::ToInt(key), rows.Count() - 1);
            else if (!IsEmptyValue(key)) rowOfCode.insert(key.toString(), rows.Count() - 1);
        }
    }
    const int members = rows.Count();

    // The signed lines, each rounded to two decimals, summed per member and day by the
    // database; each group costs one lookup here.
    const TResultRows sales(salesSql());
    std::vector<TCents> cells(static_cast<size_t>(members));
    QList<QVariant> others;  // keys of members the list does not hold, in the order met
    const int count = sales.Count();
    for (int i = 0; i < count; ++i) {
        const QVariant& key = sales.At(i, 0);
        const QString code = m_textKey && !IsEmptyValue(key) ? key.toString() : QString();
        const qint64 id = m_textKey ? 0 : TField::ToInt(key);
        int r = m_textKey ? rowOfCode.value(code, -1) : rowOfId.value(id, -1);
        if (r < 0) {
            r = members + int(others.size());
            others << (m_textKey ? QVariant(code) : QVariant(id));
            cells.emplace_back();
            if (m_textKey) rowOfCode.insert(code, r);
            else rowOfId.insert(id, r);
        }
        const QDate date = DateOf(sales.At(i, 1));
        const qint64 cents = qRound64(TField::ToFloat(sales.At(i, 2)) * 100);
        TCents& c = cells[size_t(r)];
        c.Add(date.month() - 1, cents);
        c.Add(12 + (date.month() - 1) / 3, cents);
        c.Add(16 + date.dayOfWeek() - 1, cents);
        c.Add(TCents::kTotal, cents);
        Progress(count, i + 1);
    }

    // Rows for sales of members the list does not hold, by key.
    QList<int> otherOrder(others.size());
    std::iota(otherOrder.begin(), otherOrder.end(), 0);
    std::sort(otherOrder.begin(), otherOrder.end(), [&](int a, int b) {
        return m_textKey ? others[a].toString() < others[b].toString() : others[a].toLongLong() < others[b].toLongLong();
    });
    std::vector<TCents> otherCells;
    for (int o : otherOrder) {
        QVector<QVariant>& row = rows.Append();
        const QString text = m_textKey ? others[o].toString() : QString::number(others[o].toLongLong());
        if (m_textKey) {
            TRowBuffer::Set(row, m_idFld, 0);
            TRowBuffer::Set(row, KeyFld, text.isEmpty() ? QVariant() : QVariant(text));
        } else {
            TRowBuffer::Set(row, KeyFld, others[o]);
        }
        TRowBuffer::Set(row, NameFld, QString(QStringLiteral("其他Id=") + text));
        otherCells.push_back(cells[size_t(members + o)]);
    }
    std::copy(otherCells.begin(), otherCells.end(), cells.begin() + members);

    TField* const* cellFields[] = {m_months, m_quarters, m_weekdays};
    for (int r = 0; r < rows.Count(); ++r) {
        QVector<QVariant>& row = rows.Row(r);
        const TCents& c = cells[size_t(r)];
        int cell = 0;
        for (int group = 0; group < 3; ++group)
            for (int k = 0, n = group == 0 ? 12 : group == 1 ? 4 : 7; k < n; ++k, ++cell)
                if (c.Reached[cell]) row[cellFields[group][k]->Index()] = c.Cents[cell] / 100.0;
        if (c.Reached[TCents::kTotal]) row[TotFundFld->Index()] = c.Cents[TCents::kTotal] / 100.0;
    }
    rows.LoadInto();
    ds->First();
    StopTiming();
}

// --- dimensions --------------------------------------------------------------------------------

namespace {
QString idCondition(const char* column, qint64 id) { return TCriteria().Id(QString::fromLatin1(column), id).Text(); }
}  // namespace

TSaleSumClient::TSaleSumClient(QObject* parent) : TSaleSumView(parent)
{
    ClientIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("ClientId"), 0, false, QString());
    ClientNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("ClientName"), 50, true, QStringLiteral("客户名称"));
    ClientLinkmanFld = AddFieldDef(TFieldType::WideString, QStringLiteral("ClientLinkman"), 30, true, QStringLiteral("联系人"));
    ClientLinktelFld = AddFieldDef(TFieldType::WideString, QStringLiteral("ClientLinktel"), 50, true, QStringLiteral("联系电话"));
    CreateDataSet();
    KeyFld = ClientIdFld;
    NameFld = ClientNameFld;
    m_keyColumn = QStringLiteral("m.ClientId");
    m_preFillFields = {ClientIdFld, ClientNameFld, ClientLinkmanFld, ClientLinktelFld};
}

QString TSaleSumClient::PreFillSql()
{
    return QStringLiteral("select Id, Name, Linkman, Tel from client where 1=1 %1 order by Id")
        .arg(idCondition("Id", TSalesWhere::IdOf(Where()->ClientIdFld)));
}

TSaleSumSaleman::TSaleSumSaleman(QObject* parent) : TSaleSumView(parent)
{
    SalemanIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("SalemanId"), 0, false, QString());
    SalemanNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("SalemanName"), 30, true, QStringLiteral("业务员"));
    CreateDataSet();
    KeyFld = SalemanIdFld;
    NameFld = SalemanNameFld;
    m_keyColumn = QStringLiteral("m.SalemanId");
    m_preFillFields = {SalemanIdFld, SalemanNameFld};
}

QString TSaleSumSaleman::PreFillSql()
{
    return QStringLiteral("select Id, Name from employee where 1=1 %1 order by Id")
        .arg(idCondition("Id", TSalesWhere::IdOf(Where()->SalemanIdFld)));
}

TSaleSumWare::TSaleSumWare(QObject* parent) : TSaleSumView(parent)
{
    const auto text = [this](const char* name, int size, const QString& label) {
        return AddFieldDef(TFieldType::WideString, QString::fromLatin1(name), size, true, label);
    };
    WareIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("WareId"), 0, false, QString());
    WareCodeFld = text("WareCode", 30, QStringLiteral("货号"));
    WareNameFld = text("WareName", 50, TCaptions::WareS02());
    WarePartNoFld = text("WarePartNo", 200, TCaptions::WareS04());
    WareBrandFld = text("WareBrand", 50, TCaptions::WareS05());
    WarePackageFld = text("WarePackage", 50, TCaptions::WareS06());
    WareUnitFld = text("WareUnit", 10, QStringLiteral("单位"));
    CreateDataSet();
    KeyFld = WareIdFld;
    NameFld = WareNameFld;
    m_keyColumn = QStringLiteral("d.WareId");
    m_preFillFields = {WareIdFld, WareCodeFld, WareNameFld, WarePartNoFld, WareBrandFld, WarePackageFld, WareUnitFld};
}

QString TSaleSumWare::PreFillSql()
{
    TCriteria c;
    const TCriteria classes = TCriteria().StartsWith(QStringLiteral("Code"), TSalesWhere::TextOf(Where()->WareClassIdFld));
    if (!classes.IsEmpty()) c.Add(QStringLiteral("ClassId in (select Id from wareclass %1)").arg(classes.Where()));
    c.Id(QStringLiteral("Id"), TSalesWhere::IdOf(Where()->WareIdFld));
    // Ordered by code here rather than by the database: sorting many goods by a collation the
    // database calls back for every comparison is slow.
    return QStringLiteral("select Id, Code, Name, PartNo, Brand, Package, [Unit] from ware where 1=1 %1").arg(c.Text());
}

QList<int> TSaleSumWare::MemberOrder(const TResultRows& members) const
{
    struct TKey {
        QCollatorSortKey Order;
        QString Code;
        qint64 Id;
        int Row;
    };
    std::vector<TKey> keys;
    keys.reserve(size_t(members.Count()));
    for (int i = 0; i < members.Count(); ++i) {
        const QString code = members.At(i, 1).toString();
        keys.push_back({TextOrder::SortKey(code), code, members.At(i, 0).toLongLong(), i});
    }
    std::sort(keys.begin(), keys.end(), [](const TKey& a, const TKey& b) {
        const int byOrder = a.Order.compare(b.Order);
        if (byOrder != 0) return byOrder < 0;
        const int byText = a.Code.compare(b.Code);
        return byText != 0 ? byText < 0 : a.Id < b.Id;
    });
    QList<int> order;
    order.reserve(int(keys.size()));
    for (const TKey& k : keys) order << k.Row;
    return order;
}

TSaleSumWarecata::TSaleSumWarecata(QObject* parent) : TSaleSumView(parent)
{
    WarecataIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("WarecataId"), 0, false, QString());
    WarecataCodeFld = AddFieldDef(TFieldType::String, QStringLiteral("WarecataCode"), 50, false, QString());
    WarecataNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("WarecataName"), 100, true, QStringLiteral("类别"));
    CreateDataSet();
    KeyFld = WarecataCodeFld;
    NameFld = WarecataNameFld;
    m_idFld = WarecataIdFld;
    m_textKey = true;
    m_keyColumn = QStringLiteral("l.Code");
    m_preFillFields = {WarecataIdFld, WarecataCodeFld, WarecataNameFld};
}

QString TSaleSumWarecata::PreFillSql()
{
    return QStringLiteral("select Id, Code, Name from wareclass %1 order by Code")
        .arg(TCriteria().StartsWith(QStringLiteral("Code"), TSalesWhere::TextOf(Where()->WareClassIdFld)).Where());
}

TSaleSumDistrict::TSaleSumDistrict(QObject* parent) : TSaleSumView(parent)
{
    DistIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("DistId"), 0, false, QString());
    DistCodeFld = AddFieldDef(TFieldType::String, QStringLiteral("DistCode"), 50, false, QString());
    DistNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("DistName"), 100, true, QStringLiteral("地区"));
    CreateDataSet();
    KeyFld = DistCodeFld;
    NameFld = DistNameFld;
    m_idFld = DistIdFld;
    m_textKey = true;
    m_keyColumn = QStringLiteral("i.Code");
    m_preFillFields = {DistIdFld, DistCodeFld, DistNameFld};
}

QString TSaleSumDistrict::PreFillSql()
{
    return QStringLiteral("select Id, Code, Name from districts %1 order by Code")
        .arg(TCriteria().StartsWith(QStringLiteral("Code"), TSalesWhere::TextOf(Where()->DistCodeFld)).Where());
}

TSaleSumDept::TSaleSumDept(QObject* parent) : TSaleSumView(parent)
{
    DeptIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("DeptId"), 0, false, QString());
    DeptNameFld = AddFieldDef(TFieldType::WideString, QStringLiteral("DeptName"), 30, true, QStringLiteral("仓库"));
    CreateDataSet();
    KeyFld = DeptIdFld;
    NameFld = DeptNameFld;
    m_keyColumn = QStringLiteral("m.DeptId");
    m_preFillFields = {DeptIdFld, DeptNameFld};
}

QString TSaleSumDept::PreFillSql() { return QStringLiteral("select Id, Name from departments order by Id"); }

// --- the dimensions offered --------------------------------------------------------------------

const QList<TSaleSumKind>& SaleSumKinds()
{
    static const QList<TSaleSumKind> kinds = {
        {QStringLiteral("客户"), [](QObject* p) -> TSaleSumView* { return new TSaleSumClient(p); }, {301, 302, 303}, {71, 72, 73}},
        {QStringLiteral("业务员"), [](QObject* p) -> TSaleSumView* { return new TSaleSumSaleman(p); }, {304, 305, 306}, {74, 75, 76}},
        {QStringLiteral("货物"), [](QObject* p) -> TSaleSumView* { return new TSaleSumWare(p); }, {298, 299, 300}, {68, 69, 70}},
        {QStringLiteral("货物类别"), [](QObject* p) -> TSaleSumView* { return new TSaleSumWarecata(p); }, {307, 308, 309}, {77, 78, 79}},
        {QStringLiteral("销售区域"), [](QObject* p) -> TSaleSumView* { return new TSaleSumDistrict(p); }, {310, 311, 312}, {80, 81, 82}},
        {QStringLiteral("仓库"), [](QObject* p) -> TSaleSumView* { return new TSaleSumDept(p); }, {313, 314, 315}, {83, 84, 85}},
    };
    return kinds;
}
