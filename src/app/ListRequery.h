#pragma once

#include "app/AccountList.h"

// After a change of an account list's records the list is queried again,
// but only by a front end that shows it: the operation says which list
// changed, the desk's hook (Desk::setListRequery) decides what to query.
namespace korvant {

class Desk;

// Which page and filter the list on screen is queried again with.
enum class ListRequery {
    ShownPage,             // the page and filter on screen
    ShownPageUnfiltered,   // the page on screen, the filter's fields cleared
    CachedPage,            // the page the list's cache holds, the filter on screen
    CachedPageUnfiltered,  // the page the list's cache holds, the fields cleared
};

// `list` changed: runs the desk's hook; nothing without one.
void requeryAccountList(Desk& desk, AccountList list, ListRequery how = ListRequery::ShownPage);

// An operation needs the records of `list` of group `groupId` as they are
// now: the desk's hook queries the list on screen at its cached page; without
// a hook the list of `groupId` is queried at its cached page, unfiltered.
// False when the answer was refused or could not be decoded (its message
// shown).
bool readAccountListAgain(Desk& desk, AccountList list, int groupId);
// The page of `list` its cache holds (0 before the first answer).
int cachedAccountPage(Desk& desk, AccountList list);

}  // namespace korvant
