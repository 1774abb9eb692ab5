#pragma once
#include "Field.h"

#include <QDate>
#include <QDateTime>
#include <QVariant>
#include <optional>

// Conversions between the nullable members of document records and the variants that
// statements bind and datasets hold. An empty optional is a null variant and back.
namespace Nullable {

inline QVariant Of(const std::optional<int>& v) { return v ? QVariant(*v) : QVariant(); }
inline QVariant Of(const std::optional<double>& v) { return v ? QVariant(*v) : QVariant(); }
inline QVariant Of(const std::optional<QDate>& v) { return v && v->isValid() ? QVariant(*v) : QVariant(); }
inline QVariant Of(const std::optional<QDateTime>& v) { return v && v->isValid() ? QVariant(*v) : QVariant(); }
inline QVariant Of(const QDate& v) { return v.isValid() ? QVariant(v) : QVariant(); }

inline bool IsNull(const QVariant& v) { return !v.isValid() || v.isNull(); }

inline std::optional<int> Int(const QVariant& v)
{
    if (IsNull(v)) return std::nullopt;
    return TField::ToInt(v);
}
inline std::optional<double> Num(const QVariant& v)
{
    if (IsNull(v)) return std::nullopt;
    return TField::ToFloat(v);
}
inline std::optional<QDate> Date(const QVariant& v)
{
    const QDate d = TField::ToDate(v);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}
inline std::optional<QDateTime> Time(const QVariant& v)
{
    const QDateTime d = TField::ToDateTime(v);
    return d.isValid() ? std::optional<QDateTime>(d) : std::nullopt;
}

}  // namespace Nullable
