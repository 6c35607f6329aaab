// What a client sends to the simulator: cut into packets and handed to the
// dispatcher with every handler registered. The first byte says whether the
// connection starts logged in (most handlers are behind the login check).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "DataSets.h"
#include "Dispatcher.h"
#include "protocol/FrameReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace korvant;
    using namespace korvant::sim;
    if (size < 1) return 0;
    static const Dispatcher dispatcher = makeDispatcher();
    // A fresh demo state now and then, so that changes do not pile up.
    static SimState state;
    static unsigned runs = 0;
    if (runs++ % 4096 == 0) {
        state = SimState{};
        buildDataSet("demo", 1, state);
    }
    LoginRegistry logins;
    Connection connection;
    connection.id = 1;
    if (data[0] & 1) {
        connection.loggedIn = true;
        connection.account = "admin";
        logins.add("admin");
    }
    Context context{state, connection, logins};

    FrameReader reader(AnyPacketLength);
    reader.feed(data + 1, size - 1);
    std::vector<uint8_t> packet;
    for (int n = 0; n < 64 && reader.next(packet); ++n) (void)dispatcher.dispatch(packet, context);
    return 0;
}
