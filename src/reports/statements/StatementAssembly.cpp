#include "reports/statements/StatementAssembly.h"

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"

namespace korvant {

StatementAssembly::Step StatementAssembly::fail(const char* why) {
    failure_ = why;
    text_.clear();
    return Step::Failed;
}

StatementAssembly::Step StatementAssembly::take(const uint8_t* packet, int length) {
    if (packet == nullptr || length < 4) return fail(StatementForeignText);
    if (packet[3] == cmd::Result) {
        text_.clear();
        return Step::Missing;
    }
    if (packet[3] != cmd::Statement || length < 8) return fail(StatementForeignText);
    if (chunks_ == 0) {
        total_ = getI32(packet + 4);
        if (total_ < 0 || total_ > MaxStatementBytes) return fail(StatementBadLengthText);
        text_.reserve(static_cast<std::size_t>(total_));
    }
    ++chunks_;
    const std::size_t bytes = static_cast<std::size_t>(length - 8);
    // Every full chunk brings text, so the total also ends an endless run
    // of them.
    if (text_.size() + bytes > static_cast<std::size_t>(total_)) return fail(StatementOverrunText);
    text_.append(reinterpret_cast<const char*>(packet + 8), bytes);
    if (length == FullChunkPacket) return Step::More;
    if (text_.size() != static_cast<std::size_t>(total_)) return fail(StatementShortText);
    return Step::Done;
}

}  // namespace korvant
