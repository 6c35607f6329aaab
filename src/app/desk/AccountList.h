#pragma once

namespace korvant {

// The four account lists: of a first-level group its main accounts, of
// every group its administrators, of a second-level group the main
// accounts linked to it and its sub-accounts.
enum class AccountList { None, MainAccounts, Administrators, MainAccountLinks, SubAccounts };

}  // namespace korvant
