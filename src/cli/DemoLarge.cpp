// The documents of the large demo: ten years of quotations, orders, deliveries (some made
// from orders, some returns), receipts settling the deliveries, invoices over delivery lines,
// other receivables and expenses. Amounts are computed as the entry windows compute them; the
// rows go in with multi-row inserts, Ids and codes counted as the system counts them (codes by
// the month of the business date).
#include "Database.h"
#include "DemoRandom.h"
#include "DemoWriter.h"
#include "Numbers.h"

#include <QHash>
#include <algorithm>
#include <map>

namespace {

using B = TBulkInsert;

double Round2(double v) { return Numbers::RoundTo(v, 2); }

struct TLine {
    int Ware = 0;  // index into the goods
    double Qty = 0;
    double Price = 0;
    double Discount = 1;
    double Fund = 0;
    int OrdlId = 0;  // delivery lines: the order line delivered
    int dlId = 0;
};

struct TDoc {
    QDate Date;
    int Client = 0;  // index
    int TypeId = 1;
    QList<TLine> Lines;
    double DiscountFund = 0;
    double Transcosts = 0;
    double Total = 0;
    QString Conveyancer;
    QString Note;
    QDate TimeLimit;
    int Id = 0;
    QString Code;
    int Order = -1;  // deliveries made from an order: its index
};

// Codes as the system numbers them: prefix, "yymm" and a running number per table and month.
class TCodes {
public:
    explicit TCodes(const QString& prefix) : m_prefix(prefix) {}
    QString Next(const QDate& date)
    {
        const QString head = m_prefix + date.toString(QStringLiteral("yyMM"));
        const int n = ++m_numbers[head];
        return head + QStringLiteral("%1").arg(n, 4, 10, QChar(u'0'));
    }

private:
    QString m_prefix;
    QHash<QString, int> m_numbers;
};

class TLargeDocs {
public:
    TLargeDocs(TDatabase& db, const TDemoMasters& m, const TDemoIds& ids, quint32 seed, const QDate& end,
               const TDemoProgress& progress)
        : m_db(db), m_m(m), m_ids(ids), m_random(seed ^ 0x5A5A1234u), m_end(end), m_from(end.addYears(-10).addDays(1)),
          m_progress(progress)
    {
        double sum = 0;
        for (const TDemoClient& c : m.Clients) m_cumulative.append(sum += c.Weight);
    }

    void Run()
    {
        makeQuotations(15000);
        makeOrders(20000);
        makeDeliveries(100000, 500000);
        writeQuotations();
        writeOrders();
        writeDeliveries();
        writeReceipts();
        writeInvoices();
        writeOtherReceivables(3000);
        writeExpenses(12000);
    }

private:
    void progress(const QString& stage, qint64 done, qint64 total)
    {
        if (m_progress) m_progress(stage, done, total);
    }

    int pickClient()
    {
        const double r = m_random.Real() * m_cumulative.last();
        return int(std::lower_bound(m_cumulative.begin(), m_cumulative.end(), r) - m_cumulative.begin());
    }

    // A business day of the client, later years busier; Sundays move to Saturday.
    QDate pickDate(int client, int maxLagDays = 0)
    {
        const QDate since = m_m.Clients.at(client).Since;
        const qint64 span = since.daysTo(m_end.addDays(-maxLagDays));
        QDate d = since.addDays(qint64(std::sqrt(m_random.Real()) * double(qMax<qint64>(span, 0))));
        if (d.dayOfWeek() == 7) d = d.addDays(-1);
        return d < m_from ? m_from : d;
    }

    int pickWare(int client)
    {
        const TDemoClient& c = m_m.Clients.at(client);
        const auto range = m_m.TopWares.at(c.Tops.at(m_random.Int(0, int(c.Tops.size()) - 1)));
        return range.first + m_random.Skewed(range.second, 1.8);
    }

