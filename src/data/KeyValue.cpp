#include "KeyValue.h"

#include "Database.h"

namespace {

TDBParameters valueParams(const KeyData& data)
{
    // An empty text is stored as empty text, not as null.
    const QString vstr = data.Vstr.isNull() ? QStringLiteral("") : data.Vstr;
    return {DBParam(QStringLiteral("Vstr"), vstr), DBParam(QStringLiteral("Vint"), data.Vint),
            DBParam(QStringLiteral("Vfloat"), data.Vfloat), DBParam(QStringLiteral("Vbool"), data.Vbool)};
}

// Identifies the database a cache was read from, so a cache never outlives a reconnection.
QString connectionIdentity(TDatabase& db)
{
    return db.Handle().connectionName() + u'|' + db.ConnectionString();
}

}  // namespace

bool TKeyValueSet::GetKey(int keyId, KeyData& data)
{
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select Vstr, Vint, Vfloat, Vbool from keyvalue where KeyId=:Id"),
            {DBParam(QStringLiteral("Id"), keyId)});
    if (rs.RecordCount() != 1) return false;
    const TDataSet* ds = rs.DataSet();
    data.Vstr = ds->ValueAt(0, 0).toString();
    data.Vint = TField::ToInt(ds->ValueAt(0, 1));
    data.Vfloat = TField::ToFloat(ds->ValueAt(0, 2));
    data.Vbool = TField::ToBool(ds->ValueAt(0, 3));
    return true;
}

bool TKeyValueSet::SetKey(int keyId, const KeyData& data)
{
    TDBParameters params = valueParams(data);
    params << DBParam(QStringLiteral("Id"), keyId);
    TDatabase& db = GlobalDatabase();
    int n = db.Execute(
        QStringLiteral("update keyvalue set Vstr=:Vstr, Vint=:Vint, Vfloat=:Vfloat, Vbool=:Vbool where KeyId=:Id"), params);
    if (n != 1)
        n = db.Execute(QStringLiteral("insert into keyvalue(Vstr, Vint, Vfloat, Vbool, KeyId)values(:Vstr, :Vint, "
                                      ":Vfloat, :Vbool, :Id)"),
                       params);
    return n == 1;
}

QString TKeyValueSet::GetStr(int keyId)
{
    KeyData data;
    return GetKey(keyId, data) ? data.Vstr : QString();
}

bool TKeyValueSet::SetStr(int keyId, const QString& text)
{
    KeyData data;
    data.Vstr = text;
    return SetKey(keyId, data);
}

TKeyValue2::TKeyValue2(QObject* parent) : TRecordSet(parent)
{
    KeyIdFld = AddField(TFieldType::Integer, QStringLiteral("KeyId"));
    VintFld = AddField(TFieldType::Integer, QStringLiteral("Vint"));
    VstrFld = AddField(TFieldType::Memo, QStringLiteral("Vstr"));
    VfloatFld = AddField(TFieldType::Float, QStringLiteral("Vfloat"));
    VboolFld = AddField(TFieldType::Boolean, QStringLiteral("Vbool"));
}

void TKeyValue2::Invalidate()
{
    Close();
    m_source.clear();
}

void TKeyValue2::ensureOpen()
{
    const QString source = connectionIdentity(Database());
    if (Active() && m_source == source) return;
    Open(QStringLiteral("select * from keyvalue"));
    m_source = source;
}

void TKeyValue2::locate(int keyId)
{
    ensureOpen();
    if (Locate(QStringLiteral("KeyId"), keyId)) return;
    Close();
    try {
        Database().ExecCommand(QStringLiteral("insert into keyvalue(KeyId) values (:KeyId)"),
                               {DBParam(QStringLiteral("KeyId"), keyId)});
    } catch (const EDatabaseError&) {
        // Another workstation may have created the key a moment ago; then it is there now.
        ensureOpen();
        if (Locate(QStringLiteral("KeyId"), keyId)) return;
        throw;
    }
    ensureOpen();
    Locate(QStringLiteral("KeyId"), keyId);
}

int TKeyValue2::GetInt(int keyId)
{
    locate(keyId);
    return VintFld->AsInteger();
}

bool TKeyValue2::GetBool(int keyId)
{
    locate(keyId);
    return VboolFld->AsBoolean();
}

void TKeyValue2::write(int keyId, const KeyData& data)
{
    TDBParameters params = valueParams(data);
    params << DBParam(QStringLiteral("KeyId"), keyId);
    TDatabase& db = Database();
    int n = db.Execute(
        QStringLiteral("update keyvalue set Vstr=:Vstr, Vint=:Vint, Vfloat=:Vfloat, Vbool=:Vbool where KeyId=:KeyId"),
        params);
    if (n != 1)
        n = db.Execute(QStringLiteral("insert into keyvalue(Vstr, Vint, Vfloat, Vbool, KeyId)values(:Vstr, :Vint, "
                                      ":Vfloat, :Vbool, :KeyId)"),
                       params);
    if (n != 1 || !Active() || m_source != connectionIdentity(db)) return;
    TDataSet* ds = DataSet();
    if (Locate(QStringLiteral("KeyId"), keyId)) {
        ds->Edit();
    } else {
        ds->Append();
        KeyIdFld->SetValue(keyId);
    }
    VstrFld->SetValue(data.Vstr);
    VintFld->SetValue(data.Vint);
    VfloatFld->SetValue(data.Vfloat);
    VboolFld->SetValue(data.Vbool);
    ds->Post();
}

void TKeyValue2::SetInt(int keyId, int value)
{
    KeyData data;
    data.Vint = value;
    data.Vbool = true;
    write(keyId, data);
}

void TKeyValue2::SetBool(int keyId, bool value)
{
    KeyData data;
    data.Vbool = value;
    write(keyId, data);
}

TKeyValue2& GlobalKeyValue()
{
    // One per thread, as each thread may have its own connection (GlobalDatabase).
    thread_local TKeyValue2 store;
    return store;
}
