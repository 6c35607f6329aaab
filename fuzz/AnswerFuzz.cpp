// The bytes a server sends, as the desk takes them: cut into packets by the
// frame reader, decoded (inflated when compressed) and routed to the
// handlers of a desk with every area registered.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/port/DecliningPort.h"
#include "core/CoreDesk.h"
#include "model/ListAnswer.h"
#include "protocol/AnswerRouter.h"
#include "protocol/FrameReader.h"
#include "protocol/Packet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace korvant;
    static DecliningPort port;
    static CoreDesk desk(port, "/nonexistent-korvant-fuzz");
    // Each input starts from empty caches: a real desk fills them under the
    // paging loop's caps, which millions of inputs appended to one desk
    // would outgrow.
    desk.reference().clear();
    desk.accounts().clear();

    FrameReader reader(AnyPacketLength);
    // The first byte splits the input into two arrivals, as a stream would.
    const std::size_t cut = size > 0 ? data[0] % (size + 1) : 0;
    reader.feed(data, cut);
    std::vector<uint8_t> packet;
    auto drain = [&] {
        while (reader.next(packet)) {
            std::vector<uint8_t> decoded;
            decodeAnswer(desk.router(), packet.data(), static_cast<int>(packet.size()), &decoded);
            if (!decoded.empty()) {
                const int length = static_cast<int>(decoded.size());
                ResultPacket::parse(decoded.data(), length);
                parseListPage(decoded.data(), length, 1 + decoded[0] % 200);
            }
        }
    };
    drain();
    reader.feed(data + cut, size - cut);
    drain();
    reader.missing();
    return 0;
}
