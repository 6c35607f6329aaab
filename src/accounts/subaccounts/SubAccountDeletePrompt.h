#pragma once

#include <string>
#include <vector>

#include "model/SubAccount.h"

// The question asked before sub-accounts are deleted: the first four
// selected accounts with their main accounts, and a count line when more
// are selected.
namespace korvant {

std::string subAccountDeletePrompt(const std::vector<SubAccount>& selected);

}  // namespace korvant
