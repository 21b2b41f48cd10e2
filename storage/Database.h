#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct sqlite3;

namespace tavelo {

// The database file, always addressed by this bare name so it lives in the working directory.
inline constexpr const char* kDatabaseFile = "taveloDB.db";

struct SqliteCloser {
    void operator()(sqlite3* db) const noexcept;
};

// One connection, owned for the length of one operation.
using DbConnection = std::unique_ptr<sqlite3, SqliteCloser>;

// Opens (and, when missing, creates) the database file. A connection that failed to open is still
// returned (possibly empty), and every statement on it then fails quietly.
DbConnection OpenDatabase();

// Closes the connection now; a connection going out of scope is closed as well.
void CloseDatabase(DbConnection& db);

// Runs a statement that returns no rows; true when the engine reports success.
bool ExecuteSql(sqlite3* db, const std::string& sql);

// The row id the last successful insert on this connection was given.
int64_t LastInsertId(sqlite3* db);

// Runs a query and hands each data row (cells as texts, NULL as nullptr) with its column count to
// rowFn. Returns false when the statement failed, in which case no row is delivered.
bool QueryRows(sqlite3* db, const std::string& sql,
               const std::function<void(const char* const* row, int columns)>& rowFn);

}  // namespace tavelo
