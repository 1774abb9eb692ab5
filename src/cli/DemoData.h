#pragma once
#include <QDate>
#include <QString>
#include <functional>

class TDatabase;

// Deterministic demo data: Chinese companies in a province/city tree of districts, goods with
// specifications and brands in a three-level class tree, staff and departments, and documents
// of every kind. The same seed always gives the same rows (only the codes and making times of
// documents saved through the document classes follow the clock, and the small data is dated
// up to today unless an end date is given).
//
// Small: a few of everything, saved through the system's own save operations, for trying the
// program. Large: 2,000 clients, 20,000 goods, 100,000 deliveries with about 500,000 lines over
// ten years and the orders, quotations, receipts, invoices, other receivables and expenses that
// go with them, written with multi-row inserts in a few transactions; for benchmarks.

enum class TDemoSize { Small, Large };

// Stage name (Chinese), rows done, rows of the stage.
using TDemoProgress = std::function<void(const QString& stage, qint64 done, qint64 total)>;

struct TDemoOptions {
    TDemoSize Size = TDemoSize::Small;
    quint32 Seed = 1;
    // The last business date; documents lie in the ten years (large) or three months (small)
    // before it. By default 2024-12-31 for the large data (benchmarks compare like with like)
    // and the server's date for the small data (the windows open on the current month).
    QDate EndDate;
    TDemoProgress Progress;
};

// Rows in the tables the generator fills.
struct TDemoCounts {
    qint64 Employees = 0;
    qint64 Departments = 0;
    qint64 Districts = 0;
    qint64 WareClasses = 0;
    qint64 Goods = 0;
    qint64 Clients = 0;
    qint64 Quotations = 0;
    qint64 Orders = 0;
    qint64 OrderLines = 0;
    qint64 Deliveries = 0;
    qint64 DeliveryLines = 0;
    qint64 Receipts = 0;
    qint64 Invoices = 0;
    qint64 OtherReceivables = 0;
    qint64 Expenses = 0;
};

namespace MqDemo {

// Fills a database whose schema exists and that holds no master data or documents yet (as
// `mqsalectl init` leaves it). Works on the global connection (GlobalDatabase(), which must be
// db). Throws EMqError when the database already holds data, and passes database errors on;
// the large data is written in transactions that roll back on error.
TDemoCounts Fill(TDatabase& db, const TDemoOptions& options);

// Counts the rows of the tables above.
TDemoCounts Count(TDatabase& db);

// The password of the demo operators (wangjing: sales entry, liuyang: finance).
QString OperatorPassword();

}  // namespace MqDemo
