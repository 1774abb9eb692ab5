// mqsalectl end to end: a small demo database, documents entered and checked through `bill`,
// master lists, and bad input that must change nothing.
#include "CliRun.h"
#include "DbFixture.h"
#include "Operator.h"

#include <QJsonArray>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

qint64 Count(TDatabase& db, const QString& sql)
{
    QSqlQuery q = db.Select(sql, {});
    return q.next() ? q.value(0).toLongLong() : -1;
}

int FirstId(TDatabase& db, const QString& sql)
{
    QSqlQuery q = db.Select(sql, {});
    return q.next() ? q.value(0).toInt() : 0;
}

// A failure is one line on stderr, in Chinese, and nothing on stdout.
void ExpectOneLineError(const TCliRun& r, const QString& part)
{
    EXPECT_NE(r.ExitCode, 0) << r.Out.toStdString();
    EXPECT_TRUE(r.Out.isEmpty()) << r.Out.toStdString();
    EXPECT_TRUE(r.Err.startsWith(QStringLiteral("mqsalectl: "))) << r.Err.toStdString();
    EXPECT_EQ(r.Err.count(u'\n'), 1) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(part)) << r.Err.toStdString();
}

QByteArray Json(const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }

// CSV rows as maps from the header's names to the values (quoted values unquoted).
QList<QMap<QString, QString>> ParseCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString value;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                value += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                value += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << value;
            value.clear();
        } else if (c == u'\n') {
            row << value;
            value.clear();
            rows << row;
            row.clear();
        } else if (c != u'\r') {
            value += c;
        }
    }
    QList<QMap<QString, QString>> result;
    for (int r = 1; r < rows.size(); ++r) {
        QMap<QString, QString> m;
        for (int c = 0; c < rows.first().size() && c < rows.at(r).size(); ++c) m.insert(rows.first().at(c), rows.at(r).at(c));
        result << m;
    }
    return result;
}

}  // namespace

// Each test starts from `init --demo small` on a fresh database.
class CliDemo : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        const TCliRun init = Ctl({QStringLiteral("init"), QStringLiteral("--demo"), QStringLiteral("small")});
        ASSERT_EQ(init.ExitCode, 0) << init.Err.toStdString();
        ASSERT_TRUE(init.Out.contains(QStringLiteral("已填入演示数据"))) << init.Out.toStdString();
        ClientId = FirstId(Db(), QStringLiteral("select min(Id) from Client"));
        DeptId = FirstId(Db(), QStringLiteral("select min(Id) from departments"));
        SalemanId = FirstId(Db(), QStringLiteral("select min(Id) from employee"));
        WareId = FirstId(Db(), QStringLiteral("select min(Id) from ware"));
    }

    QStringList DatabaseArgs() const
    {
        if (Engine() == TEngine::SQLite)
            return {QStringLiteral("--db"), TDatabase::ValueOf(ConnectionString(), QStringLiteral("Data Source"))};
        return {QStringLiteral("--pg"), ConnectionString()};
    }
    TCliRun Ctl(const QStringList& args, const QByteArray& input = {}) { return RunCli(DatabaseArgs() + args, input); }

    QJsonObject Delivery(double qty, double price, double discount) const
    {
        QJsonObject line{{"WareId", WareId}, {"Qty", qty}, {"Price", price}, {"Discount", discount}};
        return QJsonObject{{"ClientId", ClientId}, {"DeptId", DeptId},   {"SalemanId", SalemanId},
                           {"TypeId", 1},          {"BizDate", "2025-03-10"}, {"Lines", QJsonArray{line}}};
    }
    TCliRun NewBill(int type, const QJsonObject& doc, const QStringList& extra = {})
    {
        return Ctl(QStringList{QStringLiteral("bill"), QStringLiteral("new"), QStringLiteral("--type"), QString::number(type)} + extra,
                   Json(doc));
    }
    TCliRun BillAction(const QString& action, int type, int id, const QStringList& extra = {})
    {
        return Ctl(QStringList{QStringLiteral("bill"), action, QStringLiteral("--type"), QString::number(type),
                               QStringLiteral("--id"), QString::number(id)} +
                   extra);
    }
    qint64 Deliveries() { return Count(Db(), QStringLiteral("select count(*) from sale")); }

    int ClientId = 0, DeptId = 0, SalemanId = 0, WareId = 0;
};
MQ_BOTH_ENGINES(CliDemo);

