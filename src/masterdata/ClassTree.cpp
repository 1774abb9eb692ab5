#include "ClassTree.h"

#include "Criteria.h"
#include "Errors.h"
#include "Keys.h"
#include "MqLib.h"

#include <algorithm>
#include <functional>

const TTreeTable& WareClassTable()
{
    static const TTreeTable table{QStringLiteral("wareclass"), QStringLiteral("ware"), QStringLiteral("ClassId"),
                                  QStringLiteral("新的分类"), QStringLiteral("分类名称不能是空白,必须填写.")};
    return table;
}

const TTreeTable& DistrictTable()
{
    static const TTreeTable table{QStringLiteral("districts"), QStringLiteral("client"), QStringLiteral("DistrictId"),
                                  QStringLiteral("新的区域"), QStringLiteral("区域名称不能是空白,必须填写.")};
    return table;
}

void AddClassCondition(TCriteria& criteria, const QString& code, const QString& keyColumn,
                       const QString& codeColumn)
{
    if (code.isEmpty() || code == PseudoCode::All) return;
    if (code == PseudoCode::Classed) criteria.Add(keyColumn + QStringLiteral(" is not null"));
    else if (code == PseudoCode::Nulled) criteria.Add(keyColumn + QStringLiteral(" is null"));
    else criteria.StartsWith(codeColumn, code);
}

void ApplyFilter(TDataSet* dataSet, const QString& conditions)
{
    dataSet->SetFiltered(false);
    dataSet->SetFilter(conditions);
    dataSet->SetFiltered(!conditions.isEmpty());
}

void FilterRowsByClass(TDataSet* dataSet, const QString& code, const QString& keyField, const QString& codeField)
{
    TCriteria c;
    AddClassCondition(c, code, keyField, codeField);
    ApplyFilter(dataSet, c.Conditions());
}

TTreeClassSet::TTreeClassSet(const TTreeTable& table, QObject* parent) : TQuerySet(parent), m_table(&table)
{
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), 0, false);
    CodeFld = AddField(TFieldType::String, QStringLiteral("Code"), 50, true, QStringLiteral("编码"));
    NameFld = AddField(TFieldType::WideString, QStringLiteral("Name"), 30, true, QStringLiteral("类别名称"));
    NoteFld = AddField(TFieldType::WideString, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    PathFld = AddField(TFieldType::WideString, QStringLiteral("Path"), 250, true, QStringLiteral("类别全称"));
    SlfIdFld = AddField(TFieldType::Integer, QStringLiteral("SlfId"), 0, false);
    PrtIdFld = AddField(TFieldType::Integer, QStringLiteral("PrtId"), 0, false);
}

void TTreeClassSet::OpenAll()
{
    Open(QStringLiteral("select Id, Code, Name, [Note], SlfId, PrtId, Name as Path from %1 order by SlfId")
             .arg(m_table->Table));
}

RTreeClass TTreeClassSet::AsData() const
{
    RTreeClass r;
    r.Id = IdFld->AsInteger();
    r.Code = CodeFld->AsString();
    r.Name = NameFld->AsString();
    r.Note = NoteFld->AsString();
    r.Path = PathFld->AsString();
    r.SlfId = SlfIdFld->AsInteger();
    r.PrtId = PrtIdFld->AsInteger();
    return r;
}

RTreeClasses TTreeClassSet::AsDatas() const
{
    RTreeClasses rows;
    TDataSet* ds = DataSet();
    if (!ds->Active()) return rows;
    const TBookmark mark = ds->GetBookmark();
    for (ds->First(); !ds->Eof(); ds->Next()) rows.append(AsData());
    ds->GotoBookmark(mark);
    return rows;
}

void NumberClasses(RTreeClasses& flat, const QList<int>& parents)
{
    for (int i = 0; i < flat.size(); ++i) {
        RTreeClass& r = flat[i];
        r.SlfId = i + 1;
        r.PrtId = 0;
        r.Code = QStringLiteral("%1.").arg(r.SlfId);
        const int p = parents.value(i, -1);
        if (p >= 0 && p < i) {
            r.PrtId = flat[p].SlfId;
            r.Code = flat[p].Code + r.Code;
        }
    }
}

bool SaveTree(const TTreeTable& table, RTreeClasses& records)
{
    TDatabase& db = GlobalDatabase();
    const auto failed = [] { throw EMqError(QStringLiteral("保存失败, 没有返回成功值.")); };
    RTreeClasses saved = records;

    TTransaction trans(db);
    // One tree save at a time among workstations: the removed rows are read before writing.
    db.LockForUpdate(TKeys::AllocationLock());

    QString kept = QStringLiteral("-1");
    for (const RTreeClass& r : saved)
        if (r.Id > 0) kept += QStringLiteral(", %1").arg(r.Id);
    TQuerySet removed;
    removed.Open(QStringLiteral("select Id from %1 where Id not in(%2)").arg(table.Table, kept));
    for (TDataSet* ds = removed.DataSet(); !ds->Eof(); ds->Next()) {
        const int id = ds->Field(0)->AsInteger();
        db.Execute(QStringLiteral("update %1 set %2=null where %2=:ClassId").arg(table.MemberTable, table.MemberColumn),
                   {DBParam(QStringLiteral("ClassId"), id)});
        if (db.Execute(QStringLiteral("delete from %1 where Id=:Id").arg(table.Table), {DBParam(QStringLiteral("Id"), id)}) != 1)
            failed();
    }

    // Old codes must not collide with the new ones; a failure here does not matter.
    try {
        TTransaction clear(db);
        db.Execute(QStringLiteral("update %1 set Code=null").arg(table.Table));
        clear.Commit();
    } catch (const EDatabaseError&) {
    }

    int nextId = NewId(table.Table);
    for (RTreeClass& r : saved) {
        TDBParameters params{DBParam(QStringLiteral("Code"), r.Code), DBParam(QStringLiteral("Name"), r.Name),
                             DBParam(QStringLiteral("Note"), r.Note), DBParam(QStringLiteral("SlfId"), r.SlfId),
                             DBParam(QStringLiteral("PrtId"), r.PrtId)};
        QString sql;
        if (r.Id > 0) {
            sql = QStringLiteral("update %1 set Code=:Code, Name=:Name, [Note]=:Note, SlfId=:SlfId, PrtId=:PrtId "
                                 "where Id=:Id");
        } else {
            r.Id = nextId++;
            sql = QStringLiteral("insert into %1(Code, Name, [Note], SlfId, PrtId, Id)"
                                 "values(:Code, :Name, :Note, :SlfId, :PrtId, :Id)");
        }
        params.append(DBParam(QStringLiteral("Id"), r.Id));
        if (db.Execute(sql.arg(table.Table), params) != 1) failed();
    }
    trans.Commit();
    records = saved;
    return true;
}

