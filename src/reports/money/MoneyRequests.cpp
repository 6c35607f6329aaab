#include "reports/money/MoneyRequests.h"

#include <chrono>

#include "model/WireFields.h"
#include "protocol/CommandCode.h"

namespace korvant {

namespace {

// The fields after the header; every byte not listed is zero.
constexpr WireFields FundsQueryFields{
    wireField(&FundsQuery::day, 4, 4),       wireField(&FundsQuery::sortKey, 8, 4),
    wireField(&FundsQuery::order, 12, 4),    wireField(&FundsQuery::targetText, 16, 32),
    wireField(&FundsQuery::targetId, 48, 4), wireField(&FundsQuery::page, 52, 4)};

constexpr WireFields FundsExportFields{wireField(&FundsExportRequest::exportNumber, 4, 4),
                                       wireField(&FundsExportRequest::startDay, 8, 4),
                                       wireField(&FundsExportRequest::endDay, 12, 4),
                                       wireField(&FundsExportRequest::sortKey, 16, 4),
                                       wireField(&FundsExportRequest::order, 20, 4),
                                       wireField(&FundsExportRequest::targetText, 24, 32),
                                       wireField(&FundsExportRequest::targetId, 56, 4),
                                       wireField(&FundsExportRequest::page, 60, 4)};

constexpr WireFields NetValueQueryFields{
    wireField(&NetValueQuery::startDay, 4, 4), wireField(&NetValueQuery::endDay, 8, 4),
    wireField(&NetValueQuery::mainAccount, 12, 16), wireField(&NetValueQuery::targetId, 28, 4),
    wireField(&NetValueQuery::page, 32, 4)};

}  // namespace

int writeFundsQuery(const FundsQuery& query, uint8_t* buffer, int capacity) {
    return writeRequestWire<FundsQueryFields>(cmd::FundsReport, query, buffer, capacity);
}

int writeFundsExport(const FundsExportRequest& request, uint8_t* buffer, int capacity) {
    return writeRequestWire<FundsExportFields>(cmd::FundsExport, request, buffer, capacity);
}

int writeNetValueQuery(const NetValueQuery& query, uint8_t* buffer, int capacity) {
    return writeRequestWire<NetValueQueryFields>(cmd::NetValueReport, query, buffer, capacity);
}

int32_t exportTick() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<int32_t>(static_cast<uint32_t>(ms.count()));
}

}  // namespace korvant
