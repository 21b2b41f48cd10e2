#pragma once

#include <cstdint>
#include <string>

namespace tavelo {

// Notes, ledger entries and reminders (table shzl). All texts are UTF-8.

// Every entry as rows ['type',amount,'remark','time']; "]" when there is none.
std::string ShzlGetAll();

// The entries matching a where fragment as rows ['type',amount,'remark','time','id'];
// the empty text when none matches or the fragment is not valid.
std::string ShzlGetWhere(const std::string& where);

void ShzlAdd(const std::string& time, const std::string& type, const std::string& amount,
             const std::string& remark);

// Updates entry id; when no entry has that id a new one is added.
void ShzlEdit(int32_t id, const std::string& time, const std::string& type,
              const std::string& amount, const std::string& remark);

void ShzlDelete(int32_t id);

// Runs a query and reads its last cell as a number; 0 when there is none.
double ShzlSum(const std::string& sql);

// The actions of module "shzl" that the dispatch does not handle itself.
std::string ShzlCommand(const std::string& action, const std::string& a1, const std::string& a2,
                        const std::string& a3, const std::string& a4);

}  // namespace tavelo