TEST_P(CliDemo, SmallDemoHoldsEveryKindOfData)
{
    for (const char* table : {"Client", "ware", "wareclass", "districts", "employee", "departments", "warehouse",
                              "unit", "fn_bank", "shouldin_item", "outlay_item", "slquotfrm", "slorderfrm", "sale"})
        EXPECT_GT(Count(Db(), QStringLiteral("select count(*) from %1").arg(QString::fromLatin1(table))), 0) << table;
    // Goods classes three levels deep; districts are provinces with their cities.
    EXPECT_GT(Count(Db(), QStringLiteral("select count(*) from wareclass c where exists (select 1 from wareclass p "
                                         "where p.SlfId=c.PrtId and p.PrtId>0)")),
              0);
    EXPECT_GT(Count(Db(), QStringLiteral("select count(*) from districts where PrtId>0")), 0);
    // Checked and unchecked documents, deliveries made from orders, a return.
    EXPECT_GT(Count(Db(), QStringLiteral("select count(*) from sale where CheckTime is not null")), 0);
    EXPECT_GT(Count(Db(), QStringLiteral("select count(*) from sale where CheckTime is null")), 0);
    EXPECT_GT(Count(Db(), QStringLiteral("select count(*) from saledl where OrdlId is not null")), 0);
    EXPECT_GT(Count(Db(), QStringLiteral("select count(*) from sale where TypeId=2")), 0);
    // Every delivery total is its lines less the discount plus freight.
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from sale m where abs(m.TotalFund - (select sum(Fund) from saledl "
                                         "d where d.MastId=m.Id) + m.DiscountFund - m.Transcosts) > 0.005")),
              0);

    const TCliRun clients = Ctl({QStringLiteral("list"), QStringLiteral("clients")});
    ASSERT_EQ(clients.ExitCode, 0) << clients.Err.toStdString();
    const QStringList rows = clients.Lines();
    ASSERT_EQ(rows.size(), 1 + Count(Db(), QStringLiteral("select count(*) from Client")));
    EXPECT_TRUE(rows.first().startsWith(QStringLiteral("Id,"))) << rows.first().toStdString();
    EXPECT_TRUE(clients.Out.contains(QStringLiteral("有限"))) << clients.Out.toStdString();

    for (const char* list : {"goods", "employees", "departments", "warehouses", "units", "banks", "shouldin-items", "outlay-items"}) {
        const TCliRun r = Ctl({QStringLiteral("list"), QString::fromLatin1(list)});
        EXPECT_EQ(r.ExitCode, 0) << list << r.Err.toStdString();
        EXPECT_GT(r.Lines().size(), 1) << list;
    }
}

