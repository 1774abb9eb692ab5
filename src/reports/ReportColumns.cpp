#include "ReportColumns.h"

#include "Labels.h"

namespace ReportColumns {

TGoods AddGoods(const TAdd& add)
{
    const auto text = [&add](const char* name, int size, const QString& label) {
        return add(TFieldType::WideString, QString::fromLatin1(name), size, true, label);
    };
    TGoods g;
    g.WareLookId = text("WareLookId", 50, QStringLiteral("助查码"));
    g.WareCode = text("WareCode", 50, TCaptions::WareS01());
    g.WareName = text("WareName", 50, TCaptions::WareS02());
    g.WarePartNo = text("WarePartNo", 250, TCaptions::WareS04());
    g.WareBrand = text("WareBrand", 50, TCaptions::WareS05());
    g.WarePackage = text("WarePackage", 50, TCaptions::WareS06());
    g.WareUnit = text("WareUnit", 30, TCaptions::WareS12());
    return g;
}

TAttributes AddAttributes(const TAdd& add)
{
    TAttributes a;
    a.WareColor = add(TFieldType::WideString, QStringLiteral("WareColor"), 30, true, TCaptions::WareColorLabel());
    a.WareSize = add(TFieldType::WideString, QStringLiteral("WareSize"), 30, true, TCaptions::WareSizeLabel());
    a.WareProp = add(TFieldType::WideString, QStringLiteral("WareProp"), 30, true, TCaptions::WarePropLabel());
    return a;
}

}  // namespace ReportColumns
