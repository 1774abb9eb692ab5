#pragma once
#include "../sales/SalesFixture.h"
#include "FinanceRecords.h"
#include "MqLib.h"
#include "OutlayBill.h"
#include "ReceiptBill.h"
#include "ShldinBill.h"
#include "SlInvBill.h"

#include <cmath>
#include <ostream>

inline void PrintTo(const QVariant& v, std::ostream* os)
{
    *os << (v.isNull() ? std::string("null") : v.toString().toStdString());
}

// The sales test database with the finance master rows (bank accounts, receivable and expense
// items), the operator 张三 holding the sales and finance rights, and helpers that save finance
// documents dated and stamped as a test needs.
class FinanceTest : public SalesTest {
protected:
    static QString FinanceRights()
    {
        return AllRights() + QStringLiteral(",23,,24,,25,,26,,63,,64,,69,,70,");
    }

    void Prepare() override
    {
        SalesTest::Prepare();
        Login(QStringLiteral("张三"), FinanceRights());
        Exec(QStringLiteral("insert into fn_bank(Id, Name) values (1,'基本户'),(2,'现金')"));
        Exec(QStringLiteral("insert into shouldin_item(Id, Name) values (1,'代垫运费'),(2,'押金')"));
        Exec(QStringLiteral("insert into outlay_item(Id, Name) values (1,'差旅费'),(2,'房租')"));
    }

    // The workstation clock, which stamps BillTime on the first save.
    void At(const QDateTime& t) { Clock.Time = t; }
    void At(const QDate& d, const QTime& t = QTime(9, 0)) { Clock.Time = QDateTime(d, t); }

    // A saved delivery of one line per amount (Qty 1 at that price) to a client, dated day,
    // with freight and a whole-delivery discount; TypeId 2 is a return.
    RSale Delivery(const QDate& day, const QList<double>& amounts, int clientId = 1, int typeId = 1,
                   double freight = 0.0, double discount = 0.0, int deptId = 1)
    {
        RSale s;
        s.BizDate = day;
        s.ClientId = clientId;
        s.DeptId = deptId;
        s.SalemanId = 1;
        s.TypeId = typeId;
        s.Transcosts = freight;
        s.DiscountFund = discount;
        for (double a : amounts) s.Lines << SaleLine(1, 1, a);
        BillAmounts::Recalc(s);
        return Saved(s);
    }

    static RReceiptdl Allocation(const RSale& sale, double pay, double discount = 0.0)
    {
        RReceiptdl l;
        l.SaleId = sale.Id;
        l.SaleCode = sale.Code;
        l.dlPayFund = pay;
        l.dlDisFund = discount;
        return l;
    }

    RReceipt Receipt(const QDate& day, const RReceiptdls& lines, int sign = 1, double prefund = 0.0,
                     double otherFund = 0.0, int clientId = 1)
    {
        RReceipt r;
        r.BizDate = day;
        r.ClientId = clientId;
        r.Sign = sign;
        r.Prefund = prefund;
        r.OtherFund = otherFund;
        r.BankId = 1;
        r.HandmanId = 1;
        r.DeptId = 1;
        r.Lines = lines;
        TReceiptBill::Recalc(r);
        QString message;
        if (!TReceiptBill::Save(r, message)) throw EMqError(QStringLiteral("receipt save failed: ") + message);
        return r;
    }

    RShldin Shldin(const QDate& day, double fund, int sign = 1, int clientId = 1, int itemId = 1)
    {
        RShldin s;
        s.BizDate = day;
        s.ClientId = clientId;
        s.ItemId = itemId;
        s.Fund = fund;
        s.Sign = sign;
        s.HandmanId = 1;
        s.DeptId = 1;
        QString message;
        if (!TShldinBill::Save(s, message)) throw EMqError(QStringLiteral("shouldin save failed: ") + message);
        return s;
    }

    // The delivery line Ids of a delivery, in line order.
    static QList<int> SaleLineIds(const RSale& sale) { return LineIds(sale.Lines); }

    RSlInv Invoice(const QDate& day, const QList<int>& saledlIds, const QString& invNo = QStringLiteral("No.1"))
    {
        RSlInv v;
        if (!TSlInvBill::CreateFromSaleLines(saledlIds, v)) throw EMqError(QStringLiteral("no invoice lines"));
        v.InvDate = day;
        v.InvNo = invNo;
        v.TotalFund = TSlInvBill::Total(v);
        QString message;
        if (!TSlInvBill::Save(v, message)) throw EMqError(QStringLiteral("invoice save failed: ") + message);
        return v;
    }

    // A figure of a computed row: null stays null, numbers are compared at money precision.
    static QVariant Money(const TField* f)
    {
        if (f->IsNull()) return QVariant();
        return std::round(f->AsFloat() * 10000.0) / 10000.0;
    }
};
