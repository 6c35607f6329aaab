#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/port/FrontEndPort.h"
#include "protocol/ExchangeResult.h"
#include "protocol/Packet.h"

// The standard exchange of every operation: check the built request, send
// it, receive one whole answer; and the acknowledgement check that the add,
// modify, delete and load operations apply to that answer.
namespace korvant {

class Desk;

// The message of a connection lost, or of a wait for an answer that the
// user stopped; the program ends after it.
inline constexpr const char* LostConnectionText = "  与服务器断开了!";

// Builds a request into `packet` with `request`, or with `build` into a
// zeroed buffer of `capacity` bytes when `request` is empty. Returns the
// size, or -1 when it cannot be built.
int buildRequest(const std::function<std::vector<uint8_t>()>& request,
                 const std::function<int(std::span<uint8_t>)>& build, std::vector<uint8_t>& packet,
                 std::size_t capacity = static_cast<std::size_t>(PacketBufferSize));

// What the exchange shows when a step fails, and whether the program then
// ends. The defaults are those of the queries: a build failure "  组包出错!! "
// and a lost connection "  与服务器断开了!" both end the program; the result
// of `send` is not examined (the receive notices a broken connection).
struct ExchangeTexts {
    Message buildFailed{"  组包出错!! ", "提示", MessageIcon::Error};
    bool buildFailedEnds = true;
    // When set, a failed send shows `sendFailed` and the operation stops.
    bool checkSend = false;
    Message sendFailed{"   发送数据出错! ", "提示", MessageIcon::Error};
    Message receiveFailed{"  与服务器断开了!", "提示", MessageIcon::Error};
    bool receiveFailedEnds = true;
    // Status-list row written before a failure message when not empty
    // (title, detail), e.g. ("修改管理员", "修改 a1 失败！").
    std::string failureRowTitle;
    std::string failureRowDetail;

    // Queries: the build failure text given, both failures end the program.
    static ExchangeTexts query(const std::string& buildText = "  组包出错!! ");
    // Add, modify, delete and load operations: a build failure shows its
    // text and stops, a failed send "   发送数据出错! " stops, a failed
    // receive "   接收数据出错, 与服务器的联接断开了! " ends the program.
    static ExchangeTexts operation(const std::string& buildText);
    // The account operations: a build failure shows `buildText` (error icon)
    // and stops; the send is not checked (the receive notices a broken
    // connection); a lost connection shows `lostText` and ends the program.
    static ExchangeTexts account(const std::string& lostText,
                                 const std::string& buildText = "组包失败!");
};

// Sends `request` (its built `length`) and receives one answer into
// `answer`: the answer's length, or why there is none. A failure shows its
// message first, or ends the program (ProgramEnd) where `texts` say.
ExchangeResult exchange(Desk& desk, const uint8_t* request, int length,
                        std::vector<uint8_t>& answer, const ExchangeTexts& texts = ExchangeTexts{});

// The two halves of `exchange`, for a reader that asks for the next page
// before it works through the page it holds; failures as in `exchange`. An
// unchecked send (`texts.checkSend` off) counts as sent: the receive
// notices a broken connection.
ExchangeResult sendRequest(Desk& desk, const uint8_t* request, int length,
                           const ExchangeTexts& texts = ExchangeTexts{});
ExchangeResult receiveAnswer(Desk& desk, std::vector<uint8_t>& answer,
                             const ExchangeTexts& texts = ExchangeTexts{});

// Texts of one operation for the acknowledgement check.
struct AckTexts {
    // Title of the status-list rows of the outcome, e.g. "添加管理员".
    std::string title;
    // Title of the failure rows when it differs from `title` (e.g. "添加失败").
    std::string failureTitle;
    // Failure row, e.g. "添加 a1 失败！". A refusal by the server appends its
    // text to it ("添加 a1 失败！已存在") unless `refusalAddsServerText` is off.
    std::string failureRow;
    bool refusalAddsServerText = true;
    // Failure row of a refusal when it differs from `failureRow` (e.g. "修改
    // g1 失败！" where the other failures say "修改组:g1失败！"; "" for the
    // server's text alone); the server's text is appended to it as to
    // `failureRow`.
    std::optional<std::string> refusalRow;
    // Shown for a refusal instead of the server's text when not empty
    // (e.g. "账号已存在", whatever the server said).
    std::string refusalMessage;
    // Success row, e.g. "添加 a1 成功"; written on success when not empty.
    std::string successRow;
    // Shown when the success answer cannot be decoded: "解析数据包失败!",
    // " 解析数据包失败!" or "解析数据包失败", by operation.
    std::string parseFailed = "解析数据包失败!";
    // Shown for an answer that is not an acknowledgement.
    std::string notAcknowledged = "服务器返回非确认包, 无法确定操作是否失败!";
    // Write no status rows at all (the password change).
    bool writeRows = true;
};

enum class AckResult { Success, Refused, NotAcknowledged, ParseFailed };

// The judgement of an acknowledgement, and the value of a command-95
// answer routed with it (the id of a new group, for example).
struct Acknowledgement {
    AckResult result = AckResult::NotAcknowledged;
    std::optional<int32_t> value95;
};

// The acknowledgement check:
// - command 0 with a non-zero status: the failure row with the server's
//   text, and the text shown with the error icon → Refused;
// - command 0 with status 0: the answer is decoded and routed; a decode
//   failure writes the failure row and shows `parseFailed` → ParseFailed;
//   otherwise the success row → Success;
// - any other answer: the failure row and `notAcknowledged` → NotAcknowledged.
Acknowledgement acknowledge(Desk& desk, std::span<const uint8_t> answer, const AckTexts& texts);
// An answer that cannot be decoded: the failure row and `parseFailed`
// (error icon) → ParseFailed. Never a success, whatever the answer's command.
AckResult undecodableAnswer(Desk& desk, const AckTexts& texts);
// The same where no command-95 value is wanted.
AckResult acknowledge(Desk& desk, const uint8_t* answer, int length, const AckTexts& texts);

// The judgement of a change whose answer only goes to the response
// dispatcher. An answer of `command` or of command 0 is dispatched: a
// command-0 refusal (its text shown by the dispatcher) is Refused, anything
// else Success. An answer that cannot be decoded or dispatched shows
// `undecodable` (error icon): ParseFailed. An answer of another command says
// nothing about the change: "服务器返回非确认包, 无法确定操作是否失败!"
// (warning icon), NotAcknowledged.
AckResult dispatchOwnAnswer(Desk& desk, std::span<const uint8_t> answer, uint8_t command,
                            const std::string& undecodable);

// printf-style formatting into a std::string (UTF-8 arguments pass through),
// under the "C" locale whatever the process locale is.
std::string textf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace korvant
