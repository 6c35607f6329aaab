#include "model/CacheHandlers.h"

#include <cstddef>

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"

namespace korvant {

bool applyLoginAnswer(Session& session, const uint8_t* packet, int length) {
    if (packet == nullptr || length != LoginAnswerSize) return false;
    session.ownGroupId = getI32(packet + 4);
    session.adminName = readPlainText(packet + 8, 32);
    session.permissionMask = getU32(packet + 40);
    return true;
}

void replaceGroupsFromAnswer(RecordCache<Group>& groups, const uint8_t* packet, int length) {
    ListPage page = parseListPage(packet, length, Group::WireSize);
    groups.records.clear();
    groups.storeCursor(page);
    groups.records.reserve(static_cast<std::size_t>(page.count));
    for (int i = 0; i < page.count; ++i)
        groups.records.push_back(
            Group::partialFromWire(page.records + static_cast<std::size_t>(i) * Group::WireSize));
}

void registerCacheHandlers(AnswerRouter& router, Session& session, ReferenceData& reference,
                           AccountCaches& accounts) {
    router.setHandler(cmd::LoginAnswer,
                      [&session](const uint8_t* p, int n) { applyLoginAnswer(session, p, n); });
    router.setHandler(cmd::SubAccountList, [&accounts](const uint8_t* p, int n) {
        accounts.subAccounts.replaceFromAnswer(p, n);
    });
    router.setHandler(cmd::MainAccountList, [&accounts](const uint8_t* p, int n) {
        accounts.mainAccounts.replaceFromAnswer(p, n);
    });
    router.setHandler(cmd::MainAccountLinks, [&accounts](const uint8_t* p, int n) {
        accounts.mainAccountLinks.replaceFromAnswer(p, n);
    });
    router.setHandler(cmd::AdministratorList, [&accounts](const uint8_t* p, int n) {
        accounts.administrators.replaceFromAnswer(p, n);
    });
    router.setHandler(cmd::GroupList, [&reference](const uint8_t* p, int n) {
        replaceGroupsFromAnswer(reference.groups, p, n);
    });
    router.setHandler(cmd::MarginTemplateList, [&reference](const uint8_t* p, int n) {
        reference.marginTemplates.appendAnswer(p, n);
    });
    router.setHandler(cmd::FeeTemplateList, [&reference](const uint8_t* p, int n) {
        reference.feeTemplates.appendAnswer(p, n);
    });
    router.setHandler(cmd::VarietyList, [&reference](const uint8_t* p, int n) {
        reference.varieties.appendAnswer(p, n);
    });
}

}  // namespace korvant
