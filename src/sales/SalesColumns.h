#pragma once
#include "SalesRecords.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <optional>

// The columns the three sales documents share, written and read once: the common header
// columns and the goods columns of every line. Each document adds its own after these.
namespace SalesColumns {

// OldCode, BizDate, ClientId, SalemanId, DeptId, TotalFund, Note.
QStringList Head();
TDBParameters HeadValues(const RSalesHead& head);
// The stamp, the common header columns and the joined DeptName, ClientName, SalemanName.
void ReadHead(const TBillRow& row, RSalesHead& head);

// WareId, WareColor, WareSize, WareProp, UnitName, UnitRate, Qty, Price, Fund, dlNote.
QStringList GoodsLine();
TDBParameters GoodsLineValues(const RGoodsLine& line);
// The keys, the goods columns and the joined goods texts (WareCode ... WareUnit).
void ReadGoodsLine(const TBillRow& row, RGoodsLine& line);

// The empty new document that 新建 shows, for an operator holding the document's entry right:
// business date and making time from the server's clock, the operator as maker.
void StampNew(RSalesHead& head, int entryRight);
// Makes a copy of a saved document a new one (复制, the entry right again): new date, maker
// and making time, no Id, Code or checker; the lines become new lines.
template <class R>
R CopyAsNew(R source, int entryRight)
{
    StampNew(source, entryRight);
    for (auto& l : source.Lines) {
        l.dlId = 0;
        l.MastId = 0;
    }
    return source;
}

// A new document made from another (生成订单, 生成发货): today's date, the other's client,
// department and salesman with their names and its total, the operator as maker.
void StampConverted(RSalesHead& head, const RSalesHead& from);

// What a new line takes from its goods item.
struct RWareFacts {
    int Id = 0;
    QString Code, Name, PartNo, Brand, Package, Unit;
    std::optional<double> SalePrice1;
    std::optional<double> CostPrice;
    std::optional<double> InnerPrice;
    std::optional<int> ProfitRate;
};
// Reads a goods item; none when it does not exist.
std::optional<RWareFacts> ReadWare(int wareId);
// Reads several goods items at once, by Id.
QHash<int, RWareFacts> ReadWares(const QList<int>& wareIds);
// The goods texts a line shows (WareCode ... WareUnit).
void TakeWareTexts(RGoodsLine& line, const RWareFacts& ware);
// A line of that item in its base unit (rate 1, no unit name, no note, no price).
void FillFromWare(RGoodsLine& line, const RWareFacts& ware);

// The price of the goods item in the client's latest quotation (checked or not); none when the
// client was never quoted that item or the client is not set.
std::optional<double> LastQuotedPrice(const std::optional<int>& clientId, int wareId);

// The default price of a new order or delivery line by a price-source option (KeyIds 19, 20):
// 0 the goods item's suggested sale price, 1 the client's last quoted price, else none.
std::optional<double> DefaultPrice(int priceSource, const RWareFacts& ware, const std::optional<int>& clientId);

}  // namespace SalesColumns
