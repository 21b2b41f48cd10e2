#include "storage/Database.h"

#include <sqlite3.h>

#include <string_view>
#include <vector>

namespace tavelo {

void SqliteCloser::operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }

namespace {

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};

}  // namespace

DbConnection OpenDatabase() {
    sqlite3* raw = nullptr;
    // The handle must be closed even when the open failed, so it is owned before anything else.
    sqlite3_open(kDatabaseFile, &raw);
    DbConnection db(raw);
    if (db) {
        // A short wait lets a write survive another process holding the file for a moment.
        sqlite3_busy_timeout(db.get(), 250);
    }
    return db;
}

void CloseDatabase(DbConnection& db) { db.reset(); }

bool ExecuteSql(sqlite3* db, const std::string& sql) {
    if (db == nullptr) {
        return false;
    }
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

int64_t LastInsertId(sqlite3* db) { return db == nullptr ? 0 : sqlite3_last_insert_rowid(db); }

bool QueryRows(sqlite3* db, const std::string& sql,
               const std::function<void(const char* const* row, int columns)>& rowFn) {
    if (db == nullptr) {
        return false;
    }
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &raw, &tail) !=
        SQLITE_OK) {
        sqlite3_finalize(raw);
        return false;
    }
    std::unique_ptr<sqlite3_stmt, StatementFinalizer> statement(raw);
    // A query runs one read-only statement; a fragment that smuggles in a second statement or a
    // write is refused before anything runs.
    if (statement == nullptr || !sqlite3_stmt_readonly(statement.get()) ||
        std::string_view(tail).find_first_not_of(" \t\r\n;") != std::string_view::npos) {
        return false;
    }
    const int columns = sqlite3_column_count(statement.get());
    // Rows are delivered only once the whole statement has succeeded, as a failure part-way
    // through must read as no result at all. Cells are kept in one buffer, NUL-terminated, with
    // their offsets; a NULL cell has no offset.
    constexpr size_t kNull = static_cast<size_t>(-1);
    std::string cellText;
    std::vector<size_t> offsets;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            const auto* text =
                reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), c));
            if (text == nullptr) {
                offsets.push_back(kNull);
            } else {
                offsets.push_back(cellText.size());
                cellText.append(text, static_cast<size_t>(sqlite3_column_bytes(statement.get(), c)));
                cellText.push_back('\0');
            }
        }
    }
    if (rc != SQLITE_DONE) {
        return false;
    }
    std::vector<const char*> cells(static_cast<size_t>(columns));
    for (size_t base = 0; base < offsets.size(); base += static_cast<size_t>(columns)) {
        for (size_t c = 0; c < cells.size(); ++c) {
            const size_t offset = offsets[base + c];
            cells[c] = offset == kNull ? nullptr : cellText.data() + offset;
        }
        rowFn(cells.data(), columns);
    }
    return true;
}

}  // namespace tavelo
