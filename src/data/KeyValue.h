#pragma once
#include "RecordSet.h"

#include <QString>

// The settings store: table keyvalue, one row per KeyId with one text, integer, float and
// boolean value. Every write replaces all four values; a missing key reads as empty text, 0,
// 0.0 and false.

// KeyIds of the system.
namespace KeyIds {
constexpr int FeedbackPrompt = 0;     // show the feedback form on exit (boolean)
constexpr int DailyTipPrompt = 1;     // tips window check box (boolean)
constexpr int GetStartPrompt = 2;     // declared, not used (boolean)
constexpr int PickerClassTree = 3;    // pickers show the goods class tree (boolean)
constexpr int PickerReference = 4;    // goods picker shows its reference panel (boolean)
constexpr int PickerSearchField = 5;  // search field of the goods and invoice pickers (integer)
constexpr int QtyDecimals = 6;        // decimal places of quantities (integer)
constexpr int PriceDecimals = 7;      // decimal places of unit prices (integer)
constexpr int SalePickerSearchField = 8;  // search field of the delivery picker (integer)
constexpr int PickerAutoHide = 9;     // pickers hide after picking (boolean)
constexpr int OrderPriceSource = 19;  // new order line price: 0 goods price, 1 last quote (integer)
constexpr int SalePriceSource = 20;   // new delivery line price, same choices (integer)
constexpr int InvPickerAdvanced = 22; // invoice picker shows its search panel (boolean)
constexpr int LastDistrict = 24;      // district last selected in the district editor (integer)
constexpr int LastWareClass = 36;     // goods class last selected in the class editor (integer)
constexpr int Captions = 37;          // the caption list of TLabels (text)
constexpr int ClientSearchField = 2038;  // initial search field of the client list (integer)
}  // namespace KeyIds

// One stored value set.
struct KeyData {
    QString Vstr;
    int Vint = 0;
    double Vfloat = 0.0;
    bool Vbool = false;
};

// Uncached class-level access.
class TKeyValueSet {
public:
    // True when exactly one row was found; otherwise data is left empty.
    static bool GetKey(int keyId, KeyData& data);
    // Update, or insert when the update did not change exactly one row; true when the last
    // statement changed exactly one row.
    static bool SetKey(int keyId, const KeyData& data);
    static QString GetStr(int keyId);
    static bool SetStr(int keyId, const QString& text);
};

// The whole table cached in memory ("select * from keyvalue"). Reading a missing key creates
// its row; writes go to the database first and then to the cached row.
class TKeyValue2 : public TRecordSet {
    Q_OBJECT
public:
    explicit TKeyValue2(QObject* parent = nullptr);

    TField* KeyIdFld;
    TField* VintFld;
    TField* VstrFld;
    TField* VfloatFld;
    TField* VboolFld;

    int GetInt(int keyId);
    void SetInt(int keyId, int value);
    bool GetBool(int keyId);
    void SetBool(int keyId, bool value);

    bool FeedbackPrompt() { return GetBool(KeyIds::FeedbackPrompt); }
    void SetFeedbackPrompt(bool v) { SetBool(KeyIds::FeedbackPrompt, v); }
    bool DailyTipPrompt() { return GetBool(KeyIds::DailyTipPrompt); }
    void SetDailyTipPrompt(bool v) { SetBool(KeyIds::DailyTipPrompt, v); }
    bool GetStartPrompt() { return GetBool(KeyIds::GetStartPrompt); }
    void SetGetStartPrompt(bool v) { SetBool(KeyIds::GetStartPrompt, v); }

    // Drops the cache; the next access reads the table again.
    void Invalidate();

private:
    void locate(int keyId);
    void write(int keyId, const KeyData& data);
    void ensureOpen();
    QString m_source;  // the connection the cache was read from
};

// The settings store of this workstation (of the calling thread's connection). It follows the
// connection: after connecting elsewhere it reads the new database on first use.
TKeyValue2& GlobalKeyValue();
