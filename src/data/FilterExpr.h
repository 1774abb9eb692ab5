#pragma once
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>

class TDataSet;

// A filter expression parsed once against a data set's fields and tested row by row.
class TFilterExpr {
public:
    struct Node;
    // Throws EMqError with a clear message when the text is malformed or names a missing field.
    static std::unique_ptr<TFilterExpr> Compile(const QString& text, const TDataSet& dataSet);
    ~TFilterExpr();
    bool Matches(const QVector<QVariant>& row) const;

    // SQL-style LIKE with % and _, an optional escape character, case-insensitive.
    static bool Like(const QString& text, const QString& pattern, QChar escape = QChar());

private:
    TFilterExpr() = default;
    std::unique_ptr<Node> m_root;
};
