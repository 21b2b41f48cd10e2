#pragma once

struct sqlite3;

namespace tavelo {

inline constexpr const char* kCreateParameter =
    "CREATE TABLE [parameter] ([name] NVARCHAR(20) NOT NULL,[parameter1] NVARCHAR(20),"
    "[parameter2] NVARCHAR(20),PRIMARY KEY ([name] ASC))";

inline constexpr const char* kCreateShzl =
    "CREATE TABLE [shzl] ([id] INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,[time] DATETIME NOT "
    "NULL, [type] NVARCHAR(10) NOT NULL, [cont] INT64(20), [remark] NVARCHAR(500))";

inline constexpr const char* kCreateRjbqhItem =
    "CREATE TABLE IF NOT EXISTS [rjbqhItem] ([itemID] INTEGER PRIMARY KEY AUTOINCREMENT,"
    "[itemName] TEXT)";

inline constexpr const char* kCreateRjbqhNode =
    "CREATE TABLE IF NOT EXISTS [rjbqhNode] ([nodeID] INTEGER PRIMARY KEY AUTOINCREMENT,"
    "[itemID] INTEGER,[nodeName] TEXT,[nodePath] TEXT)";

// Creates the two quick-launch tables when they are missing (files written by older versions of
// the program lack them). Failures are quiet: the tables then read as empty.
void EnsureQuickLaunchTables(sqlite3* db);

}  // namespace tavelo
