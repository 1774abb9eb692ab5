#include "ToolkitFixtures.h"

std::unique_ptr<TDataSet> MakeGoodsLines()
{
    auto ds = std::make_unique<TDataSet>();
    ds->AddField(TFieldType::String, QStringLiteral("Code"), 20, true, QStringLiteral("货号"));
    ds->AddField(TFieldType::WideString, QStringLiteral("Name"), 40, true, QStringLiteral("名称"));
    ds->AddField(TFieldType::Float, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    ds->AddField(TFieldType::Currency, QStringLiteral("Price"), -1, true, QStringLiteral("单价"));
    ds->AddField(TFieldType::DateTime, QStringLiteral("BizDate"), -1, true, QStringLiteral("日期"));
    ds->AddField(TFieldType::Memo, QStringLiteral("Note"), -1, true, QStringLiteral("备注"));
    ds->AddField(TFieldType::Integer, QStringLiteral("Id"), -1, false);
    std::vector<QVector<QVariant>> rows;
    auto row = [&](const char* code, const char* name, double qty, double price, QDate d, const char* note, int id) {
        rows.push_back({QString::fromUtf8(code), QString::fromUtf8(name), qty, price, d, QString::fromUtf8(note), id});
    };
    row("A03", "张三牌螺丝", 5, 1.5, QDate(2024, 3, 1), "蓝色", 1);
    row("B01", "阿里扳手", 2, 30, QDate(2024, 3, 2), "含5件", 2);
    row("A01", "北京钳子", 10, 12.25, QDate(2024, 2, 28), "", 3);
    row("C05", "阿里扳手", 1, 28, QDate(2024, 3, 5), "旧款", 4);
    ds->LoadRows(std::move(rows));
    return ds;
}