    double pickQty(int ware)
    {
        const double cost = m_m.Wares.at(ware).Rec.CostPrice.value_or(1);
        if (cost > 500) return m_random.Int(1, 3);
        if (cost > 100) return m_random.Int(1, 10);
        if (cost > 20) return m_random.Int(1, 30);
        return m_random.Int(1, 20) * 5;
    }

    double pickPrice(int ware)
    {
        const RWare& w = m_m.Wares.at(ware).Rec;
        const double r = m_random.Real();
        return r < 0.7 ? *w.SalePrice1 : r < 0.9 ? *w.SalePrice2 : *w.SalePrice3;
    }

    double pickDiscount()
    {
        const double r = m_random.Real();
        return r < 0.8 ? 1.0 : r < 0.9 ? 0.95 : r < 0.95 ? 0.98 : 0.9;
    }

    // Lines of distinct goods.
    QList<TLine> pickLines(int client, int count, bool discounts)
    {
        QList<TLine> lines;
        QList<int> used;
        for (int tries = 0; lines.size() < count && tries < count * 4; ++tries) {
            const int w = pickWare(client);
            if (used.contains(w)) continue;
            used.append(w);
            TLine l;
            l.Ware = w;
            l.Qty = pickQty(w);
            l.Price = pickPrice(w);
            l.Discount = discounts ? pickDiscount() : 1.0;
            l.Fund = Round2(l.Qty * l.Price * l.Discount);
            lines.append(l);
        }
        return lines;
    }

    static double sumOfFunds(const QList<TLine>& lines)
    {
        double s = 0;
        for (const TLine& l : lines) s += l.Fund;
        return s;
    }

    // Ids in date order, codes by month.
    static void number(QList<TDoc>& docs, const QString& prefix)
    {
        std::stable_sort(docs.begin(), docs.end(), [](const TDoc& a, const TDoc& b) { return a.Date < b.Date; });
        TCodes codes(prefix);
        for (int i = 0; i < docs.size(); ++i) {
            docs[i].Id = i + 1;
            docs[i].Code = codes.Next(docs[i].Date);
        }
    }

    QDateTime billTime(const QDate& date)
    {
        return QDateTime(date, QTime(m_random.Int(8, 17), m_random.Int(0, 59), m_random.Int(0, 59)));
    }

    // Older documents are checked; of the last three weeks about half.
    bool checked(const QDate& date)
    {
        return date.daysTo(m_end) > 21 ? m_random.Chance(0.985) : m_random.Chance(0.5);
    }

    // Billman, BillTime, Checkman, CheckTime.
    QStringList stamp(const QDate& date, const QString& maker, const QString& checker, bool isChecked)
    {
        const QDateTime made = billTime(date);
        if (!isChecked) return {B::Text(maker), B::Time(made), B::Null(), B::Null()};
        // Checked the same or one of the next two days, in office hours, never after the end.
        QDate day = date.addDays(m_random.Int(0, 2));
        if (day > m_end) day = m_end;
        QDateTime when(day, QTime(m_random.Int(8, 17), m_random.Int(0, 59), m_random.Int(0, 59)));
        if (when < made) when = made.addSecs(m_random.Int(300, 3600));
        return {B::Text(maker), B::Time(made), B::Text(checker), B::Time(when)};
    }

    int salemanOf(int client) const { return m_ids.Saleman(m_m, m_m.Clients.at(client).Saleman); }
    int deptOf(int client) const { return m_ids.SalemanDept(m_m, m_m.Clients.at(client).Saleman); }

    void makeQuotations(int count)
    {
        for (int i = 0; i < count; ++i) {
            TDoc d;
            d.Client = pickClient();
            d.Date = pickDate(d.Client);
            d.Lines = pickLines(d.Client, m_random.Int(1, 6), false);
            d.Total = Round2(sumOfFunds(d.Lines));
            d.TimeLimit = d.Date.addDays(m_random.Chance(0.5) ? 15 : 30);
            m_quots.append(d);
        }
        number(m_quots, QStringLiteral("CD"));
    }

