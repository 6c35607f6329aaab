#include "reports/trading/TradingRequests.h"

#include "model/WireFields.h"

namespace korvant {

std::vector<uint8_t> writeTradingQuery(uint8_t command, const TradingQuery& query) {
    return writeRequest(command, query);
}

std::vector<uint8_t> writeTradingExport(uint8_t command, const TradingExportQuery& query) {
    return writeRequest(command, query);
}

std::vector<uint8_t> writePositionChange(const PositionChange& change) {
    return writeRequest(PositionChangeCommand, change);
}

}  // namespace korvant
