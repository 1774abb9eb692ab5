// Writing the demo's master data: the small tables and trees through their save operations,
// goods and clients either the same way or with multi-row inserts.
#include "Database.h"
#include "DemoWriter.h"
#include "Errors.h"
#include "Operator.h"

#include <QSqlQuery>

TBulkInsert::TBulkInsert(TDatabase& db, const QString& table, const QStringList& columns, int rowsPerStatement)
    : m_db(db),
      m_head(QStringLiteral("insert into %1 (%2) values ").arg(table, columns.join(QStringLiteral(", ")))),
      m_perStatement(rowsPerStatement)
{
}

TBulkInsert::~TBulkInsert()
{
    // Flushing may throw; callers flush explicitly, so the destructor only drops what is left
    // after an error.
}

void TBulkInsert::Add(const QStringList& literals)
{
    m_pending.append(u'(' + literals.join(u',') + u')');
    ++m_rows;
    if (m_pending.size() >= m_perStatement) Flush();
}

void TBulkInsert::Flush()
{
    if (m_pending.isEmpty()) return;
    if (m_parent) m_parent->Flush();
    const QString sql = m_head + m_pending.join(u',');
    m_pending.clear();
    m_db.ExecCommand(sql);
}

QString TBulkInsert::Text(const QString& value)
{
    QString v = value;
    return u'\'' + v.replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString TBulkInsert::Time(const QDateTime& value)
{
    return Text(value.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

namespace {

template <class R, class Save>
void SaveAll(QList<R>& records, QList<int>& ids, Save save)
{
    for (R& r : records) {
        r.Id = 0;
        if (!save(r)) throw EMqError(QStringLiteral("保存演示数据失败"));
        ids.append(r.Id);
    }
}

int MaxId(TDatabase& db, const QString& table)
{
    QSqlQuery q = db.Select(QStringLiteral("select max(Id) from %1").arg(table), {});
    return q.next() ? q.value(0).toInt() : 0;
}

}  // namespace

namespace DemoWriter {

void SaveSmallTables(TDemoMasters& m, TDemoIds& ids)
{
    SaveAll(m.Employees, ids.Employees, [](REmployee& r) { return TEmployeeSet::SaveEmployee(r); });
    SaveAll(m.Depts, ids.Depts, [](RDept& r) { return TDeptSet::SaveDept(r); });
    QList<int> unused;
    SaveAll(m.Houses, unused, [](RHouse& r) { return THouseSet::SaveHouse(r); });
    SaveAll(m.Units, unused, [](RUnit& r) { return TUnitSet::SaveUnit(r); });
    SaveAll(m.Banks, ids.Banks, [](RBank& r) { return TBankSet::SaveBank(r); });
    SaveAll(m.ShldinItems, ids.ShldinItems, [](RShldinItem& r) { return TShldinItemSet::SaveShldinItem(r); });
    SaveAll(m.OutlayItems, ids.OutlayItems, [](ROutlayItem& r) { return TOutlayItemSet::SaveOutlayItem(r); });

    if (!TDistrictSet::SaveDistrictTree(m.Districts)) throw EMqError(QStringLiteral("保存演示区域失败"));
    for (const RDistrict& d : m.Districts) ids.Districts.append(d.Id);
    if (!TWareCataSet::SaveClassTree(m.Classes)) throw EMqError(QStringLiteral("保存演示货品分类失败"));
    for (const RWareCata& c : m.Classes) ids.Classes.append(c.Id);

    // Two operators besides sa: the sales clerk enters sales documents at the listed prices, the
    // accountant checks them and enters and checks the finance ones.
    struct TDemoOperator {
        const char* LoginId;
        int Employee;
        QList<int> Rights;
    };
    const QList<TDemoOperator> operators{
        {"wangjing", 12, {10, 1014, 59, 1054, 1053, 16, 36, 66, 29}},
        {"liuyang", 16, {58, 1055, 17, 70, 69, 24, 26, 63, 64, 23, 25, 29, 66, 1052, 61}},
    };
    for (const TDemoOperator& o : operators) {
        ROperator op;
        op.LoginId = QString::fromLatin1(o.LoginId);
        op.Password = MqDemo::OperatorPassword();
        const REmployee& e = m.Employees.at(o.Employee);
        op.Name = e.Name;
        op.Contact = e.Tel;
        op.EmployeeId = ids.Employees.at(o.Employee);
        for (int r : o.Rights) op.Rights += QStringLiteral(",%1,").arg(r);
        if (!TOperatorSet::SaveOperator(op)) throw EMqError(QStringLiteral("保存演示操作员失败"));
    }
}

void SaveGoodsAndClients(TDemoMasters& m, TDemoIds& ids, const TDemoProgress& progress)
{
    for (int i = 0; i < m.Wares.size(); ++i) {
        RWare& w = m.Wares[i].Rec;
        w.Id = 0;
        w.ClassId = ids.Classes.at(m.Wares[i].ClassNode);
        if (!TWareSet::SaveWare(w)) throw EMqError(QStringLiteral("保存演示货品失败"));
        ids.Wares.append(w.Id);
    }
    if (progress) progress(QStringLiteral("货品"), m.Wares.size(), m.Wares.size());
    for (int i = 0; i < m.Clients.size(); ++i) {
        RClient& c = m.Clients[i].Rec;
        c.Id = 0;
        c.DistrictId = ids.Districts.at(m.Clients[i].DistrictNode);
        if (!TClientSet::SaveClient(c)) throw EMqError(QStringLiteral("保存演示客户失败"));
        ids.Clients.append(c.Id);
    }
    if (progress) progress(QStringLiteral("客户"), m.Clients.size(), m.Clients.size());
}

void InsertGoodsAndClients(TDatabase& db, TDemoMasters& m, TDemoIds& ids, const TDemoProgress& progress)
{
    using B = TBulkInsert;
    TTransaction trans(db);
    int id = MaxId(db, QStringLiteral("ware"));
    TBulkInsert wares(db, QStringLiteral("ware"),
                      {"Id", "ClassId", "Code", "Name", "LookId", "PartNo", "Brand", "Package", "Barcode", "Unit",
                       "S08", "S09", "S10", "S11", "Note", "InPrice", "OutPrice", "MinQty", "MaxQty", "Location",
                       "CostPrice", "InnerPrice", "SalePrice1", "SalePrice2", "SalePrice3", "ProfitRate"});
    for (int i = 0; i < m.Wares.size(); ++i) {
        RWare& w = m.Wares[i].Rec;
        w.Id = ++id;
        w.ClassId = ids.Classes.at(m.Wares[i].ClassNode);
        ids.Wares.append(w.Id);
        wares.Add({B::Int(w.Id), B::Int(*w.ClassId), B::Text(w.Code), B::Text(w.Name), B::Text(w.LookId),
                   B::Text(w.PartNo), B::Text(w.Brand), B::Text(w.Package), B::Text(w.Barcode), B::Text(w.Unit),
                   B::Text(w.S08), B::Text(w.S09), B::Text(w.S10), B::Text(w.S11), B::Text(w.Note),
                   B::Num(*w.InPrice), B::Num(*w.OutPrice), B::Num(*w.MinQty, 0), B::Num(*w.MaxQty, 0),
                   B::Text(w.Location), B::Num(*w.CostPrice), B::Num(*w.InnerPrice), B::Num(*w.SalePrice1),
                   B::Num(*w.SalePrice2), B::Num(*w.SalePrice3), B::Int(*w.ProfitRate)});
        if (progress && (i + 1) % 5000 == 0) progress(QStringLiteral("货品"), i + 1, m.Wares.size());
    }
    wares.Flush();
    if (progress) progress(QStringLiteral("货品"), m.Wares.size(), m.Wares.size());

    id = MaxId(db, QStringLiteral("Client"));
    TBulkInsert clients(db, QStringLiteral("Client"),
                        {"Id", "Name", "LookId", "TaxId", "Lawman", "Bank", "BankId", "Linkman", "Tel", "Fax", "Addr",
                         "Zip", "Url", "Email", "Note", "DistrictId"});
    for (int i = 0; i < m.Clients.size(); ++i) {
        RClient& c = m.Clients[i].Rec;
        c.Id = ++id;
        c.DistrictId = ids.Districts.at(m.Clients[i].DistrictNode);
        ids.Clients.append(c.Id);
        clients.Add({B::Int(c.Id), B::Text(c.Name), B::Text(c.LookId), B::Text(c.TaxId), B::Text(c.Lawman),
                     B::Text(c.Bank), B::Text(c.BankId), B::Text(c.Linkman), B::Text(c.Tel), B::Text(c.Fax),
                     B::Text(c.Addr), B::Text(c.Zip), B::Text(c.Url), B::Text(c.Email), B::Text(c.Note),
                     B::Int(*c.DistrictId)});
    }
    clients.Flush();
    trans.Commit();
    if (progress) progress(QStringLiteral("客户"), m.Clients.size(), m.Clients.size());
}

}  // namespace DemoWriter
