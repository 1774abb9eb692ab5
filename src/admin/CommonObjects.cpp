#include "CommonObjects.h"

#include "Company.h"
#include "Field.h"
#include "KeyValue.h"
#include "Labels.h"
#include "Numbers.h"

TDisplaySettings& DisplaySettings()
{
    static TDisplaySettings settings;
    return settings;
}

void LoadCommonObjects()
{
    TKeyValue2& keys = GlobalKeyValue();
    TDisplaySettings& s = DisplaySettings();
    s.QtyDecimals = keys.GetInt(KeyIds::QtyDecimals);
    s.PriceDecimals = keys.GetInt(KeyIds::PriceDecimals);
    s.QtyFormat = Numbers::DecimalFormat(s.QtyDecimals);
    s.PriceFormat = Numbers::DecimalFormat(s.PriceDecimals);
    s.AmountFormat = QStringLiteral("0.00");
    TFundField::AmountFormat() = s.AmountFormat;

    s.OrderPriceSource = keys.GetInt(KeyIds::OrderPriceSource);
    s.SalePriceSource = keys.GetInt(KeyIds::SalePriceSource);

    TCaptions::Load();
    CurrentCompany().LoadCompany();

    s.Key2015 = keys.GetInt(2015);
    s.Key2037 = keys.GetInt(2037);
    s.ClientSearchField = keys.GetInt(KeyIds::ClientSearchField);
    s.Key2040 = keys.GetBool(2040);
}
