#pragma once

#include <optional>
#include <string>

// Finding an administrator of the current group the way the desk's user
// clicks a row of the administrator list.
namespace korvant::cli {

class CliContext;

// The row of the administrator with exactly this account in the
// administrator list of the current group (the cache then holds that row's
// page, and the row is the selected one); prints "no administrator ACCOUNT
// in group ID" when missing.
std::optional<int> findAdministrator(CliContext& context, const std::string& account);

}  // namespace korvant::cli
