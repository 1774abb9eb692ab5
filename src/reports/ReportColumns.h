#pragma once
#include "Field.h"

#include <QString>
#include <functional>

// Columns that several reports share, declared once with their sizes and the operator's own
// goods captions.
namespace ReportColumns {

// Adds one field: a record set's AddField or a client dataset's AddFieldDef.
using TAdd = std::function<TField*(TFieldType type, const QString& name, int size, bool visible, const QString& label)>;

struct TGoods {
    TField* WareLookId = nullptr;
    TField* WareCode = nullptr;
    TField* WareName = nullptr;
    TField* WarePartNo = nullptr;
    TField* WareBrand = nullptr;
    TField* WarePackage = nullptr;
    TField* WareUnit = nullptr;
};
// WareLookId ("助查码"), WareCode, WareName, WarePartNo, WareBrand, WarePackage, WareUnit.
TGoods AddGoods(const TAdd& add);

struct TAttributes {
    TField* WareColor = nullptr;
    TField* WareSize = nullptr;
    TField* WareProp = nullptr;
};
// WareColor, WareSize, WareProp.
TAttributes AddAttributes(const TAdd& add);

}  // namespace ReportColumns
