#include "Client.h"

#include "MasterSql.h"

using MasterSql::KeyOrNull;
using MasterSql::Nullable;

namespace {
const QString kSelect = QStringLiteral(
    "select c.*, d.Code as DistCode, d.Name as DistName, c.DistrictId as DistId from client c left join "
    "districts d on d.Id=c.DistrictId");
}

TClientSet::TClientSet(QObject* parent) : TRecordSet(parent)
{
    const auto text = [this](const char* name, int size, const char* label) {
        return AddField(TFieldType::String, QString::fromLatin1(name), size, true, QString::fromUtf8(label));
    };
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), 0, true, QStringLiteral("ID"));
    LookIdFld = text("LookId", 20, "助查码");
    NameFld = text("Name", 50, "客户名称");
    LinkmanFld = text("Linkman", 30, "联系人");
    TelFld = text("Tel", 50, "联系电话");
    FaxFld = text("Fax", 50, "传真号码");
    AddrFld = text("Addr", 50, "联系地址");
    ZipFld = text("Zip", 6, "邮编");
    UrlFld = text("Url", 50, "网址");
    EmailFld = text("Email", 50, "电子信箱");
    LawManFld = text("Lawman", 20, "法人代表");
    TaxIdFld = text("TaxId", 30, "税号");
    BankFld = text("Bank", 50, "开户银行");
    BankIdFld = text("BankId", 30, "银行帐号");
    NoteFld = AddField(TFieldType::Memo, QStringLiteral("Note"), -1, false, QStringLiteral("备注"));
    DistIdFld = AddField(TFieldType::Integer, QStringLiteral("DistId"), 0, false);
    DistCodeFld = AddField(TFieldType::String, QStringLiteral("DistCode"), 50, false);
    DistNameFld = text("DistName", 50, "区域");
}

void TClientSet::OpenAll() { Open(kSelect); }

bool TClientSet::OpenById(int id)
{
    return Open(kSelect + QStringLiteral("  where c.Id=:Id"), {DBParam(QStringLiteral("Id"), id)}) == 1;
}

RClient TClientSet::AsData() const
{
    RClient c;
    c.Id = IdFld->AsInteger();
    c.Name = NameFld->AsString();
    c.LookId = LookIdFld->AsString();
    c.TaxId = TaxIdFld->AsString();
    c.Lawman = LawManFld->AsString();
    c.Bank = BankFld->AsString();
    c.BankId = BankIdFld->AsString();
    c.Linkman = LinkmanFld->AsString();
    c.Tel = TelFld->AsString();
    c.Fax = FaxFld->AsString();
    c.Addr = AddrFld->AsString();
    c.Zip = ZipFld->AsString();
    c.Url = UrlFld->AsString();
    c.Email = EmailFld->AsString();
    c.Note = NoteFld->AsString();
    c.DistrictId = MasterSql::OptInt(DistIdFld);
    c.DistCode = DistCodeFld->AsString();
    c.DistName = DistNameFld->AsString();
    return c;
}

void TClientSet::SetAsData(const RClient& c)
{
    EditOrAppendById(IdFld, c.Id);
    IdFld->SetValue(c.Id);
    NameFld->SetValue(c.Name);
    LookIdFld->SetValue(c.LookId);
    TaxIdFld->SetValue(c.TaxId);
    LawManFld->SetValue(c.Lawman);
    BankFld->SetValue(c.Bank);
    BankIdFld->SetValue(c.BankId);
    LinkmanFld->SetValue(c.Linkman);
    TelFld->SetValue(c.Tel);
    FaxFld->SetValue(c.Fax);
    AddrFld->SetValue(c.Addr);
    ZipFld->SetValue(c.Zip);
    UrlFld->SetValue(c.Url);
    EmailFld->SetValue(c.Email);
    NoteFld->SetValue(c.Note);
    // The loaded row shows what the table holds: no district unless a real one.
    const QVariant district = KeyOrNull(c.DistrictId);
    DistIdFld->SetValue(district);
    DistCodeFld->SetValue(district.isNull() ? QVariant() : QVariant(c.DistCode));
    DistNameFld->SetValue(district.isNull() ? QVariant() : QVariant(c.DistName));
    DataSet()->Post();
}

void TClientSet::FilterByDistrict(const QString& code)
{
    FilterRowsByClass(DataSet(), code, QStringLiteral("DistId"), QStringLiteral("DistCode"));
}

bool TClientSet::SaveClient(RClient& c)
{
    TDBParameters params{
        DBParam(QStringLiteral("Name"), c.Name),       DBParam(QStringLiteral("LookId"), c.LookId),
        DBParam(QStringLiteral("TaxId"), c.TaxId),     DBParam(QStringLiteral("Lawman"), c.Lawman),
        DBParam(QStringLiteral("Bank"), c.Bank),       DBParam(QStringLiteral("BankId"), c.BankId),
        DBParam(QStringLiteral("Linkman"), c.Linkman), DBParam(QStringLiteral("Tel"), c.Tel),
        DBParam(QStringLiteral("Fax"), c.Fax),         DBParam(QStringLiteral("Addr"), c.Addr),
        DBParam(QStringLiteral("Zip"), c.Zip),         DBParam(QStringLiteral("Url"), c.Url),
        DBParam(QStringLiteral("Email"), c.Email),     DBParam(QStringLiteral("Note"), c.Note),
        DBParam(QStringLiteral("DistrictId"), KeyOrNull(c.DistrictId))};
    if (c.Id > 0) {
        params.append(DBParam(QStringLiteral("Id"), c.Id));
        return GlobalDatabase().Execute(
                   QStringLiteral("update Client set Name=:Name,LookId=:LookId,TaxId=:TaxId,Lawman=:Lawman,Bank=:Bank,"
                                  "BankId=:BankId,Linkman=:Linkman,Tel=:Tel,Fax=:Fax,Addr=:Addr,Zip=:Zip,Url=:Url,"
                                  "Email=:Email,[Note]=:Note, DistrictId=:DistrictId where Id=:Id"),
                   params)
               == 1;
    }
    return MasterSql::InsertWithNewId(
        QStringLiteral("Client"),
        QStringLiteral("insert into Client(Name,LookId,TaxId, LawMan,Bank,BankId,Linkman,Tel,Fax,Addr,Zip,Url,Email,"
                       "[Note],DistrictId,Id)values(:Name,:LookId,:TaxId,:Lawman,:Bank,:BankId,:Linkman,:Tel,:Fax,"
                       ":Addr,:Zip,:Url,:Email,:Note,:DistrictId,:Id)"),
        params, c.Id);
}

bool TClientSet::DeleteClient(int id) { return MasterSql::DeleteById(QStringLiteral("Client"), id); }

bool TClientSet::LoadClient(int id, RClient& client) { return MasterSql::LoadById<TClientSet>(id, client); }

bool TClientSet::FirstClientId(int& id)
{
    TRecordSet& shared = SharedRecordSet();
    shared.Open(QStringLiteral("select min(Id) from client"));
    const QVariant v = shared.FirstValue();
    if (v.isNull() || v.toInt() < 1) return false;
    id = v.toInt();
    return true;
}

TDistrictSet::TDistrictSet(QObject* parent) : TTreeClassSet(DistrictTable(), parent) {}

bool TDistrictSet::SaveDistrictTree(RDistricts& districts) { return SaveTree(DistrictTable(), districts); }
