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

namespace {

// The answers of `command` replace what `cache` holds.
template <class T>
void replaceOnAnswer(AnswerRouter& router, uint8_t command, RecordCache<T>& cache) {
    router.setHandler(command,
                      [&cache](const uint8_t* p, int n) { cache.replaceFromAnswer(p, n); });
}

// The answers of `command` are added to what `cache` holds.
template <class T>
void appendOnAnswer(AnswerRouter& router, uint8_t command, RecordCache<T>& cache) {
    router.setHandler(command, [&cache](const uint8_t* p, int n) { cache.appendAnswer(p, n); });
}

}  // namespace

void registerCacheHandlers(AnswerRouter& router, Session& session, ReferenceData& reference,
                           AccountCaches& accounts) {
    router.setHandler(cmd::LoginAnswer,
                      [&session](const uint8_t* p, int n) { applyLoginAnswer(session, p, n); });
    replaceOnAnswer(router, cmd::SubAccountList, accounts.subAccounts);
    replaceOnAnswer(router, cmd::MainAccountList, accounts.mainAccounts);
    replaceOnAnswer(router, cmd::MainAccountLinks, accounts.mainAccountLinks);
    replaceOnAnswer(router, cmd::AdministratorList, accounts.administrators);
    router.setHandler(cmd::GroupList, [&reference](const uint8_t* p, int n) {
        replaceGroupsFromAnswer(reference.groups, p, n);
    });
    appendOnAnswer(router, cmd::MarginTemplateList, reference.marginTemplates);
    appendOnAnswer(router, cmd::FeeTemplateList, reference.feeTemplates);
    appendOnAnswer(router, cmd::VarietyList, reference.varieties);
}

}  // namespace korvant
