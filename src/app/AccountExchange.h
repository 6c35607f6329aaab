#pragma once

#include <string>

#include "app/Exchange.h"
#include "app/MainState.h"

// Pieces shared by the sub-account and main-account operations.
namespace korvant {

// A build failure shows `buildText` and stops; a lost connection writes the
// failure row, shows `lostText` and ends the program. The send is not
// checked (the receive notices a broken connection).
ExchangeTexts accountExchangeTexts(const std::string& title, const std::string& failureRow,
                                   const std::string& lostText,
                                   const std::string& buildText = "组包失败!");

// Queries `list` of the current group again at its current page and
// redraws it.
void requeryAccountList(Desk& desk, AccountList list);

}  // namespace korvant
