#include "accounts/deposits/DepositRequests.h"

#include <cstring>

#include "accounts/deposits/DepositForm.h"
#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

namespace korvant {

int writeSubAccountDeposit(const SubAccountDeposit& deposit, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, SubAccountDepositSize, SubAccountDepositCommand);
    if (!writer.valid()) return -1;
    writer.text(4, 16, deposit.groupCode)
        .text(20, 32, deposit.subAccount)
        .i32(52, deposit.direction)
        .f64(56, roundToCents(deposit.availableChange))
        .text(64, 16, deposit.mainAccount)
        .i32(80, deposit.countInHistory ? 1 : 0)
        .f64(84, roundToCents(deposit.newPriority))
        .f64(92, roundToCents(deposit.newStartInvestment))
        .text(100, 64, deposit.remark);
    return writer.finish();
}

int writeMainAccountDeposit(const MainAccountDeposit& deposit, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, MainAccountDepositSize, MainAccountDepositCommand);
    if (!writer.valid()) return -1;
    writer.text(4, 16, deposit.groupCode)
        .text(20, 16, deposit.mainAccount)
        .i32(36, deposit.direction)
        .f64(40, roundToCents(deposit.availableChange))
        .f64(48, roundToCents(deposit.newPriority))
        .f64(56, roundToCents(deposit.newStartInvestment));
    return writer.finish();
}

int writeLinkDeposit(const LinkDeposit& deposit, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, LinkDepositSize, LinkDepositCommand);
    if (!writer.valid()) return -1;
    writer.text(4, 16, deposit.groupCode)
        .text(20, 32, deposit.mainAccount)
        .i32(52, deposit.direction)
        .f64(56, roundToCents(deposit.availableChange));
    return writer.finish();
}

int writeSubAccountFundsQuery(const std::string& subAccount, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, SubAccountFundsSize, SubAccountFundsCommand);
    if (!writer.valid()) return -1;
    writer.text(4, 32, subAccount);
    return writer.finish();
}

std::optional<SubAccountFunds> parseSubAccountFunds(const uint8_t* packet, int length) {
    if (packet == nullptr || length < 36) return std::nullopt;
    PacketHeader header = PacketHeader::read(packet);
    if (header.command != SubAccountFundsCommand || header.flag != FlagPlain) return std::nullopt;
    SubAccountFunds funds;
    funds.available = getF64(packet + 4);
    funds.equity = getF64(packet + 12);
    funds.priority = getF64(packet + 20);
    funds.startInvestment = getF64(packet + 28);
    return funds;
}

DepositOutcome parseDepositOutcome(const uint8_t* packet, int length) {
    DepositOutcome outcome;
    if (packet == nullptr || length < 8) return outcome;
    outcome.success = getI32(packet + 4) != 0;
    if (!outcome.success && length > 8)
        outcome.text = readPlainText(packet + 8, static_cast<std::size_t>(length - 8));
    return outcome;
}

int writeDepositRecordsQuery(const DepositRecordsQuery& query, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, DepositRecordsQuerySize, DepositRecordsCommand);
    if (!writer.valid()) return -1;
    writer.i32(4, query.startDate)
        .i32(8, query.endDate)
        .text(12, 32, query.customer)
        .i32(44, query.accountId)
        .i32(48, query.page);
    return writer.finish();
}

}  // namespace korvant
