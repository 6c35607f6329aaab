#include "protocol/CommandTable.h"

#include <algorithm>
#include <array>

namespace korvant {

namespace {

using D = Direction;

constexpr CommandInfo Rows[] = {
    {0, D::Answer, -1, "protocol", "result: status byte and message text", "-"},
    {1, D::Request, 4, "protocol", "keep-alive, every 50 000 ms", "none awaited"},
    {2, D::Request, 56, "app", "login request", "3 or 0"},
    {3, D::Answer, 44, "model", "login answer: own group id, name, permission mask", "-"},
    {4, D::Both, 98, "app", "sub-account list of a second-level group (page)",
     "4, 364-byte records"},
    {8, D::Request, 202, "admin", "add sub-account", "0"},
    {11, D::Request, 196, "admin", "modify sub-account (compressed)", "0"},
    {14, D::Request, 20, "admin", "delete one sub-account", "0"},
    {15, D::Request, 20, "admin", "delete administrator", "0"},
    {19, D::Request, 36, "admin", "change own password", "0"},
    {36, D::Request, 164, "admin", "deposit or withdrawal on a sub-account", "0"},
    {37, D::Both, 36, "app",
     "main-account list of a first-level group (page); also the net-value report's list",
     "37, 88-byte records"},
    {38, D::Request, 164, "admin", "create main account", "0"},
    {39, D::Request, 20, "admin", "delete main account", "0"},
    {40, D::Both, 72, "model", "margin-template list (page)", "40, 84-byte records"},
    {41, D::Both, 72, "model", "fee-template list (page)", "41, 84-byte records"},
    {42, D::Both, 20, "model", "contract-variety list (page)", "42, 80-byte records"},
    {43, D::Request, 12, "templates", "margin rates of one template (page)", "rate rows"},
    {44, D::Request, 156, "templates", "set margin rates of one template (edit and import)", "0"},
    {47, D::Request, 56, "admin", "deposit records by time range (page and export)", "records"},
    {48, D::Request, 60, "reports", "account-funds report (page)", "records"},
    {49, D::Request, 60, "reports", "settlement statement", "statement text"},
    {50, D::Request, 52, "reports", "statement list by time range (export dialog)", "records"},
    {51, D::Request, 4, "reports", "start settlement", "status"},
    {52, D::Request, 4, "reports", "settlement progress poll", "status"},
    {53, D::Request, 12, "reports", "settlement-price list (page)", "records"},
    {54, D::Request, 64, "reports", "set one settlement price", "-"},
    {58, D::Request, 125, "reports", "operation log by time range and kinds (page)", "records"},
    {60, D::Request, 2376, "risk", "add risk rule", "new id at offset 4"},
    {61, D::Request, 2360, "risk", "modify risk rule", "0"},
    {62, D::Request, 8, "risk", "delete risk rule", "0"},
    {63, D::Request, 8, "reports", "group code of a group id (before the log query)",
     "text at offset 4"},
    {64, D::Both, 12, "app", "main-account list of a second-level group (page)",
     "64, 24-byte records"},
    {65, D::Request, 20, "admin", "id of the group with a given group code", "i32 at offset 4"},
    {66, D::Request, 36, "admin", "link a main account to the current second-level group", "0"},
    {67, D::Request, 64, "admin", "deposit or withdrawal on a main-account link", "0"},
    {68, D::Request, 32, "risk", "rules loaded onto a group, main account or sub-account (page)",
     "page header, 2408-byte records"},
    {69, D::Request, 2396, "risk", "load a risk rule onto a target", "0"},
    {70, D::Request, 36, "risk", "unload a risk rule from a target", "0"},
    {71, D::Request, 28, "risk", "move an assigned rule up", "0"},
    {72, D::Request, 28, "risk", "move an assigned rule down", "0"},
    {73, D::Request, 84, "templates", "add margin template (also import)", "0"},
    {74, D::Request, 84, "templates", "add fee template (also import)", "0"},
    {75, D::Request, 88, "templates", "modify margin template", "0"},
    {76, D::Request, 88, "templates", "modify fee template", "0"},
    {77, D::Request, 88, "templates", "delete margin template", "0"},
    {78, D::Request, 88, "templates", "delete fee template", "0"},
    {79, D::Request, 84, "templates", "load a margin template onto a sub-account", "0"},
    {80, D::Request, 84, "templates", "load a fee template onto a sub-account", "0"},
    {81, D::Request, 40, "admin", "funds of one sub-account (before a deposit)", "four f64"},
    {82, D::Request, 64, "admin", "deposit or withdrawal on a first-level main account", "0"},
    {83, D::Request, 24, "risk", "rule assignment of a target finished", "0"},
    {84, D::Request, 8, "reports", "the two close-today fee lists", "two texts"},
    {85, D::Request, 2056, "reports", "set one close-today fee list", "0"},
    {86, D::Request, 136, "admin", "modify main account", "0"},
    {88, D::Request, 68, "reports", "account-funds report for export", "records"},
    {89, D::Request, 48, "reports", "trade report (page)", "records"},
    {90, D::Both, 16, "model", "risk-rule warehouse list (page)", "90, 2376-byte records"},
    {91, D::Request, 12, "templates", "fee rates of one template (page)", "rate rows"},
    {92, D::Request, 112, "templates", "set fee rates of one template (edit and import)", "0"},
    {93, D::Request, 52, "reports", "trade report for export", "records"},
    {94, D::Both, 40, "model", "group list (page)", "94, 156-byte records"},
    {95, D::Both, 124, "admin", "add group (compressed); as an answer one i32 value at offset 4",
     "0 = failure, any other code = success"},
    {96, D::Request, 129, "admin", "modify group (compressed)", "0"},
    {97, D::Both, 85, "app", "administrator list (page)", "97, 136-byte records"},
    {98, D::Request, 108, "admin", "add administrator", "0"},
    {99, D::Request, 110, "admin", "modify administrator", "0"},
    {100, D::Request, 4, "reports", "query trading parameters", "parameters"},
    {101, D::Request, 30, "reports", "set trading parameters", "0"},
    {102, D::Request, 36, "admin", "unlink a main account from the current second-level group",
     "0"},
    {103, D::Request, 48, "reports", "order report (page)", "records"},
    {104, D::Request, 52, "reports", "order report for export", "records"},
    {105, D::Request, 4, "reports", "clear today's settlement data", "status"},
    {106, D::Request, 264, "app", "free text command of the About dialog",
     "one answer, not examined"},
    {107, D::Request, 36, "reports", "net-value report (page and export)", "records"},
    {108, D::Request, 48, "reports", "position report (page)", "records"},
    {109, D::Request, 120, "reports", "modify position records", "0"},
};

}  // namespace

std::span<const CommandInfo> commandTable() {
    return Rows;
}

const CommandInfo* findCommand(uint8_t code) {
    auto it = std::lower_bound(std::begin(Rows), std::end(Rows), code,
                               [](const CommandInfo& row, uint8_t c) { return row.code < c; });
    if (it == std::end(Rows) || it->code != code) return nullptr;
    return &*it;
}

}  // namespace korvant
