#include "HandlerSupport.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

namespace korvant::sim {

Administrator* operatorOf(Context& c) {
    if (!c.connection.loggedIn) return nullptr;
    return c.state.findAdministrator(c.connection.account);
}

bool permitted(Context& c, uint32_t bit) {
    const Administrator* a = operatorOf(c);
    return a != nullptr && (a->permissionMask & bit) != 0;
}

bool manages(Context& c, int32_t groupId) {
    const Administrator* a = operatorOf(c);
    return a != nullptr && c.state.isWithin(groupId, a->groupId);
}

bool parseAccountNumber(const std::string& text, int32_t& number) {
    if (text.empty() || text.size() > 10) return false;
    int64_t value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        value = value * 10 + (ch - '0');
    }
    if (value < 1 || value > 2147483647) return false;
    number = static_cast<int32_t>(value);
    return true;
}

int32_t today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

std::string timeOfDay() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

int32_t recordMovement(Context& c, const std::string& holder, int32_t groupId, double amount,
                       const std::string& remark) {
    DepositRecord d;
    // The customer number is the holder's number; a main account whose name
    // is not a number is carried by its name only.
    int32_t number = 0;
    d.customer = parseAccountNumber(holder, number) ? number : 0;
    d.accountText = holder;
    d.groupId = groupId;
    d.tradeDate = d.date = today();
    d.time = timeOfDay();
    d.amount = amount;
    d.operatorName = c.connection.account;
    d.serial = c.state.nextSerial++;
    d.remark = remark;
    c.state.deposits.push_back(d);
    return d.serial;
}

std::string format(const char* pattern, ...) {
    char text[512];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(text, sizeof text, pattern, args);
    va_end(args);
    return text;
}

}  // namespace korvant::sim