    void makeOrders(int count)
    {
        for (int i = 0; i < count; ++i) {
            TDoc d;
            d.Client = pickClient();
            d.Date = pickDate(d.Client, 3);
            d.TypeId = m_random.Chance(0.9) ? 1 : 2;
            d.Lines = pickLines(d.Client, m_random.Int(1, 8), true);
            d.Total = Round2(sumOfFunds(d.Lines));
            d.TimeLimit = d.Date.addDays(m_random.Int(7, 30));
            m_orders.append(d);
        }
        number(m_orders, QStringLiteral("CD"));
        int dl = 0;
        for (TDoc& d : m_orders)
            for (TLine& l : d.Lines) l.dlId = ++dl;
    }

    void makeDeliveries(int count, int lineTarget)
    {
        QList<TDoc> docs;
        int lines = 0;
        // Most orders are delivered in full, some in two parts, some are still open; a few
        // old open ones were stopped by hand.
        for (int o = 0; o < m_orders.size(); ++o) {
            const TDoc& order = m_orders.at(o);
            const double r = m_random.Real();
            const int parts = r < 0.72 ? 1 : r < 0.87 ? 2 : 0;
            if (parts == 0 && order.Date.daysTo(m_end) > 90 && m_random.Chance(0.5)) m_stopped.append(o);
            QDate date = order.Date;
            for (int p = 0; p < parts; ++p) {
                date = date.addDays(m_random.Int(1, 12));
                if (date > m_end) break;
                TDoc d;
                d.Date = date;
                d.Client = order.Client;
                d.Order = o;
                for (const TLine& ol : order.Lines) {
                    TLine l = ol;
                    l.OrdlId = ol.dlId;
                    l.dlId = 0;
                    if (parts == 2) l.Qty = p == 0 ? std::ceil(ol.Qty * 0.6) : ol.Qty - std::ceil(ol.Qty * 0.6);
                    if (l.Qty <= 0) continue;
                    l.Fund = Round2(l.Qty * l.Price * l.Discount);
                    d.Lines.append(l);
                }
                if (d.Lines.isEmpty()) continue;
                lines += int(d.Lines.size());
                docs.append(d);
            }
        }
        const int direct = qMax(0, count - int(docs.size()));
        // Goods drawn twice for one delivery are dropped, so aim a little higher.
        const double perDelivery = direct > 0 ? double(lineTarget - lines) / direct * 1.03 : 5;
        const double spread = qMax(0.0, perDelivery * 2 - 1);
        for (int i = 0; i < direct; ++i) {
            TDoc d;
            d.Client = pickClient();
            d.Date = pickDate(d.Client);
            // Returns take back one or two items.
            if (m_random.Chance(0.03)) {
                d.TypeId = 2;
                d.Lines = pickLines(d.Client, m_random.Int(1, 2), false);
                for (TLine& l : d.Lines) {
                    l.Qty = std::max(1.0, std::floor(l.Qty / 3));
                    l.Fund = Round2(l.Qty * l.Price * l.Discount);
                }
                d.Note = QStringLiteral("质量问题退货");
            } else {
                d.Lines = pickLines(d.Client, 1 + int(m_random.Real() * spread), true);
            }
            docs.append(d);
        }
        for (TDoc& d : docs) {
            const double sum = sumOfFunds(d.Lines);
            if (d.TypeId == 1 && sum > 100 && m_random.Chance(0.1)) d.DiscountFund = Round2(std::fmod(sum, 10.0));
            if (d.TypeId == 1 && m_random.Chance(0.08)) d.Transcosts = m_random.Chance(0.5) ? 50 : 100;
            d.Conveyancer = m_m.Carriers.at(m_random.Int(0, int(m_m.Carriers.size()) - 1));
            d.Total = Round2(sum - d.DiscountFund + d.Transcosts);
        }
        m_sales = docs;
        number(m_sales, QStringLiteral("CG"));
        int dl = 0;
        for (TDoc& d : m_sales)
            for (TLine& l : d.Lines) l.dlId = ++dl;
    }

