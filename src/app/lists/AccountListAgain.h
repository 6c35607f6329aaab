#pragma once

#include "app/desk/AccountList.h"
#include "app/desk/ListRequery.h"

// An account list read again after an operation changed its records.
namespace korvant {

class Desk;

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
