#include "MachineStalls.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace korvant::bench {
namespace {

constexpr long long SleepNs = 1000000;
// Later than this is a stall; a probe at real-time priority is otherwise
// woken within well under a millisecond.
constexpr long long LateNs = 4000000;
constexpr std::size_t MaxStalls = 1 << 20;

struct Stall {
    long long fromNs;
    long long toNs;
};

std::mutex mutex;
std::vector<Stall> stalls;

void probe() {
    sched_param priority{};
    priority.sched_priority = 1;
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority) != 0)
        std::fprintf(stderr,
                     "the machine probe runs at normal priority: the desk's own work may be "
                     "taken for the machine's stalls\n");
    for (;;) {
        const long long before = steadyNs();
        std::this_thread::sleep_for(std::chrono::nanoseconds(SleepNs));
        const long long after = steadyNs();
        if (after - before - SleepNs <= LateNs) continue;
        const std::lock_guard<std::mutex> lock(mutex);
        if (stalls.size() < MaxStalls) stalls.push_back({before + SleepNs, after});
    }
}

// Calls `each` with the part of every stall that lies within [from, to].
template <typename Each>
void overlapping(long long from, long long to, Each each) {
    const std::lock_guard<std::mutex> lock(mutex);
    for (const Stall& s : stalls) {
        const long long a = std::max(s.fromNs, from);
        const long long b = std::min(s.toNs, to);
        if (a < b) each(s, b - a);
    }
}

}  // namespace

long long steadyNs() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

void startMachineProbe() {
    static const bool started = [] {
        stalls.reserve(4096);
        std::thread(probe).detach();
        return true;
    }();
    (void)started;
}

double machineStalledMs(long long fromNs, long long toNs) {
    long long total = 0;
    overlapping(fromNs, toNs, [&](const Stall&, long long within) { total += within; });
    return static_cast<double>(total) / 1e6;
}

double longestMachineStallMs(long long fromNs, long long toNs) {
    long long longest = 0;
    overlapping(fromNs, toNs,
                [&](const Stall& s, long long) { longest = std::max(longest, s.toNs - s.fromNs); });
    return static_cast<double>(longest) / 1e6;
}

}  // namespace korvant::bench
