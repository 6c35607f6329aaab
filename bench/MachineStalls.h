#pragma once

// The machine's own pauses, so that the desk's repaint gaps can be told
// apart from them. On a virtual machine the host now and then runs nothing
// of a guest core for tens of milliseconds, or more than a hundred (an idle
// machine here: a thread sleeping 2 ms at a time woke up to 37 ms late in two
// minutes); a thread blocked there cannot turn its event loop however it
// waits. A probe thread on the desk's core (its affinity is the calling
// thread's), at real-time priority where that is allowed, sleeps 1 ms at a
// time; when it wakes more than a few milliseconds late, nothing ran on that
// core and the interval is recorded.
namespace korvant::bench {

// Starts the probe once; call it from the desk's thread after it was given
// its core.
void startMachineProbe();

// Steady-clock nanoseconds, the probe's time base.
long long steadyNs();

// Milliseconds within [fromNs, toNs] during which the core stood still.
double machineStalledMs(long long fromNs, long long toNs);

// The longest single stall that overlaps [fromNs, toNs], in milliseconds.
double longestMachineStallMs(long long fromNs, long long toNs);

}  // namespace korvant::bench
