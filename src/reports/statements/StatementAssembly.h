#pragma once

#include <cstdint>
#include <string>

// A statement arrives in chunks of command 49: the total length of the text
// at offset 4 (announced in the first chunk), then the chunk's text from
// offset 8. A chunk of exactly FullChunkPacket bytes is followed by another;
// a shorter one is the last. The text is kept byte for byte (GBK) in one
// buffer sized from the announced total; whatever the server sends, the
// buffer never grows past that total nor past MaxStatementBytes.
namespace korvant {

inline constexpr int StatementChunkText = 10240;
inline constexpr int FullChunkPacket = 8 + StatementChunkText;
inline constexpr int64_t MaxStatementBytes = int64_t{64} << 20;

inline constexpr const char* StatementMissingText = "指定的结算单不存在";
inline constexpr const char* StatementBadLengthText = "  结算单长度错误, 读取已停止!  ";
inline constexpr const char* StatementOverrunText = "  结算单数据超出其声明的长度, 读取已停止!  ";
inline constexpr const char* StatementShortText = "  结算单数据不完整, 读取已停止!  ";
inline constexpr const char* StatementForeignText = "  错误的数据包, 无法解析 !  ";

class StatementAssembly {
public:
    enum class Step {
        More,     // a full chunk: ask for the next one
        Done,     // the last chunk: the text is whole
        Missing,  // a command-0 answer: the statement does not exist
        Failed,   // the answers do not make a statement (`failure()` says why)
    };

    // Takes the next answer (already inflated).
    Step take(const uint8_t* packet, int length);

    // The text received so far, as the server sent it.
    const std::string& text() const { return text_; }
    std::string releaseText() { return std::move(text_); }
    const char* failure() const { return failure_; }
    int chunks() const { return chunks_; }

private:
    Step fail(const char* why);

    std::string text_;
    int64_t total_ = 0;
    int chunks_ = 0;
    const char* failure_ = "";
};

}  // namespace korvant
