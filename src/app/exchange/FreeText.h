#pragma once

#include <cstdint>
#include <string>

// The service field of the About dialog: a free text sent to the server as
// command 106 (264 bytes: header, the text with its NUL from offset 4). The
// server's one answer is received but not examined.
namespace korvant {

class Desk;

inline constexpr int FreeTextSize = 264;
// Longest text carried, in GBK bytes; a longer one is cut before a
// double-byte character is split.
inline constexpr int FreeTextMaxBytes = 259;

// Request writer: the packet's size, or -1 when `capacity` is too small.
int writeFreeText(const std::string& text, uint8_t* buffer, int capacity);

// Sends `text` and waits for one answer. An empty text sends nothing and
// returns false. A failed send shows "   发送数据出错! " and returns false; a
// failed receive shows "   接收数据出错, 与服务器的联接断开了! " and ends the
// program. Returns true when an answer came back.
bool sendFreeText(Desk& desk, const std::string& text);

}  // namespace korvant
