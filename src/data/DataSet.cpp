#include "DataSet.h"

#include "Errors.h"
#include "FilterExpr.h"
#include "TextOrder.h"

#include <QHash>
#include <algorithm>
#include <numeric>

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}
TDataSet::~TDataSet() = default;

TField* TDataSet::AddField(TFieldType type, const QString& name, int size, bool visible, const QString& label)
{
    std::unique_ptr<TField> f;
    if (type == TFieldType::Currency) f = std::make_unique<TCurrencyField>(this, name);
    else if (type == TFieldType::Fund) f = std::make_unique<TFundField>(this, name);
    else f = std::make_unique<TField>(this, type, name);
    if (size >= 0) f->SetSize(size);
    f->SetVisible(visible);
    f->SetDisplayLabel(label);
    return AdoptField(std::move(f));
}

TField* TDataSet::AdoptField(std::unique_ptr<TField> field)
{
    if (Active()) throw EMqError(QStringLiteral("数据集已打开, 不能再添加字段 %1").arg(field->FieldName()));
    field->m_dataSet = this;
    field->m_index = int(m_fields.size());
    m_fields.push_back(std::move(field));
    return m_fields.back().get();
}

void TDataSet::ClearFields()
{
    Close();
    m_fields.clear();
}

TField* TDataSet::FindField(const QString& name) const
{
    for (const auto& f : m_fields)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0) return f.get();
    return nullptr;
}

TField* TDataSet::FieldByName(const QString& name) const
{
    TField* f = FindField(name);
    if (!f) throw EMqError(QStringLiteral("字段 %1 未找到").arg(name));
    return f;
}

QList<TField*> TDataSet::Fields() const
{
    QList<TField*> list;
    for (const auto& f : m_fields) list << f.get();
    return list;
}

void TDataSet::CreateDataSet()
{
    ++m_dataVersion;
    m_rows.clear();
    m_view.clear();
    m_state = TState::Browse;
    m_cursor = 0;
    m_eof = m_bof = true;
    notifyReset();
}

void TDataSet::Close()
{
    ++m_dataVersion;
    if (!Active()) return;
    m_rows.clear();
    m_view.clear();
    m_state = TState::Inactive;
    m_cursor = 0;
    m_eof = m_bof = true;
    notifyReset();
}

void TDataSet::LoadRows(std::vector<QVector<QVariant>>&& rows)
{
    ++m_dataVersion;
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (auto& r : rows) {
        r.resize(FieldCount());
        m_rows.push_back(std::make_unique<TRow>(TRow{m_nextSerial++, std::move(r)}));
    }
    m_state = TState::Browse;
    rebuildView();
    setCursor(0);
    notifyReset();
}

void TDataSet::EmptyDataSet()
{
    ++m_dataVersion;
    requireActive();
    m_rows.clear();
    m_view.clear();
    m_state = TState::Browse;
    setCursor(0);
    notifyReset();
}

void TDataSet::requireActive() const
{
    if (!Active()) throw EMqError(QStringLiteral("数据集没有打开"));
}

void TDataSet::setCursor(int index)
{
    const int n = int(m_view.size());
    if (n == 0) {
        m_cursor = 0;
        m_eof = m_bof = true;
    } else {
        m_cursor = std::clamp(index, 0, n - 1);
        m_bof = m_eof = false;
    }
    if (m_disabled == 0) Q_EMIT CurrentChanged(m_view.empty() ? -1 : m_cursor);
}

void TDataSet::SetRecNo(int recNo)
{
    requireActive();
    if (m_state != TState::Browse) Post();
    setCursor(recNo - 1);
}

void TDataSet::First()
{
    requireActive();
    if (m_state != TState::Browse) Post();
    setCursor(0);
}

void TDataSet::Last()
{
    requireActive();
    if (m_state != TState::Browse) Post();
    setCursor(int(m_view.size()) - 1);
    m_eof = m_view.empty();
}

void TDataSet::Next()
{
    requireActive();
    if (m_state != TState::Browse) Post();
    if (m_view.empty() || m_cursor >= int(m_view.size()) - 1) {
        m_eof = true;
        return;
    }
    setCursor(m_cursor + 1);
}

void TDataSet::Prior()
{
    requireActive();
    if (m_state != TState::Browse) Post();
    if (m_view.empty() || m_cursor == 0) {
        m_bof = true;
        return;
    }
    setCursor(m_cursor - 1);
}

