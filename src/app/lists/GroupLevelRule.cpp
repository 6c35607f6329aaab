#include "app/lists/GroupLevelRule.h"

#include "app/desk/Desk.h"

namespace korvant {

bool requireGroupLevel(Desk& desk, const std::string& groupCode, GroupLevel level,
                       const std::string& operation) {
    if (static_cast<int>(groupCode.size()) == static_cast<int>(level)) return true;
    const char* where = level == GroupLevel::First ? "一级组" : "二级组";
    desk.port().info(operation + "只能在" + where + "中进行。");
    return false;
}

}  // namespace korvant
