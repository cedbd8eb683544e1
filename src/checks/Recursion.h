// Recursion through the project's call graph: a function that calls
// itself (1521) and a cycle of calls through several functions (1520).
//
// The check has two halves that share one end-of-run callback, which runs
// once and serves whichever halves were configured.
#pragma once

namespace zum {

// The self-call half, 1521.
void configureDirectRecursion();
// The cycle half, 1520; sets the cycle count to 0.
void configureIndirectRecursion();

// The number of 1520 messages raised in the run.
unsigned indirectRecursionCount();

}  // namespace zum
