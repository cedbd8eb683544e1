#include "checks/CycleSearch.h"

#include <algorithm>

namespace zum {

namespace {

// The (callee, line) pairs of one caller, put in callee order with equal
// callees kept in the order of the calls. A caller has few callees.
void sortByCallee(std::pair<std::uint32_t, int>* begin, std::pair<std::uint32_t, int>* end) {
  const auto byCallee = [](const auto& a, const auto& b) { return a.first < b.first; };
  if (end - begin > 32) {
    std::stable_sort(begin, end, byCallee);
    return;
  }
  for (auto* i = begin + 1; i < end; ++i) {
    const auto moving = *i;
    auto* j = i;
    for (; j > begin && byCallee(moving, *(j - 1)); --j) *j = *(j - 1);
    *j = moving;
  }
}

}  // namespace

CycleSearch::CycleSearch(std::uint32_t nodeCount, std::span<const CallEdge> edges)
    : first_(nodeCount + 1, 0), next_(nodeCount, 0), present_(nodeCount, false), pathIndex_(nodeCount, kNotOnPath) {
  // The edges are placed by caller in the order of the calls, then each
  // caller's run is sorted stably by callee, so the first of several calls
  // between two nodes stays and the others are dropped.
  for (const CallEdge& edge : edges) ++first_[edge.caller + 1];
  for (std::uint32_t n = 0; n < nodeCount; ++n) first_[n + 1] += first_[n];
  LargeVector<std::pair<std::uint32_t, int>> placed(edges.size());
  for (std::uint32_t n = 0; n < nodeCount; ++n) next_[n] = first_[n];
  for (const CallEdge& edge : edges) placed[next_[edge.caller]++] = {edge.callee, edge.line};

  callees_.reserve(edges.size());
  lines_.reserve(edges.size());
  for (std::uint32_t n = 0; n < nodeCount; ++n) {
    const std::uint32_t begin = first_[n];
    const std::uint32_t end = first_[n + 1];
    sortByCallee(placed.data() + begin, placed.data() + end);
    first_[n] = static_cast<std::uint32_t>(callees_.size());
    for (std::uint32_t i = begin; i < end; ++i) {
      if (i > begin && placed[i].first == placed[i - 1].first) continue;
      callees_.push_back(placed[i].first);
      lines_.push_back(placed[i].second);
    }
    present_[n] = callees_.size() > first_[n];
    next_[n] = first_[n];
  }
  first_[nodeCount] = static_cast<std::uint32_t>(callees_.size());
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
