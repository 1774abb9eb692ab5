#include "Ware.h"

#include "Criteria.h"
#include "Labels.h"
#include "MasterSql.h"

using MasterSql::KeyOrNull;
using MasterSql::Nullable;
using MasterSql::OptFloat;
using MasterSql::OptInt;

namespace {
const QString kSelect = QStringLiteral(
    "select w.*, c.Code as CataCode, c.Name as CataName, c.Name as CataPath,  t.Name as CostName "
    "from ((ware w left join wareclass c on c.Id=w.ClassId)  left join costing t on t.Id=w.CostId) ");
const QString kOrder = QStringLiteral(" order by w.ClassId,w.Name,PartNo,Brand,Package,Unit");
}  // namespace

TWareWhere::TWareWhere(QObject* parent) : TCustomWhere(parent)
{
    IdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("Id"), 0, true, QStringLiteral("ID"));
    ClassIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("ClassId"), 0, false, QString());
    CataCodeFld = AddFieldDef(TFieldType::String, QStringLiteral("CataCode"), 50, false, QString());
    LookIdFld = AddFieldDef(TFieldType::String, QStringLiteral("LookId"), 50, true, QStringLiteral("助查码"));
    WareCodeFld = AddFieldDef(TFieldType::String, QStringLiteral("WareCode"), 50, true, QStringLiteral("货号"));
    WareNameFld = AddFieldDef(TFieldType::String, QStringLiteral("WareName"), 50, true, TCaptions::WareS02());
    PartNoFld = AddFieldDef(TFieldType::String, QStringLiteral("WarePartNo"), 200, true, TCaptions::WareS04());
    PackageFld = AddFieldDef(TFieldType::String, QStringLiteral("WarePackage"), 50, true, TCaptions::WareS06());
    BarCodeFld = AddFieldDef(TFieldType::String, QStringLiteral("WareBarcode"), 50, true, TCaptions::WareS07());
    LocationFld = AddFieldDef(TFieldType::String, QStringLiteral("WareLocation"), 50, true, QStringLiteral("货位"));
    Reset();
}

QString TWareWhere::Conditions() const
{
    TCriteria c;
    AddClassCondition(c, CataCodeFld->AsString(), QStringLiteral("w.ClassId"), QStringLiteral("c.Code"));
    c.IdNotNull(QStringLiteral("w.Id"), IdFld->Value());
    c.Contains(QStringLiteral("w.LookId"), LookIdFld->AsString());
    c.Contains(QStringLiteral("w.Code"), WareCodeFld->AsString());
    c.Contains(QStringLiteral("w.Name"), WareNameFld->AsString());
    c.Contains(QStringLiteral("w.PartNo"), PartNoFld->AsString());
    c.Contains(QStringLiteral("w.Package"), PackageFld->AsString());
    c.Contains(QStringLiteral("w.BarCode"), BarCodeFld->AsString());
    return c.Conditions();
}

