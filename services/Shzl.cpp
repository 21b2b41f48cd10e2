#include "services/Shzl.h"

#include "services/Payload.h"
#include "storage/Database.h"
#include "storage/DbTable.h"
#include "storage/Records.h"
#include "storage/TextCodec.h"

namespace tavelo {
namespace {

constexpr const char* kTable = "shzl";

// The rows of an answer; the rows for a where fragment carry the id as a fifth item.
std::string BuildRows(const std::vector<CShzlRecord>& records, bool withId) {
    CListBuilder list;
    list.Reserve(records.size() * 64);
    for (const CShzlRecord& r : records) {
        std::string& row = list.Element();
        row += '[';
        AppendStoredTextItem(row, r.m_strType);
        row += ',';
        row += NumberItem(r.m_dCont, 8);
        row += ',';
        AppendStoredTextItem(row, r.m_strRemark);
        row += ',';
        AppendStoredTextItem(row, r.m_strTime);
        if (withId) {
            row += ",'";
            row += std::to_string(r.m_nID);
            row += '\'';
        }
        row += ']';
        list.EndElement();
    }
    return list.Finish();
}

CShzlRecord MakeRecord(int32_t id, const std::string& time, const std::string& type,
                       const std::string& amount, const std::string& remark) {
    CShzlRecord record;
    record.m_nID = id;
    record.m_strTime = ToCodePage(time);
    record.m_strType = ToCodePage(type);
    record.m_dCont = LeadingReal(amount);
    record.m_strRemark = ToCodePage(remark);
    return record;
}

}  // namespace

std::string ShzlGetAll() {
    DbConnection db = OpenDatabase();
    const auto records = CDbTable<CShzlRecord>(db.get(), kTable).SelectAll();
    CloseDatabase(db);
    return BuildRows(records, false);
}

std::string ShzlGetWhere(const std::string& where) {
    DbConnection db = OpenDatabase();
    const auto records = CDbTable<CShzlRecord>(db.get(), kTable).Select(ToCodePage(where));
    CloseDatabase(db);
    if (records.empty()) {
        return {};
    }
    return BuildRows(records, true);
}

void ShzlAdd(const std::string& time, const std::string& type, const std::string& amount,
             const std::string& remark) {
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord>(db.get(), kTable).Insert(MakeRecord(0, time, type, amount, remark));
    CloseDatabase(db);
}

void ShzlEdit(int32_t id, const std::string& time, const std::string& type,
              const std::string& amount, const std::string& remark) {
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord>(db.get(), kTable).Save(MakeRecord(id, time, type, amount, remark));
    CloseDatabase(db);
}

void ShzlDelete(int32_t id) {
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord>(db.get(), kTable).DeleteWhere("id", id);
    CloseDatabase(db);
}

double ShzlSum(const std::string& sql) {
    DbConnection db = OpenDatabase();
    const double value = CDbTable<CShzlRecord>(db.get(), kTable).QueryNumber(ToCodePage(sql));
    CloseDatabase(db);
    return value;
}

std::string ShzlCommand(const std::string& action, const std::string& a1, const std::string& a2,
                        const std::string& a3, const std::string& a4) {
    if (action == "getData") {
        return ShzlGetAll();
    }
    if (action == "getDataByData") {
        return ShzlGetWhere(a1);
    }
    if (action == "addData") {
        ShzlAdd(a1, a2, a3, a4);
    }
    return {};
}

}  // namespace tavelo