TEST_P(CliDemo, DeliveryEnteredComputedAndChecked)
{
    const TCliRun made = NewBill(10, Delivery(3, 12.5, 0.9));
    ASSERT_EQ(made.ExitCode, 0) << made.Err.toStdString();
    const QJsonObject sale = made.Json();
    const int id = sale.value(QStringLiteral("Id")).toInt();
    ASSERT_GT(id, 0);
    EXPECT_TRUE(sale.value(QStringLiteral("Code")).toString().startsWith(QStringLiteral("CG")));
    EXPECT_EQ(sale.value(QStringLiteral("Billman")).toString(), QStringLiteral("sa"));
    EXPECT_EQ(sale.value(QStringLiteral("BizDate")).toString(), QStringLiteral("2025-03-10"));
    const QJsonObject line = sale.value(QStringLiteral("Lines")).toArray().first().toObject();
    EXPECT_GT(line.value(QStringLiteral("dlId")).toInt(), 0);
    EXPECT_DOUBLE_EQ(line.value(QStringLiteral("Fund")).toDouble(), 33.75);  // 3 × 12.5 × 0.9
    EXPECT_DOUBLE_EQ(sale.value(QStringLiteral("TotalFund")).toDouble(), 33.75);
    EXPECT_TRUE(sale.value(QStringLiteral("CheckTime")).isNull());

    const TCliRun checked = BillAction(QStringLiteral("check"), 10, id);
    ASSERT_EQ(checked.ExitCode, 0) << checked.Err.toStdString();
    EXPECT_EQ(checked.Json().value(QStringLiteral("Checkman")).toString(), QStringLiteral("sa"));
    EXPECT_FALSE(checked.Json().value(QStringLiteral("CheckTime")).isNull());

    const TCliRun shown = BillAction(QStringLiteral("show"), 10, id);
    ASSERT_EQ(shown.ExitCode, 0) << shown.Err.toStdString();
    EXPECT_EQ(shown.Json().value(QStringLiteral("Code")), sale.value(QStringLiteral("Code")));

    // Without amounts the window's defaults apply: the goods item's price, full price.
    QJsonObject plain = Delivery(2, 0, 1);
    plain[QStringLiteral("Lines")] = QJsonArray{QJsonObject{{"WareId", WareId}, {"Qty", 2}}};
    const TCliRun defaulted = NewBill(10, plain);
    ASSERT_EQ(defaulted.ExitCode, 0) << defaulted.Err.toStdString();
    const double price = Count(Db(), QStringLiteral("select round(SalePrice1*100) from ware where Id=%1").arg(WareId)) / 100.0;
    EXPECT_NEAR(defaulted.Json().value(QStringLiteral("TotalFund")).toDouble(), 2 * price, 0.005);
}

