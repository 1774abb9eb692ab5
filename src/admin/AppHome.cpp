#include "AppHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString g_override;
QString g_home;

QString executableDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

// QFileInfo::isWritable only reads the mode bits; a real probe also catches read-only mounts.
bool canWriteIn(const QString& dir)
{
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) return false;
    QTemporaryFile probe(dir + QStringLiteral("/.mqsale-probe-XXXXXX"));
    return probe.open();
}

QString ensured(const QString& dir)
{
    QDir().mkpath(dir);
    return QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
}

QString chooseHome()
{
    if (!g_override.isEmpty()) return ensured(g_override);
    const QString env = qEnvironmentVariable("MQ_HOME");
    if (!env.isEmpty()) return ensured(env);
    const QString exe = executableDir();
    if (canWriteIn(exe)) return QDir::cleanPath(exe);
    return ensured(QDir::homePath() + QStringLiteral("/.local/share/mqsale"));
}

}  // namespace

QStringList AppHome::Init(const QStringList& arguments)
{
    QStringList rest;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QStringLiteral("--home") && i + 1 < arguments.size()) {
            SetHome(arguments[++i]);
        } else if (a.startsWith(QStringLiteral("--home="))) {
            SetHome(a.mid(7));
        } else {
            rest << a;
        }
    }
    return rest;
}

void AppHome::SetHome(const QString& dir)
{
    g_override = dir;
    g_home.clear();
}

QString AppHome::Home()
{
    if (g_home.isEmpty()) g_home = chooseHome();
    return g_home;
}

QString AppHome::FilePath(const QString& name) { return Home() + u'/' + name; }

QStringList AppHome::ResourceDirs()
{
    QStringList dirs;
    const QString exe = executableDir();
    if (!exe.isEmpty()) {
        dirs << exe;
        dirs << QDir::cleanPath(exe + QStringLiteral("/../share/mqsale"));
    }
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dirs << d + QStringLiteral("/mqsale");
    dirs << Home();
#ifdef MQ_SOURCE_RESOURCES
    // A developer build also finds what it has not copied yet.
    dirs << QStringLiteral(MQ_SOURCE_RESOURCES);
#endif
    dirs.removeDuplicates();
    return dirs;
}

QString AppHome::ResourcePath(const QString& relative)
{
    for (const QString& dir : ResourceDirs()) {
        const QString path = dir + u'/' + relative;
        if (QFileInfo::exists(path)) return path;
    }
    return QString();
}
