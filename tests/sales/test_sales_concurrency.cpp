// Two workstations saving at the same moment, each on its own connection.
#include "SalesFixture.h"

#include <QSet>
#include <thread>

namespace {

class SalesConcurrencyTest : public SalesTest {
protected:
    // Runs work on a connection of its own in another thread; returns the error it met, if any.
    std::thread Workstation(const std::function<void()>& work, QString& error)
    {
        const QString connection = ConnectionString();
        return std::thread([connection, work, &error] {
            TDatabase db;
            if (!db.Connect(connection)) {
                error = db.LastConnectError();
                return;
            }
            SetThreadDatabase(&db);
            try {
                work();
            } catch (const EDatabaseError& e) {
                error = e.Message();
            } catch (const std::exception& e) {
                error = QString::fromUtf8(e.what());
            }
            SetThreadDatabase(nullptr);
        });
    }
};

}  // namespace

TEST_P(SalesConcurrencyTest, NewDocumentsGetDistinctIdsCodesAndLineKeys)
{
    constexpr int perStation = 15;
    QList<RSale> saved[2];
    QString errors[2];
    std::vector<std::thread> stations;
    for (int w = 0; w < 2; ++w) {
        stations.push_back(Workstation(
            [w, &saved] {
                for (int i = 0; i < perStation; ++i) {
                    RSale s = NewSale(3);
                    s.Note = QStringLiteral("%1-%2").arg(w).arg(i);
                    QString message;
                    if (!TSaleBill::Save(s, message)) throw EMqError(QStringLiteral("save refused: ") + message);
                    saved[w] << s;
                }
            },
            errors[w]));
    }
    for (std::thread& t : stations) t.join();
    ASSERT_TRUE(errors[0].isEmpty()) << errors[0].toStdString();
    ASSERT_TRUE(errors[1].isEmpty()) << errors[1].toStdString();

    EXPECT_EQ(Count(QStringLiteral("select count(*) from sale")), 2 * perStation);
    EXPECT_EQ(Count(QStringLiteral("select count(distinct Code) from sale")), 2 * perStation);
    EXPECT_EQ(Count(QStringLiteral("select count(*) from saledl")), 6 * perStation);
    QSet<int> ids, lineIds;
    QSet<QString> codes;
    for (const QList<RSale>& station : saved) {
        for (const RSale& s : station) {
            ids.insert(s.Id);
            codes.insert(s.Code);
            // What each workstation was told is what the database holds.
            EXPECT_EQ(Scalar(QStringLiteral("select [Note] from sale where Id=%1").arg(s.Id)).toString(), s.Note);
            EXPECT_EQ(StoredLineIds(s.Id), LineIds(s.Lines));
            for (int id : LineIds(s.Lines)) lineIds.insert(id);
        }
    }
    EXPECT_EQ(ids.size(), 2 * perStation);
    EXPECT_EQ(codes.size(), 2 * perStation);
    EXPECT_EQ(lineIds.size(), 6 * perStation);
    EXPECT_EQ(*std::max_element(codes.begin(), codes.end()), QStringLiteral("CG1301%1").arg(2 * perStation, 4, 10, QChar(u'0')));
}

TEST_P(SalesConcurrencyTest, SavesOfOneDocumentFollowEachOtherWhole)
{
    const RSale original = Saved(NewSale(2));
    constexpr int rounds = 8;
    QString errors[2];
    int refused[2] = {0, 0};
    std::vector<std::thread> stations;
    for (int w = 0; w < 2; ++w) {
        stations.push_back(Workstation(
            [w, &original, &refused] {
                for (int i = 0; i < rounds; ++i) {
                    RSale s = original;
                    s.Note = QStringLiteral("工作站%1").arg(w);
                    s.Lines.clear();  // every save replaces all lines with its own
                    for (int n = 0; n <= w + 1; ++n) s.Lines << SaleLine(1, 100 * (w + 1) + n, 1);
                    QString message;
                    if (!TSaleBill::Save(s, message)) ++refused[w];
                }
            },
            errors[w]));
    }
    for (std::thread& t : stations) t.join();
    ASSERT_TRUE(errors[0].isEmpty()) << errors[0].toStdString();
    ASSERT_TRUE(errors[1].isEmpty()) << errors[1].toStdString();
    EXPECT_EQ(refused[0], 0);
    EXPECT_EQ(refused[1], 0);

    // The document is one workstation's version, whole: its note and exactly its lines.
    const QString note = Scalar(QStringLiteral("select [Note] from sale where Id=%1").arg(original.Id)).toString();
    const int w = note == QStringLiteral("工作站0") ? 0 : 1;
    ASSERT_EQ(note, QStringLiteral("工作站%1").arg(w));
    QStringList expected;
    for (int n = 0; n <= w + 1; ++n) expected << QString::number(100 * (w + 1) + n);
    EXPECT_EQ(Column(QStringLiteral("select Qty from saledl where MastId=%1 order by Qty").arg(original.Id)), expected);
    EXPECT_EQ(Count(QStringLiteral("select count(*) from saledl")), w + 2);
}

MQ_BOTH_ENGINES(SalesConcurrencyTest);
