#pragma once

#include <string>

// The main-account lists that the sub-account, main-account and deposit
// dialogs read before they open. A request that cannot be built and a lost
// connection end the program.
namespace korvant {

class Desk;

// Action `ReloadMainAccountLinks`: reads the main accounts linked to group `groupId` (command
// 64, every page) into the link cache. A request that cannot be built
// (" 组包出错!!") and a lost connection ("  与服务器断开了!") end the program.
// Returns false when the list could not be read whole (its message shown;
// the cache is then empty).
bool loadGroupMainAccountLinks(Desk& desk, int groupId);

// Action `ReloadParentMainAccounts`: the id of the parent group (command 65 with the first two
// characters of `groupCode`), then all its main accounts (command 37,
// every page) into the first-level cache.
void loadParentMainAccounts(Desk& desk, const std::string& groupCode);

}  // namespace korvant