// The road of a delivery and its receipt, through to the receivables of the client.
TEST_P(CliDemo, DeliveryAndReceiptShowInTheReceivables)
{
    Db().Execute(QStringLiteral("insert into Client (Id, Name) values (900, '测试客户')"));
    const int bank = FirstId(Db(), QStringLiteral("select min(Id) from fn_bank"));
    QJsonObject doc = Delivery(3, 12.5, 0.9);
    doc[QStringLiteral("ClientId")] = 900;
    doc[QStringLiteral("BizDate")] = QStringLiteral("2031-03-10");
    doc[QStringLiteral("Transcosts")] = 10;
    QJsonArray lines = doc[QStringLiteral("Lines")].toArray();
    lines.append(QJsonObject{{"WareId", WareId}, {"Qty", 2}, {"Price", 100}});
    doc[QStringLiteral("Lines")] = lines;
    const TCliRun first = NewBill(10, doc);
    ASSERT_EQ(first.ExitCode, 0) << first.Err.toStdString();
    const QJsonObject sale = first.Json();
    EXPECT_DOUBLE_EQ(sale.value(QStringLiteral("TotalFund")).toDouble(), 243.75);  // 33.75 + 200 + 10
    ASSERT_EQ(BillAction(QStringLiteral("check"), 10, sale.value(QStringLiteral("Id")).toInt()).ExitCode, 0);

    QJsonObject second = Delivery(1, 100, 1);
    second[QStringLiteral("ClientId")] = 900;
    second[QStringLiteral("BizDate")] = QStringLiteral("2031-03-25");
    const TCliRun other = NewBill(10, second);
    ASSERT_EQ(other.ExitCode, 0) << other.Err.toStdString();

    // Part of the first delivery paid with a discount; the second settled in full by default.
    const QJsonObject receipt{{"ClientId", 900},    {"BizDate", "2031-03-20"}, {"BankId", bank}, {"HandmanId", SalemanId},
                              {"DeptId", DeptId},   {"Lines", QJsonArray{QJsonObject{{"SaleId", sale.value(QStringLiteral("Id"))},
                                                                                      {"dlPayFund", 200},
                                                                                      {"dlDisFund", 3.75}}}}};
    const TCliRun paid = NewBill(11, receipt);
    ASSERT_EQ(paid.ExitCode, 0) << paid.Err.toStdString();
    EXPECT_TRUE(paid.Json().value(QStringLiteral("Code")).toString().startsWith(QStringLiteral("FK")));
    EXPECT_DOUBLE_EQ(paid.Json().value(QStringLiteral("PayFund")).toDouble(), 200);
    EXPECT_DOUBLE_EQ(paid.Json().value(QStringLiteral("DisFund")).toDouble(), 3.75);
    QJsonObject rest = receipt;
    rest[QStringLiteral("BizDate")] = QStringLiteral("2031-03-28");
    rest[QStringLiteral("Lines")] = QJsonArray{QJsonObject{{"SaleId", other.Json().value(QStringLiteral("Id"))}}};
    const TCliRun settled = NewBill(11, rest);
    ASSERT_EQ(settled.ExitCode, 0) << settled.Err.toStdString();
    EXPECT_DOUBLE_EQ(settled.Json().value(QStringLiteral("PayFund")).toDouble(), 100);

    const QStringList march{QStringLiteral("--from"), QStringLiteral("2031-03-01"), QStringLiteral("--to"), QStringLiteral("2031-03-31"),
                            QStringLiteral("--client"), QStringLiteral("900")};
    const TCliRun summary = Ctl(QStringList{QStringLiteral("report"), QStringLiteral("receivable-summary")} + march);
    ASSERT_EQ(summary.ExitCode, 0) << summary.Err.toStdString();
    const auto rows = ParseCsv(summary.Out);
    ASSERT_EQ(rows.size(), 1) << summary.Out.toStdString();
    EXPECT_EQ(rows[0][QStringLiteral("ClientName")], QStringLiteral("测试客户"));
    EXPECT_EQ(rows[0][QStringLiteral("ShldinFund1")], QStringLiteral("343.75"));
    EXPECT_EQ(rows[0][QStringLiteral("PayFund1")], QStringLiteral("303.75"));
    EXPECT_EQ(rows[0][QStringLiteral("UinvFund1")], QStringLiteral("333.75"));  // the lines, not the freight
    EXPECT_EQ(rows[0][QStringLiteral("ShldinFundA")], QString());
    EXPECT_EQ(rows[0][QStringLiteral("BalanceFund")], QStringLiteral("40.00"));

    const TCliRun statement = Ctl(QStringList{QStringLiteral("report"), QStringLiteral("statement")} + march);
    ASSERT_EQ(statement.ExitCode, 0) << statement.Err.toStdString();
    const auto book = ParseCsv(statement.Out);
    const QList<QStringList> expected{{"结存", "", "", "0.00"},      {"销售", "243.75", "", "243.75"}, {"收款", "", "200.00", "43.75"},
                                      {"折扣", "", "3.75", "40.00"}, {"销售", "100.00", "", "140.00"}, {"收款", "", "100.00", "40.00"}};
    ASSERT_EQ(book.size(), expected.size()) << statement.Out.toStdString();
    for (int i = 0; i < book.size(); ++i) {
        EXPECT_EQ(book[i][QStringLiteral("Brief")].trimmed(), expected[i][0]) << i;
        EXPECT_EQ(book[i][QStringLiteral("InFund")], expected[i][1]) << i;
        EXPECT_EQ(book[i][QStringLiteral("OutFund")], expected[i][2]) << i;
        EXPECT_EQ(book[i][QStringLiteral("BalanceFund")], expected[i][3]) << i;
    }

    const TCliRun gathering = Ctl({QStringLiteral("report"), QStringLiteral("sale-gathering"), QStringLiteral("--client"), QStringLiteral("900")});
    ASSERT_EQ(gathering.ExitCode, 0) << gathering.Err.toStdString();
    const auto open = ParseCsv(gathering.Out);
    ASSERT_EQ(open.size(), 2);
    EXPECT_EQ(open[0][QStringLiteral("BalanceFund")].toDouble(), 40.0);
    EXPECT_EQ(open[1][QStringLiteral("BalanceFund")].toDouble(), 0.0);

    // A receipt line for a delivery of another client is refused.
    QJsonObject foreign = receipt;
    foreign[QStringLiteral("Lines")] = QJsonArray{QJsonObject{{"SaleId", FirstId(Db(), QStringLiteral("select min(Id) from sale"))}}};
    const qint64 receipts = Count(Db(), QStringLiteral("select count(*) from receipt"));
    ExpectOneLineError(NewBill(11, foreign), QStringLiteral("不是该客户的单据"));
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from receipt")), receipts);
}