    void writeQuotations()
    {
        TTransaction trans(m_db);
        TBulkInsert head(m_db, QStringLiteral("slquotfrm"),
                         {"Id", "Code", "OldCode", "BizDate", "ClientId", "SalemanId", "DeptId", "TotalFund", "Note",
                          "TimeLimit", "Billman", "BillTime", "Checkman", "CheckTime"});
        TBulkInsert lines(m_db, QStringLiteral("slquotfrmdl"),
                          {"dlId", "MastId", "WareId", "WareColor", "WareSize", "WareProp", "UnitName", "UnitRate",
                           "Qty", "Price", "Fund", "dlNote"});
        lines.After(head);
        int dl = 0;
        for (const TDoc& d : m_quots) {
            head.Add(QStringList{B::Int(d.Id), B::Text(d.Code), B::Text(QString()), B::Date(d.Date),
                                 B::Int(m_ids.Clients.at(d.Client)), B::Int(salemanOf(d.Client)),
                                 B::Int(deptOf(d.Client)), B::Num(d.Total), B::Text(d.Note), B::Date(d.TimeLimit)}
                     + stamp(d.Date, QStringLiteral("wangjing"), QStringLiteral("sa"), checked(d.Date)));
            for (const TLine& l : d.Lines)
                lines.Add({B::Int(++dl), B::Int(d.Id), B::Int(m_ids.Wares.at(l.Ware)), B::Text(QString()),
                           B::Text(QString()), B::Text(QString()), B::Text(m_m.Wares.at(l.Ware).Rec.Unit), B::Int(1),
                           B::Num(l.Qty), B::Num(l.Price), B::Num(l.Fund), B::Text(QString())});
        }
        head.Flush();
        lines.Flush();
        trans.Commit();
        progress(QStringLiteral("报价单"), m_quots.size(), m_quots.size());
    }

    void writeOrders()
    {
        TTransaction trans(m_db);
        TBulkInsert head(m_db, QStringLiteral("slorderfrm"),
                         {"Id", "Code", "OldCode", "BizDate", "ClientId", "SalemanId", "DeptId", "TypeId", "TotalFund",
                          "Note", "TimeLimit", "Billman", "BillTime", "Checkman", "CheckTime"});
        TBulkInsert lines(m_db, QStringLiteral("slorderfrmdl"),
                          {"dlId", "MastId", "WareId", "WareColor", "WareSize", "WareProp", "UnitName", "UnitRate",
                           "Qty", "Price", "Discount", "Fund", "dlNote"});
        lines.After(head);
        // An order that was delivered was checked first.
        QList<bool> delivered(m_orders.size(), false);
        for (const TDoc& s : m_sales)
            if (s.Order >= 0) delivered[s.Order] = true;
        for (int o = 0; o < m_orders.size(); ++o) {
            const TDoc& d = m_orders.at(o);
            head.Add(QStringList{B::Int(d.Id), B::Text(d.Code), B::Text(QString()), B::Date(d.Date),
                                 B::Int(m_ids.Clients.at(d.Client)), B::Int(salemanOf(d.Client)),
                                 B::Int(deptOf(d.Client)), B::Int(d.TypeId), B::Num(d.Total), B::Text(d.Note),
                                 B::Date(d.TimeLimit)}
                     + stamp(d.Date, QStringLiteral("wangjing"), QStringLiteral("liuyang"),
                             delivered.at(o) || checked(d.Date)));
            for (const TLine& l : d.Lines)
                lines.Add({B::Int(l.dlId), B::Int(d.Id), B::Int(m_ids.Wares.at(l.Ware)), B::Text(QString()),
                           B::Text(QString()), B::Text(QString()), B::Text(m_m.Wares.at(l.Ware).Rec.Unit), B::Int(1),
                           B::Num(l.Qty), B::Num(l.Price), B::Real(l.Discount), B::Num(l.Fund), B::Text(QString())});
        }
        head.Flush();
        lines.Flush();
        TBulkInsert stops(m_db, QStringLiteral("slordercom"), {"OrdlId"});
        stops.After(lines);
        for (int o : m_stopped)
            for (const TLine& l : m_orders.at(o).Lines) stops.Add({B::Int(l.dlId)});
        stops.Flush();
        trans.Commit();
        progress(QStringLiteral("销售订单"), m_orders.size(), m_orders.size());
    }

