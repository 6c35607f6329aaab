#pragma once

#include "model/ReferenceQueries.h"

// Reloads of the five reference lists (`RefreshGroups`, `ReloadMarginTemplates`,
// `ReloadFeeTemplates`, `ReloadVarieties`, `ReloadRiskStrategies` and the start-up queries): the
// cache is emptied and every page read again. A request that cannot be built or a lost connection
// ends the program with the list's message.
namespace korvant {

class Desk;

// With `showProgress` the progress window names the list and then its
// running count; without, nothing is shown. An answer that is not a page of
// the list, or more data than any real list holds, is reported (the pages
// read so far stay cached); returns whether every announced page came.
bool reloadReferenceList(Desk& desk, ReferenceList list, bool showProgress = false);

// Every group read again, and the report tree after them (the refresh
// command and every change to the groups).
bool reloadGroups(Desk& desk);

// Registers the handlers of the reloads (`RefreshGroups`,
// `ReloadMarginTemplates`, `ReloadFeeTemplates`, `ReloadVarieties`,
// `ReloadRiskStrategies`); a window replaces `RefreshGroups` with one that
// also forgets its chosen group.
void registerReferenceReloadActions(Desk& desk);

}  // namespace korvant
