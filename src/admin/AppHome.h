#pragma once
#include <QString>
#include <QStringList>

// The program's home folder: where cfg.ini, the default database file and splash.jpg live,
// i.e. everything kept "beside the program". Chosen once, in this order:
//   1. --home DIR on the command line (Init) or SetHome;
//   2. the environment variable MQ_HOME (tests and scripts);
//   3. the executable's folder when it is writable (portable install, the build tree);
//   4. ~/.local/share/mqsale/ (created when missing).
namespace AppHome {
// Takes "--home DIR" (or "--home=DIR") out of the program's arguments. Returns the arguments
// without it, so the rest of the start-up sees only its own parameters.
QStringList Init(const QStringList& arguments);
// Puts another home folder in place (created when missing); empty goes back to the default order.
void SetHome(const QString& dir);
// The home folder, without a trailing slash; it exists.
QString Home();
// A file in the home folder.
QString FilePath(const QString& name);

// Read-only resources (help pages, pictures, print templates, schema scripts): beside the
// executable, in the installed share folder, or in the home folder. Empty when none holds it.
QString ResourcePath(const QString& relative);
// The folders searched by ResourcePath, in order.
QStringList ResourceDirs();
}  // namespace AppHome
