#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "accounts/administrators/AdministratorForm.h"
#include "accounts/administrators/AdministratorRequests.h"
#include "accounts/deposits/DepositRequests.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "accounts/subaccounts/SubAccountRequests.h"
#include "app/exchange/FreeText.h"
#include "app/forms/SearchFilter.h"
#include "app/lists/AccountListRequests.h"
#include "app/session/LoginRequest.h"
#include "model/ReferenceQueries.h"
#include "protocol/CommandTable.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

// Every request writer of the code base, one line each: the writer, called
// with typical values, must produce exactly the size the command table
// states, with its own command byte and a header length equal to that size.
struct WriterCase {
    const char* name;
    std::function<int(uint8_t* buffer, int capacity)> write;
};

const std::vector<WriterCase>& writers() {
    static const std::vector<WriterCase> all = {
        {"keep-alive", [](uint8_t* b, int c) { return writeKeepAlive(b, c); }},
        {"login",
         [](uint8_t* b, int c) { return writeLoginRequest("admin", "pw", "0A1B2C3D4E5F", b, c); }},
        {"sub-account list",
         [](uint8_t* b, int c) { return writeSubAccountListRequest(5, SearchFilter{}, 0, b, c); }},
        {"main-account list",
         [](uint8_t* b, int c) { return writeMainAccountListRequest(2, SearchFilter{}, 0, b, c); }},
        {"main-account links",
         [](uint8_t* b, int c) { return writeMainAccountLinksRequest(5, 0, b, c); }},
        {"administrator list",
         [](uint8_t* b, int c) {
             return writeAdministratorListRequest(1, SearchFilter{}, 0, b, c);
         }},
        {"group list", [](uint8_t* b, int c) { return writeGroupListRequest("组", 1, b, c); }},
        {"margin templates",
         [](uint8_t* b, int c) { return writeMarginTemplateListRequest(0, b, c); }},
        {"fee templates", [](uint8_t* b, int c) { return writeFeeTemplateListRequest(0, b, c); }},
        {"varieties", [](uint8_t* b, int c) { return writeVarietyListRequest(0, b, c); }},
        {"risk strategies",
         [](uint8_t* b, int c) { return writeRiskStrategyListRequest(1, 0, b, c); }},
        {"delete administrator",
         [](uint8_t* b, int c) { return writeDeleteAdministrator("op", b, c); }},
        {"change password", [](uint8_t* b, int c) { return writeChangePassword("a", "b", b, c); }},
        {"free text", [](uint8_t* b, int c) { return writeFreeText("text", b, c); }},
        {"sub-account funds",
         [](uint8_t* b, int c) { return writeSubAccountFundsQuery("800001", b, c); }},
        {"delete main account",
         [](uint8_t* b, int c) { return writeDeleteMainAccount("M1", b, c); }},
        {"group id of code", [](uint8_t* b, int c) { return writeGroupIdQuery("01", b, c); }},
        {"link main account",
         [](uint8_t* b, int c) { return writeMainAccountLink(66, "M1", "0101", b, c); }},
        {"unlink main account",
         [](uint8_t* b, int c) { return writeMainAccountLink(102, "M1", "0101", b, c); }},
        {"delete sub-account",
         [](uint8_t* b, int c) { return writeDeleteSubAccount("800001", b, c); }},
        {"add administrator",
         [](uint8_t* b, int c) { return writeAddAdministrator(AdministratorForm{}, 2, b, c); }},
        {"modify administrator",
         [](uint8_t* b, int c) { return writeModifyAdministrator(AdministratorForm{}, b, c); }},
        {"sub-account deposit",
         [](uint8_t* b, int c) { return writeSubAccountDeposit(SubAccountDeposit{}, b, c); }},
        {"main-account deposit",
         [](uint8_t* b, int c) { return writeMainAccountDeposit(MainAccountDeposit{}, b, c); }},
        {"link deposit", [](uint8_t* b, int c) { return writeLinkDeposit(LinkDeposit{}, b, c); }},
        {"deposit records",
         [](uint8_t* b, int c) { return writeDepositRecordsQuery(DepositRecordsQuery{}, b, c); }},
    };
    return all;
}

TEST(CommandTable, EveryWriterProducesTheStatedSize) {
    for (const WriterCase& w : writers()) {
        std::vector<uint8_t> buffer(PacketBufferSize, 0xA5);
        int size = w.write(buffer.data(), PacketBufferSize);
        ASSERT_GT(size, 0) << w.name;
        const CommandInfo* info = findCommand(buffer[3]);
        ASSERT_NE(info, nullptr) << w.name << ": command " << int(buffer[3]) << " not in the table";
        EXPECT_NE(info->direction, Direction::Answer) << w.name;
        EXPECT_EQ(size, info->requestSize) << w.name;
        EXPECT_EQ(PacketHeader::read(buffer.data()).length, size) << w.name;
        EXPECT_EQ(buffer[2], FlagPlain) << w.name;
        // One byte too little capacity builds nothing.
        std::vector<uint8_t> small(static_cast<std::size_t>(size), 0);
        EXPECT_EQ(w.write(small.data(), size - 1), -1) << w.name;
    }
}

TEST(CommandTable, RowsAreUniqueSortedAndComplete) {
    auto rows = commandTable();
    const std::set<std::string> areas = {"protocol",  "model", "app",    "admin",
                                         "templates", "risk",  "reports"};
    int previous = -1;
    for (const CommandInfo& row : rows) {
        EXPECT_GT(int(row.code), previous) << int(row.code);
        previous = row.code;
        EXPECT_EQ(findCommand(row.code), &row);
        EXPECT_TRUE(areas.count(row.area)) << int(row.code) << " " << row.area;
        if (row.direction != Direction::Answer) {
            EXPECT_GE(row.requestSize, 4) << int(row.code);
        }
        EXPECT_NE(std::string(row.operation), "") << int(row.code);
    }
    EXPECT_EQ(rows.size(), 77u);
    EXPECT_EQ(findCommand(5), nullptr);
    EXPECT_EQ(findCommand(255), nullptr);
    EXPECT_EQ(findCommand(0)->requestSize, -1);
    EXPECT_EQ(findCommand(3)->requestSize, 44);
    EXPECT_EQ(findCommand(95)->direction, Direction::Both);
    // The bodiless requests.
    for (uint8_t code : {1, 51, 52, 100, 105}) EXPECT_EQ(findCommand(code)->requestSize, 4);
}

}  // namespace
}  // namespace korvant
