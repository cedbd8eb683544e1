#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "util/StringStore.h"

namespace {

std::vector<std::string> makeNames(int count) {
  std::vector<std::string> names;
  names.reserve(count);
  for (int i = 0; i < count; ++i) names.push_back("::project::module_" + std::to_string(i % 97) + "::function_" + std::to_string(i));
  return names;
}

void BM_InternRepeatedIdentifiers(benchmark::State& state) {
  const auto names = makeNames(static_cast<int>(state.range(0)));
  for (const auto& n : names) U_Identifier warm(n);
  for (auto _ : state) {
    for (const auto& n : names) benchmark::DoNotOptimize(U_Identifier(n).pointer());
  }
  state.SetItemsProcessed(state.iterations() * names.size());
}
BENCHMARK(BM_InternRepeatedIdentifiers)->Arg(1000)->Arg(100000);

void BM_InternFileNames(benchmark::State& state) {
  const auto names = makeNames(1000);
  for (auto _ : state) {
    for (const auto& n : names) benchmark::DoNotOptimize(U_Filename(n).pointer());
  }
  state.SetItemsProcessed(state.iterations() * names.size());
}
BENCHMARK(BM_InternFileNames);

}  // namespace