    void writeDeliveries()
    {
        TTransaction trans(m_db);
        TBulkInsert head(m_db, QStringLiteral("sale"),
                         {"Id", "Code", "OldCode", "BizDate", "ClientId", "SalemanId", "DeptId", "TypeId",
                          "DiscountFund", "TotalFund", "Note", "Conveyancer", "Transcosts", "Transcode", "Billman",
                          "BillTime", "Checkman", "CheckTime"});
        TBulkInsert lines(m_db, QStringLiteral("saledl"),
                          {"dlId", "MastId", "WareId", "WareColor", "WareSize", "WareProp", "UnitName", "UnitRate",
                           "Qty", "Price", "Discount", "Fund", "dlNote", "OrdlId", "CostPrice", "InnerPrice",
                           "ProfitRate"});
        lines.After(head);
        const qint64 total = m_sales.size();
        for (int i = 0; i < m_sales.size(); ++i) {
            const TDoc& d = m_sales.at(i);
            const bool express = d.Conveyancer.contains(QStringLiteral("快递")) || d.Conveyancer.contains(QStringLiteral("速运"));
            head.Add(QStringList{B::Int(d.Id), B::Text(d.Code), B::Text(QString()), B::Date(d.Date),
                                 B::Int(m_ids.Clients.at(d.Client)), B::Int(salemanOf(d.Client)),
                                 B::Int(deptOf(d.Client)), B::Int(d.TypeId), B::Num(d.DiscountFund), B::Num(d.Total),
                                 B::Text(d.Note), B::Text(d.Conveyancer), B::Num(d.Transcosts),
                                 B::Text(express ? QString::number(7000000000ll + d.Id * 7919ll % 1000000000ll) : QString())}
                     + stamp(d.Date, QStringLiteral("wangjing"), QStringLiteral("liuyang"), checked(d.Date)));
            for (const TLine& l : d.Lines) {
                const RWare& w = m_m.Wares.at(l.Ware).Rec;
                lines.Add({B::Int(l.dlId), B::Int(d.Id), B::Int(m_ids.Wares.at(l.Ware)), B::Text(QString()),
                           B::Text(QString()), B::Text(QString()), B::Text(w.Unit), B::Int(1), B::Num(l.Qty),
                           B::Num(l.Price), B::Real(l.Discount), B::Num(l.Fund), B::Text(QString()),
                           l.OrdlId > 0 ? B::Int(l.OrdlId) : B::Null(), B::Num(*w.CostPrice), B::Num(*w.InnerPrice),
                           B::Int(*w.ProfitRate)});
            }
            if ((i + 1) % 10000 == 0) progress(QStringLiteral("发货单"), i + 1, total);
        }
        head.Flush();
        lines.Flush();
        trans.Commit();
        m_counts.DeliveryLines = lines.Rows();
        progress(QStringLiteral("发货单"), total, total);
    }

