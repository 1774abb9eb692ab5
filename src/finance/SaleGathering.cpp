#include "SaleGathering.h"

#include "Nullable.h"
#include "Numbers.h"
#include "SaleLists.h"

#include <QHash>
#include <QSqlQuery>

namespace {

// Settlement figures are money: four decimals, halves to even.
QVariant money(const QVariant& v)
{
    if (Nullable::IsNull(v)) return QVariant();
    return Numbers::RoundHalfEven(TField::ToFloat(v), 4);
}

struct RSettled {
    QVariant Payment;
    QVariant Discount;
};

// What receipts allocated to each delivery code, for the deliveries the conditions select (all
// when there are none). One grouped query.
QHash<QString, RSettled> settledByCode(const QString& saleConditions)
{
    QString sql = QStringLiteral("select d.SaleCode, sum(m.Sign*d.dlPayFund), sum(m.Sign*d.dlDisFund) from receiptdl d "
                                 "inner join receipt m on d.MastId=m.Id");
    if (!saleConditions.isEmpty())
        sql += QStringLiteral(" where d.SaleCode in (select s.Code from sale s where 1=1") + saleConditions + u')';
    sql += QStringLiteral(" group by d.SaleCode");
    QHash<QString, RSettled> settled;
    QSqlQuery q = GlobalDatabase().Select(sql, {});
    while (q.next()) settled.insert(q.value(0).toString(), RSettled{money(q.value(1)), money(q.value(2))});
    return settled;
}

}  // namespace

TSaleGathering::TSaleGathering(QObject* parent) : TMqClientDataSet(parent)
{
    IdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("Id"), 0, true, QStringLiteral("BillId"));
    CodeFld = AddFieldDef(TFieldType::String, QStringLiteral("Code"), 20, true, QStringLiteral("编号"));
    BizDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("BizDate"), 0, true, QStringLiteral("日期"));
    DeptIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("DeptId"), 0, false, QString());
    DeptNameFld = AddFieldDef(TFieldType::String, QStringLiteral("DeptName"), 50, true, QStringLiteral("部门"));
    ClientIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("ClientId"), 0, false, QString());
    ClientNameFld = AddFieldDef(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("客户名称"));
    SalemanIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("SalemanId"), 0, false, QString());
    SalemanNameFld = AddFieldDef(TFieldType::String, QStringLiteral("SalemanName"), 30, true, QStringLiteral("销售员"));
    TypeIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("TypeId"), 0, false, QString());
    TypeNameFld = AddFieldDef(TFieldType::String, QStringLiteral("TypeName"), 20, true, QStringLiteral("类别"));
    NoteFld = AddFieldDef(TFieldType::String, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    TotalFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("TotalFund"), 0, true, QStringLiteral("金额"));
    PaymentFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("PaymentFund"), 0, true, QStringLiteral("收款"));
    DiscountFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("DiscountFund"), 0, true, QStringLiteral("折扣"));
    BalanceFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("BalanceFund"), 0, true, QStringLiteral("结余"));
    for (TField* f : {TotalFundFld, PaymentFundFld, DiscountFundFld, BalanceFundFld}) f->SetDisplayFormat(QStringLiteral("0.00"));
    CreateDataSet();
}

