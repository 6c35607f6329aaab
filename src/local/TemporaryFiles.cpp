#include "local/TemporaryFiles.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace korvant {
namespace {

// A handler may run at any moment: the names live in fixed slots, and a
// slot is marked in use only once its name is complete.
constexpr int Slots = 16;
constexpr std::size_t NameBytes = 4096;
char names[Slots][NameBytes];
std::atomic<bool> inUse[Slots];    // the handler removes the file
std::atomic<bool> claimed[Slots];  // the slot belongs to a TemporaryPath
static_assert(std::atomic<bool>::is_always_lock_free);

void removeAndEnd(int signal) {
    for (int i = 0; i < Slots; ++i)
        if (inUse[i].load()) ::unlink(names[i]);
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    ::raise(signal);
}

}  // namespace

void removeTemporaryFilesOnSignals() {
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction old {};
        if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = removeAndEnd;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

TemporaryPath::TemporaryPath(const std::string& path) {
    if (path.size() >= NameBytes) return;
    for (int i = 0; i < Slots; ++i) {
        bool expected = false;
        if (!claimed[i].compare_exchange_strong(expected, true)) continue;
        std::memcpy(names[i], path.c_str(), path.size() + 1);
        inUse[i].store(true);
        slot_ = i;
        return;
    }
}

TemporaryPath::~TemporaryPath() {
    if (slot_ < 0) return;
    inUse[slot_].store(false);
    claimed[slot_].store(false);
}

}  // namespace korvant