    // Clients pay their deliveries in batches of one to three, two weeks to two months later;
    // the latest deliveries and a few old ones are still open.
    void writeReceipts()
    {
        TTransaction trans(m_db);
        TBulkInsert head(m_db, QStringLiteral("receipt"),
                         {"Id", "Code", "BizDate", "ClientId", "Prefund", "OtherFund", "BankId", "PayFund", "DisFund",
                          "Sign", "HandmanId", "DeptId", "Note", "Billman", "BillTime", "Checkman", "CheckTime"});
        TBulkInsert lines(m_db, QStringLiteral("receiptdl"),
                          {"dlId", "MastId", "SaleId", "SaleCode", "dlPayFund", "dlDisFund", "dlNote"});
        lines.After(head);
        struct TAlloc {
            int Sale;
            double Pay;
            double Dis;
        };
        struct TReceipt {
            QDate Date;
            int Client;
            int Sign = 1;
            double Prefund = 0;
            double OtherFund = 0;
            QList<TAlloc> Lines;
        };
        QList<QList<int>> byClient(m_m.Clients.size());
        for (int i = 0; i < m_sales.size(); ++i)
            if (m_sales.at(i).TypeId == 1) byClient[m_sales.at(i).Client].append(i);
        QList<TReceipt> receipts;
        for (int c = 0; c < byClient.size(); ++c) {
            const QList<int>& sales = byClient.at(c);
            for (int i = 0; i < sales.size();) {
                const int n = qMin(int(sales.size()) - i, m_random.Chance(0.5) ? 1 : 2);
                const TDoc& last = m_sales.at(sales.at(i + n - 1));
                TReceipt r;
                r.Client = c;
                r.Date = last.Date.addDays(m_random.Int(14, 60));
                const bool unpaid = r.Date > m_end || m_random.Chance(0.02);
                if (!unpaid) {
                    for (int k = 0; k < n; ++k) {
                        const TDoc& s = m_sales.at(sales.at(i + k));
                        TAlloc a{sales.at(i + k), s.Total, 0.0};
                        if (k == n - 1 && m_random.Chance(0.08)) a.Pay = Round2(s.Total * (0.5 + 0.4 * m_random.Real()));
                        else if (s.Total > 200 && m_random.Chance(0.05)) {
                            a.Dis = Round2(std::fmod(s.Total, 5.0));
                            a.Pay = Round2(s.Total - a.Dis);
                        }
                        r.Lines.append(a);
                    }
                    if (m_random.Chance(0.03)) r.Prefund = m_random.Int(1, 10) * 500;
                    receipts.append(r);
                }
                i += n;
            }
            // Now and then money goes back to a client.
            if (!sales.isEmpty() && m_random.Chance(0.15)) {
                TReceipt back;
                back.Client = c;
                back.Sign = -1;
                back.Date = m_sales.at(sales.at(m_random.Int(0, int(sales.size()) - 1))).Date.addDays(m_random.Int(5, 30));
                back.OtherFund = m_random.Int(1, 20) * 50;
                if (back.Date <= m_end) receipts.append(back);
            }
        }
        std::stable_sort(receipts.begin(), receipts.end(), [](const TReceipt& a, const TReceipt& b) { return a.Date < b.Date; });
        TCodes codes(QStringLiteral("FK"));
        int dl = 0;
        for (int i = 0; i < receipts.size(); ++i) {
            const TReceipt& r = receipts.at(i);
            double pay = 0, dis = 0;
            for (const TAlloc& a : r.Lines) {
                pay += a.Pay;
                dis += a.Dis;
            }
            const int id = i + 1;
            head.Add(QStringList{B::Int(id), B::Text(codes.Next(r.Date)), B::Date(r.Date), B::Int(m_ids.Clients.at(r.Client)),
                                 B::Num(r.Prefund), B::Num(r.OtherFund),
                                 B::Int(m_ids.Banks.at(m_random.Int(1, int(m_ids.Banks.size()) - 1))), B::Num(Round2(pay)),
                                 B::Num(Round2(dis)), B::Int(r.Sign), B::Int(salemanOf(r.Client)), B::Int(deptOf(r.Client)),
                                 B::Text(r.Sign < 0 ? QStringLiteral("退回多收货款") : QString())}
                     + stamp(r.Date, QStringLiteral("liuyang"), QStringLiteral("sa"), checked(r.Date)));
            for (const TAlloc& a : r.Lines) {
                const TDoc& s = m_sales.at(a.Sale);
                lines.Add({B::Int(++dl), B::Int(id), B::Int(s.Id), B::Text(s.Code), B::Num(a.Pay), B::Num(a.Dis),
                           B::Text(QString())});
            }
        }
        head.Flush();
        lines.Flush();
        trans.Commit();
        m_counts.Receipts = receipts.size();
        progress(QStringLiteral("收款单"), receipts.size(), receipts.size());
    }

