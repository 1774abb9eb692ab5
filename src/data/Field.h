#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

class TDataSet;

enum class TFieldType { Integer, Float, Currency, Fund, Boolean, DateTime, String, WideString, Memo, Blob };

// One declared column of a data set: its name, size, caption, visibility and display format.
// Values are read and written through the data set's current row.
class TField {
public:
    TField(TDataSet* dataSet, TFieldType type, const QString& name);
    virtual ~TField() = default;

    TDataSet* DataSet() const { return m_dataSet; }
    TFieldType DataType() const { return m_type; }
    const QString& FieldName() const { return m_name; }
    int Index() const { return m_index; }

    QString DisplayLabel() const { return m_label.isEmpty() ? m_name : m_label; }
    void SetDisplayLabel(const QString& label) { m_label = label; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool v);
    int Size() const { return m_size; }
    void SetSize(int size) { m_size = size; }
    QString DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString& f) { m_displayFormat = f; }
    int DisplayWidth() const { return m_displayWidth; }
    void SetDisplayWidth(int w) { m_displayWidth = w; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool r) { m_readOnly = r; }

    bool IsNumeric() const;
    bool IsText() const;

    // The current row's value.
    QVariant Value() const;
    void SetValue(const QVariant& value);
    bool IsNull() const;
    void Clear() { SetValue(QVariant()); }
    int AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QString AsString() const;
    QDateTime AsDateTime() const;
    QDate AsDate() const;
    void SetAsInteger(qint64 v) { SetValue(v); }
    void SetAsFloat(double v) { SetValue(v); }
    void SetAsBoolean(bool v) { SetValue(v); }
    void SetAsString(const QString& v) { SetValue(v); }
    void SetAsDateTime(const QDateTime& v) { SetValue(v); }
    QString DisplayText() const;

    // Converts a raw value (as a driver returns it) to this field's type.
    QVariant Convert(const QVariant& raw) const;
    // Formats a value of this field for display.
    QString Format(const QVariant& value) const;

    static int ToInt(const QVariant& v);
    static double ToFloat(const QVariant& v);
    static bool ToBool(const QVariant& v);
    static QDateTime ToDateTime(const QVariant& v);
    static QDate ToDate(const QVariant& v);
    // Orders dates and date-times without time-zone work: milliseconds on a naive local scale.
    static qint64 TimeKey(const QVariant& v);

private:
    friend class TDataSet;
    TDataSet* m_dataSet;
    TFieldType m_type;
    QString m_name;
    QString m_label;
    QString m_displayFormat;
    int m_index = -1;
    int m_size = 0;
    int m_displayWidth = 0;
    bool m_visible = true;
    bool m_readOnly = false;
};

// Money: display ",0.00".
class TCurrencyField : public TField {
public:
    TCurrencyField(TDataSet* dataSet, const QString& name);
};

// An amount with the process-wide amount format ("0.00" unless changed at start).
class TFundField : public TField {
public:
    TFundField(TDataSet* dataSet, const QString& name);
    static QString& AmountFormat();
};
