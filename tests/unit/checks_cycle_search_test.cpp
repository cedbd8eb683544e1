// The order in which the call-cycle search walks a graph, and what it
// finds: the cycles and their calls, for small graphs and huge ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/CycleSearch.h"

namespace {

using zum::CallEdge;
using zum::CycleSearch;
using zum::CycleStep;

// Each cycle as "node@line node@line ...".
std::vector<std::string> cyclesOf(std::uint32_t nodes, std::vector<CallEdge> edges) {
  std::vector<std::string> cycles;
  CycleSearch search(nodes, std::move(edges));
  search.run([&cycles](std::span<const CycleStep> cycle) {
    std::string text;
    for (const CycleStep& step : cycle) text += (text.empty() ? "" : " ") + std::to_string(step.node) + "@" +
                                                std::to_string(step.line);
    cycles.push_back(text);
  });
  return cycles;
}

// Each graph with the cycles the search closes, in order.
TEST(CycleSearch, SmallGraphsGiveTheirCyclesInTheOrderOfTheWalk) {
  struct Case {
    std::uint32_t nodes;
    std::vector<CallEdge> edges;
    std::vector<std::string> cycles;
  };
  const Case cases[] = {
      // Two functions calling each other are one cycle with both calls;
      // wherever the search starts, it starts at the smallest caller.
      {2, {{0, 1, 5}, {1, 0, 9}}, {"0@5 1@9"}},
      {2, {{1, 0, 9}, {0, 1, 5}}, {"0@5 1@9"}},
      // The first call between two functions gives the line.
      {2, {{0, 1, 7}, {1, 0, 9}, {0, 1, 5}}, {"0@7 1@9"}},
      // Chains and trees have no cycle.
      {4, {{0, 1, 1}, {1, 2, 2}, {2, 3, 3}}, {}},
      {4, {{0, 1, 1}, {0, 2, 2}, {1, 3, 3}, {2, 3, 4}}, {}},
      // Three functions all calling each other have five simple cycles;
      // each edge is walked once, so the search closes three of them.
      {3, {{0, 1, 1}, {0, 2, 2}, {1, 0, 3}, {1, 2, 4}, {2, 0, 5}, {2, 1, 6}}, {"0@1 1@3", "0@1 1@4 2@5", "1@4 2@6"}},
      // 0 calls 2 first in the text, but 1 is explored first: 0-1-2-0
      // closes before 0-2-0 could, and the edge 2-0 is gone by then.
      {3, {{0, 2, 1}, {0, 1, 2}, {1, 2, 3}, {2, 0, 4}}, {"0@2 1@3 2@4"}},
      // 3 is finished inside the first cycle's search; reaching it again
      // from 2 finds nothing new.
      {4, {{0, 1, 1}, {1, 0, 2}, {1, 3, 3}, {3, 1, 4}, {2, 3, 5}}, {"0@1 1@2", "1@3 3@4"}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cyclesOf(cases[i].nodes, cases[i].edges), cases[i].cycles) << "case " << i;
}

TEST(CycleSearch, AFunctionWithManyCalleesWalksThemInOrderAndKeepsTheFirstCallOfEach) {
  // Node 0 calls 40 functions, last one first and each twice; every one of
  // them calls 0 back, so each closes a cycle in callee order, with the
  // line of the first call.
  std::vector<CallEdge> edges;
  for (std::uint32_t callee = 40; callee >= 1; --callee) edges.push_back({0, callee, static_cast<int>(callee)});
  for (std::uint32_t callee = 1; callee <= 40; ++callee) edges.push_back({0, callee, 1000});
  for (std::uint32_t caller = 1; caller <= 40; ++caller) edges.push_back({caller, 0, 0});
  std::vector<std::string> expected;
  for (std::uint32_t callee = 1; callee <= 40; ++callee)
    expected.push_back("0@" + std::to_string(callee) + " " + std::to_string(callee) + "@0");
  EXPECT_EQ(cyclesOf(41, edges), expected);
}

TEST(CycleSearch, ALongChainBackIntoItsMiddleIsOneCycleOfTheTail) {
  constexpr std::uint32_t kCount = 100000;
  std::vector<CallEdge> chain;
  for (std::uint32_t n = 0; n + 1 < kCount; ++n) chain.push_back({n, n + 1, 1});
  chain.push_back({kCount - 1, kCount / 2, 2});
  std::vector<std::uint32_t> starts;
  CycleSearch search(kCount, std::move(chain));
  search.run([&starts](std::span<const CycleStep> cycle) {
    starts.push_back(cycle.front().node);
    EXPECT_EQ(cycle.size(), kCount / 2);
  });
  EXPECT_EQ(starts, std::vector<std::uint32_t>{kCount / 2});
}

}  // namespace
