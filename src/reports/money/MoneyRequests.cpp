#include "reports/money/MoneyRequests.h"

#include <chrono>

#include "model/WireFields.h"
#include "protocol/CommandCode.h"

namespace korvant {

std::vector<uint8_t> writeFundsQuery(const FundsQuery& query) {
    return writeRequest(cmd::FundsReport, query);
}

std::vector<uint8_t> writeFundsExport(const FundsExportRequest& request) {
    return writeRequest(cmd::FundsExport, request);
}

std::vector<uint8_t> writeNetValueQuery(const NetValueQuery& query) {
    return writeRequest(cmd::NetValueReport, query);
}

int32_t exportTick() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<int32_t>(static_cast<uint32_t>(ms.count()));
}

}  // namespace korvant
