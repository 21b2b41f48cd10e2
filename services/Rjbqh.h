#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "storage/Records.h"

namespace tavelo {

// The quick-launch board: categories (items) holding targets (nodes). All texts are UTF-8; node
// names and paths are kept with their backslashes doubled, as the dispatch stores them.

// Every item as rows ['id','name']; "[]" when there is none.
std::string RjbqhListItems();

// The nodes of the first item as rows ['id','name','path']; "[]" when there is none.
// firstItemId is set to the first item's id, or 0 when there is no item.
std::string RjbqhListFirstItemNodes(int32_t& firstItemId);

// The nodes matching a where fragment; "[]" when there is none.
std::string RjbqhListNodes(const std::string& where);

void RjbqhAddItem(const std::string& name);

// Adds a node and returns the id the database gave it; nothing when the insert failed.
std::optional<int32_t> RjbqhAddNode(const std::string& itemId, const std::string& name,
                                    const std::string& path);

// The node with the id (texts in UTF-8), or an empty record when none has it.
CRjbqhNodeRecord RjbqhGetNode(const std::string& nodeId);

}  // namespace tavelo