TWareSet::TWareSet(QObject* parent) : TRecordSet(parent), m_where(new TWareWhere(this))
{
    const auto text = [this](const char* name, int size, const QString& label, bool visible = true) {
        return AddField(TFieldType::String, QString::fromLatin1(name), size, visible, label);
    };
    const auto number = [this](const char* name, const QString& label) {
        return AddField(TFieldType::Float, QString::fromLatin1(name), 0, true, label);
    };
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), 0, true, QStringLiteral("ID"));
    ClassIdFld = AddField(TFieldType::Integer, QStringLiteral("ClassId"), 0, false);
    CatacodeFld = text("CataCode", 50, QString(), false);
    CataNameFld = text("CataName", 50, QStringLiteral("类别"));
    CataPathFld = text("CataPath", 50, QStringLiteral("分类"), false);
    CodeFld = text("Code", 30, QStringLiteral("货号"));
    NameFld = text("Name", 30, TCaptions::WareS02());
    LookIdFld = text("LookId", 30, QStringLiteral("助查码"));
    PartNoFld = text("PartNo", 200, TCaptions::WareS04());
    BrandFld = text("Brand", 30, TCaptions::WareS05());
    PackageFld = text("Package", 30, TCaptions::WareS06());
    BarcodeFld = text("Barcode", 30, TCaptions::WareS07());
    UnitFld = text("Unit", 30, TCaptions::WareS12());
    S08Fld = text("S08", 50, TCaptions::WareS08());
    S09Fld = text("S09", 50, TCaptions::WareS09());
    S10Fld = text("S10", 50, TCaptions::WareS10());
    S11Fld = text("S11", 50, TCaptions::WareS11());
    F01Fld = number("F01", TCaptions::WareF01());
    F02Fld = number("F02", TCaptions::WareF02());
    F03Fld = number("F03", TCaptions::WareF03());
    F04Fld = number("F04", TCaptions::WareF04());
    F05Fld = number("F05", TCaptions::WareF05());
    NoteFld = AddField(TFieldType::WideString, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    CostPriceFld = number("CostPrice", QStringLiteral("入库成本价"));
    InnerPriceFld = number("InnerPrice", QStringLiteral("对内结算价"));
    SalePrice1Fld = number("SalePrice1", QStringLiteral("销售建议价1"));
    SalePrice2Fld = number("SalePrice2", QStringLiteral("销售建议价2"));
    SalePrice3Fld = number("SalePrice3", QStringLiteral("销售建议价3"));
    ProfitRateFld = AddField(TFieldType::Integer, QStringLiteral("ProfitRate"), 0, true, QStringLiteral("销售提成率"));
    InPriceFld = number("InPrice", QStringLiteral("入库价"));
    OutPriceFld = number("OutPrice", QStringLiteral("出库价"));
    MinQtyFld = number("MinQty", QStringLiteral("库存下限"));
    MaxQtyFld = number("MaxQty", QStringLiteral("库存上限"));
    CostIdFld = AddField(TFieldType::Integer, QStringLiteral("CostId"), 0, false);
    CostNameFld = text("CostName", 30, QStringLiteral("成本核算法"));
    LocationFld = AddField(TFieldType::WideString, QStringLiteral("Location"), 50, true, QStringLiteral("货位"));
}

void TWareSet::OpenWhere()
{
    m_where->UpdateRecord();
    const QString conditions = m_where->Conditions();
    Open(kSelect + (conditions.isEmpty() ? QString() : QStringLiteral(" where ") + conditions) + kOrder);
}

bool TWareSet::OpenById(int id)
{
    return Open(kSelect + QStringLiteral("  where w.Id=:Id"), {DBParam(QStringLiteral("Id"), id)}) == 1;
}

RWare TWareSet::AsData() const
{
    RWare w;
    w.Id = IdFld->AsInteger();
    w.ClassId = OptInt(ClassIdFld);
    w.CataCode = CatacodeFld->AsString();
    w.CataName = CataNameFld->AsString();
    w.CataPath = CataPathFld->AsString();
    w.Code = CodeFld->AsString();
    w.Name = NameFld->AsString();
    w.LookId = LookIdFld->AsString();
    w.PartNo = PartNoFld->AsString();
    w.Brand = BrandFld->AsString();
    w.Package = PackageFld->AsString();
    w.Barcode = BarcodeFld->AsString();
    w.Unit = UnitFld->AsString();
    w.CostPrice = OptFloat(CostPriceFld);
    w.InnerPrice = OptFloat(InnerPriceFld);
    w.SalePrice1 = OptFloat(SalePrice1Fld);
    w.SalePrice2 = OptFloat(SalePrice2Fld);
    w.SalePrice3 = OptFloat(SalePrice3Fld);
    w.ProfitRate = OptInt(ProfitRateFld);
    w.S08 = S08Fld->AsString();
    w.S09 = S09Fld->AsString();
    w.S10 = S10Fld->AsString();
    w.S11 = S11Fld->AsString();
    w.F01 = OptFloat(F01Fld);
    w.F02 = OptFloat(F02Fld);
    w.F03 = OptFloat(F03Fld);
    w.F04 = OptFloat(F04Fld);
    w.F05 = OptFloat(F05Fld);
    w.Note = NoteFld->AsString();
    w.Location = LocationFld->AsString();
    w.MinQty = OptFloat(MinQtyFld);
    w.MaxQty = OptFloat(MaxQtyFld);
    w.InPrice = OptFloat(InPriceFld);
    w.OutPrice = OptFloat(OutPriceFld);
    w.CostId = OptInt(CostIdFld);
    w.CostName = CostNameFld->AsString();
    return w;
}

