#pragma once

#include <asio/ip/tcp.hpp>

#include <functional>
#include <string>
#include <vector>

// The look-up of a server's address. A numeric address needs none; a name
// is looked up on a thread of its own, so that a slow name server holds up
// nobody: the caller waits in slices and calls `turn` between them, as it
// waits for an answer. A look-up given up on (by `turn` or the time limit)
// is left to finish alone; nothing of the caller is touched by it.
namespace korvant {

struct HostLookup {
    std::vector<asio::ip::tcp::endpoint> endpoints;
    // Why there are none: the resolver's reason, "connect timed out" or,
    // with `abandoned`, "connect abandoned".
    std::string error;
    bool abandoned = false;
};

// Looks `host` up for `port`, waiting at most `timeoutMs` (0 or less: no
// limit) in slices of `sliceMs`; `turn` returning false gives up.
HostLookup lookUpHost(const std::string& host, int port, int timeoutMs, int sliceMs,
                      const std::function<bool()>& turn);

}  // namespace korvant