TEST_P(CliDemo, EveryReportAndDocumentTypeRuns)
{
    const QString client = QString::number(ClientId);
    const QList<QStringList> reports{
        {"sale-details"}, {"sale-gathering"}, {"order-progress"}, {"order-summary"}, {"quot-details"},
        {"sales-summary", "--by", "district", "--period", "quarter"}, {"sales-summary", "--by", "wareclass"},
        {"profit", "--by", "client"}, {"receivable-summary"}, {"statement", "--client", client},
        {"ledger", "--client", client}, {"outlay"}};
    for (const QStringList& r : reports) {
        const TCliRun run = Ctl(QStringList{QStringLiteral("report")} + r);
        EXPECT_EQ(run.ExitCode, 0) << r.join(u' ').toStdString() << run.Err.toStdString();
        EXPECT_GE(run.Lines().size(), 2) << r.join(u' ').toStdString() << run.Out.toStdString();
    }
    // The chosen period's columns only.
    const QString quarters = Ctl({QStringLiteral("report"), QStringLiteral("sales-summary"), QStringLiteral("--period"),
                                  QStringLiteral("quarter")}).Lines().value(0);
    EXPECT_TRUE(quarters.contains(QStringLiteral("SprFund"))) << quarters.toStdString();
    EXPECT_FALSE(quarters.contains(QStringLiteral("JanFund"))) << quarters.toStdString();

    for (const auto& [type, table] : QList<QPair<int, QString>>{{9, "slorderfrm"}, {11, "receipt"}, {12, "shouldin"},
                                                               {14, "slquotfrm"}, {15, "slinvfrm"}, {16, "outlay"}}) {
        const TCliRun shown = BillAction(QStringLiteral("show"), type, FirstId(Db(), QStringLiteral("select min(Id) from %1").arg(table)));
        EXPECT_EQ(shown.ExitCode, 0) << type << shown.Err.toStdString();
        EXPECT_FALSE(shown.Json().value(QStringLiteral("Code")).toString().isEmpty()) << type;
    }
}

