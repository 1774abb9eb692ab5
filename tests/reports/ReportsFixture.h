#pragma once
#include "DataSet.h"
#include "Numbers.h"
#include "Operator.h"
#include "SchemaFixture.h"

#include <QDate>
#include <QSqlQuery>
#include <QStringList>
#include <optional>
#include <ostream>

// Readable failure messages for texts and lists of texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// A database with the full schema and a small business: two departments, three salesmen,
// districts 01 华东 > 0101 上海 and 02 华北, three clients, goods classes 01 电子 > 0101 芯片
// and 02 五金, and four goods (the last without a class). Documents are added with plain
// inserts, so every figure a test expects can be worked out by hand.
class ReportsTest : public SchemaTest {
protected:
    void Prepare() override
    {
        SchemaTest::Prepare();
        Exec(QStringLiteral("insert into departments(Id, Name) values (1,'销售部'),(2,'市场部'),(3,'后勤部')"));
        Exec(QStringLiteral("insert into employee(Id, Name) values (1,'王五'),(2,'赵六'),(3,'孙七')"));
        Exec(QStringLiteral("insert into districts(Id, Code, Name, SlfId) values (1,'01','华东',1),(2,'0101','上海',2),"
                            "(3,'02','华北',3)"));
        Exec(QStringLiteral("insert into Client(Id, Name, Linkman, Tel, Fax, Addr, DistrictId) values "
                            "(1,'甲公司','老甲','111','911','甲路1号',2),(2,'乙公司','老乙','222',null,null,3),"
                            "(3,'丙公司',null,null,null,null,1)"));
        Exec(QStringLiteral("insert into wareclass(Id, Code, Name, SlfId, PrtId) values (1,'01','电子',1,0),"
                            "(2,'0101','芯片',2,1),(3,'02','五金',3,0)"));
        Exec(QStringLiteral(
            "insert into ware(Id, ClassId, Code, Name, LookId, PartNo, Brand, Package, Unit, CostPrice, InnerPrice, "
            "ProfitRate) values (1,2,'A100','芯片A','XPA','P-1','牌1','盒装','个',6,8,10),"
            "(2,3,'B200','螺丝','LS','M3','牌2','袋装','盒',0.3,0.4,5),"
            "(3,1,'C300','电源','DY','12V','牌3','箱','台',50,60,2),"
            "(4,null,'D400','电线','DX','2.5','牌4','卷','米',1,1.2,0)"));
    }
    void TearDown() override
    {
        CurrentOperator().Clear();
        SchemaTest::TearDown();
    }

    void Exec(const QString& sql) { Db().ExecCommand(sql); }

    struct TLine {
        int WareId;
        double Qty;
        double Price;
        double Discount = 1.0;
        double UnitRate = 1.0;
        std::optional<int> OrdlId = std::nullopt;
        double CostPrice = 0.0;
        double InnerPrice = 0.0;
        int ProfitRate = 0;
    };
    struct TSaleHead {
        QDate Date;
        std::optional<int> ClientId = 1;
        std::optional<int> SalemanId = 1;
        std::optional<int> DeptId = 1;
        int TypeId = 1;  // 1 销售 (+1), 2 退货 (-1)
    };

    // A delivery with its lines; line Fund = Qty × Price × Discount to two decimals. Returns its Id.
    int Sale(const TSaleHead& head, const QList<TLine>& lines) { return Document(QStringLiteral("sale"), head, lines); }
    // An order (type 1) with its lines; returns its Id. Line dlIds are 100 × Id + line number.
    int Order(const TSaleHead& head, const QList<TLine>& lines) { return Document(QStringLiteral("slorderfrm"), head, lines); }

    static QString Num(double v) { return QString::number(v, 'g', 15); }
    static QString Opt(const std::optional<int>& v) { return v ? QString::number(*v) : QStringLiteral("null"); }

    int Document(const QString& table, const TSaleHead& head, const QList<TLine>& lines)
    {
        const bool sale = table == QLatin1String("sale");
        const int id = ++m_ids[table];
        Exec(QStringLiteral("insert into ") + table
             + QStringLiteral("(Id, Code, BizDate, ClientId, SalemanId, DeptId, TypeId, TotalFund) values (")
             + QStringList{QString::number(id), QStringLiteral("'%1%2'").arg(sale ? QStringLiteral("CG") : QStringLiteral("CD")).arg(id),
                           QStringLiteral("'%1'").arg(head.Date.toString(Qt::ISODate)), Opt(head.ClientId),
                           Opt(head.SalemanId), Opt(head.DeptId), QString::number(head.TypeId), QStringLiteral("0")}
                   .join(u',')
             + u')');
        int n = 0;
        for (const TLine& l : lines) {
            QStringList columns{QStringLiteral("dlId"), QStringLiteral("MastId"), QStringLiteral("WareId"),
                                QStringLiteral("UnitName"), QStringLiteral("UnitRate"), QStringLiteral("Qty"),
                                QStringLiteral("Price"), QStringLiteral("Discount"), QStringLiteral("Fund")};
            QStringList values{QString::number(id * 100 + ++n), QString::number(id), QString::number(l.WareId),
                               QStringLiteral("'个'"), Num(l.UnitRate), Num(l.Qty), Num(l.Price), Num(l.Discount),
                               Num(Numbers::RoundTo(l.Qty * l.Price * l.Discount, 2))};
            if (sale) {
                columns << QStringLiteral("OrdlId") << QStringLiteral("CostPrice") << QStringLiteral("InnerPrice")
                        << QStringLiteral("ProfitRate");
                values << Opt(l.OrdlId) << Num(l.CostPrice) << Num(l.InnerPrice) << QString::number(l.ProfitRate);
            }
            Exec(QStringLiteral("insert into %1(%2) values (%3)")
                     .arg(sale ? QStringLiteral("saledl") : QStringLiteral("slorderfrmdl"), columns.join(u','),
                          values.join(u',')));
        }
        return id;
    }

    // An expense voucher of a salesman, department and client.
    void Outlay(const QDate& date, int sign, double fund, std::optional<int> salemanId, std::optional<int> deptId,
                std::optional<int> clientId)
    {
        const int id = ++m_ids[QStringLiteral("outlay")];
        Exec(QStringLiteral("insert into outlay(Id, Code, BizDate, Sign, Fund, SalemanId, DeptId, ClientId) values "
                            "(%1, 'FY%1', '%2', %3, %4, %5, %6, %7)")
                 .arg(id)
                 .arg(date.toString(Qt::ISODate))
                 .arg(sign)
                 .arg(Num(fund), Opt(salemanId), Opt(deptId), Opt(clientId)));
    }

    // The rows of a dataset: each row as "field=value" texts of the named fields, empty values
    // shown as "-", amounts with two decimals.
    static QStringList Rows(TDataSet* ds, const QStringList& fields)
    {
        QStringList out;
        for (int r = 0; r < ds->RecordCount(); ++r) {
            QStringList cells;
            for (const QString& name : fields) {
                const TField* f = ds->FieldByName(name);
                const QVariant v = ds->ValueAt(r, f->Index());
                QString text;
                if (!v.isValid() || v.isNull()) text = QStringLiteral("-");
                else if (f->IsNumeric() && f->DataType() != TFieldType::Integer) text = QString::number(v.toDouble(), 'f', 2);
                else text = f->Format(v);
                cells << text;
            }
            out << cells.join(u'|');
        }
        return out;
    }

private:
    QHash<QString, int> m_ids;
};
