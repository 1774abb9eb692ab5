#pragma once
#include <QString>

// The process-wide display settings every window reads. LoadCommonObjects() fills them at start
// and again after the options dialog saved, so changed decimals show without a restart.
struct TDisplaySettings {
    int QtyDecimals = 2;
    int PriceDecimals = 2;
    QString QtyFormat = QStringLiteral("0.00");    // "0." followed by QtyDecimals zeros
    QString PriceFormat = QStringLiteral("0.00");  // "0." followed by PriceDecimals zeros
    QString AmountFormat = QStringLiteral("0.00"); // fixed
    // Price of a new order line / delivery line: 0 the goods' suggested sale price, 1 the last
    // quoted price (KeyIds 19 and 20).
    int OrderPriceSource = 0;
    int SalePriceSource = 0;
    // Warehouse options read at start (KeyIds 2015, 2037, 2040) and the client list's initial
    // search field (KeyId 2038).
    int Key2015 = 0;
    int Key2037 = 0;
    int ClientSearchField = 0;
    bool Key2040 = false;
};

TDisplaySettings& DisplaySettings();

// Reloads, in order: the decimals of quantities and prices (and the fixed amount format), the
// price sources of new order and delivery lines, the captions of goods and client fields, the
// company record, and the remaining options read at start.
void LoadCommonObjects();
