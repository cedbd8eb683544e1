#include "checks/CycleSearch.h"

#include <algorithm>

namespace zum {

CycleSearch::CycleSearch(std::uint32_t nodeCount, std::vector<CallEdge> edges)
    : first_(nodeCount + 1, 0), next_(nodeCount, 0), present_(nodeCount, false), pathIndex_(nodeCount, kNotOnPath) {
  // Stable: the first of several calls between two nodes stays first.
  std::stable_sort(edges.begin(), edges.end(), [](const CallEdge& a, const CallEdge& b) {
    return a.caller != b.caller ? a.caller < b.caller : a.callee < b.callee;
  });
  edges.erase(std::unique(edges.begin(), edges.end(),
                          [](const CallEdge& a, const CallEdge& b) {
                            return a.caller == b.caller && a.callee == b.callee;
                          }),
              edges.end());
  callees_.reserve(edges.size());
  lines_.reserve(edges.size());
  for (const CallEdge& edge : edges) {
    ++first_[edge.caller + 1];
    callees_.push_back(edge.callee);
    lines_.push_back(edge.line);
    present_[edge.caller] = true;
  }
  for (std::uint32_t n = 0; n < nodeCount; ++n) {
    first_[n + 1] += first_[n];
    next_[n] = first_[n];
  }
}

bool CycleSearch::enter(std::uint32_t node) {
  if (!present_[node]) return false;
  if (next_[node] == first_[node + 1]) {
    present_[node] = false;
    return false;
  }
  frames_.push_back(node);
  return true;
}

void CycleSearch::finishEdge(std::uint32_t node) {
  pathIndex_[node] = kNotOnPath;
  path_.pop_back();
  ++next_[node];
}

void CycleSearch::search(std::uint32_t root, const std::function<void(std::span<const CycleStep>)>& onCycle) {
  if (!enter(root)) return;
  while (!frames_.empty()) {
    const std::uint32_t node = frames_.back();
    if (next_[node] == first_[node + 1]) {
      // All edges explored: the node leaves the graph, and the edge that
      // led here is done.
      present_[node] = false;
      frames_.pop_back();
      if (!frames_.empty()) finishEdge(frames_.back());
      continue;
    }
    const std::uint32_t edge = next_[node];
    const std::uint32_t callee = callees_[edge];
    pathIndex_[node] = static_cast<std::uint32_t>(path_.size());
    path_.push_back(CycleStep{node, lines_[edge]});
    if (pathIndex_[callee] != kNotOnPath) {
      onCycle(std::span<const CycleStep>(path_).subspan(pathIndex_[callee]));
      finishEdge(node);
    } else if (!enter(callee)) {
      finishEdge(node);
    }
  }
}

void CycleSearch::run(const std::function<void(std::span<const CycleStep>)>& onCycle) {
  for (std::uint32_t node = 0; node + 1 < first_.size(); ++node) search(node, onCycle);
}

}  // namespace zum
