#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/port/FrontEndPort.h"

// The parameters the daily settlement uses (the page " 其它参数 " of
// "交易参数") and the two close-today fee lists, with their requests: the
// lists query (84) and save (85), the parameters query (100) and save (101).
namespace korvant {

struct TradingParameters {
    int positionProfitMode = 0;  // "持仓盈亏计入可用:" 0..4
    int closeProfitMode = 0;     // "平仓盈利计入可用:" 0..2
    int32_t overTradingStandard = 0;
    int32_t autoSettleTime = 0;  // HHMM, 0: no automatic settlement
    int32_t settleWindowStart = 0;
    int32_t settleWindowEnd = 0;
    double protectionFundRate = 0;  // ten-millionths; a hidden field
};

// The choices of the two mode lists, by index.
const std::array<const char*, 5>& positionProfitModeCaptions();
const std::array<const char*, 3>& closeProfitModeCaptions();

// The mode bytes: position profit 'x' for 0, '1'..'4'; close profit 'x' for
// 0, '0' for 1 ("计入"), '2' for 2 ("不计"). Read back: any other byte is 0.
uint8_t positionProfitByte(int mode);
uint8_t closeProfitByte(int mode);
int positionProfitOfByte(uint8_t byte);
int closeProfitOfByte(uint8_t byte);

// 100: header only. 101: 30 bytes.
int writeTradingParametersQuery(std::span<uint8_t> buffer);
int writeTradingParametersSave(const TradingParameters& p, std::span<uint8_t> buffer);
// The parameters at the save layout's offsets; none for an answer shorter
// than 30 bytes.
std::optional<TradingParameters> parseTradingParameters(std::span<const uint8_t> answer);

// The checks of "确认", in order; the first failure's message (caption
// "提示"), none when the page is accepted.
std::optional<Message> checkTradingParameters(const TradingParameters& p);

// --- close-today fee lists ---

// The exchanges offered, in tree order: "大连" DCE, "郑州" CZCE, "中金所" CFFEX.
struct PickerExchange {
    const char* caption;
    const char* code;
};
const std::array<PickerExchange, 3>& pickerExchanges();

// The two lists, by index: " 平今手续费减半 " and " 平今手续费不收 ", with the
// notes of their pages.
const std::array<const char*, 2>& closeTodayTabCaptions();
const std::array<const char*, 2>& closeTodayNotes();

// Bytes a list holds (its buffer of 1024 with the terminating NUL).
inline constexpr std::size_t CloseTodayListBytes = 1023;

// The codes of a received list: cut at each "|", each token kept to at most
// 9 bytes without splitting a double-byte character, blanks trimmed; empty
// tokens are dropped. `gbk` is the raw field text.
std::vector<std::string> closeTodayTokens(std::string_view gbk);

// The list text of `codes`, each followed by "|", holding only whole codes
// within CloseTodayListBytes (GBK); the codes that did not fit go to
// `leftOut`.
std::string closeTodayListText(const std::vector<std::string>& codes,
                               std::vector<std::string>* leftOut);

// 84: 8 bytes. 85: 2056 bytes, the list text and which list (0 or 1).
int writeCloseTodayQuery(std::span<uint8_t> buffer);
int writeCloseTodaySave(const std::string& list, int32_t which, std::span<uint8_t> buffer);

// The raw GBK texts of both lists of an 84 answer (list 0 at 4 in 2048
// bytes, list 1 from 2052 to its NUL); none for an answer shorter than 2052.
struct CloseTodayLists {
    std::string list0;
    std::string list1;
};
std::optional<CloseTodayLists> parseCloseTodayLists(std::span<const uint8_t> answer);

}  // namespace korvant
