#include "SalesWhere.h"

#include "Labels.h"
#include "Nullable.h"

TSalesWhere::TSalesWhere(QObject* parent) : TCustomWhere(parent) {}

TField* TSalesWhere::Add(TFieldType type, const QString& name, int size, bool visible, const QString& label)
{
    return AddFieldDef(type, name, size, visible, label);
}

void TSalesWhere::DeclareGoods()
{
    WareClassIdFld = Add(TFieldType::String, QStringLiteral("WarecataCode"), 50, false);
    WarecataNameFld = Add(TFieldType::String, QStringLiteral("WarecataName"), 50, false);
    WareIdFld = Add(TFieldType::Integer, QStringLiteral("WareId"), 0, false);
    WareLookIdFld = Add(TFieldType::String, QStringLiteral("WareLookId"), 50, true, QStringLiteral("助查码"));
    WareCodeFld = Add(TFieldType::String, QStringLiteral("WareCode"), 50, true, TCaptions::WareS01());
    WareNameFld = Add(TFieldType::String, QStringLiteral("WareName"), 50, true, TCaptions::WareS02());
    WarePartNoFld = Add(TFieldType::String, QStringLiteral("WarePartNo"), 250, true, TCaptions::WareS04());
    WareBrandFld = Add(TFieldType::String, QStringLiteral("WareBrand"), 50, true, TCaptions::WareS05());
    WarePackageFld = Add(TFieldType::String, QStringLiteral("WarePackage"), 50, true, TCaptions::WareS06());
    WareUnitFld = Add(TFieldType::String, QStringLiteral("WareUnit"), 30, true, TCaptions::WareS12());
}

void TSalesWhere::DeclareGoodsTexts(bool labelled)
{
    WareCodeXFld = Add(TFieldType::WideString, QStringLiteral("WareCodeX"), 50, true, labelled ? QStringLiteral("货号") : QString());
    WareLookIdXFld = Add(TFieldType::WideString, QStringLiteral("WareLookIdX"), 50, true, labelled ? QStringLiteral("助查码") : QString());
    WareNameXFld = Add(TFieldType::WideString, QStringLiteral("WareNameX"), 50, true, labelled ? QStringLiteral("品名") : QString());
}

qint64 TSalesWhere::IdOf(const TField* f)
{
    if (!f) return 0;
    const QVariant v = f->Value();
    return Nullable::IsNull(v) ? 0 : v.toLongLong();
}

QString TSalesWhere::TextOf(const TField* f)
{
    if (!f) return QString();
    const QVariant v = f->Value();
    return Nullable::IsNull(v) ? QString() : v.toString().trimmed();
}

TCriteria TSalesWhere::HeaderCriteria(const QString& m)
{
    UpdateRecord();
    const QString p = m.isEmpty() ? QString() : m + u'.';
    TCriteria c;
    if (BillIdFld) c.IdNotNull(p + QStringLiteral("Id"), BillIdFld->Value());
    if (BeginDateFld) c.Date(p + QStringLiteral("BizDate"), QStringLiteral(">="), BeginDateFld->Value());
    if (EndDateFld) c.Date(p + QStringLiteral("BizDate"), QStringLiteral("<="), EndDateFld->Value());
    c.Id(p + QStringLiteral("ClientId"), IdOf(ClientIdFld));
    c.Id(p + QStringLiteral("DeptId"), IdOf(DeptIdFld));
    c.Id(p + QStringLiteral("SalemanId"), IdOf(SalemanIdFld));
    return c;
}

TCriteria TSalesWhere::GoodsCriteria(const QString& ware, const QString& wareClass)
{
    UpdateRecord();
    TCriteria c;
    c.Id(ware + QStringLiteral(".Id"), IdOf(WareIdFld));
    c.StartsWith(wareClass + QStringLiteral(".Code"), TextOf(WareClassIdFld));
    c.Contains(ware + QStringLiteral(".Code"), TextOf(WareCodeXFld));
    c.Contains(ware + QStringLiteral(".LookId"), TextOf(WareLookIdXFld));
    c.Contains(ware + QStringLiteral(".Name"), TextOf(WareNameXFld));
    return c;
}

TCriteria TSalesWhere::GoodsInCriteria(const QString& wareIdColumn)
{
    const TCriteria goods = GoodsCriteria(QStringLiteral("gw"), QStringLiteral("gc"));
    TCriteria c;
    if (!goods.IsEmpty())
        c.Add(QStringLiteral("%1 in (select gw.Id from ware gw left join wareclass gc on gc.Id=gw.ClassId %2)")
                  .arg(wareIdColumn, goods.Where()));
    return c;
}

QString TSalesWhere::GoodsSubquery(const QString& detailTable, const QString& m)
{
    const TCriteria goods = GoodsCriteria();
    if (goods.IsEmpty()) return QString();
    return QStringLiteral(" and %1.Id in (select distinct MastId from ((%2 d inner join ware w on d.WareId=w.Id) "
                          "left join wareclass c on c.Id=w.ClassId) where 1=1 %3)")
        .arg(m, detailTable, goods.Text());
}
