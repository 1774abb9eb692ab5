#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The user-defined captions of goods and client fields, kept as one text in KeyId 37: one line
// per caption, the name, "=" and the caption.
class TLabels {
public:
    // Loads the list from the store.
    TLabels();
    // Parses a list text (lines "Name=Caption").
    explicit TLabels(const QString& text);

    // The stored caption, or the name itself when the list does not hold it.
    QString GetLabel(const QString& name) const;
    void SetLabel(const QString& name, const QString& caption);
    bool Contains(const QString& name) const;
    // The list as stored.
    QString Text() const;
    // Stores the list in KeyId 37.
    bool SaveLabels() const;

private:
    QList<QPair<QString, QString>> m_items;
};

// The process-wide captions that grids, filters and editors of goods and clients show. Each
// holds its built-in caption until Load() takes the stored ones (at start and after the options
// dialog saved); a name missing from the stored list then shows the name itself.
class TCaptions {
public:
    // Every caption name, goods fields first, in the order the options dialog lists them.
    static const QStringList& Names();
    // The names of the goods fields the options dialog edits (WareS01 .. WarePropLabel).
    static const QStringList& WareNames();
    // The caption a name has before anything is loaded; empty for an unknown name.
    static QString BuiltIn(const QString& name);
    // The caption list text holding every built-in caption (the initial content of KeyId 37).
    static QString BuiltInText();

    // The current caption of a name; unknown names give the name itself.
    static QString Get(const QString& name);
    static void Set(const QString& name, const QString& caption);
    // Takes the stored captions (TLabels) for every name.
    static void Load();
    // Back to the built-in captions.
    static void Reset();

    static QString WareS01() { return Get(QStringLiteral("WareS01")); }
    static QString WareS02() { return Get(QStringLiteral("WareS02")); }
    static QString WareS03() { return Get(QStringLiteral("WareS03")); }
    static QString WareS04() { return Get(QStringLiteral("WareS04")); }
    static QString WareS05() { return Get(QStringLiteral("WareS05")); }
    static QString WareS06() { return Get(QStringLiteral("WareS06")); }
    static QString WareS07() { return Get(QStringLiteral("WareS07")); }
    static QString WareS08() { return Get(QStringLiteral("WareS08")); }
    static QString WareS09() { return Get(QStringLiteral("WareS09")); }
    static QString WareS10() { return Get(QStringLiteral("WareS10")); }
    static QString WareS11() { return Get(QStringLiteral("WareS11")); }
    static QString WareS12() { return Get(QStringLiteral("WareS12")); }
    static QString WareF01() { return Get(QStringLiteral("WareF01")); }
    static QString WareF02() { return Get(QStringLiteral("WareF02")); }
    static QString WareF03() { return Get(QStringLiteral("WareF03")); }
    static QString WareF04() { return Get(QStringLiteral("WareF04")); }
    static QString WareF05() { return Get(QStringLiteral("WareF05")); }
    static QString WareColorLabel() { return Get(QStringLiteral("WareColorLabel")); }
    static QString WareSizeLabel() { return Get(QStringLiteral("WareSizeLabel")); }
    static QString WarePropLabel() { return Get(QStringLiteral("WarePropLabel")); }
    static QString Client() { return Get(QStringLiteral("Client")); }
    static QString ClientLookId() { return Get(QStringLiteral("ClientLookId")); }
    static QString Clientname() { return Get(QStringLiteral("Clientname")); }
    static QString ClientLinkman() { return Get(QStringLiteral("ClientLinkman")); }
    static QString ClientTel() { return Get(QStringLiteral("ClientTel")); }
    static QString ClientFax() { return Get(QStringLiteral("ClientFax")); }
    static QString ClientAddr() { return Get(QStringLiteral("ClientAddr")); }
    static QString ClientZip() { return Get(QStringLiteral("ClientZip")); }
    static QString ClientUrl() { return Get(QStringLiteral("ClientUrl")); }
    static QString ClientEmail() { return Get(QStringLiteral("ClientEmail")); }
    static QString ClientLawman() { return Get(QStringLiteral("ClientLawman")); }
    static QString ClientTaxId() { return Get(QStringLiteral("ClientTaxId")); }
    static QString ClientBank() { return Get(QStringLiteral("ClientBank")); }
    static QString ClientBankId() { return Get(QStringLiteral("ClientBankId")); }
    static QString ClientNote() { return Get(QStringLiteral("ClientNote")); }
};
