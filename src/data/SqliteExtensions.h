#pragma once
struct sqlite3;

// Functions the system's statements call (Month, Year, Day, Weekday, Left) and the "zh"
// collation that orders Chinese text by pinyin, as the server engine does.
void RegisterSqliteExtensions(sqlite3* db);
