#include "model/ReferenceQueries.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

int writeGroupListRequest(std::string_view nameFilter, int page, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, GroupListRequestSize, cmd::GroupList);
    w.text(4, 32, nameFilter).i32(36, page);
    return w.finish();
}

int writeMarginTemplateListRequest(int page, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, TemplateListRequestSize, cmd::MarginTemplateList);
    w.i32(68, page);
    return w.finish();
}

int writeFeeTemplateListRequest(int page, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, TemplateListRequestSize, cmd::FeeTemplateList);
    w.i32(68, page);
    return w.finish();
}

int writeVarietyListRequest(int page, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, VarietyListRequestSize, cmd::VarietyList);
    w.i32(4, page);
    return w.finish();
}

int writeRiskStrategyListRequest(int32_t ownGroupId, int page, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, RiskStrategyListRequestSize, cmd::RiskStrategyList);
    w.i32(4, ownGroupId).i32(8, page).i32(12, 0);
    return w.finish();
}

namespace {

// The texts of each list, in the order of ReferenceList: the progress text
// of the first query, the progress format while the list loads.
struct ReferenceListTexts {
    const char* initial;
    const char* progress;
};
constexpr std::array<ReferenceListTexts, 5> ListTexts{{
    {"查询组列表", GroupProgressFormat},
    {"查询保证金模板", MarginTemplateProgressFormat},
    {"查询手续费模板", FeeTemplateProgressFormat},
    {"查询合约品种", VarietyProgressFormat},
    {"查询风控策略", RiskStrategyProgressFormat},
}};

const ReferenceListTexts* textsOf(ReferenceList list) {
    const auto index = static_cast<std::size_t>(list);
    return index < ListTexts.size() ? &ListTexts[index] : nullptr;
}

}  // namespace

const char* initialQueryText(ReferenceList list) {
    const ReferenceListTexts* texts = textsOf(list);
    return texts ? texts->initial : "";
}

const char* progressFormat(ReferenceList list) {
    const ReferenceListTexts* texts = textsOf(list);
    return texts ? texts->progress : "%d";
}

std::string progressText(ReferenceList list, int cachedCount) {
    char text[96];
    std::snprintf(text, sizeof text, progressFormat(list), cachedCount);
    return text;
}

const char* buildFailureText(ReferenceList list) {
    return list == ReferenceList::Groups ? "  组包出错!! " : " 组包出错!!";
}

namespace {

template <class T>
PagedQueryResult fillCache(const Exchange& exchange, RecordCache<T>& cache, uint8_t command,
                           std::function<int(int, uint8_t*, int)> writer,
                           const CountProgress& progress) {
    cache.clear();
    PagedQuery query;
    query.command = command;
    query.recordSize = T::WireSize;
    query.writeRequest = std::move(writer);
    query.parsePage = [&cache](const uint8_t* packet, int length) {
        if (cache.records.empty()) cache.reserveForAllPages(packet, length);
        cache.appendAnswer(packet, length);
    };
    query.progress = [&cache, &progress](int) {
        if (progress) progress(cache.count());
    };
    return runPagedQuery(exchange, query);
}

}  // namespace

PagedQueryResult queryGroups(const Exchange& exchange, ReferenceData& reference,
                             const CountProgress& progress) {
    return fillCache(
        exchange, reference.groups, cmd::GroupList,
        [](int page, uint8_t* buffer, int capacity) {
            return writeGroupListRequest({}, page, buffer, capacity);
        },
        progress);
}

PagedQueryResult queryMarginTemplates(const Exchange& exchange, ReferenceData& reference,
                                      const CountProgress& progress) {
    return fillCache(exchange, reference.marginTemplates, cmd::MarginTemplateList,
                     writeMarginTemplateListRequest, progress);
}

PagedQueryResult queryFeeTemplates(const Exchange& exchange, ReferenceData& reference,
                                   const CountProgress& progress) {
    return fillCache(exchange, reference.feeTemplates, cmd::FeeTemplateList,
                     writeFeeTemplateListRequest, progress);
}

PagedQueryResult queryVarieties(const Exchange& exchange, ReferenceData& reference,
                                const CountProgress& progress) {
    return fillCache(exchange, reference.varieties, cmd::VarietyList, writeVarietyListRequest,
                     progress);
}

PagedQueryResult queryRiskStrategies(const Exchange& exchange, ReferenceData& reference,
                                     int32_t ownGroupId, const CountProgress& progress) {
    return fillCache(
        exchange, reference.riskStrategies, cmd::RiskStrategyList,
        [ownGroupId](int page, uint8_t* buffer, int capacity) {
            return writeRiskStrategyListRequest(ownGroupId, page, buffer, capacity);
        },
        progress);
}

PagedQueryResult queryReferenceList(ReferenceList list, const Exchange& exchange,
                                    ReferenceData& reference, int32_t ownGroupId,
                                    const CountProgress& progress) {
    switch (list) {
        case ReferenceList::Groups:
            return queryGroups(exchange, reference, progress);
        case ReferenceList::MarginTemplates:
            return queryMarginTemplates(exchange, reference, progress);
        case ReferenceList::FeeTemplates:
            return queryFeeTemplates(exchange, reference, progress);
        case ReferenceList::Varieties:
            return queryVarieties(exchange, reference, progress);
        case ReferenceList::RiskStrategies:
            return queryRiskStrategies(exchange, reference, ownGroupId, progress);
    }
    return PagedQueryResult::Done;
}

PagedQueryResult queryReferenceList(ReferenceList list, ServerConnection& connection,
                                    ReferenceData& reference, int32_t ownGroupId,
                                    const CountProgress& progress) {
    return queryReferenceList(list, connectionExchange(connection), reference, ownGroupId,
                              progress);
}

}  // namespace korvant
