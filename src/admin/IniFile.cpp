#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray trimmedBlanks(const QByteArray& s)
{
    qsizetype a = 0;
    qsizetype b = s.size();
    while (a < b && isBlank(s[a])) ++a;
    while (b > a && isBlank(s[b - 1])) --b;
    return s.mid(a, b - a);
}

bool sectionOf(const QByteArray& line, QByteArray& name)
{
    const QByteArray t = trimmedBlanks(line);
    if (!t.startsWith('[')) return false;
    const qsizetype close = t.indexOf(']');
    if (close < 0) return false;
    name = trimmedBlanks(t.mid(1, close - 1));
    return true;
}

bool keyOf(const QByteArray& line, QByteArray& key, QByteArray& value)
{
    const QByteArray t = trimmedBlanks(line);
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || t.startsWith('[')) return false;
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0) return false;
    key = trimmedBlanks(t.left(eq));
    value = trimmedBlanks(t.mid(eq + 1));
    return !key.isEmpty();
}

bool needsQuotes(const QByteArray& v)
{
    if (v.isEmpty()) return false;
    if (isBlank(v.front()) || isBlank(v.back())) return true;
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') return true;
    for (char c : v) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return true;
    }
    return false;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

TIniFile::TIniFile(const QString& fileName)
    : m_fileName(fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) return;
    m_exists = true;
    QByteArray data = f.readAll();
    if (data.startsWith(kUtf8Bom)) {
        m_utf8 = true;
        data.remove(0, kUtf8Bom.size());
    }
    if (data.contains("\r\n")) m_eol = "\r\n";
    m_lines = data.split('\n');
    if (!m_lines.isEmpty() && m_lines.back().isEmpty()) m_lines.removeLast();
    for (QByteArray& line : m_lines)
        if (line.endsWith('\r')) line.chop(1);
}

QByteArray TIniFile::Encode(const QString& text)
{
    QStringEncoder enc("GB18030");
    return enc.encode(text);
}

QString TIniFile::Decode(const QByteArray& bytes)
{
    QStringDecoder dec("GB18030");
    return dec.decode(bytes);
}

QByteArray TIniFile::encode(const QString& text) const { return m_utf8 ? text.toUtf8() : Encode(text); }

QString TIniFile::decode(const QByteArray& bytes) const
{
    return m_utf8 ? QString::fromUtf8(bytes) : Decode(bytes);
}

QByteArray TIniFile::QuoteValue(const QByteArray& value)
{
    if (!needsQuotes(value)) return value;
    QByteArray out("\"");
    for (char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '\\')
            out += "\\x" + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
    }
    out += '"';
    return out;
}

QByteArray TIniFile::UnquoteValue(const QByteArray& stored)
{
    if (stored.size() < 2 || stored.front() != '"' || stored.back() != '"') return stored;
    const QByteArray inner = stored.mid(1, stored.size() - 2);
    QByteArray out;
    out.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == '\\' && i + 3 < inner.size() && inner[i + 1] == 'x') {
            const int hi = hexDigit(inner[i + 2]);
            const int lo = hexDigit(inner[i + 3]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 3;
                continue;
            }
        }
        out += inner[i];
    }
    return out;
}

TIniFile::TRange TIniFile::findSection(const QString& section) const
{
    TRange r;
    for (int i = 0; i < m_lines.size(); ++i) {
        QByteArray name;
        if (!sectionOf(m_lines[i], name)) continue;
        if (r.Header >= 0) {
            r.End = i;
            return r;
        }
        if (decode(name).compare(section, Qt::CaseInsensitive) == 0) r.Header = i;
    }
    r.End = int(m_lines.size());
    return r;
}

int TIniFile::findKey(const TRange& range, const QString& key) const
{
    if (range.Header < 0) return -1;
    for (int i = range.Header + 1; i < range.End; ++i) {
        QByteArray k, v;
        if (keyOf(m_lines[i], k, v) && decode(k).compare(key, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

bool TIniFile::SectionExists(const QString& section) const { return findSection(section).Header >= 0; }

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    return findKey(findSection(section), key) >= 0;
}

QStringList TIniFile::ReadSection(const QString& section) const
{
    QStringList keys;
    const TRange r = findSection(section);
    if (r.Header < 0) return keys;
    for (int i = r.Header + 1; i < r.End; ++i) {
        QByteArray k, v;
        if (keyOf(m_lines[i], k, v)) keys << decode(k);
    }
    return keys;
}

QByteArray TIniFile::ReadBytes(const QString& section, const QString& key, const QByteArray& def) const
{
    const int at = findKey(findSection(section), key);
    if (at < 0) return def;
    QByteArray k, v;
    keyOf(m_lines[at], k, v);
    return UnquoteValue(v);
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    if (!ValueExists(section, key)) return def;
    return decode(ReadBytes(section, key));
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    bool ok = false;
    const int v = ReadBytes(section, key).trimmed().toInt(&ok);
    return ok ? v : def;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteBytes(const QString& section, const QString& key, const QByteArray& value)
{
    const TRange r = findSection(section);
    const int at = findKey(r, key);
    if (at >= 0) {
        QByteArray k, v;
        keyOf(m_lines[at], k, v);
        m_lines[at] = k + '=' + QuoteValue(value);
        return;
    }
    const QByteArray line = encode(key) + '=' + QuoteValue(value);
    if (r.Header < 0) {
        if (!m_lines.isEmpty() && !trimmedBlanks(m_lines.back()).isEmpty()) m_lines << QByteArray();
        m_lines << '[' + encode(section) + ']' << line;
        return;
    }
    // After the section's last entry, so the blank line before the next section stays.
    int insertAt = r.End;
    while (insertAt > r.Header + 1 && trimmedBlanks(m_lines[insertAt - 1]).isEmpty()) --insertAt;
    m_lines.insert(insertAt, line);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    WriteBytes(section, key, encode(value));
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteBytes(section, key, QByteArray::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteInteger(section, key, value ? 1 : 0);
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    const int at = findKey(findSection(section), key);
    if (at >= 0) m_lines.removeAt(at);
}

bool TIniFile::UpdateFile()
{
    QSaveFile f(m_fileName);
    if (!f.open(QIODevice::WriteOnly)) return false;
    QByteArray data;
    if (m_utf8) data += kUtf8Bom;
    for (const QByteArray& line : m_lines) data += line + m_eol;
    if (f.write(data) != data.size()) {
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) return false;
    m_exists = true;
    return true;
}
