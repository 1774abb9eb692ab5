#pragma once
#include "ClassTree.h"
#include "RecordSet.h"

#include <optional>

using RDistrict = RTreeClass;
using RDistricts = RTreeClasses;

// One client in memory. Id 0 or less = not yet saved; a district Id of 0 or less is no district.
struct RClient {
    int Id = 0;
    QString Name;
    QString LookId;
    QString TaxId;
    QString Lawman;
    QString Bank;
    QString BankId;
    QString Linkman;
    QString Tel;
    QString Fax;
    QString Addr;
    QString Zip;
    QString Url;
    QString Email;
    QString Note;
    std::optional<int> DistrictId;
    QString DistCode;
    QString DistName;
};

// The client list with each client's district.
class TClientSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TClientSet(QObject* parent = nullptr);

    TField* IdFld;
    TField* LookIdFld;
    TField* NameFld;
    TField* LinkmanFld;
    TField* TelFld;
    TField* FaxFld;
    TField* AddrFld;
    TField* ZipFld;
    TField* UrlFld;
    TField* EmailFld;
    TField* LawManFld;
    TField* TaxIdFld;
    TField* BankFld;
    TField* BankIdFld;
    TField* NoteFld;
    TField* DistIdFld;
    TField* DistCodeFld;
    TField* DistNameFld;

    void OpenAll();
    // True when exactly one client came back.
    bool OpenById(int id);

    RClient AsData() const;
    // Writes a record into the loaded rows (never the database).
    void SetAsData(const RClient& client);

    // Client-side filter by district code (with everything below it) or pseudo code.
    void FilterByDistrict(const QString& code);

    // Class-level operations; each reports whether exactly one row was affected.
    static bool SaveClient(RClient& client);
    // The database refuses deleting clients used by documents; its error passes on.
    static bool DeleteClient(int id);
    static bool LoadClient(int id, RClient& client);
    // The smallest client Id; false when there is no client.
    static bool FirstClientId(int& id);
};

// The sales districts in SlfId order.
class TDistrictSet : public TTreeClassSet {
    Q_OBJECT
public:
    explicit TDistrictSet(QObject* parent = nullptr);
    // Saves the whole numbered tree; clients of removed districts lose their district.
    static bool SaveDistrictTree(RDistricts& districts);
};
