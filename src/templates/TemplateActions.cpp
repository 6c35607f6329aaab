#include "templates/TemplateActions.h"

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/session/Permissions.h"
#include "templates/TemplateCsv.h"
#include "templates/TemplateOperations.h"

namespace korvant {

bool deleteChosenTemplate(Desk& desk, const TemplateKind& kind) {
    // Without a node the question is still asked, and nothing is deleted.
    const std::optional<ChosenNode> node = templateView(desk, kind).node;
    return deleteTemplate(desk, kind, node ? node->templateId : 0);
}

bool exportChosenTemplate(Desk& desk, const TemplateKind& kind) {
    FrontEndPort& port = desk.port();
    // The refusal comes before the file is asked for.
    if (!gate(port, desk.session().permissionMask, kind.gates.exportOperation)) return false;
    const std::optional<ChosenNode> node = templateView(desk, kind).node;
    if (!node || node->templateId == 0) return false;
    const RateTemplate* chosen = cachedTemplate(desk.reference(), kind, node->templateId);
    const std::string name = chosen != nullptr ? chosen->name : std::string();
    const std::optional<std::string> path =
        port.chooseSaveFileAskedLater(kind.csv.exportCaption, templateExportName(kind, name),
                                      {{"文本文件(*.csv)", "*.csv"}, {"Excel 工作簿", "*.xlsx"}});
    return path && exportTemplate(desk, kind, node->templateId, *path);
}

bool importIntoChosenGroup(Desk& desk, const TemplateKind& kind) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, kind.gates.importOperation)) return false;
    const std::optional<ChosenNode> node = templateView(desk, kind).node;
    if (!node) return false;
    const std::optional<std::string> path =
        port.chooseOpenFile(kind.csv.importCaption, {{kind.csv.importFilter, "*.csv"}});
    return path && importTemplate(desk, kind, node->groupCode, *path);
}

namespace {

// The operations of a kind that its actions start without an argument.
struct KindOperation {
    ActionCode TemplateActions::*action;
    void (*run)(Desk& desk, const TemplateKind& kind);
};

constexpr KindOperation KindOperations[] = {
    {&TemplateActions::modifyRates, [](Desk& d, const TemplateKind& k) { modifyRates(d, k); }},
    {&TemplateActions::addTemplate, [](Desk& d, const TemplateKind& k) { addTemplate(d, k); }},
    {&TemplateActions::renameTemplate,
     [](Desk& d, const TemplateKind& k) { renameTemplate(d, k); }},
    {&TemplateActions::deleteTemplate,
     [](Desk& d, const TemplateKind& k) { deleteChosenTemplate(d, k); }},
    {&TemplateActions::exportTemplate,
     [](Desk& d, const TemplateKind& k) { exportChosenTemplate(d, k); }},
};

void registerKind(Desk& desk, const TemplateKind& kind) {
    ActionDispatcher& d = desk.dispatcher();
    const TemplateKind* k = &kind;
    Desk* p = &desk;
    d.registerHandler(kind.actions.nodeSelected,
                      [p, k](const ActionMessage& m) { showTemplateRates(*p, *k, m.intArg()); });
    for (const KindOperation& operation : KindOperations)
        d.registerHandler(kind.actions.*operation.action,
                          [p, k, run = operation.run](const ActionMessage&) { run(*p, *k); });
}

}  // namespace

void registerTemplateActions(Desk& desk) {
    registerKind(desk, feeKind());
    registerKind(desk, marginKind());
}

}  // namespace korvant