    // Clients that want invoices get one a month over the month's delivery lines.
    void writeInvoices()
    {
        TTransaction trans(m_db);
        TBulkInsert head(m_db, QStringLiteral("slinvfrm"),
                         {"Id", "Code", "InvCode", "InvNo", "ClientId", "InvDate", "TotalFund", "HandmanId", "Note",
                          "Billman", "BillTime", "Checkman", "CheckTime"});
        TBulkInsert lines(m_db, QStringLiteral("slinvfrmdl"), {"dlId", "MastId", "SaledlId", "dlNote"});
        lines.After(head);
        std::map<std::pair<QDate, int>, QList<int>> months;  // (month end, client) -> deliveries
        for (int i = 0; i < m_sales.size(); ++i) {
            const TDoc& s = m_sales.at(i);
            if (s.TypeId != 1 || !m_m.Clients.at(s.Client).WantsInvoices) continue;
            const QDate monthEnd(s.Date.year(), s.Date.month(), s.Date.daysInMonth());
            months[{monthEnd, s.Client}].append(i);
        }
        TCodes codes(QStringLiteral("IV"));
        int id = 0, dl = 0;
        int invNo = 1000000 + m_random.Int(0, 99999);
        for (const auto& [key, sales] : months) {
            const QDate date = key.first.addDays(-m_random.Int(0, 2));
            if (date > m_end) continue;
            double total = 0;
            for (int s : sales) total += sumOfFunds(m_sales.at(s).Lines);
            ++id;
            const QString invCode = QStringLiteral("32%1%2").arg(date.year() % 100, 2, 10, QChar(u'0')).arg(date.month() <= 6 ? 1 : 2) +
                                    QStringLiteral("11230");
            head.Add(QStringList{B::Int(id), B::Text(codes.Next(date)), B::Text(invCode),
                                 B::Text(QStringLiteral("%1").arg(++invNo % 100000000, 8, 10, QChar(u'0'))),
                                 B::Int(m_ids.Clients.at(key.second)), B::Date(date), B::Num(Round2(total)),
                                 B::Int(salemanOf(key.second)), B::Text(QString())}
                     + stamp(date, QStringLiteral("liuyang"), QStringLiteral("sa"), checked(date)));
            for (int s : sales)
                for (const TLine& l : m_sales.at(s).Lines) lines.Add({B::Int(++dl), B::Int(id), B::Int(l.dlId), B::Text(QString())});
        }
        head.Flush();
        lines.Flush();
        trans.Commit();
        m_counts.Invoices = id;
        progress(QStringLiteral("销售发票"), id, id);
    }

    void writeOtherReceivables(int count)
    {
        struct TDocRow {
            QDate Date;
            int Client;
        };
        QList<TDocRow> rows;
        for (int i = 0; i < count; ++i) {
            const int c = pickClient();
            rows.append({pickDate(c), c});
        }
        std::stable_sort(rows.begin(), rows.end(), [](const TDocRow& a, const TDocRow& b) { return a.Date < b.Date; });
        TTransaction trans(m_db);
        TBulkInsert head(m_db, QStringLiteral("shouldin"),
                         {"Id", "Code", "BizDate", "ClientId", "ItemId", "Fund", "Sign", "HandmanId", "DeptId", "Note",
                          "Billman", "BillTime", "Checkman", "CheckTime"});
        TCodes codes(QStringLiteral("YS"));
        for (int i = 0; i < rows.size(); ++i) {
            const TDocRow& r = rows.at(i);
            const int item = m_random.Int(0, int(m_ids.ShldinItems.size()) - 1);
            head.Add(QStringList{B::Int(i + 1), B::Text(codes.Next(r.Date)), B::Date(r.Date), B::Int(m_ids.Clients.at(r.Client)),
                                 B::Int(m_ids.ShldinItems.at(item)), B::Num(m_random.Int(5, 200) * 10.0),
                                 B::Int(m_random.Chance(0.9) ? 1 : -1), B::Int(salemanOf(r.Client)), B::Int(deptOf(r.Client)),
                                 B::Text(QString())}
                     + stamp(r.Date, QStringLiteral("liuyang"), QStringLiteral("sa"), checked(r.Date)));
        }
        head.Flush();
        trans.Commit();
        m_counts.OtherReceivables = rows.size();
        progress(QStringLiteral("其他应收单"), rows.size(), rows.size());
    }

