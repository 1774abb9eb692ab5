#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A Windows-style INI file ("[section]" lines, "key=value" lines) in the ANSI code page of the
// system (GBK; written through GB18030, which is byte-identical for every GBK character and
// loses none that GBK lacks). Works on the file's bytes: unknown sections, keys, comments and
// blank lines are kept as they are; section and key names compare case-insensitively.
//
// Values are trimmed of surrounding spaces and a value in double quotes loses them, as Windows
// reads INI files. A value that would not survive that (surrounding spaces, surrounding quotes,
// control bytes such as a line break) is written in double quotes with those bytes as \xHH, so
// every byte string reads back exactly.
class TIniFile {
public:
    // Reads the file when it exists; a missing file is an empty one.
    explicit TIniFile(const QString& fileName);

    QString FileName() const { return m_fileName; }
    // Whether the file existed when it was read.
    bool Exists() const { return m_exists; }

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // The key names of a section, in file order.
    QStringList ReadSection(const QString& section) const;

    QString ReadString(const QString& section, const QString& key, const QString& def = QString()) const;
    int ReadInteger(const QString& section, const QString& key, int def) const;
    // Any integer other than 0 is true, as Windows reads it.
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    // The stored bytes of a value, without quotes or escapes.
    QByteArray ReadBytes(const QString& section, const QString& key, const QByteArray& def = QByteArray()) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void WriteBytes(const QString& section, const QString& key, const QByteArray& value);
    void DeleteKey(const QString& section, const QString& key);

    // Writes the file in one step (never half-written); false when it cannot be written.
    bool UpdateFile();

    static QByteArray Encode(const QString& text);
    static QString Decode(const QByteArray& bytes);
    // The form a value takes in a "key=value" line, and back.
    static QByteArray QuoteValue(const QByteArray& value);
    static QByteArray UnquoteValue(const QByteArray& stored);

private:
    struct TRange {
        int Header = -1;  // line of "[section]"; -1 when the section is absent
        int End = 0;      // first line after the section
    };
    TRange findSection(const QString& section) const;
    int findKey(const TRange& range, const QString& key) const;
    QByteArray encode(const QString& text) const;
    QString decode(const QByteArray& bytes) const;

    QString m_fileName;
    QList<QByteArray> m_lines;
    QByteArray m_eol = "\n";
    bool m_exists = false;
    bool m_utf8 = false;  // the file was saved as UTF-8 with a byte-order mark
};
