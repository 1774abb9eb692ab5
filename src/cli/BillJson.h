#pragma once
#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>

// Reading a document from JSON: typed fields named as the record fields, every key checked, every
// fault a one-line Chinese EMqError. Absent and null read as "not given".
class TJsonIn {
public:
    TJsonIn(const QJsonObject& object, const QString& where);
    bool Has(const QString& key) const;
    std::optional<int> Int(const QString& key);
    std::optional<double> Num(const QString& key);
    std::optional<QString> Text(const QString& key);
    std::optional<QDate> Date(const QString& key);
    QJsonArray Array(const QString& key);
    // Refuses keys that were never asked for (a typing error must not pass silently).
    void Done() const;

private:
    QJsonValue take(const QString& key);
    [[noreturn]] void wrongType(const QString& key, const QString& expected) const;

    QJsonObject m_object;
    QString m_where;
    QSet<QString> m_known;
};

// Writing: nulls for what is not set; dates as yyyy-MM-dd and times as yyyy-MM-dd hh:mm:ss.
namespace JsonOut {
QJsonValue Of(const std::optional<int>& v);
QJsonValue Of(const std::optional<double>& v);
QJsonValue Of(const std::optional<QDate>& v);
QJsonValue Of(const std::optional<QDateTime>& v);
QJsonValue Of(const QDate& v);
}  // namespace JsonOut

// Checks that a referenced master row exists; raises "<what>不存在: <id>" otherwise.
void RequireRow(const QString& table, const std::optional<int>& id, const QString& what);

// One kind of document behind a bill type of the facade.
class TBillDoc {
public:
    virtual ~TBillDoc() = default;
    // The right the facade enforces before opening the document window; 0 for none.
    virtual int OpenRight() const = 0;
    // Makes, computes and saves a new document; returns it as saved.
    virtual QJsonObject Create(const QJsonObject& in) = 0;
    virtual QJsonObject Show(int id) = 0;
    // Checks (check) or unchecks a document; refuses one already in that state.
    virtual QJsonObject SetChecked(int id, bool check) = 0;
    virtual void Delete(int id) = 0;
};

// The documents of bill types 9, 10 and 14; nullptr for other types.
std::unique_ptr<TBillDoc> SalesBillDoc(int type);
// The documents of bill types 11, 12, 15 and 16; nullptr for other types.
std::unique_ptr<TBillDoc> FinanceBillDoc(int type);
