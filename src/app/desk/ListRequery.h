#pragma once

#include "app/desk/AccountList.h"

// After a change of an account list's records the list is queried again,
// but only by a front end that shows it: the operation says which list
// changed (app/lists/AccountListAgain.h), the desk's hook
// (Desk::setListRequery) decides what to query.
namespace korvant {

// Which page and filter the list on screen is queried again with.
enum class ListRequery {
    ShownPage,             // the page and filter on screen
    ShownPageUnfiltered,   // the page on screen, the filter's fields cleared
    CachedPage,            // the page the list's cache holds, the filter on screen
    CachedPageUnfiltered,  // the page the list's cache holds, the fields cleared
};

}  // namespace korvant
