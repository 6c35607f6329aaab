#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/ContractVariety.h"
#include "model/SubAccount.h"
#include "templates/RateRow.h"
#include "templates/TemplateForms.h"
#include "templates/TemplateKind.h"
#include "templates/TemplateTree.h"
#include "templates/TemplateViews.h"

// The operations of the template views. Those that take the template, the
// group or the file they act on are called by either front end; the others
// are the desk's actions (see registerTemplateActions), which read the tree
// node and the rate-list row that the desk chose (TemplateView) and call
// them.
namespace korvant {

class Desk;

// A node of the tree was chosen: it is kept, and the action of the kind's
// node selection (111 / 112) is sent with its template id.
void chooseTemplateNode(Desk& desk, const TemplateKind& kind, const ChosenNode& node);

// `MarginNodeSelected` / `FeeNodeSelected`: the template becomes the current one (0 for the root
// and the groups) and page 0 is shown; the pager shows page 1 of the
// contract list's pages.
void showTemplateRates(Desk& desk, const TemplateKind& kind, int32_t templateId);

// `ModifyMarginRates` / `ModifyFeeRates`: the rate dialog for the chosen row, filled from its
// cells; on "确定" the rates are sent (applyRates), then the page is shown
// again. Without the permission bit its refusal is shown; without a row
// nothing happens; a row whose rates were not read is not edited (its
// values would be sent as 0). Returns the number of contracts whose change
// was acknowledged.
int modifyRates(Desk& desk, const TemplateKind& kind);

// The rate form of contract-list entry `index` in template `templateId`,
// filled from the server's current rates (its rate page is read). Nothing
// when they could not be read (the message said so) or without the
// permission bit (its refusal shown).
std::optional<RateForm> currentRates(Desk& desk, const TemplateKind& kind, int32_t templateId,
                                     int index);

// Sends `row` for contract-list entry `index` of template `templateId`, or
// for every contract of its product with `allMonths` ("应用到该品种所有月份"),
// one exchange each with its own messages; a refusal of one does not stop
// the others. Returns the number acknowledged.
int applyRates(Desk& desk, const TemplateKind& kind, int32_t templateId, int index,
               const RateRow& row, bool allMonths);

// The contract-list entries of the same product as entry `index`, in list
// order (entry `index` itself included).
std::vector<ContractVariety> sameProductContracts(std::span<const ContractVariety> contracts,
                                                  int index);

// Sends the rates of one contract (commands 92 / 44), one exchange with its
// own messages; a refusal or failure of one does not stop the caller.
// Returns whether the server took the rates (a refusal shows its text).
bool setRates(Desk& desk, const TemplateKind& kind, int32_t templateId, const std::string& contract,
              const std::string& exchange, const RateRow& row);

// Add, modify and delete (`AddMarginTemplate` … `DeleteFeeTemplate`) on the
// chosen node. After each the
// trees are drawn again from the caches, whatever the outcome.
bool addTemplate(Desk& desk, const TemplateKind& kind);
bool renameTemplate(Desk& desk, const TemplateKind& kind);
// The add of `name` to the first-level group `groupCode`, and the rename of
// the template of `node` to `name` (names as typed, cut as the dialog cuts
// them: TemplateNameForm::typedName).
bool addTemplate(Desk& desk, const TemplateKind& kind, const std::string& groupCode,
                 const std::string& name);
bool renameTemplate(Desk& desk, const TemplateKind& kind, const ChosenNode& node,
                    const std::string& name);
// Asks, then deletes template `templateId` when the kind's cache holds it.
bool deleteTemplate(Desk& desk, const TemplateKind& kind, int32_t templateId);

// `LoadMarginTemplate` / `LoadFeeTemplate`: the dialog offers the templates of the group of
// `listedGroupCode` (templateChoices), then loads the one chosen onto
// `account` or removes its template ("不使用模版"). Nothing without an
// account.
bool assignTemplateWithPicker(Desk& desk, const TemplateKind& kind, const SubAccount* account,
                              const std::string& listedGroupCode);
// What the dialog offers for the group of code `groupCode`: "不使用模版"
// and the templates of its first-level group.
TemplatePickerForm templateChoices(Desk& desk, const TemplateKind& kind,
                                   const std::string& groupCode);
// Loads template `name` (TemplatePickerForm::NoTemplate for none) onto the
// sub-account `account`, then the sub-account list again.
bool assignTemplate(Desk& desk, const TemplateKind& kind, const std::string& account,
                    const std::string& name);

// The rates of template `templateId` written to `path` (".csv" added when
// it has no table extension; an ".xlsx" name writes a workbook).
bool exportTemplate(Desk& desk, const TemplateKind& kind, int32_t templateId,
                    const std::string& path);
// A new template of the first-level group `groupCode`, named after the file
// `path` (".csv" added without it), with the rates of its lines; asks first.
bool importTemplate(Desk& desk, const TemplateKind& kind, const std::string& groupCode,
                    const std::string& path);

// A command of a tree pop-up on the chosen node.
void runTemplateCommand(Desk& desk, const TemplateKind& kind, TemplateCommand command);

}  // namespace korvant
