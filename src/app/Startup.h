#pragma once
#include <QStringList>

// The program: splash, connection, shared objects, error handler, main window, login, the event
// loop and the shutdown. Runs on the application object already created; arguments are the
// program's own (without its name). Returns the exit code.
int RunProgram(const QStringList& arguments);
