#pragma once
#include "DataSet.h"
#include "Errors.h"
#include "MasterSql.h"
#include "MqLib.h"
#include "Operator.h"

#include <QObject>
#include <functional>

using TSearchFieldEvent = std::function<void(TField* field)>;

// The operations of every master-data list object, as its window, its picker and the
// pick-enabled controls call them.
class IViewList {
public:
    virtual ~IViewList() = default;
    virtual void AddItem() = 0;
    virtual void EditItem() = 0;
    virtual void DeleteItem() = 0;
    virtual void RefreshList() = 0;
    virtual void PrintList() = 0;
    virtual void SearchFields(const TSearchFieldEvent& callback) = 0;
    virtual bool PickItem() = 0;
    virtual bool ImportItems() = 0;
};

// Prints a list's loaded rows with a report number; installed by the report subsystem.
using TPrintListRoutine = std::function<void(int reportNo, TDataSet* rows)>;
TPrintListRoutine& ListPrinter();

// The save callback an editor runs on OK; true lets the editor close.
template <class R>
using TSaveEvent = std::function<bool(R&)>;
// Shows an editor for a record (modal); the windows library installs one per list class.
template <class R>
using TEditorRoutine = std::function<bool(const R& record, const TSaveEvent<R>& save)>;

struct TListRules {
    int Right;     // needed to add, edit, delete and import
    int ReportNo;  // print template of the list
};

// A record set that is also a list object. Derived names the concrete list (so that each list
// class has its own installed editor and importer), Set its record set, R its record.
template <class Derived, class Set, class R>
class TViewList : public Set, public IViewList {
public:
    static inline TEditorRoutine<R> DefaultEditor;
    static inline std::function<bool()> DefaultImporter;

    TEditorRoutine<R> Editor;                // this list's editor; the default when unset
    std::function<bool()> Importer;          // this list's importer; the default when unset
    std::function<bool(const R&)> OnPick;    // the pick callback of pickers and controls

    explicit TViewList(const TListRules& rules, QObject* parent = nullptr) : Set(parent), m_rules(rules) {}
    const TListRules& Rules() const { return m_rules; }

    void AddItem() override
    {
        CurrentOperator().CheckRight(m_rules.Right);
        showEditor(NewItem());
    }
    void EditItem() override
    {
        CurrentOperator().CheckRight(m_rules.Right);
        if (!this->Active() || this->IsEmpty()) return;
        showEditor(this->AsData());
    }
    void DeleteItem() override
    {
        CurrentOperator().CheckRight(m_rules.Right);
        if (!this->Active() || this->IsEmpty()) return;
        if (!ConfirmDelete(ItemName())) return;
        try {
            if (DeleteRecord(this->IdFld->AsInteger())) this->DataSet()->Delete();
        } catch (const EDatabaseError& e) {
            MasterSql::ShowReferencedRefused(e.Message());
        }
    }
    void PrintList() override
    {
        if (ListPrinter()) ListPrinter()(m_rules.ReportNo, this->DataSet());
    }
    void SearchFields(const TSearchFieldEvent& callback) override {}
    bool PickItem() override
    {
        if (!OnPick || !this->Active() || this->IsEmpty()) return false;
        return OnPick(this->AsData());
    }
    bool ImportItems() override
    {
        const std::function<bool()>& import = Importer ? Importer : DefaultImporter;
        if (!import) {
            ShowInfo(QStringLiteral("不支持导入功能,请手工录入"));
            return false;
        }
        CurrentOperator().CheckRight(m_rules.Right);
        return import();
    }

    // The save callback the editors get: writes the record, then shows it in the loaded rows.
    bool SaveItem(R& record)
    {
        if (!SaveRecord(record)) return false;
        this->SetAsData(record);
        return true;
    }

protected:
    virtual R NewItem() const { return R{}; }
    // The name the delete confirmation shows ("当前记录" when empty).
    virtual QString ItemName() const { return this->NameFld->AsString(); }
    virtual bool SaveRecord(R& record) = 0;
    virtual bool DeleteRecord(int id) = 0;

private:
    void showEditor(const R& record)
    {
        const TEditorRoutine<R>& editor = Editor ? Editor : DefaultEditor;
        if (!editor) throw EMqError(QStringLiteral("没有可用的编辑窗口"));
        editor(record, [this](R& r) { return SaveItem(r); });
    }

    TListRules m_rules;
};