    void writeExpenses(int count)
    {
        QList<QDate> dates;
        const qint64 span = m_from.daysTo(m_end);
        for (int i = 0; i < count; ++i) {
            QDate d = m_from.addDays(qint64(std::sqrt(m_random.Real()) * double(span)));
            if (d.dayOfWeek() == 7) d = d.addDays(-1);
            dates.append(d < m_from ? m_from : d);
        }
        std::sort(dates.begin(), dates.end());
        TTransaction trans(m_db);
        TBulkInsert head(m_db, QStringLiteral("outlay"),
                         {"Id", "Code", "BizDate", "Sign", "ItemId", "BankId", "Fund", "HandmanId", "ClientId", "DeptId",
                          "SalemanId", "Note", "Billman", "BillTime", "Checkman", "CheckTime"});
        TCodes codes(QStringLiteral("FY"));
        const QList<int> amounts{50, 80, 120, 200, 300, 500, 800, 1200, 2000, 3500, 6000};
        for (int i = 0; i < dates.size(); ++i) {
            const QDate& d = dates.at(i);
            const int item = m_random.Int(0, int(m_ids.OutlayItems.size()) - 1);
            const bool forClient = m_random.Chance(0.3);
            const int client = forClient ? pickClient() : -1;
            const int saleman = forClient ? m_m.Clients.at(client).Saleman : m_random.Int(0, int(m_m.Salesmen.size()) - 1);
            const double fund = Round2(amounts.at(m_random.Skewed(int(amounts.size()), 1.5)) * (0.6 + 0.8 * m_random.Real()));
            head.Add(QStringList{B::Int(i + 1), B::Text(codes.Next(d)), B::Date(d), B::Int(m_random.Chance(0.97) ? 1 : -1),
                                 B::Int(m_ids.OutlayItems.at(item)), B::Int(m_ids.Banks.at(m_random.Int(0, int(m_ids.Banks.size()) - 1))),
                                 B::Num(fund), B::Int(m_ids.Saleman(m_m, saleman)),
                                 forClient ? B::Int(m_ids.Clients.at(client)) : B::Null(),
                                 B::Int(m_ids.SalemanDept(m_m, saleman)), B::Int(m_ids.Saleman(m_m, saleman)), B::Text(QString())}
                     + stamp(d, QStringLiteral("liuyang"), QStringLiteral("sa"), checked(d)));
        }
        head.Flush();
        trans.Commit();
        m_counts.Expenses = dates.size();
        progress(QStringLiteral("费用单"), dates.size(), dates.size());
    }

    TDatabase& m_db;
    const TDemoMasters& m_m;
    const TDemoIds& m_ids;
    TDemoRandom m_random;
    QDate m_end;
    QDate m_from;
    TDemoProgress m_progress;
    QList<double> m_cumulative;
    QList<TDoc> m_quots;
    QList<TDoc> m_orders;
    QList<int> m_stopped;
    QList<TDoc> m_sales;
    TDemoCounts m_counts;
};

}  // namespace

void DemoWriter::InsertLargeDocuments(TDatabase& db, const TDemoMasters& m, const TDemoIds& ids, quint32 seed,
                                      const QDate& end, const TDemoProgress& progress)
{
    TLargeDocs(db, m, ids, seed, end, progress).Run();
}
