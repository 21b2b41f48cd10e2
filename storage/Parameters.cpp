#include "storage/Parameters.h"

#include <sys/stat.h>

#include <cstdio>

#include "storage/Database.h"
#include "storage/DbTable.h"
#include "storage/Schema.h"
#include "storage/TextCodec.h"

namespace tavelo {
namespace {

// The file counts as present when it is a file that can be opened for reading; a folder of that
// name cannot hold the database and is handled like a missing file.
bool DatabaseReadable() {
    std::FILE* file = std::fopen(kDatabaseFile, "rb");
    if (file == nullptr) {
        return false;
    }
    struct stat info {};
    const bool regular = fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
    std::fclose(file);
    return regular;
}

void CreateDatabase(IMessageBox& messages) {
    DbConnection db = OpenDatabase();
    if (!ExecuteSql(db.get(), kCreateParameter) || !ExecuteSql(db.get(), kCreateShzl)) {
        messages.ShowMessage("创建数据库失败！");
    } else {
        EnsureQuickLaunchTables(db.get());
    }
    CloseDatabase(db);
}

}  // namespace

std::vector<CParameterRecord> LoadParameters(const std::string& where, IMessageBox& messages) {
    if (!DatabaseReadable()) {
        CreateDatabase(messages);
        return {};
    }
    DbConnection db = OpenDatabase();
    CDbTable<CParameterRecord> table(db.get(), "parameter");
    std::vector<CParameterRecord> records = table.Select(ToCodePage(where));
    CloseDatabase(db);
    for (CParameterRecord& r : records) {
        r.m_strName = FromCodePage(r.m_strName);
        r.m_strParameter1 = FromCodePage(r.m_strParameter1);
        r.m_strParameter2 = FromCodePage(r.m_strParameter2);
    }
    return records;
}

void SaveWindowPosition(double left, double top) {
    DbConnection db = OpenDatabase();
    CParameterRecord record;
    record.m_strName = "pos";
    record.m_strParameter1 = FormatFixed(left, 8);
    record.m_strParameter2 = FormatFixed(top, 8);
    CDbTable<CParameterRecord> table(db.get(), "parameter");
    table.Save(record);
    CloseDatabase(db);
}

}  // namespace tavelo
