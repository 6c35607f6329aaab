#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/WireFields.h"

// Requests and answers of the daily settlement: start (51), status (52),
// the settlement-price pages (53), one price (54) and clearing (105).
namespace korvant {

// One row of the settlement-price list (60 bytes on the wire).
struct SettlementPrice {
    static constexpr int WireSize = 60;

    int32_t date = 0;  // yyyymmdd
    std::string exchange;
    std::string contract;
    double price = 0;  // unaligned on the wire

    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&SettlementPrice::date, 0, 4), wireField(&SettlementPrice::exchange, 4, 16),
        wireField(&SettlementPrice::contract, 20, 32), wireField(&SettlementPrice::price, 52, 8));

    static SettlementPrice fromWire(const uint8_t* record) {
        return decodeWire<SettlementPrice>(record);
    }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

// The header-only requests: start (51), status (52), clear (105).
int writeStartSettlement(std::span<uint8_t> buffer);
int writeSettlementStatus(std::span<uint8_t> buffer);
int writeClearSettlement(std::span<uint8_t> buffer);
// 53: the page `page` (0-based) of the prices of `date`; 12 bytes.
int writeSettlementPricesQuery(int32_t date, int32_t page, std::span<uint8_t> buffer);
// 54: one new price; 64 bytes.
int writeSettlementPriceUpdate(const SettlementPrice& price, std::span<uint8_t> buffer);

// Answer to start (51) and clear (105): u8 result at 4 (0 refused), i32 date
// at 5, the server's text from 9.
struct SettlementAnswer {
    bool valid = false;  // at least 9 bytes of the awaited command
    bool accepted = false;
    int32_t date = 0;
    std::string text;
};
SettlementAnswer parseSettlementAnswer(std::span<const uint8_t> answer, uint8_t command);

// The states of a status answer.
enum class SettlementState { Running = 1, Finished = 2, Failed = 3 };

// Answer to the status request (52): i32 state at 4, failure text from 8.
struct SettlementStatusAnswer {
    bool valid = false;  // at least 8 bytes of command 52
    int32_t state = 0;
    std::string text;
};
SettlementStatusAnswer parseSettlementStatus(std::span<const uint8_t> answer);

}  // namespace korvant
