#pragma once
#include "BillAmounts.h"
#include "KeyValue.h"
#include "Operator.h"
#include "RecordSet.h"
#include "SaleBill.h"
#include "SchemaFixture.h"

#include <QSqlQuery>
#include <QStringList>

// A database with the full schema, a few master rows, the operator 张三 logged in with the
// sales rights, and the clocks fixed at 2013-01-15 10:20:30.
class SalesTest : public SchemaTest {
protected:
    TFixedClock Clock{QDateTime(QDate(2013, 1, 15), QTime(10, 20, 30))};

    static QString AllRights() { return QStringLiteral(",16,,17,,68,,1054,,1055,,67,,71,,59,,58,,1008,"); }

    void Prepare() override
    {
        SchemaTest::Prepare();
        Login(QStringLiteral("张三"));
        Exec(QStringLiteral("insert into departments(Id, Name) values (1,'销售部'),(2,'市场部')"));
        Exec(QStringLiteral("insert into employee(Id, Name) values (1,'王五'),(2,'赵六')"));
        Exec(QStringLiteral("insert into districts(Id, Code, Name) values (1,'01','华东'),(2,'0101','上海'),(3,'02','华北')"));
        Exec(QStringLiteral("insert into Client(Id, Name, DistrictId) values (1,'甲公司',2),(2,'乙公司',3),(3,'丙公司',1)"));
        Exec(QStringLiteral("insert into wareclass(Id, Code, Name) values (1,'01','电子'),(2,'0101','芯片'),(3,'02','五金')"));
        Exec(QStringLiteral(
            "insert into ware(Id, ClassId, Code, Name, LookId, PartNo, Brand, Package, Unit, CostPrice, InnerPrice, "
            "SalePrice1, ProfitRate) values (1,2,'A100','芯片A','XPA','P-1','牌1','盒装','个',6.5,8,12.5,3),"
            "(2,3,'B200','螺丝','LS','M3','牌2','袋装','盒',0.3,0.4,0.5,1),"
            "(3,null,'C1%0','电线','DX','2.5','牌3','卷','米',1,1.2,2,2)"));
    }
    void TearDown() override
    {
        CurrentOperator().Clear();
        SchemaTest::TearDown();
    }

    static void Login(const QString& name, const QString& rights = AllRights())
    {
        CurrentOperator().Clear();
        CurrentOperator().LoginId = name;
        CurrentOperator().Rights = rights;
    }

    void Exec(const QString& sql) { Db().ExecCommand(sql); }
    QVariant Scalar(const QString& sql)
    {
        QSqlQuery q = Db().Select(sql, {});
        return q.next() ? q.value(0) : QVariant();
    }
    int Count(const QString& sql) { return Scalar(sql).toInt(); }
    // The first column of every row, as text.
    QStringList Column(const QString& sql)
    {
        QStringList out;
        QSqlQuery q = Db().Select(sql, {});
        while (q.next()) out << q.value(0).toString();
        return out;
    }
    // Every stored value of a document's rows, to compare the database before and after.
    QString Snapshot()
    {
        QStringList rows;
        for (const QString& sql :
             {QStringLiteral("select Id, Code, OldCode, TotalFund, Note, Checkman, CheckTime from sale order by Id"),
              QStringLiteral("select dlId, MastId, WareId, Qty, Price, Fund, dlNote, OrdlId from saledl order by dlId")}) {
            QSqlQuery q = Db().Select(sql, {});
            while (q.next()) {
                QStringList values;
                for (int i = 0; i < q.record().count(); ++i) values << q.value(i).toString();
                rows << values.join(u'|');
            }
        }
        return rows.join(u'\n');
    }
    // Foreign keys off, so master rows used by documents can be removed as an old database may
    // have them removed.
    void WithoutForeignKeys(const QStringList& statements)
    {
        const bool sqlite = Engine() == TEngine::SQLite;
        Exec(sqlite ? QStringLiteral("PRAGMA foreign_keys = OFF") : QStringLiteral("set session_replication_role = replica"));
        for (const QString& sql : statements) Exec(sql);
        Exec(sqlite ? QStringLiteral("PRAGMA foreign_keys = ON") : QStringLiteral("set session_replication_role = origin"));
    }

    static RSaledl SaleLine(int wareId, double qty, double price, double discount = 1.0)
    {
        RSaledl l;
        l.WareId = wareId;
        l.Qty = qty;
        l.Price = price;
        l.Discount = discount;
        l.UnitName = QStringLiteral("个");
        BillAmounts::PostLine(l);
        return l;
    }
    // An unsaved delivery to 甲公司 made by the logged-in operator.
    static RSale NewSale(int lines = 2, int clientId = 1)
    {
        RSale s;
        s.BizDate = QDate(2013, 1, 15);
        s.ClientId = clientId;
        s.DeptId = 1;
        s.SalemanId = 1;
        s.TypeId = 1;
        s.Billman = CurrentOperator().LoginId;
        for (int i = 0; i < lines; ++i) s.Lines << SaleLine(1 + i % 2, i + 1, 10.0);
        BillAmounts::Recalc(s);
        return s;
    }
    static RSale Saved(RSale s)
    {
        QString message;
        if (!TSaleBill::Save(s, message)) throw EMqError(QStringLiteral("save failed: ") + message);
        return s;
    }
    static QList<int> LineIds(const RSaledls& lines)
    {
        QList<int> ids;
        for (const RSaledl& l : lines) ids << l.dlId;
        return ids;
    }
    QList<int> StoredLineIds(int mastId)
    {
        QList<int> ids;
        for (const QString& s : Column(QStringLiteral("select dlId from saledl where MastId=%1 order by dlId").arg(mastId)))
            ids << s.toInt();
        return ids;
    }
};
