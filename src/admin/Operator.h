#pragma once
#include <QList>
#include <QString>
#include <QVariant>

#include "RecordSet.h"

// The logged-in operator. Every protected action asks it for a numbered right.
class TOperator {
public:
    QString LoginId;
    QString Password;  // the stored value: a salted hash, or a legacy plain text
    QString Name;
    QString Contact;
    QString Note;
    QString Rights;

    // Loads the operator; unknown names leave the object empty.
    void LoadOperator(const QString& loginId);
    // True when an operator is loaded and the password matches. A legacy plain-text password is
    // replaced by its hash at the first successful check.
    bool CheckPassword(const QString& password);
    bool HasRight(int right) const;
    // Refusal shows "(N)" and, with abortOnRefusal, ends the action silently (EAbort).
    bool CheckRight(int right, bool abortOnRefusal = true) const;
    // Stores a new password for this operator.
    bool SetPassword(const QString& newPassword);
    void Clear();

    static bool RightsContain(const QString& rights, int right);
};

// The global operator of this workstation.
TOperator& CurrentOperator();

// A right as the operators dialog offers it.
struct TRightEntry {
    int Right;
    QString Caption;
};
// The rights the operators dialog offers, in its order (61 appears twice, for two captions).
const QList<TRightEntry>& OfferedRights();
// The rights text of the checked entries of OfferedRights(): ",N," per granted right, in list
// order, each right once. An empty list of checks gives the empty text.
QString BuildRightsText(const QList<bool>& checked);

struct ROperator {
    QString LoginId;
    QString Password;  // plain text typed in the editor; empty keeps the stored password
    QString Name;
    QString Contact;
    QString Rights;
    QString Note;
    QVariant EmployeeId;
};
using ROperators = QList<ROperator>;

class TOperatorSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TOperatorSet(QObject* parent = nullptr);
    TField* UserIdField;
    TField* PasswdField;
    TField* NameField;
    TField* ContactField;
    TField* NoteField;
    TField* RightsField;

    static ROperators LoadAll();
    static bool SaveOperator(const ROperator& op);
    static bool DeleteOperator(const QString& loginId);
};

// Salted PBKDF2 password hashes: "pbkdf2$<iterations>$<salt>$<hash>" (base64).
namespace PasswordHash {
QString Make(const QString& password);
bool Verify(const QString& stored, const QString& password);
bool IsHash(const QString& stored);
}