TClassTree::TClassTree(const TTreeTable& table) : m_table(&table) {}

void TClassTree::Clear() { m_top.clear(); }

void TClassTree::Load(const RTreeClasses& rows, bool skipBlankNames)
{
    Clear();
    QList<TNode*> added;
    for (const RTreeClass& r : rows) {
        if (skipBlankNames && r.Name.isEmpty()) continue;
        TNode* parent = nullptr;
        for (TNode* n : added) {
            if (n->Data.SlfId == r.PrtId) {
                parent = n;
                break;
            }
        }
        auto node = std::make_unique<TNode>();
        node->Data = r;
        node->Parent = parent;
        added.append(node.get());
        siblingsOf(parent).push_back(std::move(node));
    }
}

void TClassTree::LoadFromDatabase(bool skipBlankNames)
{
    TTreeClassSet set(*m_table);
    set.OpenAll();
    Load(set.AsDatas(), skipBlankNames);
}

QList<TClassTree::TNode*> TClassTree::Flat() const
{
    QList<TNode*> out;
    const std::function<void(const std::vector<std::unique_ptr<TNode>>&)> walk =
        [&](const std::vector<std::unique_ptr<TNode>>& nodes) {
            for (const auto& n : nodes) {
                out.append(n.get());
                walk(n->Children);
            }
        };
    walk(m_top);
    return out;
}

std::vector<std::unique_ptr<TClassTree::TNode>>& TClassTree::siblingsOf(TNode* parent)
{
    return parent ? parent->Children : m_top;
}

TClassTree::TNode* TClassTree::AddClass(TNode* parent)
{
    auto node = std::make_unique<TNode>();
    node->Data.Name = m_table->NewCaption;
    node->Parent = parent;
    TNode* raw = node.get();
    siblingsOf(parent).push_back(std::move(node));
    return raw;
}

std::unique_ptr<TClassTree::TNode> TClassTree::detach(TNode* node)
{
    auto& siblings = siblingsOf(node->Parent);
    const auto it = std::find_if(siblings.begin(), siblings.end(), [node](const auto& n) { return n.get() == node; });
    if (it == siblings.end()) return nullptr;
    std::unique_ptr<TNode> owned = std::move(*it);
    siblings.erase(it);
    return owned;
}

void TClassTree::Remove(TNode* node)
{
    if (node) detach(node);
}

bool TClassTree::isDescendant(const TNode* node, const TNode* ancestor)
{
    for (const TNode* p = node; p; p = p->Parent)
        if (p == ancestor) return true;
    return false;
}

bool TClassTree::CanMove(const TNode* node, const TNode* target) const
{
    if (!node) return false;
    if (!target) return node->Parent != nullptr;
    return target != node->Parent && !isDescendant(target, node);
}

bool TClassTree::Move(TNode* node, TNode* target)
{
    if (!CanMove(node, target)) return false;
    std::unique_ptr<TNode> owned = detach(node);
    if (!owned) return false;
    owned->Parent = target;
    siblingsOf(target).push_back(std::move(owned));
    return true;
}

TClassTree::TNode* TClassTree::FindByCode(const QString& code) const
{
    for (TNode* n : Flat())
        if (n->Data.Code == code) return n;
    return nullptr;
}

TClassTree::TNode* TClassTree::FindById(int id) const
{
    for (TNode* n : Flat())
        if (n->Data.Id == id) return n;
    return nullptr;
}

QString TClassTree::NodePath(const TNode* node)
{
    QString path;
    for (const TNode* p = node; p; p = p->Parent) path.prepend(p->Data.Name + u'\\');
    return path;
}

bool TClassTree::CollectClasses(RTreeClasses& records, TNode** blank)
{
    const QList<TNode*> nodes = Flat();
    records.clear();
    QList<int> parents;
    for (TNode* n : nodes) {
        if (n->Data.Name.trimmed().isEmpty()) {
            if (blank) *blank = n;
            ShowWarning(m_table->BlankMessage);
            return false;
        }
        records.append(n->Data);
        parents.append(n->Parent ? int(nodes.indexOf(n->Parent)) : -1);
    }
    NumberClasses(records, parents);
    for (int i = 0; i < nodes.size(); ++i) nodes[i]->Data = records[i];
    return true;
}

bool TClassTree::SaveClasses(TNode** blank)
{
    RTreeClasses records;
    if (!CollectClasses(records, blank)) return false;
    SaveTree(*m_table, records);
    const QList<TNode*> nodes = Flat();
    for (int i = 0; i < nodes.size(); ++i) nodes[i]->Data = records[i];
    return true;
}
