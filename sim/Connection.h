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
    std::string mac;  // as sent at login
};

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
