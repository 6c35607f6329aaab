#include "StallStacks.h"

#include <execinfo.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace korvant::bench {
namespace {

std::atomic<long long> lastTurn{0};
std::atomic<long long> lastHook{0};
std::atomic<long long> hooks{0};
std::atomic<bool> watching{false};
pthread_t mainThread;

long long nowNs() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

// Runs in the signal handler: it allocates nothing and takes no lock of its
// own. The unwinder is loaded before the first signal (startStallStacks):
// its first use allocates, which could deadlock here.
void printStack(int) {
    const long long now = nowNs();
    char line[160];
    const int k = std::snprintf(
        line, sizeof line, "---- loop still for %lld ms; wait hook %lld ms ago (%lld calls)\n",
        (now - lastTurn.load()) / 1000000, (now - lastHook.load()) / 1000000, hooks.load());
    if (k > 0) (void)!write(2, line, static_cast<std::size_t>(k));
    void* frames[64];
    const int n = backtrace(frames, 64);
    backtrace_symbols_fd(frames, n, 2);
}

}  // namespace

void startStallStacks() {
    const char* value = std::getenv("KORVANT_BENCH_STACKS");
    const long long thresholdNs = value != nullptr ? std::atoll(value) * 1000000LL : 0;
    if (thresholdNs <= 0) return;
    mainThread = pthread_self();
    void* warmUp[4];
    (void)backtrace(warmUp, 4);
    std::signal(SIGUSR2, printStack);
    std::thread([thresholdNs] {
        long long reported = -1;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            const long long last = lastTurn.load();
            if (watching && last != reported && nowNs() - last > thresholdNs) {
                reported = last;
                pthread_kill(mainThread, SIGUSR2);
            }
        }
    }).detach();
}

void noteLoopTurn() {
    lastTurn = nowNs();
}

void noteWaitHook() {
    lastHook = nowNs();
    ++hooks;
}

void watchStalls(bool on) {
    if (on) lastTurn = nowNs();
    watching = on;
}

}  // namespace korvant::bench