void TWareSet::SetAsData(const RWare& w)
{
    EditOrAppendById(IdFld, w.Id);
    IdFld->SetValue(w.Id);
    // The loaded row shows what the table holds: no class unless a real one.
    const QVariant classId = KeyOrNull(w.ClassId);
    const auto ofClass = [&classId](const QString& text) { return classId.isNull() ? QVariant() : QVariant(text); };
    ClassIdFld->SetValue(classId);
    CatacodeFld->SetValue(ofClass(w.CataCode));
    CataNameFld->SetValue(ofClass(w.CataName));
    CataPathFld->SetValue(ofClass(w.CataPath));
    CodeFld->SetValue(w.Code);
    NameFld->SetValue(w.Name);
    LookIdFld->SetValue(w.LookId);
    PartNoFld->SetValue(w.PartNo);
    BrandFld->SetValue(w.Brand);
    PackageFld->SetValue(w.Package);
    BarcodeFld->SetValue(w.Barcode);
    UnitFld->SetValue(w.Unit);
    CostPriceFld->SetValue(Nullable(w.CostPrice));
    InnerPriceFld->SetValue(Nullable(w.InnerPrice));
    SalePrice1Fld->SetValue(Nullable(w.SalePrice1));
    SalePrice2Fld->SetValue(Nullable(w.SalePrice2));
    SalePrice3Fld->SetValue(Nullable(w.SalePrice3));
    ProfitRateFld->SetValue(Nullable(w.ProfitRate));
    S08Fld->SetValue(w.S08);
    S09Fld->SetValue(w.S09);
    S10Fld->SetValue(w.S10);
    S11Fld->SetValue(w.S11);
    F01Fld->SetValue(Nullable(w.F01));
    F02Fld->SetValue(Nullable(w.F02));
    F03Fld->SetValue(Nullable(w.F03));
    F04Fld->SetValue(Nullable(w.F04));
    F05Fld->SetValue(Nullable(w.F05));
    NoteFld->SetValue(w.Note);
    LocationFld->SetValue(w.Location);
    MinQtyFld->SetValue(Nullable(w.MinQty));
    MaxQtyFld->SetValue(Nullable(w.MaxQty));
    InPriceFld->SetValue(Nullable(w.InPrice));
    OutPriceFld->SetValue(Nullable(w.OutPrice));
    CostIdFld->SetValue(Nullable(w.CostId));
    CostNameFld->SetValue(w.CostName);
    DataSet()->Post();
}

void TWareSet::FilterByClass(const QString& code)
{
    FilterRowsByClass(DataSet(), code, QStringLiteral("CataCode"), QStringLiteral("CataCode"));
}

void TWareSet::setSlot(TSlot slot, const QString& condition)
{
    m_slots[slot] = condition;
    if (!Active()) return;
    TCriteria c;
    for (const QString& s : m_slots) c.Add(s);
    ApplyFilter(DataSet(), c.Conditions());
}

void TWareSet::SetClassId(const QString& code)
{
    TCriteria c;
    AddClassCondition(c, code, QStringLiteral("ClassId"), QStringLiteral("CataCode"));
    setSlot(ClassSlot, c.Conditions());
}

void TWareSet::SetLookId(const QString& text)
{
    setSlot(LookIdSlot, TCriteria().Contains(QStringLiteral("LookId"), text).Conditions());
}

void TWareSet::SetWareName(const QString& text)
{
    setSlot(NameSlot, TCriteria().Contains(QStringLiteral("Name"), text).Conditions());
}

