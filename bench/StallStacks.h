#pragma once

// For finding where the desk's event loop stood still: with
// KORVANT_BENCH_STACKS=MS in the environment, a watcher thread prints the
// main thread's stack (to stderr) whenever no turn of the loop was noted for
// MS milliseconds while watching (every 10 ms while the pause lasts, and its
// whole length when it ends), with the time since the last turn and the
// last call of the wait hook. Without it, the calls below cost nothing.
namespace korvant::bench {

void startStallStacks();
void noteLoopTurn();
// A call of the wait hook: `in` on entry, else on return; `over` for the
// call that ends a wait.
void noteWaitHook(bool over, bool in);
void watchStalls(bool on);

}  // namespace korvant::bench