void TDataSet::Edit()
{
    requireActive();
    if (m_state != TState::Browse) return;
    if (m_view.empty()) {
        Append();
        return;
    }
    m_backup = m_view[size_t(m_cursor)]->Values;
    m_state = TState::Edit;
}

void TDataSet::Append()
{
    ++m_dataVersion;
    requireActive();
    if (m_state != TState::Browse) Post();
    m_rows.push_back(std::make_unique<TRow>(TRow{m_nextSerial++, QVector<QVariant>(FieldCount())}));
    m_view.push_back(m_rows.back().get());
    const int row = int(m_view.size()) - 1;
    if (m_disabled == 0) Q_EMIT RowsInserted(row, row);
    else m_pendingReset = true;
    m_state = TState::Insert;
    setCursor(row);
}

void TDataSet::Post()
{
    if (m_state == TState::Edit || m_state == TState::Insert) {
        m_state = TState::Browse;
        m_backup.clear();
    }
}

void TDataSet::Cancel()
{
    ++m_dataVersion;
    if (m_state == TState::Edit) {
        m_view[size_t(m_cursor)]->Values = m_backup;
        m_backup.clear();
        m_state = TState::Browse;
        if (m_disabled == 0) Q_EMIT RowChanged(m_cursor);
        else m_pendingReset = true;
    } else if (m_state == TState::Insert) {
        m_state = TState::Browse;
        Delete();
    }
}

void TDataSet::Delete()
{
    ++m_dataVersion;
    requireActive();
    if (m_state == TState::Edit) Cancel();
    m_state = TState::Browse;
    if (m_view.empty()) return;
    const int row = m_cursor;
    TRow* victim = m_view[size_t(row)];
    m_view.erase(m_view.begin() + row);
    auto it = std::find_if(m_rows.begin(), m_rows.end(), [victim](const auto& r) { return r.get() == victim; });
    if (it != m_rows.end()) m_rows.erase(it);
    if (m_disabled == 0) Q_EMIT RowsRemoved(row, row);
    else m_pendingReset = true;
    setCursor(row < int(m_view.size()) ? row : int(m_view.size()) - 1);
}

const QVector<QVariant>* TDataSet::currentValuesOrNull() const
{
    if (m_view.empty()) return nullptr;
    return &m_view[size_t(m_cursor)]->Values;
}

QVector<QVariant>& TDataSet::currentValues()
{
    requireActive();
    if (m_view.empty()) throw EMqError(QStringLiteral("数据集是空的, 没有当前记录"));
    return m_view[size_t(m_cursor)]->Values;
}

QVariant TDataSet::FieldValue(const TField* field) const
{
    const QVector<QVariant>* values = currentValuesOrNull();
    if (!values || field->Index() >= values->size()) return QVariant();
    return (*values)[field->Index()];
}

void TDataSet::SetFieldValue(const TField* field, const QVariant& value)
{
    ++m_dataVersion;
    currentValues()[field->Index()] = field->Convert(value);
    if (m_disabled == 0) Q_EMIT RowChanged(m_cursor);
    else m_pendingReset = true;
}

QVariant TDataSet::ValueAt(int row, int fieldIndex) const
{
    if (row < 0 || row >= int(m_view.size())) return QVariant();
    return m_view[size_t(row)]->Values.value(fieldIndex);
}

void TDataSet::SetValueAt(int row, int fieldIndex, const QVariant& value)
{
    ++m_dataVersion;
    if (row < 0 || row >= int(m_view.size())) return;
    m_view[size_t(row)]->Values[fieldIndex] = m_fields[size_t(fieldIndex)]->Convert(value);
    if (m_disabled == 0) Q_EMIT RowChanged(row);
    else m_pendingReset = true;
}

const QVector<QVariant>& TDataSet::RowValues(int row) const { return m_view[size_t(row)]->Values; }

