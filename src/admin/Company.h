#pragma once
#include <QString>

// The one company record: its name, address and telephone numbers print on every document and
// appear in the error report and the feedback form.
class TCompany {
public:
    int Id = 1;
    QString CompanyName;
    QString Manager;
    QString Tel;
    QString Fax;
    QString Address;
    QString Zip;
    QString Profile;
    bool Updated = false;

    // Reads the first row of the Company table; with no row the fields are left empty.
    void LoadCompany();
    // Updates the row of Id, or inserts it when missing. Database errors are raised.
    void SaveCompany();
    // True when the name is longer than 7 bytes in GBK (four Chinese characters or more).
    bool NameIsSet() const;
    void Clear();

    // The length of a text in GBK bytes, as the name check counts it.
    static int GbkLength(const QString& text);
};

// The company record of this workstation, loaded at start.
TCompany& CurrentCompany();