void TWareSet::SetPartNo(const QString& text)
{
    setSlot(PartNoSlot, TCriteria().Contains(QStringLiteral("PartNo"), text).Conditions());
}

void TWareSet::SetWareCode(const QString& text)
{
    setSlot(CodeSlot, TCriteria().Contains(QStringLiteral("Code"), text).Conditions());
}

bool TWareSet::AssignClass(const RWareCata& cata)
{
    if (!Active() || IsEmpty()) return false;
    const std::optional<int> classId = cata.Id > 0 ? std::optional<int>(cata.Id) : std::nullopt;
    if (!SetWareClass(classId, IdFld->AsInteger())) return false;
    DataSet()->Edit();
    ClassIdFld->SetValue(Nullable(classId));
    CatacodeFld->SetValue(classId ? QVariant(cata.Code) : QVariant());
    CataNameFld->SetValue(classId ? QVariant(cata.Name) : QVariant());
    DataSet()->Post();
    return true;
}

double TWareSet::priceStat(const QString& sql) const
{
    if (!Active() || IsEmpty()) return 0.0;
    TRecordSet& shared = SharedRecordSet();
    shared.Open(sql, {DBParam(QStringLiteral("WareId"), IdFld->AsInteger())});
    return shared.FirstValue().toDouble();
}

double TWareSet::LowestInPrice() const
{
    return priceStat(QStringLiteral("select min(Price) from saledl where WareId=:WareId"));
}

double TWareSet::HighestInPrice() const
{
    return priceStat(QStringLiteral("select max(Price) from saledl where WareId=:WareId"));
}

double TWareSet::LastInPrice() const
{
    return priceStat(QStringLiteral("select top 1 d.Price from saledl d, sale m where d.MastId=m.Id and "
                                    "d.WareId=:WareId order by m.BizDate desc, m.Id desc"));
}

double TWareSet::AvgInPrice() const
{
    return priceStat(QStringLiteral("select avg(Price) from saledl where WareId=:WareId"));
}

