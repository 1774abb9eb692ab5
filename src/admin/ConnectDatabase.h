#pragma once
#include <functional>

class TConfiger;

// Shows the connection dialog over the settings; true when the user confirmed it (the
// settings were saved), false when the user gave up.
using TConnectionDialog = std::function<bool(TConfiger&)>;

// Connects GlobalDatabase with the settings of cfg.ini, showing the dialog after each failed
// attempt until a connection stands or the user gives up. The default database file is created
// on first use; a database is given the schema (asking first on a server) or upgraded.
// Returns whether GlobalDatabase is connected. The windowed program calls ConnectDatabase()
// of DBConfigFrm.h, which passes the real dialog.
bool ConnectDatabase(const TConnectionDialog& showDialog);
