#pragma once
#include <QString>

class TDatabase;

// The database schema and its seed data, one script set per engine under resources/schema
// (embedded in the program), versioned so a newer program upgrades an older database:
// schema/<engine>/NNN_*.sql, then schema/common/NNN_*.sql, for each version NNN.
namespace TSchema {
// The schema version this program writes.
int CurrentVersion();
// The version stored in the database; 0 for an empty database.
int Version(TDatabase& db);
// Creates every table and the seed rows in an empty database, or upgrades an older one.
// Throws EDatabaseError / EMqError on failure; nothing is half-created (one transaction).
// A database that is already current is left alone; a newer one, or a database that holds
// other tables but none of this system, is refused with EMqError.
void CreateOrUpgrade(TDatabase& db);
// Inserts the print templates that folder/index.txt lists and the table does not hold yet.
// Each line: Id, group, title and the template file (relative to folder, may be empty),
// separated by tabs; lines starting with "#" are comments. A missing index adds nothing.
// CreateOrUpgrade runs it on the embedded folder schema/templates.
int SeedPrintTemplates(TDatabase& db, const QString& folder);
}  // namespace TSchema
