#pragma once

#include <cstdint>
#include <map>
#include <string>

// What the server knows about one client connection, and the accounts
// logged in over all connections (for administrators without multi-login).
namespace korvant::sim {

struct Connection {
    int id = 0;
    uint32_t peerAddress = 0;  // IPv4, first octet in the lowest byte; 0 unknown
    bool loggedIn = false;
    std::string account;
    std::string mac;       // as sent at login
    int failedLogins = 0;  // in a row on this connection
};

// The refusal of a login whose account is unknown or whose password is wrong.
inline constexpr const char* LoginRefusedText = "账号或密码错误";

// How long the answer to a refused login waits after `failedLogins`
// failures in a row: nothing for the first, then doubling from 250 ms up to
// 8 s.
inline int loginDelayMs(int failedLogins) {
    if (failedLogins <= 1) return 0;
    const int shift = failedLogins - 2 < 5 ? failedLogins - 2 : 5;
    return 250 << shift;
}

struct LoginRegistry {
    std::map<std::string, int> active;  // account -> number of connections

    void add(const std::string& account) { ++active[account]; }
    void remove(const std::string& account) {
        auto it = active.find(account);
        if (it != active.end() && --it->second <= 0) active.erase(it);
    }
    bool isActive(const std::string& account) const { return active.count(account) > 0; }
};

}  // namespace korvant::sim
