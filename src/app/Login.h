#pragma once
#include <QString>
#include <QStringList>

// Checking who logs in. The global operator changes only on success.
namespace TLogin {
// True when the name and password match an operator; the global operator then holds it.
// An unknown name never matches, whatever an earlier attempt loaded.
bool Check(const QString& loginId, const QString& password);
// The login of the command line: with exactly three parameters (the program's own, without
// its name) the first two are the login name and the password.
bool FromParameters(const QStringList& parameters);
}  // namespace TLogin
