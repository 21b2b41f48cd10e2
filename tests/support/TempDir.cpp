#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include "storage/Schema.h"

namespace tavelo::test {

ScopedWorkDir::ScopedWorkDir() : m_previous(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavelo-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
    std::filesystem::current_path(m_path);
}

ScopedWorkDir::~ScopedWorkDir() {
    std::error_code ec;
    std::filesystem::current_path(m_previous, ec);
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

void Exec(const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open("taveloDB.db", &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << sql << ": " << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

void CreateFullDatabase() {
    Exec(std::string(kCreateParameter) + ";" + kCreateShzl + ";" + kCreateRjbqhItem + ";" +
         kCreateRjbqhNode);
}

std::vector<std::string> Rows(const std::string& sql) {
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    sqlite3_open("taveloDB.db", &db);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::string row;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                if (c > 0) {
                    row += "|";
                }
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                row += t ? std::string(t, sqlite3_column_bytes(st, c)) : "NULL";
            }
            rows.push_back(row);
        }
    } else {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

}  // namespace tavelo::test
