// The search for call cycles on a call graph of numbered functions.
//
// Nodes are numbered in identity order. The search starts at the smallest
// caller left in the graph and walks each node's edges in the order of
// their callees. Every edge is removed once it has been explored and every
// node once it is finished, so each edge is walked once: a cycle is
// reported when the walk closes it, and a strongly connected group can
// yield several cycles, or fewer than it has simple cycles.
//
// The walk keeps its own stack of frames: a call chain through hundreds of
// thousands of functions must not exhaust the machine stack.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "util/LargeBlocks.h"

namespace zum {

struct CallEdge {
  std::uint32_t caller;
  std::uint32_t callee;
  int line;  // of the call
};

// One call of a cycle: `node` calls the node of the next step (the last
// step calls the first) at `line`.
struct CycleStep {
  std::uint32_t node;
  int line;
};

class CycleSearch {
 public:
  // `edges` in the order the calls were read; of several edges between the
  // same two nodes the first is kept. Self-calls must not be among them.
  CycleSearch(std::uint32_t nodeCount, std::span<const CallEdge> edges);

  // Empties the graph, calling `onCycle` for each cycle as it is closed.
  void run(const std::function<void(std::span<const CycleStep>)>& onCycle);

 private:
  static constexpr std::uint32_t kNotOnPath = UINT32_MAX;

  // Enters `node` when it still has edges to walk; else removes it.
  bool enter(std::uint32_t node);
  // The current edge of `node` has been explored.
  void finishEdge(std::uint32_t node);
  void search(std::uint32_t root, const std::function<void(std::span<const CycleStep>)>& onCycle);

  // Each node's edges are callees_[first_[n]] .. callees_[first_[n + 1]],
  // sorted by callee; next_[n] is the first one not yet removed.
  std::vector<std::uint32_t> first_;
  std::vector<std::uint32_t> next_;
  LargeVector<std::uint32_t> callees_;
  LargeVector<int> lines_;
  std::vector<bool> present_;
  // Where the node stands on the path while one of its edges is explored.
  std::vector<std::uint32_t> pathIndex_;
  std::vector<CycleStep> path_;
  std::vector<std::uint32_t> frames_;
};

}  // namespace zum
