#include "services/Rjbqh.h"

#include <cmath>
#include <limits>

#include "services/Payload.h"
#include "storage/Database.h"
#include "storage/DbTable.h"
#include "storage/Schema.h"
#include "storage/TextCodec.h"

namespace tavelo {
namespace {

// Quick-launch lists answer "[]", not the bare "]", when empty.
std::string FinishQuickLaunchList(CListBuilder& list) {
    return list.Empty() ? "[]" : list.Finish();
}

std::string NodeList(const std::vector<CRjbqhNodeRecord>& nodes) {
    CListBuilder list;
    for (const CRjbqhNodeRecord& n : nodes) {
        list.Append("['" + std::to_string(n.m_nNodeID) + "'," +
                    TextItem(FromCodePage(n.m_strNodeName), Backslashes::StoredDoubled) + "," +
                    TextItem(FromCodePage(n.m_strNodePath), Backslashes::StoredDoubled) + "]");
    }
    return FinishQuickLaunchList(list);
}

// An id sent by the page, read as a decimal real and truncated toward zero.
int32_t IdFromText(const std::string& text) {
    const double value = std::trunc(LeadingReal(text));
    if (value >= std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value <= std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

// Every operation opens the file this way, so a file from an older version gains the tables.
DbConnection OpenQuickLaunch() {
    DbConnection db = OpenDatabase();
    EnsureQuickLaunchTables(db.get());
    return db;
}

}  // namespace

std::string RjbqhListItems() {
    DbConnection db = OpenQuickLaunch();
    const auto items = CDbTable<CRjbqhItemRecord>(db.get(), "rjbqhItem").SelectAll();
    CloseDatabase(db);
    CListBuilder list;
    for (const CRjbqhItemRecord& item : items) {
        list.Append("['" + std::to_string(item.m_nItemID) + "'," +
                    TextItem(FromCodePage(item.m_strItemName)) + "]");
    }
    return FinishQuickLaunchList(list);
}

std::string RjbqhListFirstItemNodes(int32_t& firstItemId) {
    DbConnection db = OpenQuickLaunch();
    const auto items = CDbTable<CRjbqhItemRecord>(db.get(), "rjbqhItem").SelectAll();
    CloseDatabase(db);
    if (items.empty()) {
        firstItemId = 0;
        return "[]";
    }
    firstItemId = items.front().m_nItemID;
    return RjbqhListNodes(" itemID=" + std::to_string(firstItemId));
}

std::string RjbqhListNodes(const std::string& where) {
    DbConnection db = OpenQuickLaunch();
    const auto nodes = CDbTable<CRjbqhNodeRecord>(db.get(), "rjbqhNode").Select(ToCodePage(where));
    CloseDatabase(db);
    return NodeList(nodes);
}

void RjbqhAddItem(const std::string& name) {
    DbConnection db = OpenQuickLaunch();
    CRjbqhItemRecord item;
    item.m_strItemName = ToCodePage(name);
    CDbTable<CRjbqhItemRecord>(db.get(), "rjbqhItem").Insert(item);
    CloseDatabase(db);
}

std::optional<int32_t> RjbqhAddNode(const std::string& itemId, const std::string& name,
                                    const std::string& path) {
    DbConnection db = OpenQuickLaunch();
    CRjbqhNodeRecord node;
    node.m_nItemID = IdFromText(itemId);
    node.m_strNodeName = ToCodePage(name);
    node.m_strNodePath = ToCodePage(path);
    std::optional<int32_t> id;
    // The id is the one this very insert was given, never the largest id of the table, so a
    // failed insert cannot make the caller overwrite another node's icon.
    if (CDbTable<CRjbqhNodeRecord>(db.get(), "rjbqhNode").Insert(node)) {
        id = static_cast<int32_t>(LastInsertId(db.get()));
    }
    CloseDatabase(db);
    return id;
}

CRjbqhNodeRecord RjbqhGetNode(const std::string& nodeId) {
    DbConnection db = OpenQuickLaunch();
    CRjbqhNodeRecord node =
        CDbTable<CRjbqhNodeRecord>(db.get(), "rjbqhNode").SelectOne("nodeID", IdFromText(nodeId));
    CloseDatabase(db);
    node.m_strNodeName = FromCodePage(node.m_strNodeName);
    node.m_strNodePath = FromCodePage(node.m_strNodePath);
    return node;
}

}  // namespace tavelo