bool TDataSet::Locate(const QString& fields, const QVariant& values, int options)
{
    requireActive();
    QList<TField*> keys;
    for (const QString& name : fields.split(u';', Qt::SkipEmptyParts)) keys << FieldByName(name.trimmed());
    QVariantList wanted = keys.size() == 1 ? QVariantList{values} : values.toList();
    if (wanted.size() != keys.size()) return false;
    for (int k = 0; k < keys.size(); ++k) wanted[k] = keys[k]->Convert(wanted[k]);
    const Qt::CaseSensitivity cs = (options & CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (int i = 0; i < int(m_view.size()); ++i) {
        const QVector<QVariant>& row = m_view[size_t(i)]->Values;
        bool all = true;
        for (int k = 0; k < keys.size() && all; ++k) {
            const QVariant& have = row[keys[k]->Index()];
            const QVariant& want = wanted[k];
            if (want.isNull() || have.isNull()) {
                all = want.isNull() == have.isNull();
            } else if (keys[k]->IsText()) {
                all = (options & PartialKey) ? have.toString().startsWith(want.toString(), cs)
                                             : have.toString().compare(want.toString(), cs) == 0;
            } else {
                all = have == want || (keys[k]->IsNumeric() && have.toDouble() == want.toDouble());
            }
        }
        if (all) {
            if (m_state != TState::Browse) Post();
            setCursor(i);
            return true;
        }
    }
    return false;
}

TBookmark TDataSet::GetBookmark() const
{
    return m_view.empty() ? 0 : m_view[size_t(m_cursor)]->Serial;
}

int TDataSet::viewIndexOf(quint64 serial) const
{
    for (int i = 0; i < int(m_view.size()); ++i)
        if (m_view[size_t(i)]->Serial == serial) return i;
    return -1;
}

bool TDataSet::GotoBookmark(TBookmark bookmark)
{
    const int i = viewIndexOf(bookmark);
    if (i < 0) return false;
    setCursor(i);
    return true;
}

bool TDataSet::BookmarkValid(TBookmark bookmark) const { return bookmark != 0 && viewIndexOf(bookmark) >= 0; }

void TDataSet::SetFilter(const QString& expression)
{
    m_filterText = expression;
    m_filter.reset();
    if (m_filtered) SetFiltered(true);
}

void TDataSet::SetFiltered(bool on)
{
    if (on && !m_filterText.trimmed().isEmpty()) {
        m_filter = TFilterExpr::Compile(m_filterText, *this);  // throws before anything changes
    } else {
        m_filter.reset();
    }
    m_filtered = on;
    if (!Active()) return;
    const TBookmark keep = GetBookmark();
    rebuildView();
    const int i = viewIndexOf(keep);
    setCursor(i < 0 ? 0 : i);
    notifyReset();
}

void TDataSet::SetRowFilter(std::function<bool(const QVector<QVariant>&)> test)
{
    m_rowFilter = std::move(test);
    if (!Active()) return;
    const TBookmark keep = GetBookmark();
    rebuildView();
    const int i = viewIndexOf(keep);
    setCursor(i < 0 ? 0 : i);
    notifyReset();
}

bool TDataSet::passes(const TRow& row) const
{
    if (m_filtered && m_filter && !m_filter->Matches(row.Values)) return false;
    if (m_rowFilter && !m_rowFilter(row.Values)) return false;
    return true;
}

void TDataSet::rebuildView()
{
    m_view.clear();
    m_view.reserve(m_rows.size());
    if (m_sortText.trimmed().isEmpty()) {
        for (const auto& r : m_rows)
            if (passes(*r)) m_view.push_back(r.get());
        return;
    }
    // All rows are sorted once; while neither the rows nor the sort change, a new filter (a
    // grid's quick filter, typed letter by letter) only picks from them.
    if (m_sortedVersion != m_dataVersion || m_sortedText != m_sortText) {
        for (const auto& r : m_rows) m_view.push_back(r.get());
        applySort();
        m_sortedAll = m_view;
        m_sortedVersion = m_dataVersion;
        m_sortedText = m_sortText;
        m_view.clear();
    }
    for (TRow* r : m_sortedAll)
        if (passes(*r)) m_view.push_back(r);
}

void TDataSet::SetSort(const QString& sortText)
{
    // Validate before changing anything.
    for (const QString& part : sortText.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ');
        FieldByName(words.value(0));
    }
    m_sortText = sortText;
    if (!Active()) return;
    const TBookmark keep = GetBookmark();
    rebuildView();
    const int i = viewIndexOf(keep);
    setCursor(i < 0 ? 0 : i);
    notifyReset();
}

void TDataSet::applySort()
{
    struct Key {
        int field;
        bool desc;
        bool text;
    };
    std::vector<Key> keys;
    for (const QString& part : m_sortText.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ');
        const TField* f = FindField(words.value(0));
        if (!f) continue;
        const bool desc = words.size() > 1 && words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        keys.push_back({f->Index(), desc, f->IsText()});
    }
    if (keys.empty() || m_view.size() < 2) return;

    // Each distinct text gets its rank in pinyin order (ties broken by the texts themselves), so
    // rows compare by integers; lists repeat their texts, so few collator keys are made.
    const int n = int(m_view.size());
    int textKeys = 0;
    for (const Key& k : keys) textKeys += k.text ? 1 : 0;
    std::vector<int> ranks(size_t(n) * size_t(textKeys));
    int t = 0;
    for (const Key& k : keys) {
        if (!k.text) continue;
        QHash<QString, int> idOf;
        QStringList texts;
        for (int i = 0; i < n; ++i) {
            const QVariant& v = m_view[size_t(i)]->Values[k.field];
            int& r = ranks[size_t(i) * size_t(textKeys) + size_t(t)];
            if (v.isNull()) {
                r = -1;  // nulls first
                continue;
            }
            const QString text = v.toString();
            auto found = idOf.constFind(text);
            if (found == idOf.constEnd()) {
                found = idOf.insert(text, int(texts.size()));
                texts << text;
            }
            r = *found;
        }
        std::vector<QCollatorSortKey> sortKeys;
        sortKeys.reserve(size_t(texts.size()));
        for (const QString& text : texts) sortKeys.push_back(TextOrder::SortKey(text));
        std::vector<int> byOrder(size_t(texts.size()));
        std::iota(byOrder.begin(), byOrder.end(), 0);
        std::sort(byOrder.begin(), byOrder.end(), [&](int a, int b) {
            const int c = sortKeys[size_t(a)].compare(sortKeys[size_t(b)]);
            return c != 0 ? c < 0 : texts[a].compare(texts[b]) < 0;
        });
        std::vector<int> position(byOrder.size());
        for (size_t p = 0; p < byOrder.size(); ++p) position[size_t(byOrder[p])] = int(p);
        for (int i = 0; i < n; ++i) {
            int& r = ranks[size_t(i) * size_t(textKeys) + size_t(t)];
            if (r >= 0) r = position[size_t(r)];
        }
        ++t;
    }
    auto cmpValue = [](const QVariant& a, const QVariant& b) {
        const bool an = !a.isValid() || a.isNull(), bn = !b.isValid() || b.isNull();
        if (an || bn) return an == bn ? 0 : (an ? -1 : 1);
        const auto isTime = [](const QVariant& v) {
            return v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate;
        };
        if (isTime(a) || isTime(b)) {
            const qint64 x = TField::TimeKey(a), y = TField::TimeKey(b);
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    };
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        int tk = 0;
        for (const Key& k : keys) {
            int c = 0;
            if (k.text) {
                const int a = ranks[size_t(x) * size_t(textKeys) + size_t(tk)];
                const int b = ranks[size_t(y) * size_t(textKeys) + size_t(tk)];
                c = a < b ? -1 : (a > b ? 1 : 0);
                ++tk;
            } else {
                c = cmpValue(m_view[size_t(x)]->Values[k.field], m_view[size_t(y)]->Values[k.field]);
            }
            if (c != 0) return k.desc ? c > 0 : c < 0;
        }
        return false;
    });
    std::vector<TRow*> sorted(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) sorted[size_t(i)] = m_view[size_t(order[size_t(i)])];
    m_view.swap(sorted);
}

void TDataSet::DisableControls() { ++m_disabled; }

void TDataSet::EnableControls()
{
    if (m_disabled > 0 && --m_disabled == 0 && m_pendingReset) {
        m_pendingReset = false;
        Q_EMIT DataReset();
        Q_EMIT CurrentChanged(m_view.empty() ? -1 : m_cursor);
    }
}

void TDataSet::notifyReset()
{
    if (m_disabled > 0) {
        m_pendingReset = true;
        return;
    }
    Q_EMIT DataReset();
}

double TDataSet::Sum(const TField* field) const
{
    double s = 0.0;
    for (const TRow* r : m_view) s += TField::ToFloat(r->Values[field->Index()]);
    return s;
}
