#pragma once
#include <QByteArray>
#include <QString>

// The machine-local settings in cfg.ini in the program's home folder: how to reach the
// database, the last login name and the build suffix. Values marked scrambled are stored
// through Scramble.
//
// Providers (providerIdx): 0 a PostgreSQL server, 1 the embedded SQLite database file,
// 2 a PostgreSQL server whose connection data comes from the DIP service.
class TConfiger {
public:
    // Reads cfg.ini in the home folder (or the given file) with every default.
    TConfiger();
    explicit TConfiger(const QString& iniFile);

    // The [db] settings, named like their keys; texts are held unscrambled.
    int providerIdx = 0;
    bool defaultCon = true;
    QString mssqlServer;
    int mssqlPort = DefaultServerPort;
    QString mssqlDb;
    QString mssqlUser;
    QString mssqlPw;
    QString jetfile;
    QString jetUser;
    QString jetPw;  // kept for old files; SQLite files carry no password
    QString dipUrl;
    QString dipUser;
    // Set from the dialog before saving; never stored. Checked, the server alias is removed.
    bool SmartConnect = false;

    static constexpr int DefaultServerPort = 5432;

    QString FileName() const { return m_fileName; }

    // The string to connect with: the default database file, the DIP service's answer, or the
    // stored ConnStr; a server name with an [alias] entry is resolved to its host and port.
    QString GetConnectionString();
    // Whether GetConnectionString names the default database file (which may be created).
    bool UsesDefaultFile() const { return providerIdx == 1 && defaultCon; }
    // Writes every [db] key and ConnStr. Throws EMqError when the file cannot be written.
    void SaveConfig();
    // With Remove false maps Server to itself at Port in [alias]; with Remove true deletes the
    // entry. Returns false (and says nothing) when the file cannot be written.
    bool SetServerAlias(const QString& server, const QString& port, bool remove);
    // Asks the DIP service for the server's connection data; empty when it fails.
    QString FetchDipConnection();
    // Resolves the Data Source of a server connection string through [alias] when the string
    // names no port of its own.
    QString ApplyServerAlias(const QString& connectionString) const;

    // The stored connection string as it would be saved now.
    QString BuildConnectionString() const;

    // The default database file: mqscm3.db in the home folder.
    static QString DefaultDatabaseFile();
    static QString DefaultDatabaseString();
    // cfg.ini in the home folder.
    static QString DefaultFileName();
    static bool Exists();
    // A first start has no cfg.ini: write one that opens the embedded database file.
    // Returns true when it wrote one.
    static bool CreateIfMissing();

    static QString ReadLastLoginId();
    static bool WriteLastLoginId(const QString& loginId);
    // [publish] b: the suffix of the build label.
    static QString ReadBuildSuffix();

    // XOR of each byte with a digit taken from the key "quillbrand"; its own inverse.
    static QByteArray Scramble(const QByteArray& bytes);
    static QByteArray ScrambleText(const QString& text);
    static QString UnscrambleText(const QByteArray& stored);

private:
    void read();

    QString m_fileName;
};
