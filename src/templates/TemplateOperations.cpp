#include "templates/TemplateOperations.h"

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/lists/AccountListAgain.h"
#include "app/lists/AccountListQuery.h"
#include "app/session/Permissions.h"
#include "app/session/ReferenceReload.h"
#include "protocol/Packet.h"
#include "templates/RatePage.h"
#include "templates/TemplateActions.h"
#include "templates/TemplateForms.h"
#include "templates/TemplateRequests.h"

namespace korvant {
namespace {

void redrawTree(Desk& desk, const TemplateKind& kind) {
    desk.notify(kind.id == RateKind::Fee ? DeskChange::FeeTemplates : DeskChange::MarginTemplates);
}

// The exchange of a template change: nothing received ends the program
// with "与服务器的联接断开了!" after the failure row.
ExchangeTexts changeExchangeTexts(const std::string& failureTitle,
                                  const std::string& failureDetail) {
    ExchangeTexts texts = ExchangeTexts::operation("   组包出错! ");
    texts.checkSend = false;
    texts.receiveFailed = {"与服务器的联接断开了!", "提示", MessageIcon::Error};
    texts.failureRowTitle = failureTitle;
    texts.failureRowDetail = failureDetail;
    return texts;
}

// The acknowledgement of an add, rename or delete, with the kind's texts.
AckTexts templateChangeAck(const TemplateChangeTexts& t, const std::string& name) {
    AckTexts ack;
    ack.title = t.successTitle;
    ack.failureTitle = t.failureTitle;
    ack.failureRow = textf(t.failureFormat, name.c_str());
    switch (t.refusalRow) {
        case RefusalRow::ServerText:
            ack.refusalRow = "";
            break;
        case RefusalRow::Failure:
            ack.refusalAddsServerText = false;
            break;
        case RefusalRow::FailureAndServerText:
            break;
    }
    if (t.refusalMessage != nullptr) ack.refusalMessage = t.refusalMessage;
    ack.successRow = textf(t.successFormat, name.c_str());
    ack.parseFailed = " 解析数据包失败!";
    ack.notAcknowledged = t.notAcknowledged;
    return ack;
}

// Runs one add, rename or delete whose request `build` writes; on success
// the kind's template list is queried again. The tree is drawn again
// whatever the outcome.
bool runTemplateChange(Desk& desk, const TemplateKind& kind, const TemplateChangeTexts& t,
                       const std::string& name, std::function<int(std::span<uint8_t>)> build) {
    ChangeSpec spec;
    spec.title = t.startTitle;
    spec.startDetail = textf(t.startFormat, name.c_str());
    spec.build = std::move(build);
    spec.exchange = changeExchangeTexts(t.failureTitle, textf(t.lostFormat, name.c_str()));
    spec.ack = templateChangeAck(t, name);
    spec.requery = Requery::OnSuccess;
    spec.requeryList = [&kind](Desk& d) { reloadReferenceList(d, kind.list); };
    const bool done = runChange(desk, spec).done;
    redrawTree(desk, kind);
    // A template that is gone (deleted here or elsewhere) does not stay on
    // screen to be edited: the view is back to no template chosen.
    TemplateView& view = templateView(desk, kind);
    const int32_t shown = view.page.templateId();
    if (shown != 0 && cachedTemplate(desk.reference(), kind, shown) == nullptr) {
        view.node.reset();
        showTemplateRates(desk, kind, 0);
    }
    return done;
}

std::string cachedName(Desk& desk, const TemplateKind& kind, int32_t id) {
    const RateTemplate* t = cachedTemplate(desk.reference(), kind, id);
    return t != nullptr ? t->name : std::string();
}

}  // namespace

TemplateView& templateView(Desk& desk, const TemplateKind& kind) {
    TemplateViews& views = keptState(desk.states().templateViews);
    return kind.id == RateKind::Fee ? views.fee : views.margin;
}

void chooseTemplateNode(Desk& desk, const TemplateKind& kind, const ChosenNode& node) {
    templateView(desk, kind).node = node;
    desk.dispatcher().send(kind.actions.nodeSelected, static_cast<int>(node.templateId));
}

void showTemplateRates(Desk& desk, const TemplateKind& kind, int32_t templateId) {
    TemplateView& view = templateView(desk, kind);
    view.selectedRow = -1;
    view.page.choose(desk, templateId);
}

std::vector<ContractVariety> sameProductContracts(std::span<const ContractVariety> contracts,
                                                  int index) {
    std::vector<ContractVariety> out;
    if (index < 0 || index >= static_cast<int>(contracts.size())) return out;
    const std::string& product = contracts[static_cast<std::size_t>(index)].productCode;
    for (const ContractVariety& c : contracts)
        if (c.productCode == product) out.push_back(c);
    return out;
}

bool setRates(Desk& desk, const TemplateKind& kind, int32_t templateId, const std::string& contract,
              const std::string& exchange, const RateRow& row) {
    if (!gate(desk, kind.gates.modifyOperation)) return false;
    ChangeSpec spec;
    spec.build = [&](std::span<uint8_t> buffer) {
        return writeSetRatesRequest(kind, contract, exchange, templateId, row, buffer);
    };
    spec.exchange = ExchangeTexts::operation("   组包出错! ");
    spec.judgement = Judgement::Custom;
    spec.ack.writeRows = false;
    spec.ack.parseFailed = "  错误的数据包, 无法解析 !  ";
    spec.judge = [&kind](Desk& d, std::span<const uint8_t> answer) {
        return dispatchOwnAnswer(d, answer, kind.wire.setCommand, "  错误的数据包, 无法解析 !  ");
    };
    spec.requery = Requery::Never;
    return runChange(desk, spec).done;
}

namespace {

std::string ratesUnread(const std::string& contract) {
    return textf("无法读取合约 %s 的当前费率，未修改。", contract.c_str());
}

// The server's current rates of contract-list entry `index` (its rate page
// read); nothing, after the message, when they could not be read.
std::optional<RateRow> currentRateRow(Desk& desk, const TemplateKind& kind, int32_t templateId,
                                      int index) {
    const std::optional<std::vector<RateRow>> rates =
        fetchRatePage(desk, kind, templateId, index / RatePageRows);
    if (!rates) return std::nullopt;
    const std::size_t row = static_cast<std::size_t>(index % RatePageRows);
    if (row >= rates->size()) {
        desk.port().error(ratesUnread(desk.reference().varieties.at(index).contractCode));
        return std::nullopt;
    }
    return (*rates)[row];
}

}  // namespace

int applyRates(Desk& desk, const TemplateKind& kind, int32_t templateId, int index,
               const RateRow& row, bool allMonths) {
    const auto& contracts = desk.reference().varieties.records;
    if (index < 0 || index >= static_cast<int>(contracts.size())) return 0;
    std::vector<ContractVariety> targets;
    if (allMonths)
        targets = sameProductContracts(contracts, index);
    else
        targets.push_back(contracts[static_cast<std::size_t>(index)]);
    int done = 0;
    for (const ContractVariety& c : targets)
        if (setRates(desk, kind, templateId, c.contractCode, c.exchangeCode, row)) ++done;
    return done;
}

std::optional<RateForm> currentRates(Desk& desk, const TemplateKind& kind, int32_t templateId,
                                     int index) {
    if (!gate(desk.port(), desk.session().permissionMask, kind.gates.modifyOperation))
        return std::nullopt;
    const RecordCache<ContractVariety>& contracts = desk.reference().varieties;
    if (index < 0 || index >= contracts.count()) return std::nullopt;
    const std::optional<RateRow> rates = currentRateRow(desk, kind, templateId, index);
    if (!rates) return std::nullopt;
    const ContractVariety& c = contracts.at(index);
    std::vector<std::string> cells = {c.exchangeCode, c.contractCode};
    for (std::string& cell : rateRowCells(kind, *rates)) cells.push_back(std::move(cell));
    return makeRateForm(kind, cells);
}

int modifyRates(Desk& desk, const TemplateKind& kind) {
    if (!gate(desk.port(), desk.session().permissionMask, kind.gates.modifyOperation)) return 0;
    TemplateView& view = templateView(desk, kind);
    const int index = view.page.contractIndex(view.selectedRow);
    if (index < 0 || index >= desk.reference().varieties.count()) return 0;
    // A row listed without its rates would send every value left out as 0.
    if (!view.page.ratesKnown(view.selectedRow)) {
        desk.port().error(ratesUnread(desk.reference().varieties.at(index).contractCode));
        return 0;
    }

    const RateForm shown = makeRateForm(kind, view.page.cells(view.selectedRow));
    RateForm form = shown;
    FrontEndPort& port = desk.port();
    if (!port.editForm(form, [&port](RateForm& f) { return validateRateForm(port, f); })) return 0;
    const int32_t templateId = view.page.templateId();
    RateRow row = form.row();
    // Every field is sent: the fields left as shown take the contract's
    // rates as they are now, read again right before the change, so that a
    // change made meanwhile by another session is kept.
    if (!form.allMonths) {
        const std::optional<RateRow> now = currentRateRow(desk, kind, templateId, index);
        if (!now) return 0;
        row = mergeUnchangedRates(shown, form, *now);
    }
    const int done = applyRates(desk, kind, templateId, index, row, form.allMonths);
    view.page.showPage(desk, view.page.page());
    return done;
}

bool addTemplate(Desk& desk, const TemplateKind& kind) {
    TemplateNameForm form;
    form.caption = "添加";
    if (!desk.port().editForm(form, [](Form&) { return true; })) {
        redrawTree(desk, kind);
        return false;
    }
    const std::optional<ChosenNode> node = templateView(desk, kind).node;
    if (!node) {
        redrawTree(desk, kind);
        return false;
    }
    return addTemplate(desk, kind, node->groupCode, form.typedName());
}

bool addTemplate(Desk& desk, const TemplateKind& kind, const std::string& groupCode,
                 const std::string& name) {
    return runTemplateChange(desk, kind, kind.changes.add, name, [&](std::span<uint8_t> buffer) {
        return writeAddTemplateRequest(kind, name, groupCode, buffer);
    });
}

bool renameTemplate(Desk& desk, const TemplateKind& kind) {
    const std::optional<ChosenNode> node = templateView(desk, kind).node;
    if (!node) return false;
    TemplateNameForm form;
    form.caption = "修改";
    form.name = cachedName(desk, kind, node->templateId);
    if (!desk.port().editForm(form, [](Form&) { return true; })) {
        redrawTree(desk, kind);
        return false;
    }
    return renameTemplate(desk, kind, *node, form.typedName());
}

bool renameTemplate(Desk& desk, const TemplateKind& kind, const ChosenNode& node,
                    const std::string& name) {
    return runTemplateChange(desk, kind, kind.changes.rename, name, [&](std::span<uint8_t> buffer) {
        return writeRenameTemplateRequest(kind, name, node.groupCode, node.templateId, buffer);
    });
}

bool deleteTemplate(Desk& desk, const TemplateKind& kind, int32_t templateId) {
    if (!desk.port().askYesNo({kind.changes.deleteQuestion, "提示", MessageIcon::Question, true}))
        return false;
    const RateTemplate* cached = cachedTemplate(desk.reference(), kind, templateId);
    if (cached == nullptr) return false;
    const std::string name = cached->name;
    const std::string groupCode = cached->groupCode;
    return runTemplateChange(desk, kind, kind.changes.remove, name, [&](std::span<uint8_t> buffer) {
        return writeDeleteTemplateRequest(kind, name, groupCode, templateId, buffer);
    });
}

bool assignTemplateWithPicker(Desk& desk, const TemplateKind& kind, const SubAccount* account,
                              const std::string& listedGroupCode) {
    if (account == nullptr) return false;
    const std::string target = account->account;  // the caches change meanwhile
    TemplatePickerForm form = templateChoices(desk, kind, listedGroupCode);
    if (!desk.port().editForm(form, [](Form&) { return true; })) return false;
    return assignTemplate(desk, kind, target, form.chosenName());
}

TemplatePickerForm templateChoices(Desk& desk, const TemplateKind& kind,
                                   const std::string& listedGroupCode) {
    // The templates offered are those of the first-level group that owns
    // the listed group.
    const std::string groupCode = listedGroupCode.substr(0, 2);
    TemplatePickerForm form;
    form.caption = kind.assign.assignCaption;
    form.label = kind.assign.assignLabel;
    form.entries.emplace_back(TemplatePickerForm::NoTemplate);
    for (const RateTemplate& t : cachedTemplates(desk.reference(), kind))
        if (t.groupCode == groupCode) form.entries.push_back(t.name);
    return form;
}

bool assignTemplate(Desk& desk, const TemplateKind& kind, const std::string& account,
                    const std::string& name) {
    const std::string failure = textf("%s:%s失败！", kind.assign.assignTitle, name.c_str());
    ChangeSpec spec;
    spec.title = kind.assign.assignTitle;
    spec.startDetail = textf("%s:%s", kind.assign.assignTitle, name.c_str());
    spec.build = [&](std::span<uint8_t> buffer) {
        return writeAssignTemplateRequest(kind, account, name, buffer);
    };
    spec.exchange = changeExchangeTexts(kind.assign.assignTitle, failure);
    spec.ack.title = kind.assign.assignTitle;
    spec.ack.failureRow = failure;
    spec.ack.parseFailed = " 解析数据包失败!";
    spec.ack.notAcknowledged = "服务器返回非确认包, 无法确定操作是否失败!";
    spec.requery = Requery::AfterDispatchFailure;
    spec.requeryList = [](Desk& d) { requeryAccountList(d, AccountList::SubAccounts); };
    spec.successRowAfterRequery = textf("%s:%s成功！", kind.assign.assignTitle, name.c_str());
    return runChange(desk, spec).done;
}

void runTemplateCommand(Desk& desk, const TemplateKind& kind, TemplateCommand command) {
    if (command == TemplateCommand::Import) {
        importIntoChosenGroup(desk, kind);
        return;
    }
    const ActionCode code = command == TemplateCommand::Add      ? kind.actions.addTemplate
                            : command == TemplateCommand::Rename ? kind.actions.renameTemplate
                            : command == TemplateCommand::Delete ? kind.actions.deleteTemplate
                                                                 : kind.actions.exportTemplate;
    desk.dispatcher().send(code);
}

}  // namespace korvant
