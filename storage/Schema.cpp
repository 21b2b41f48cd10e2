#include "storage/Schema.h"

#include "storage/Database.h"

namespace tavelo {

void EnsureQuickLaunchTables(sqlite3* db) {
    ExecuteSql(db, kCreateRjbqhItem);
    ExecuteSql(db, kCreateRjbqhNode);
}

}  // namespace tavelo