TEST_P(CliDemo, BadInputChangesNothing)
{
    const qint64 before = Deliveries();
    ExpectOneLineError(Ctl({QStringLiteral("bill"), QStringLiteral("new"), QStringLiteral("--type"), QStringLiteral("10")},
                           "{\"ClientId\": 1, \"Lines\": ["),
                       QStringLiteral("JSON 格式错误"));

    QJsonObject unknownClient = Delivery(1, 10, 1);
    unknownClient[QStringLiteral("ClientId")] = 99999;
    ExpectOneLineError(NewBill(10, unknownClient), QStringLiteral("客户不存在: 99999"));

    QJsonObject unknownField = Delivery(1, 10, 1);
    unknownField[QStringLiteral("Clientid")] = ClientId;
    ExpectOneLineError(NewBill(10, unknownField), QStringLiteral("未知的字段: Clientid"));

    QJsonObject noLines = Delivery(1, 10, 1);
    noLines[QStringLiteral("Lines")] = QJsonArray();
    ExpectOneLineError(NewBill(10, noLines), QStringLiteral("明细不能为空"));

    QJsonObject noClient = Delivery(1, 10, 1);
    noClient.remove(QStringLiteral("ClientId"));
    noClient.remove(QStringLiteral("DeptId"));
    ExpectOneLineError(NewBill(10, noClient), QStringLiteral("必须填写以下项目: 客户, 部门"));

    ExpectOneLineError(NewBill(10, Delivery(1, 10, 1), {QStringLiteral("--password"), QStringLiteral("wrong")}),
                       QStringLiteral("用户名或密码错误"));
    EXPECT_EQ(Deliveries(), before);

    // A checked delivery cannot be deleted; an unchecked one can, by its maker.
    const int checkedId = FirstId(Db(), QStringLiteral("select min(Id) from sale where CheckTime is not null"));
    ExpectOneLineError(BillAction(QStringLiteral("delete"), 10, checkedId, {QStringLiteral("--user"), QStringLiteral("wangjing"),
                                                                             QStringLiteral("--password"), QStringLiteral("demo")}),
                       QStringLiteral("审核,不允许删除"));
    const TCliRun made = NewBill(10, Delivery(1, 10, 1));
    ASSERT_EQ(made.ExitCode, 0) << made.Err.toStdString();
    const int id = made.Json().value(QStringLiteral("Id")).toInt();
    ASSERT_EQ(BillAction(QStringLiteral("check"), 10, id).ExitCode, 0);
    ExpectOneLineError(BillAction(QStringLiteral("delete"), 10, id), QStringLiteral("审核"));
    EXPECT_EQ(Deliveries(), before + 1);
    ExpectOneLineError(BillAction(QStringLiteral("check"), 10, id), QStringLiteral("已经审核"));
    ASSERT_EQ(BillAction(QStringLiteral("uncheck"), 10, id).ExitCode, 0);
    EXPECT_EQ(BillAction(QStringLiteral("delete"), 10, id).ExitCode, 0);
    EXPECT_EQ(Deliveries(), before);
    ExpectOneLineError(BillAction(QStringLiteral("show"), 10, id), QStringLiteral("找不到单据"));
}

TEST_P(CliDemo, RightsAreThoseOfTheWindows)
{
    // The sales clerk of the demo enters deliveries but may neither check them nor change prices.
    const QStringList clerk{QStringLiteral("--user"), QStringLiteral("wangjing"), QStringLiteral("--password"),
                            QStringLiteral("demo")};
    const qint64 before = Deliveries();
    const double price = Count(Db(), QStringLiteral("select round(SalePrice1*100) from ware where Id=%1").arg(WareId)) / 100.0;
    ExpectOneLineError(NewBill(10, Delivery(1, price + 1, 1), clerk), QStringLiteral("权限"));
    ExpectOneLineError(NewBill(10, Delivery(1, price + 1, 1), clerk), QStringLiteral("(68)"));
    EXPECT_EQ(Deliveries(), before);
    const TCliRun made = NewBill(10, Delivery(1, price, 1), clerk);
    ASSERT_EQ(made.ExitCode, 0) << made.Err.toStdString();
    const int id = made.Json().value(QStringLiteral("Id")).toInt();
    ExpectOneLineError(BillAction(QStringLiteral("check"), 10, id, clerk), QStringLiteral("(17)"));
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from sale where Id=%1 and CheckTime is null").arg(id)), 1);

    // An operator without any right cannot open the delivery window or the goods list.
    ROperator none;
    none.LoginId = QStringLiteral("guest");
    none.Password = QStringLiteral("pw");
    ASSERT_TRUE(TOperatorSet::SaveOperator(none));
    const QStringList guest{QStringLiteral("--user"), QStringLiteral("guest"), QStringLiteral("--password"), QStringLiteral("pw")};
    ExpectOneLineError(NewBill(10, Delivery(1, price, 1), guest), QStringLiteral("(16)"));
    ExpectOneLineError(Ctl(QStringList{QStringLiteral("list"), QStringLiteral("goods")} + guest), QStringLiteral("(1014)"));
    ExpectOneLineError(Ctl(QStringList{QStringLiteral("report"), QStringLiteral("receivable-summary")} + guest),
                       QStringLiteral("(29)"));
    EXPECT_EQ(Deliveries(), before + 1);
}

