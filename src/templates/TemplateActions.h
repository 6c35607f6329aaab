#pragma once

#include "templates/TemplateKind.h"

// The desk's actions of the template views: each reads the node chosen in
// the kind's tree and calls the operation on it.
namespace korvant {

class Desk;

// `DeleteMarginTemplate` / `DeleteFeeTemplate`: the template of the chosen node deleted (asks
// first).
bool deleteChosenTemplate(Desk& desk, const TemplateKind& kind);
// `ExportFeeRates` / `ExportMarginRates`: the file asked for, then the chosen template exported.
bool exportChosenTemplate(Desk& desk, const TemplateKind& kind);
// "导入" of a group node: the file asked for, then imported into the group.
bool importIntoChosenGroup(Desk& desk, const TemplateKind& kind);

// Registers the actions of this area that need no window on the desk's
// dispatcher (the window registers loading a template onto its selected
// sub-account and its pager).
void registerTemplateActions(Desk& desk);

}  // namespace korvant
