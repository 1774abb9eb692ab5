#include "Company.h"

#include "Database.h"
#include "RecordSet.h"

#include <QStringEncoder>

void TCompany::Clear() { *this = TCompany(); }

void TCompany::LoadCompany()
{
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select * from Company"));
    Clear();
    if (rs.IsEmpty()) return;
    TDataSet* ds = rs.DataSet();
    ds->First();
    auto text = [ds](const char* name) {
        const TField* f = ds->FindField(QString::fromLatin1(name));
        return f ? ds->FieldValue(f).toString() : QString();
    };
    if (const TField* f = ds->FindField(QStringLiteral("Id"))) Id = ds->FieldValue(f).toInt();
    CompanyName = text("CompanyName");
    Manager = text("Manager");
    Tel = text("Tel");
    Fax = text("Fax");
    Address = text("Address");
    Zip = text("Zip");
    Profile = text("Profile");
    if (const TField* f = ds->FindField(QStringLiteral("Updated"))) Updated = ds->FieldValue(f).toBool();
}

void TCompany::SaveCompany()
{
    const TDBParameters params{
        DBParam(QStringLiteral("CompanyName"), CompanyName), DBParam(QStringLiteral("Manager"), Manager),
        DBParam(QStringLiteral("Tel"), Tel),                 DBParam(QStringLiteral("Fax"), Fax),
        DBParam(QStringLiteral("Address"), Address),         DBParam(QStringLiteral("Zip"), Zip),
        DBParam(QStringLiteral("Profile"), Profile),         DBParam(QStringLiteral("Updated"), Updated),
        DBParam(QStringLiteral("Id"), Id)};
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select 1 from Company where Id=:Id"), {DBParam(QStringLiteral("Id"), Id)});
    if (!rs.IsEmpty())
        GlobalDatabase().ExecCommand(
            QStringLiteral("update Company set CompanyName=:CompanyName,Manager=:Manager,Tel=:Tel,Fax=:Fax,"
                           "Address=:Address,Zip=:Zip,Profile=:Profile,Updated=:Updated where Id=:Id"),
            params);
    else
        GlobalDatabase().ExecCommand(
            QStringLiteral("insert into Company(Id,CompanyName,Manager,Tel,Fax,Address,Zip,Profile,Updated)"
                           "values(:Id,:CompanyName,:Manager,:Tel,:Fax,:Address,:Zip,:Profile,:Updated)"),
            params);
}

int TCompany::GbkLength(const QString& text)
{
    QStringEncoder gbk("GBK");
    if (!gbk.isValid()) return int(text.toLocal8Bit().size());
    return int(QByteArray(gbk.encode(text)).size());
}

bool TCompany::NameIsSet() const { return GbkLength(CompanyName) > 7; }

TCompany& CurrentCompany()
{
    static TCompany company;
    return company;
}