int TSaleGathering::Open(TSaleWhere* where)
{
    StartTiming();
    // The criteria on the deliveries, written for the list (alias m) and for the receipt sums
    // (alias s); the goods criteria keep deliveries with at least one matching line.
    QString listConditions;
    QString sumConditions;
    QString goods;
    if (where) {
        goods = where->GoodsSubquery(QStringLiteral("saledl"));
        listConditions = where->HeaderCriteria().Text() + goods;
        sumConditions = where->HeaderCriteria(QStringLiteral("s")).Text()
                        + where->GoodsSubquery(QStringLiteral("saledl"), QStringLiteral("s"));
    }
    // A delivery without lines is not listed; the goods subquery already asks for a line.
    if (goods.isEmpty()) listConditions += QStringLiteral(" and exists (select 1 from saledl d where d.MastId=m.Id)");

    const QHash<QString, RSettled> settled = settledByCode(sumConditions);

    std::vector<QVector<QVariant>> rows;
    {
        QSqlQuery q = GlobalDatabase().Select(
            QStringLiteral("select m.Id, m.Code, m.BizDate, m.DeptId, m.ClientId, m.SalemanId, m.TypeId, "
                           "t.Sign*m.TotalFund as TotalFund, m.[Note], t.Name as TypeName, h.Name as DeptName, "
                           "c.Name as ClientName, e.Name as SalemanName from ((((sale m left join saletype t on "
                           "m.TypeId=t.Id)  left join departments h on h.Id=m.DeptId)  left join client c on "
                           "c.Id=m.ClientId)  left join employee e on e.Id=m.SalemanId) where 1=1")
                + listConditions + QStringLiteral(" order by m.BizDate, m.Id"),
            {});
        const int n = DataSet()->FieldCount();
        while (q.next()) {
            QVector<QVariant> row(n);
            row[IdFld->Index()] = TField::ToInt(q.value(0));
            const QString code = q.value(1).toString();
            row[CodeFld->Index()] = code;
            row[BizDateFld->Index()] = Nullable::Of(TField::ToDate(q.value(2)));
            row[DeptIdFld->Index()] = Nullable::Of(Nullable::Int(q.value(3)));
            row[ClientIdFld->Index()] = Nullable::Of(Nullable::Int(q.value(4)));
            row[SalemanIdFld->Index()] = Nullable::Of(Nullable::Int(q.value(5)));
            row[TypeIdFld->Index()] = Nullable::Of(Nullable::Int(q.value(6)));
            const QVariant total = money(q.value(7));
            row[TotalFundFld->Index()] = total;
            row[NoteFld->Index()] = q.value(8).toString();
            row[TypeNameFld->Index()] = q.value(9).toString();
            row[DeptNameFld->Index()] = q.value(10).toString();
            row[ClientNameFld->Index()] = q.value(11).toString();
            row[SalemanNameFld->Index()] = q.value(12).toString();
            const auto s = settled.constFind(code);
            const QVariant payment = s == settled.cend() ? QVariant() : s->Payment;
            const QVariant discount = s == settled.cend() ? QVariant() : s->Discount;
            row[PaymentFundFld->Index()] = payment;
            row[DiscountFundFld->Index()] = discount;
            row[BalanceFundFld->Index()] = Numbers::RoundHalfEven(
                TField::ToFloat(total) - TField::ToFloat(payment) - TField::ToFloat(discount), 4);
            rows.push_back(std::move(row));
        }
    }
    TDataSet* ds = DataSet();
    ds->DisableControls();
    ds->SetFiltered(false);
    ds->LoadRows(std::move(rows));
    ds->First();
    ds->EnableControls();
    StopTiming();
    return ds->RecordCount();
}

void TSaleGathering::ShowUnsettled()
{
    DataSet()->SetFilter(QStringLiteral("BalanceFund<>0"));
    DataSet()->SetFiltered(true);
    DataSet()->First();
}

void TSaleGathering::ShowAll()
{
    DataSet()->SetFiltered(false);
    DataSet()->First();
}

RReceiptdl TSaleGathering::AsReceiptdl() const
{
    RReceiptdl l;
    l.SaleId = IdFld->AsInteger();
    l.SaleCode = CodeFld->AsString();
    l.SaleDate = Nullable::Date(BizDateFld->Value());
    l.Saleman = SalemanNameFld->AsString();
    l.ShldFund = Nullable::Num(TotalFundFld->Value());
    l.dlPayFund = std::abs(BalanceFundFld->AsFloat());
    l.dlDisFund = 0.0;
    return l;
}
