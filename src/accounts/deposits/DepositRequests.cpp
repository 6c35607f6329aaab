#include "accounts/deposits/DepositRequests.h"

#include "accounts/deposits/DepositForm.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

// What every deposit carries: the group, the holder in a field of
// `holderWidth` bytes, then the direction and the amount.
template <class Deposit>
PacketWriter& writeMove(PacketWriter& w, const Deposit& deposit, const std::string& holder,
                        int holderWidth) {
    const int directionAt = 20 + holderWidth;
    return w.text(4, 16, deposit.groupCode)
        .text(20, holderWidth, holder)
        .i32(directionAt, deposit.direction)
        .f64(directionAt + 4, roundToCents(deposit.availableChange));
}

// The new priority funds and start investment, from `at`.
template <class Deposit>
PacketWriter& writeTotals(PacketWriter& w, const Deposit& deposit, int at) {
    return w.f64(at, roundToCents(deposit.newPriority))
        .f64(at + 8, roundToCents(deposit.newStartInvestment));
}

}  // namespace

int writeSubAccountDeposit(const SubAccountDeposit& deposit, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, 164, cmd::SubAccountDeposit);
    writeMove(writer, deposit, deposit.subAccount, 32)
        .text(64, 16, deposit.mainAccount)
        .i32(80, deposit.countInHistory ? 1 : 0);
    return writeTotals(writer, deposit, 84).text(100, 64, deposit.remark).finish();
}

int writeMainAccountDeposit(const MainAccountDeposit& deposit, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, 64, cmd::MainAccountDeposit);
    writeMove(writer, deposit, deposit.mainAccount, 16);
    return writeTotals(writer, deposit, 48).finish();
}

int writeLinkDeposit(const LinkDeposit& deposit, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, 64, cmd::LinkDeposit);
    return writeMove(writer, deposit, deposit.mainAccount, 32).finish();
}

int writeSubAccountFundsQuery(const std::string& subAccount, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, 40, cmd::SubAccountFunds);
    writer.text(4, 32, subAccount);
    return writer.finish();
}

std::optional<SubAccountFunds> parseSubAccountFunds(const uint8_t* packet, int length) {
    if (packet == nullptr || length < 36) return std::nullopt;
    PacketHeader header = PacketHeader::read(packet);
    if (header.command != cmd::SubAccountFunds || header.flag != FlagPlain) return std::nullopt;
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
    PacketWriter writer(buffer, capacity, 56, DepositRecordsCommand);
    writer.i32(4, query.startDate)
        .i32(8, query.endDate)
        .text(12, 32, query.customer)
        .i32(44, query.accountId)
        .i32(48, query.page);
    return writer.finish();
}

}  // namespace korvant
