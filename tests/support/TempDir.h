#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;

namespace tavelo::test {

// A fresh temporary directory made the working directory for the life of the object; the old
// working directory is restored and the directory removed afterwards.
class ScopedWorkDir {
public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

// Creates taveloDB.db in the working directory with the program's tables.
void CreateFullDatabase();

// Runs SQL on taveloDB.db directly (test set-up); fails the test on error.
void Exec(const std::string& sql);

// Reads a query's rows as texts ("NULL" for null cells), cells of a row joined by "|".
std::vector<std::string> Rows(const std::string& sql);

}  // namespace tavelo::test