TEST(CliDemoData, SameSeedSameData)
{
    QTemporaryDir dir;
    auto lists = [&](const QString& name, const QString& seed) {
        const QString file = dir.filePath(name);
        const TCliRun init = RunCli({QStringLiteral("--db"), file, QStringLiteral("init"), QStringLiteral("--demo"),
                                     QStringLiteral("small"), QStringLiteral("--seed"), seed});
        EXPECT_EQ(init.ExitCode, 0) << init.Err.toStdString();
        QString all;
        for (const char* list : {"clients", "goods", "employees"})
            all += RunCli({QStringLiteral("--db"), file, QStringLiteral("list"), QString::fromLatin1(list)}).Out;
        return all;
    };
    const QString a = lists(QStringLiteral("a.db"), QStringLiteral("7"));
    EXPECT_FALSE(a.isEmpty());
    EXPECT_EQ(a, lists(QStringLiteral("b.db"), QStringLiteral("7")));
    EXPECT_NE(a, lists(QStringLiteral("c.db"), QStringLiteral("8")));

    // Demo data goes only into a database without business data.
    const TCliRun again = RunCli({QStringLiteral("--db"), dir.filePath(QStringLiteral("a.db")), QStringLiteral("init"),
                                  QStringLiteral("--demo"), QStringLiteral("small")});
    EXPECT_EQ(again.ExitCode, 1);
    EXPECT_TRUE(again.Err.contains(QStringLiteral("已有业务资料"))) << again.Err.toStdString();
}

TEST(CliUse, UnknownCommandsOptionsAndValues)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("x.db"));
    ASSERT_EQ(RunCli({QStringLiteral("--db"), file, QStringLiteral("init")}).ExitCode, 0);
    const QList<QPair<QStringList, QString>> cases{
        {{QStringLiteral("report-all")}, QStringLiteral("未知的命令")},
        {{QStringLiteral("--verbose"), QStringLiteral("list"), QStringLiteral("goods")}, QStringLiteral("未知的选项")},
        {{QStringLiteral("list"), QStringLiteral("suppliers")}, QStringLiteral("未知的列表")},
        {{QStringLiteral("bill"), QStringLiteral("show"), QStringLiteral("--type"), QStringLiteral("3"), QStringLiteral("--id"),
          QStringLiteral("1")},
         QStringLiteral("不支持的单据类型")},
        {{QStringLiteral("bill"), QStringLiteral("show"), QStringLiteral("--type"), QStringLiteral("10")}, QStringLiteral("--id")},
        {{QStringLiteral("bill"), QStringLiteral("print"), QStringLiteral("--type"), QStringLiteral("10")}, QStringLiteral("未知的 bill 动作")},
        {{QStringLiteral("init"), QStringLiteral("--demo"), QStringLiteral("huge")}, QStringLiteral("small 或 large")},
        {{QStringLiteral("report"), QStringLiteral("turnover")}, QStringLiteral("未知的报表")},
        {{QStringLiteral("report"), QStringLiteral("statement")}, QStringLiteral("需要 --client")},
        {{QStringLiteral("report"), QStringLiteral("outlay"), QStringLiteral("--ware"), QStringLiteral("1")}, QStringLiteral("不接受选项")},
        {{QStringLiteral("report"), QStringLiteral("sale-details"), QStringLiteral("--from"), QStringLiteral("2024-13-01")},
         QStringLiteral("yyyy-mm-dd")},
    };
    for (const auto& [args, message] : cases) {
        const TCliRun r = RunCli(QStringList{QStringLiteral("--db"), file} + args);
        EXPECT_EQ(r.ExitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.Out.isEmpty());
        EXPECT_EQ(r.Err.count(u'\n'), 1) << r.Err.toStdString();
        EXPECT_TRUE(r.Err.contains(message)) << r.Err.toStdString();
    }
    const TCliRun help = RunCli({QStringLiteral("--help")});
    for (const char* text : {"bill", "list", "report", "--demo", "--user", "--password", "receivable-summary"})
        EXPECT_TRUE(help.Out.contains(QString::fromLatin1(text))) << text;
    for (const char* absent : {"import", "backup", "restore"}) EXPECT_FALSE(help.Out.contains(QString::fromLatin1(absent))) << absent;
}
