#include "DemoData.h"

#include "Company.h"
#include "Database.h"
#include "DemoWriter.h"
#include "Errors.h"

#include <QSqlQuery>

namespace {

qint64 Rows(TDatabase& db, const QString& table)
{
    QSqlQuery q = db.Select(QStringLiteral("select count(*) from %1").arg(table), {});
    return q.next() ? q.value(0).toLongLong() : 0;
}

// Demo data goes only into a database without business data: Ids and codes count from one.
void RequireEmpty(TDatabase& db)
{
    for (const char* table : {"employee", "departments", "districts", "wareclass", "ware", "Client", "slquotfrm",
                              "slorderfrm", "sale", "receipt", "slinvfrm", "shouldin", "outlay"}) {
        if (Rows(db, QString::fromLatin1(table)) > 0)
            throw EMqError(QStringLiteral("数据库中已有业务资料(表 %1),演示数据只能填入新建的数据库").arg(QString::fromLatin1(table)));
    }
}

}  // namespace

namespace MqDemo {

QString OperatorPassword() { return QStringLiteral("demo"); }

TDemoCounts Fill(TDatabase& db, const TDemoOptions& options)
{
    // All or nothing: a failure leaves the database as it was.
    TTransaction trans(db);
    RequireEmpty(db);
    const bool large = options.Size == TDemoSize::Large;
    const QDate end = options.EndDate.isValid() ? options.EndDate : large ? QDate(2024, 12, 31) : db.ServerTime().date();
    const QDate from = large ? end.addYears(-10).addDays(1) : end.addMonths(-3);
    TDemoMasters masters = DemoCatalog::Build(options.Seed, large ? 2000 : 8, large ? 20000 : 40, from, end);
    if (options.Progress) options.Progress(QStringLiteral("基础资料"), 0, 1);

    TDemoIds ids;
    DemoWriter::SaveSmallTables(masters, ids);
    if (large) {
        DemoWriter::InsertGoodsAndClients(db, masters, ids, options.Progress);
        DemoWriter::InsertLargeDocuments(db, masters, ids, options.Seed, end, options.Progress);
        // Fresh statistics, so the planner knows the tables' sizes.
        db.ExecCommand(QStringLiteral("analyze"));
    } else {
        DemoWriter::SaveGoodsAndClients(masters, ids, options.Progress);
        DemoWriter::SaveSmallDocuments(masters, ids, options.Seed, end, options.Progress);
    }

    TCompany& company = CurrentCompany();
    company.LoadCompany();
    if (company.CompanyName.isEmpty()) {
        company.CompanyName = QStringLiteral("南京恒川演示贸易有限公司");
        company.Manager = masters.Employees.first().Name;
        company.Tel = QStringLiteral("025-84561234");
        company.Fax = QStringLiteral("025-84561235");
        company.Address = QStringLiteral("南京市中山路88号");
        company.Zip = QStringLiteral("210000");
        company.Profile = QStringLiteral("演示数据");
        company.SaveCompany();
    }
    trans.Commit();
    return Count(db);
}

TDemoCounts Count(TDatabase& db)
{
    TDemoCounts c;
    c.Employees = Rows(db, QStringLiteral("employee"));
    c.Departments = Rows(db, QStringLiteral("departments"));
    c.Districts = Rows(db, QStringLiteral("districts"));
    c.WareClasses = Rows(db, QStringLiteral("wareclass"));
    c.Goods = Rows(db, QStringLiteral("ware"));
    c.Clients = Rows(db, QStringLiteral("Client"));
    c.Quotations = Rows(db, QStringLiteral("slquotfrm"));
    c.Orders = Rows(db, QStringLiteral("slorderfrm"));
    c.OrderLines = Rows(db, QStringLiteral("slorderfrmdl"));
    c.Deliveries = Rows(db, QStringLiteral("sale"));
    c.DeliveryLines = Rows(db, QStringLiteral("saledl"));
    c.Receipts = Rows(db, QStringLiteral("receipt"));
    c.Invoices = Rows(db, QStringLiteral("slinvfrm"));
    c.OtherReceivables = Rows(db, QStringLiteral("shouldin"));
    c.Expenses = Rows(db, QStringLiteral("outlay"));
    return c;
}

}  // namespace MqDemo
