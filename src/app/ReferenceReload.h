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

}  // namespace korvant
