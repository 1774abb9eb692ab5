#include "Keys.h"
#include "SchemaFixture.h"

#include <QSet>
#include <QSqlQuery>
#include <atomic>
#include <thread>

namespace {

void InsertSale(TDatabase& db, int id, const QString& code)
{
    db.Execute(QStringLiteral("insert into sale(Id, Code) values (:Id, :Code)"),
               {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("Code"), code)});
}

QDateTime At(int year, int month, int day) { return QDateTime(QDate(year, month, day), QTime(10, 30)); }

}  // namespace

TEST(Keys, NextCodeNumberFollowsTheNumericMaximum)
{
    struct Case {
        QStringList Codes;
        int Expected;
    };
    const QString head = QStringLiteral("CG1301");
    const Case cases[] = {
        {{}, 1},
        {{QStringLiteral("CG13010001"), QStringLiteral("CG13010002")}, 3},
        // text order would take CG13019999 as the largest
        {{QStringLiteral("CG13019999"), QStringLiteral("CG130110000")}, 10001},
        // other months, other prefixes and codes typed by hand do not count
        {{QStringLiteral("CG13020007"), QStringLiteral("CG1301A001"), QStringLiteral("CG1301"), QStringLiteral("CD13010005"),
          QStringLiteral("CG13010004")},
         5},
    };
    for (const Case& c : cases) EXPECT_EQ(TKeys::NextCodeNumber(c.Codes, head), c.Expected) << c.Codes.join(u',').toStdString();
    EXPECT_EQ(TKeys::FormatCode(head, 7), QStringLiteral("CG13010007"));
    EXPECT_EQ(TKeys::FormatCode(head, 10000), QStringLiteral("CG130110000"));
}

class Keys : public SchemaTest {
protected:
    TFixedClock Clock{At(2013, 1, 15)};
};
MQ_BOTH_ENGINES(Keys);

TEST_P(Keys, NewIdsStartAtOneAndFollowTheMaximum)
{
    EXPECT_EQ(NewId(QStringLiteral("unit")), 1);
    EXPECT_EQ(NewDlId(QStringLiteral("saledl")), 1);
    Db().Execute(QStringLiteral("insert into unit(Id, Name) values (5, '箱')"));
    EXPECT_EQ(NewId(QStringLiteral("unit")), 6);
    EXPECT_THROW(NewId(QStringLiteral("unit; delete from unit")), EMqError);
}

TEST_P(Keys, CodesCountPerTableAndMonth)
{
    TTransaction t(Db());
    const QString first = NewCode(QStringLiteral("CG"), QStringLiteral("sale"));
    EXPECT_EQ(first, QStringLiteral("CG13010001"));
    InsertSale(Db(), 1, first);
    EXPECT_EQ(NewCode(QStringLiteral("CG"), QStringLiteral("sale")), QStringLiteral("CG13010002"));
    // quotations and orders share a prefix but count apart
    EXPECT_EQ(NewCode(QStringLiteral("CD"), QStringLiteral("slquotfrm")), QStringLiteral("CD13010001"));
    Db().Execute(QStringLiteral("insert into slorderfrm(Id, Code) values (1, 'CD13010001')"));
    EXPECT_EQ(NewCode(QStringLiteral("CD"), QStringLiteral("slquotfrm")), QStringLiteral("CD13010001"));
    EXPECT_EQ(NewCode(QStringLiteral("CD"), QStringLiteral("slorderfrm")), QStringLiteral("CD13010002"));

    Clock.Time = At(2013, 2, 1);
    EXPECT_EQ(NewCode(QStringLiteral("CG"), QStringLiteral("sale")), QStringLiteral("CG13020001"));
    Clock.Time = At(2013, 12, 31);
    InsertSale(Db(), 2, QStringLiteral("CG13129999"));
    EXPECT_EQ(NewCode(QStringLiteral("CG"), QStringLiteral("sale")), QStringLiteral("CG131210000"));
    t.Commit();
}

TEST_P(Keys, CodesKeepCountingPastTheFourDigits)
{
    TTransaction t(Db());
    InsertSale(Db(), 1, QStringLiteral("CG13019998"));
    InsertSale(Db(), 2, QStringLiteral("CG13019999"));
    const QString tenThousandth = NewCode(QStringLiteral("CG"), QStringLiteral("sale"));
    EXPECT_EQ(tenThousandth, QStringLiteral("CG130110000"));
    InsertSale(Db(), 3, tenThousandth);
    EXPECT_EQ(NewCode(QStringLiteral("CG"), QStringLiteral("sale")), QStringLiteral("CG130110001"));
    t.Commit();
}

// Workstations saving at the same moment: each allocates an Id and a code and inserts the
// document in one transaction. Every save must succeed and every Id and code be distinct.
TEST_P(Keys, TwoWorkstationsSavingAtOnceNeverShareAnIdOrCode)
{
    constexpr int kPerWorkstation = 200;
    const QString connection = ConnectionString();
    std::atomic<int> failures{0};
    std::atomic<bool> go{false};
    QStringList errors[2];
    auto workstation = [&](int index) {
        TDatabase db;
        if (!db.Connect(connection)) {
            ++failures;
            return;
        }
        SetThreadDatabase(&db);
        while (!go) std::this_thread::yield();
        for (int i = 0; i < kPerWorkstation; ++i) {
            try {
                TTransaction t(db);
                const int id = NewId(QStringLiteral("sale"));
                const QString code = NewCode(QStringLiteral("CG"), QStringLiteral("sale"));
                db.Execute(QStringLiteral("insert into sale(Id, Code, Billman) values (:Id, :Code, :Billman)"),
                           {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("Code"), code),
                            DBParam(QStringLiteral("Billman"), QStringLiteral("op%1").arg(index))});
                t.Commit();
            } catch (const EDatabaseError& e) {
                ++failures;
                errors[index] << e.Message();
            }
        }
        SetThreadDatabase(nullptr);
    };
    std::thread a(workstation, 0);
    std::thread b(workstation, 1);
    go = true;
    a.join();
    b.join();

    EXPECT_EQ(failures, 0) << (errors[0] + errors[1]).join(u'\n').left(2000).toStdString();
    QSqlQuery q = Db().Select(QStringLiteral("select Id, Code from sale"), {});
    QSet<int> ids;
    QSet<QString> codes;
    int rows = 0;
    while (q.next()) {
        ++rows;
        ids.insert(q.value(0).toInt());
        codes.insert(q.value(1).toString());
    }
    EXPECT_EQ(rows, 2 * kPerWorkstation);
    EXPECT_EQ(ids.size(), 2 * kPerWorkstation);
    EXPECT_EQ(codes.size(), 2 * kPerWorkstation);
    EXPECT_TRUE(codes.contains(QStringLiteral("CG13010400")));
}
