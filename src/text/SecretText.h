#pragma once

#include <string>

// Passwords are cleared from memory once they have been used, so that a
// copy does not linger in freed memory or a later dump.
namespace korvant {

// Overwrites every byte `text` holds (its whole capacity) and empties it.
void wipeSecret(std::string& text);

}  // namespace korvant
