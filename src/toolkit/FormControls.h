#pragma once
#include "BillGrid.h"
#include "DBGrid.h"
#include "InputControls.h"

#include <any>
#include <memory>

// The controls every form is built from. They add to the toolkit's controls what the forms
// share: an edit box that carries the master-data record it was filled from, combo items that
// carry records, and list grids that select whole rows.

// An edit box that may own one record (a client, goods item, class ...) picked into it.
class TEdit : public TmqEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr) : TmqEdit(parent) {}

    template <class T>
    void SetRecord(T record)
    {
        m_record = std::move(record);
    }
    // The record, or nullptr when none of that type is held.
    template <class T>
    const T* Record() const
    {
        return std::any_cast<T>(&m_record);
    }
    bool HasRecord() const { return m_record.has_value(); }
    // Empties the box and forgets the record.
    void Clear();
    // Raised by the pick operations after a record was picked into the box.
    void NotifyPicked() { Q_EMIT Picked(this); }

Q_SIGNALS:
    void Picked(TEdit* edit);

private:
    std::any m_record;
};

// A combo box whose items may carry records; removing the items frees them. Every key-down
// raises Changed after the inherited handling.
class TComboBox : public TmqComboBox {
    Q_OBJECT
public:
    explicit TComboBox(QWidget* parent = nullptr) : TmqComboBox(parent) {}

    template <class T>
    void AddRecordItem(const QString& text, T record)
    {
        addItem(text, QVariant::fromValue(std::make_shared<const std::any>(std::move(record))));
    }
    template <class T>
    const T* RecordAt(int index) const
    {
        const auto holder = itemData(index).value<std::shared_ptr<const std::any>>();
        return holder ? std::any_cast<T>(holder.get()) : nullptr;
    }
    template <class T>
    const T* SelectedRecord() const
    {
        return currentIndex() >= 0 ? RecordAt<T>(currentIndex()) : nullptr;
    }

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class TMemo : public TmqMemo {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr) : TmqMemo(parent) {}
};

class TDateTimePicker : public TmqDateTimePicker {
    Q_OBJECT
public:
    explicit TDateTimePicker(QWidget* parent = nullptr) : TmqDateTimePicker(parent) {}
};

// The list grid of every window but the document lines: whole rows are selected.
class TDBGrid : public TmqDBGrid {
    Q_OBJECT
public:
    explicit TDBGrid(QWidget* parent = nullptr);
};

// The line grid of document entry windows.
class TBillGrid : public TmqBillGrid {
    Q_OBJECT
public:
    explicit TBillGrid(QWidget* parent = nullptr) : TmqBillGrid(parent) {}
};

Q_DECLARE_METATYPE(std::shared_ptr<const std::any>)
