#pragma once
#include <QString>

class TDatabase;

// The database schema and its seed data, one script set per engine under resources/schema,
// versioned so a newer program upgrades an older database.
namespace TSchema {
// The schema version this program writes.
int CurrentVersion();
// The version stored in the database; 0 for an empty database.
int Version(TDatabase& db);
// Creates every table and the seed rows in an empty database, or upgrades an older one.
// Throws EDatabaseError / EMqError on failure; nothing is half-created (one transaction).
void CreateOrUpgrade(TDatabase& db);
}  // namespace TSchema