bool TWareSet::SaveWare(RWare& w)
{
    const TDBParameters params{
        DBParam(QStringLiteral("ClassId"), KeyOrNull(w.ClassId)), DBParam(QStringLiteral("Code"), w.Code),
        DBParam(QStringLiteral("Name"), w.Name), DBParam(QStringLiteral("PartNo"), w.PartNo),
        DBParam(QStringLiteral("Brand"), w.Brand), DBParam(QStringLiteral("Package"), w.Package),
        DBParam(QStringLiteral("Barcode"), w.Barcode), DBParam(QStringLiteral("LookId"), w.LookId),
        DBParam(QStringLiteral("Unit"), w.Unit), DBParam(QStringLiteral("Note"), w.Note),
        DBParam(QStringLiteral("S08"), w.S08), DBParam(QStringLiteral("S09"), w.S09),
        DBParam(QStringLiteral("S10"), w.S10), DBParam(QStringLiteral("S11"), w.S11),
        DBParam(QStringLiteral("F01"), Nullable(w.F01)), DBParam(QStringLiteral("F02"), Nullable(w.F02)),
        DBParam(QStringLiteral("F03"), Nullable(w.F03)), DBParam(QStringLiteral("F04"), Nullable(w.F04)),
        DBParam(QStringLiteral("F05"), Nullable(w.F05)), DBParam(QStringLiteral("InPrice"), Nullable(w.InPrice)),
        DBParam(QStringLiteral("OutPrice"), Nullable(w.OutPrice)), DBParam(QStringLiteral("MinQty"), Nullable(w.MinQty)),
        DBParam(QStringLiteral("MaxQty"), Nullable(w.MaxQty)), DBParam(QStringLiteral("Location"), w.Location),
        DBParam(QStringLiteral("CostId"), Nullable(w.CostId)),
        DBParam(QStringLiteral("CostPrice"), Nullable(w.CostPrice)),
        DBParam(QStringLiteral("InnerPrice"), Nullable(w.InnerPrice)),
        DBParam(QStringLiteral("SalePrice1"), Nullable(w.SalePrice1)),
        DBParam(QStringLiteral("SalePrice2"), Nullable(w.SalePrice2)),
        DBParam(QStringLiteral("SalePrice3"), Nullable(w.SalePrice3)),
        DBParam(QStringLiteral("ProfitRate"), Nullable(w.ProfitRate))};
    if (w.Id > 0) {
        TDBParameters withId = params;
        withId.append(DBParam(QStringLiteral("Id"), w.Id));
        return GlobalDatabase().Execute(
                   QStringLiteral(
                       "update Ware set ClassId=:ClassId,Code=:Code,Name=:Name,PartNo=:PartNo,Brand=:Brand,"
                       "Package=:Package,Barcode=:Barcode,LookId=:LookId,Unit=:Unit,[Note]=:Note,S08=:S08, "
                       "S09=:S09, S10=:S10, S11=:S11, F01=:F01, F02=:F02, F03=:F03, F04=:F04, F05=:F05, "
                       "InPrice=:InPrice, OutPrice=:OutPrice, MinQty=:MinQty, MaxQty=:MaxQty, Location=:Location, "
                       "CostId=:CostId, CostPrice=:CostPrice, InnerPrice=:InnerPrice, SalePrice1=:SalePrice1,"
                       "SalePrice2=:SalePrice2, SalePrice3=:SalePrice3, ProfitRate=:ProfitRate  where Id=:Id"),
                   withId)
               == 1;
    }
    return MasterSql::InsertWithNewId(
        QStringLiteral("Ware"),
        QStringLiteral(
            "insert into Ware(ClassId,Code,Name,PartNo,Brand,Package,Barcode,LookId,Unit,[Note],S08, S09, S10, "
            "S11, F01, F02, F03, F04, F05, InPrice, OutPrice, MinQty, MaxQty, Location, CostId, CostPrice,"
            "InnerPrice,SalePrice1,SalePrice2,SalePrice3,ProfitRate,Id)values(:ClassId,:Code,:Name,:PartNo,"
            ":Brand,:Package,:Barcode,:LookId,:Unit,:Note,:S08, :S09, :S10, :S11, :F01, :F02, :F03, :F04, :F05, "
            ":InPrice, :OutPrice, :MinQty, :MaxQty, :Location, :CostId, :CostPrice,:InnerPrice,:SalePrice1,"
            ":SalePrice2,:SalePrice3,:ProfitRate,:Id)"),
        params, w.Id);
}

bool TWareSet::DeleteWare(int id) { return MasterSql::DeleteById(QStringLiteral("Ware"), id); }

bool TWareSet::LoadWare(int id, RWare& ware) { return MasterSql::LoadById<TWareSet>(id, ware); }

int TWareSet::MoveToClass(const RWareCata& source, const RWareCata& target)
{
    const QVariant newClass = KeyOrNull(target.Id);
    if (source.Id <= 0)
        return GlobalDatabase().Execute(QStringLiteral("update ware set ClassId=:NewClassId where ClassId is null"),
                                        {DBParam(QStringLiteral("NewClassId"), newClass)});
    return GlobalDatabase().Execute(QStringLiteral("update ware set ClassId=:NewClassId where ClassId=:OldClassId"),
                                    {DBParam(QStringLiteral("NewClassId"), newClass),
                                     DBParam(QStringLiteral("OldClassId"), source.Id)});
}

bool TWareSet::SetWareClass(const std::optional<int>& classId, int id)
{
    return GlobalDatabase().Execute(QStringLiteral("update ware set ClassId=:ClassId where Id=:Id"),
                                    {DBParam(QStringLiteral("ClassId"), KeyOrNull(classId)),
                                     DBParam(QStringLiteral("Id"), id)})
           == 1;
}

TWareCataSet::TWareCataSet(QObject* parent) : TTreeClassSet(WareClassTable(), parent) {}

bool TWareCataSet::SaveClassTree(RWareCatas& catas) { return SaveTree(WareClassTable(), catas); }
