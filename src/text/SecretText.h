#pragma once

#include <string>

// Passwords are cleared from memory once they have been used, so that a
// copy does not linger in freed memory or a later dump.
namespace korvant {

// Overwrites every byte `text` holds (its whole capacity) and empties it.
void wipeSecret(std::string& text);

// Wipes a secret when the scope that holds it ends, however it ends.
class WipeOnExit {
public:
    explicit WipeOnExit(std::string& secret) : secret_(secret) {}
    ~WipeOnExit() { wipeSecret(secret_); }
    WipeOnExit(const WipeOnExit&) = delete;
    WipeOnExit& operator=(const WipeOnExit&) = delete;

private:
    std::string& secret_;
};

}  // namespace korvant
