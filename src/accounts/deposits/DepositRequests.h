#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Requests and answers of deposits and withdrawals. Writers return the
// packet size, or -1 when the capacity is too small. Amounts are sent
// rounded to cents.
namespace korvant {

inline constexpr uint8_t DepositRecordsCommand = 47;

// Command 36, 164 bytes.
struct SubAccountDeposit {
    std::string groupCode;
    std::string subAccount;
    int32_t direction = 0;
    double availableChange = 0;
    std::string mainAccount;
    bool countInHistory = false;
    double newPriority = 0;
    double newStartInvestment = 0;
    std::string remark;
};
int writeSubAccountDeposit(const SubAccountDeposit& deposit, uint8_t* buffer, int capacity);

// Command 82, 64 bytes.
struct MainAccountDeposit {
    std::string groupCode;
    std::string mainAccount;
    int32_t direction = 0;
    double availableChange = 0;
    double newPriority = 0;
    double newStartInvestment = 0;
};
int writeMainAccountDeposit(const MainAccountDeposit& deposit, uint8_t* buffer, int capacity);

// Command 67, 64 bytes.
struct LinkDeposit {
    std::string groupCode;  // of the second-level group
    std::string mainAccount;
    int32_t direction = 0;
    double availableChange = 0;
};
int writeLinkDeposit(const LinkDeposit& deposit, uint8_t* buffer, int capacity);

// Command 81, 40 bytes.
int writeSubAccountFundsQuery(const std::string& subAccount, uint8_t* buffer, int capacity);

// Answer of command 81: four doubles from offset 4.
struct SubAccountFunds {
    double available = 0;
    double equity = 0;
    double priority = 0;
    double startInvestment = 0;
};
// No value for an answer that is not a whole command-81 answer.
std::optional<SubAccountFunds> parseSubAccountFunds(const uint8_t* packet, int length);

// Answer of a deposit: i32 at offset 4 non-zero is success; on failure the
// server's text follows from offset 8.
struct DepositOutcome {
    bool success = false;
    std::string text;  // UTF-8
};
DepositOutcome parseDepositOutcome(const uint8_t* packet, int length);

// Command 47, 56 bytes.
struct DepositRecordsQuery {
    int32_t startDate = 0;  // yyyymmdd
    int32_t endDate = 0;
    std::string customer;    // typed customer number, at most 31 characters
    int32_t accountId = -1;  // -1 when the customer number was typed
    int32_t page = 0;
};
int writeDepositRecordsQuery(const DepositRecordsQuery& query, uint8_t* buffer, int capacity);

}  // namespace korvant
