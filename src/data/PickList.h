#pragma once
#include "RecordSet.h"

#include <QString>

// The user-editable drop-down lists: table options, one row per list number with its items one
// per line.
namespace PickLists {
constexpr int Units = 0;         // 常用计量单位
constexpr int SpecialChars = 1;  // 特殊字符
constexpr int Carriers = 2;      // 运输商
constexpr int Purchase = 3;      // a list of the purchase order window
}  // namespace PickLists

class TPickList {
public:
    // The items of a list as text, one per line; empty when the list does not exist.
    static QString GetList(int key);
    // Update, or insert when the update did not change exactly one row; true when the last
    // statement changed one row. The label is written empty.
    static bool SetList(int key, const QString& text);
    // The items as a list of lines, blank lines dropped.
    static QStringList Items(int key);
};

// All lists ("select * from options order by [Key]").
class TPickListSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TPickListSet(QObject* parent = nullptr);

    TField* KeyFld;
    TField* LabelFld;
    TField* ListFld;

    // The number of lists; opens the set when it is not open.
    int Count();
    // Appends empty lists (next key after the largest) until there are n.
    void SetCount(int n);

private:
    void ensureOpen();
    QString m_source;
};

// The pick-list store of this workstation (of the calling thread's connection).
TPickListSet& GlobalPickListSet();
