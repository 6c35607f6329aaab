#pragma once

// For finding where the desk's event loop stood still: with
// KORVANT_BENCH_STACKS=MS in the environment, a watcher thread prints the
// main thread's stack (to stderr) whenever no turn of the loop was noted for
// MS milliseconds while watching, with the time since the last turn and the
// last call of the wait hook. Without it, the calls below cost nothing.
namespace korvant::bench {

void startStallStacks();
void noteLoopTurn();
void noteWaitHook();
void watchStalls(bool on);

}  // namespace korvant::bench
