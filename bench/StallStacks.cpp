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
long long thresholdNs = 0;
pthread_t mainThread;

// A pause is sampled every SampleEveryNs after the threshold, at most
// MaxSamples times; its whole length is printed when the loop turns again.
constexpr long long SampleEveryNs = 10000000;
constexpr int MaxSamples = 30;

long long nowNs() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

// What the main thread did last (turns of the loop run together into one
// entry), printed with a pause when it ends.
struct Event {
    const char* what = nullptr;
    long long startNs = 0;
    long long endNs = 0;
    int count = 0;
};
constexpr int Remembered = 12;
Event events[Remembered];
int nextEvent = 0;

void remember(const char* what, long long now) {
    Event& last = events[(nextEvent + Remembered - 1) % Remembered];
    if (last.what == what && what[0] == 't') {
        last.endNs = now;
        ++last.count;
        return;
    }
    events[nextEvent] = Event{what, now, now, 1};
    nextEvent = (nextEvent + 1) % Remembered;
}

void printEvents(long long now) {
    for (int i = 0; i < Remembered; ++i) {
        const Event& e = events[(nextEvent + i) % Remembered];
        if (e.what == nullptr) continue;
        std::fprintf(stderr, "     %-10s %7.1f ms ago", e.what,
                     static_cast<double>(now - e.startNs) / 1e6);
        if (e.count > 1)
            std::fprintf(stderr, " (%d, until %.1f ms ago)", e.count,
                         static_cast<double>(now - e.endNs) / 1e6);
        std::fputc('\n', stderr);
    }
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
    thresholdNs = value != nullptr ? std::atoll(value) * 1000000LL : 0;
    if (thresholdNs <= 0) return;
    mainThread = pthread_self();
    void* warmUp[4];
    (void)backtrace(warmUp, 4);
    std::signal(SIGUSR2, printStack);
    std::thread([] {
        long long pause = -1;
        long long nextSample = 0;
        int samples = 0;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            const long long last = lastTurn.load();
            const long long now = nowNs();
            if (!watching || now - last <= thresholdNs) continue;
            if (last != pause) {
                pause = last;
                samples = 0;
                nextSample = now;
            }
            if (samples < MaxSamples && now >= nextSample) {
                ++samples;
                nextSample = now + SampleEveryNs;
                pthread_kill(mainThread, SIGUSR2);
            }
        }
    }).detach();
}

void noteLoopTurn() {
    const long long now = nowNs();
    const long long still = now - lastTurn.load();
    if (thresholdNs > 0 && watching && still > thresholdNs) {
        std::fprintf(stderr, "==== the loop stood still for %lld ms; before it:\n",
                     still / 1000000);
        printEvents(now);
    }
    if (thresholdNs > 0) remember("turn", now);
    lastTurn = now;
}

void noteWaitHook(bool over, bool in) {
    const long long now = nowNs();
    lastHook = now;
    ++hooks;
    if (thresholdNs > 0) remember(over ? "wait over" : in ? "hook in" : "hook out", now);
}

void watchStalls(bool on) {
    if (!on) noteLoopTurn();
    if (on) lastTurn = nowNs();
    watching = on;
}

}  // namespace korvant::bench
