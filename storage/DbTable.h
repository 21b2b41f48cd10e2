#pragma once

#include <string>
#include <vector>

#include "storage/Database.h"
#include "storage/DbRecord.h"

namespace tavelo {

// A table bound to the open connection of one operation; builds all its SQL from records.
template <typename Record>
class CDbTable {
public:
    CDbTable(sqlite3* db, std::string table) : m_pDb(db), m_strTable(std::move(table)) {}

    std::vector<Record> Select(const std::string& where) const {
        std::vector<Record> records;
        QueryRows(m_pDb, "select * from " + m_strTable + " where " + where,
                  [&](const char* const* row, int columns) {
                      records.push_back(Record::FromRow(row, columns));
                  });
        return records;
    }

    std::vector<Record> SelectAll() const { return Select(" 1=1"); }

    Record SelectOne(const std::string& column, int32_t value) const {
        std::vector<Record> records = Select(column + "=" + std::to_string(value));
        return records.empty() ? Record{} : records.front();
    }

    bool Insert(Record record) const {
        record.BuildFragments();
        return ExecuteSql(m_pDb, "insert into " + m_strTable + record.InsertClause());
    }

    // Updates the row with the record's key, or inserts the record when no row has that key.
    void Save(Record record) const {
        record.BuildFragments();
        if (!Select(StripLast(record.KeyCondition())).empty()) {
            ExecuteSql(m_pDb, "update " + m_strTable + record.UpdateClause());
        } else {
            ExecuteSql(m_pDb, "insert into " + m_strTable + record.InsertClause());
        }
    }

    bool DeleteWhere(const std::string& column, int32_t value) const {
        return ExecuteSql(m_pDb, "delete from " + m_strTable + " where " + column + "=" +
                                     std::to_string(value));
    }

    // The last cell of the last row of the statement's result, read as a real; 0 when none.
    double QueryNumber(const std::string& sql) const {
        std::string last;
        bool any = false;
        QueryRows(m_pDb, sql, [&](const char* const* row, int columns) {
            if (columns > 0) {
                last = CellText(row, columns, columns - 1);
                any = true;
            }
        });
        return any ? LeadingReal(last) : 0.0;
    }

    const std::string& TableName() const { return m_strTable; }

private:
    sqlite3* m_pDb;
    std::string m_strTable;
};

}  // namespace tavelo
