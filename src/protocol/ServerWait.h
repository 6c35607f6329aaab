#pragma once

#include <functional>

// What the connection tells a front end while it waits for the server.
namespace korvant {

// Where a wait for the server stands, as told to the wait hook.
struct ServerWait {
    // Since the wait began (the connect, or the receive of one answer).
    int elapsedMs = 0;
    // Waiting for the connection to be made rather than for an answer.
    bool connecting = false;
    // The wait has ended (answered, failed or abandoned): the hook's last
    // call for it, whose result is ignored.
    bool over = false;
};

// Called between the slices of a wait; false abandons the wait.
using WaitHook = std::function<bool(const ServerWait&)>;

}  // namespace korvant
