#pragma once
#include "RecordSet.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

// One node of a class tree (goods classes and sales districts are stored alike): Id 0 = not yet
// saved, -1 = a pseudo node; SlfId is the pre-order position (1-based) and PrtId the parent's
// SlfId (0 at the top); Code is the dotted chain of the ancestors' positions and its own.
struct RTreeClass {
    int Id = 0;
    QString Code;
    QString Name;
    QString Note;
    QString Path;
    int SlfId = 0;
    int PrtId = 0;
};
using RTreeClasses = QList<RTreeClass>;

// Pseudo class codes understood by every class and district filter.
namespace PseudoCode {
inline const QString All = QStringLiteral("sys-all");          // 全部
inline const QString Classed = QStringLiteral("sys-classed");  // 已分类
inline const QString Nulled = QStringLiteral("sys-nulled");    // 未分类
}  // namespace PseudoCode

class TCriteria;
class TDataSet;
// Adds the condition of a class filter: nothing for "sys-all" or empty, keyColumn is (not) null
// for "sys-nulled" ("sys-classed"), otherwise codeColumn beginning with the code, i.e. the
// class and everything below it. The text serves SQL and client-side filters alike.
void AddClassCondition(TCriteria& criteria, const QString& code, const QString& keyColumn,
                       const QString& codeColumn);
// Sets a client-side filter from " and "-joined conditions; switched on only when there are any.
void ApplyFilter(TDataSet* dataSet, const QString& conditions);
// Filters loaded rows by a class code or pseudo code.
void FilterRowsByClass(TDataSet* dataSet, const QString& code, const QString& keyField, const QString& codeField);

// What differs between the two trees: their table, the table whose rows belong to a node, and
// the texts shown for them.
struct TTreeTable {
    QString Table;          // wareclass, districts
    QString MemberTable;    // ware, client
    QString MemberColumn;   // ClassId, DistrictId
    QString NewCaption;     // caption of a node just added
    QString BlankMessage;   // shown when a node has no name
};
const TTreeTable& WareClassTable();
const TTreeTable& DistrictTable();

// The rows of a tree table in SlfId order (the query sets of goods classes and districts).
class TTreeClassSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TTreeClassSet(const TTreeTable& table, QObject* parent = nullptr);
    TField* IdFld;
    TField* CodeFld;
    TField* NameFld;
    TField* NoteFld;
    TField* PathFld;
    TField* SlfIdFld;
    TField* PrtIdFld;

    void OpenAll();
    // The current row.
    RTreeClass AsData() const;
    // Every row, in SlfId order.
    RTreeClasses AsDatas() const;

private:
    const TTreeTable* m_table;
};

// Numbers a tree given in flat pre-order, where parents[i] is the index of record i's parent
// (-1 at the top, always an index before i): SlfId = i + 1, PrtId = the parent's SlfId,
// Code = the parent's code followed by "SlfId.".
void NumberClasses(RTreeClasses& flat, const QList<int>& parents);

// Saves the whole numbered tree in one transaction: rows whose Id is not among the records are
// deleted (their members lose the reference first), the others updated, records with Id 0 or
// less inserted under new Ids. On success the records carry their new Ids; on failure nothing
// is written, the records keep their Ids and EMqError "保存失败, 没有返回成功值." (or the
// database's error) passes on.
bool SaveTree(const TTreeTable& table, RTreeClasses& records);

// The classes of a table as the tree holds them in memory: what the tree controls show and
// edit before a whole-tree save.
class TClassTree {
public:
    struct TNode {
        RTreeClass Data;
        TNode* Parent = nullptr;  // nullptr at the top level
        std::vector<std::unique_ptr<TNode>> Children;
    };

    explicit TClassTree(const TTreeTable& table);
    const TTreeTable& Table() const { return *m_table; }

    void Clear();
    // Builds the tree from rows in SlfId order: a row's parent is the first node whose SlfId
    // equals its PrtId; rows without one go to the top. Rows with a blank name are skipped
    // when skipBlankNames is set.
    void Load(const RTreeClasses& rows, bool skipBlankNames = false);
    // Reads the table (ordered by SlfId) and loads it.
    void LoadFromDatabase(bool skipBlankNames = false);

    const std::vector<std::unique_ptr<TNode>>& TopLevel() const { return m_top; }
    // Every node, parents before children, siblings in order.
    QList<TNode*> Flat() const;
    int Count() const { return int(Flat().size()); }

    // Adds a node with the new-node caption as the last child of parent (top level for nullptr).
    TNode* AddClass(TNode* parent);
    // Removes a node with everything below it.
    void Remove(TNode* node);
    // A node may become the last child of any node that is neither itself, nor its parent, nor
    // one of its descendants; target nullptr (the top level) only when it is not already there.
    bool CanMove(const TNode* node, const TNode* target) const;
    bool Move(TNode* node, TNode* target);

    TNode* FindByCode(const QString& code) const;
    TNode* FindById(int id) const;
    // The names from the top down to the node, each followed by a backslash.
    static QString NodePath(const TNode* node);

    // Numbers every node in pre-order and writes the numbers back into the nodes. A node whose
    // trimmed name is empty stops it: the blank-name message is shown, blank receives that node
    // and the result is false.
    bool CollectClasses(RTreeClasses& records, TNode** blank = nullptr);
    // Collects and saves the tree; afterwards the nodes hold their saved Ids.
    bool SaveClasses(TNode** blank = nullptr);

private:
    static bool isDescendant(const TNode* node, const TNode* ancestor);
    std::vector<std::unique_ptr<TNode>>& siblingsOf(TNode* parent);
    std::unique_ptr<TNode> detach(TNode* node);

    const TTreeTable* m_table;
    std::vector<std::unique_ptr<TNode>> m_top;
};
