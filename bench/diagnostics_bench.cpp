#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "anlsrslt/model/DiagnosticKeys.h"
#include "messages/Diagnostic.h"
#include "messages/DiagnosticOrder.h"

namespace {

// The diagnostics of a big error file: many in headers, with include
// chains, each with a few parameters. With `ties`, all of them stand at a
// few places with one message number, so that the parameters decide (as
// for the diagnostics of one macro expanded many times).
std::vector<U_Handle<M_Diagnostic>> makeDiagnostics(int count, bool ties) {
  std::mt19937 random(3);
  std::vector<XF_Filename> files;
  for (int i = 0; i < 40; ++i) {
    const std::string name = "/project/include/header_" + std::to_string(i) + ".h";
    files.emplace_back(U_Filename(name), U_Filename(name));
  }
  const XF_Filename source(U_Filename("/project/src/main.c"), U_Filename("src/main.c"));
  std::vector<U_Handle<M_Diagnostic>> all;
  for (int i = 0; i < count; ++i) {
    const int line = ties ? 7 : static_cast<int>(random() % 400) + 1;
    U_Location location = random() % 3 == 0
                              ? U_Location(source, line, 0)
                              : U_Location(files[random() % files.size()], line, ties ? 0 : static_cast<int>(random() % 20),
                                           U_Location(source, static_cast<int>(random() % 30) + 1, 0));
    auto d = U_make<M_Diagnostic>(ties ? 701 : 700 + static_cast<int>(random() % 50), location);
    d->addStringList({"int", "long", "unsigned"});
    d->addString("symbol_" + std::to_string(random() % 1000));
    all.push_back(d);
  }
  return all;
}

void BM_SortDiagnosticsByComparison(benchmark::State& state) {
  const auto all = makeDiagnostics(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    auto sorted = all;
    std::stable_sort(sorted.begin(), sorted.end(), M_DiagnosticLess());
    benchmark::DoNotOptimize(sorted.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortDiagnosticsByComparison)->Args({5000, 0})->Args({5000, 1});

void BM_SortDiagnosticsByKeys(benchmark::State& state) {
  const auto all = makeDiagnostics(static_cast<int>(state.range(0)), state.range(1) != 0);
  struct Entry {
    zum::DiagnosticSortKey key;
    const M_Diagnostic* diagnostic;
  };
  for (auto _ : state) {
    std::vector<Entry> sorted;
    sorted.reserve(all.size());
    for (const auto& d : all) sorted.push_back(Entry{zum::makeSortKey(*d), d.pointer()});
    std::stable_sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
    benchmark::DoNotOptimize(sorted.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortDiagnosticsByKeys)->Args({5000, 0})->Args({5000, 1});

}  // namespace
