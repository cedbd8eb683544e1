// The initialisation-order check: a call chain N deep that closes a cycle,
// walked from one initialiser; and N global objects in ten sources, each
// initialised from the next one (in its own file or the next source), a
// tenth of them by calling a function that reads three objects.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchProject.h"
#include "checks/InitialisationOrder.h"

namespace {

constexpr int kSources = 10;

std::string defined(const std::string& name, const std::string& file, int line, const char* space,
                    const char* type) {
  const std::string at = " " + file + " " + std::to_string(line) + " N ";
  return "<DEFINE> " + name + at + "DC " + space + " F X " + type + " -\n<DEFINE> " + name + at + "DF " + space +
         " F X " + type + " -\n";
}

// f0 refers to f1 ... f(N-1), which refers to f0 and reads `late`, defined
// after `first`, whose initialiser calls f0.
void addChain(bench::BenchProject& project, int depth) {
  std::string text = "<DEFINE> late chain.cpp 1 N DC OV F X ni -\n";
  for (int f = 0; f < depth; ++f) text += "<DEFINE> f" + std::to_string(f) + "() chain.h 1 I DC OF F X ()ni -\n";
  for (int f = 0; f < depth; ++f) {
    const std::string name = "f" + std::to_string(f) + "()";
    const std::string line = std::to_string(f + 10);
    text += "<DEFINE> " + name + " chain.cpp " + line + " N DF OF F X ()ni -\n";
    text += "<R>X " + name + " f" + std::to_string((f + 1) % depth) + "() " + line + " -\n";
  }
  text += "<R>X f" + std::to_string(depth - 1) + "() late " + std::to_string(depth + 9) + " R\n";
  text += defined("first", "chain.cpp", 2, "OV", "ni") + "<EXTV> first f0() 2\n";
  text += "<DEFINE> late chain.cpp " + std::to_string(depth + 20) + " N DF OV F X ni -\n";
  project.addSource("chain.cpp", text);
}

// Source s defines o_s_0 ... in order; o_s_i is initialised from o_s_(i+1),
// the last of a source from the first of the next source; every tenth by
// calling init_s_i(), which reads three objects further on.
void addObjects(bench::BenchProject& project, int count) {
  const int perSource = count / kSources;
  auto object = [](int s, int i) { return "o_" + std::to_string(s) + "_" + std::to_string(i); };
  for (int s = 0; s < kSources; ++s) {
    const std::string file = "objects_" + std::to_string(s) + ".cpp";
    const int next = (s + 1) % kSources;
    std::string text = "<DEFINE> " + object(next, 0) + " objects.h " + std::to_string(next) + " I DC OV F X ni -\n";
    for (int i = 0; i < perSource; ++i)
      text += "<DEFINE> " + object(s, i) + " objects.h " + std::to_string(s) + " I DC OV F X ni -\n";
    for (int i = 0; i < perSource; ++i) {
      const int line = 10 * i + 10;
      const std::string self = object(s, i);
      const std::string used = i + 1 < perSource ? object(s, i + 1) : object(next, 0);
      text += "<DEFINE> " + self + " " + file + " " + std::to_string(line) + " N DF OV F X ni -\n";
      text += "<EXTV> " + self + " " + used + " " + std::to_string(line) + "\n";
      if (i % 10 != 0) continue;
      const std::string init = "init_" + std::to_string(s) + "_" + std::to_string(i) + "()";
      text += defined(init, file, line + 1, "OF", "()ni");
      for (int k = 1; k <= 3 && i + k < perSource; ++k)
        text += "<R>X " + init + " " + object(s, i + k) + " " + std::to_string(line + 1) + " R\n";
      text += "<EXTV> " + self + " " + init + " " + std::to_string(line) + "\n";
    }
    project.addSource(file, text);
  }
}

void runCheck(benchmark::State& state, bench::BenchProject& project) {
  for (auto _ : state) {
    state.PauseTiming();
    project.read({}, {&zum::configureInitialisationOrder});
    state.ResumeTiming();
    project.end();
  }
  state.counters["findings"] = static_cast<double>(project.findings()) / static_cast<double>(state.iterations());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_InitialisationCallChain(benchmark::State& state) {
  bench::BenchProject project("initialisation-chain-bench");
  addChain(project, static_cast<int>(state.range(0)));
  runCheck(state, project);
}
BENCHMARK(BM_InitialisationCallChain)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_InitialisationManyObjects(benchmark::State& state) {
  bench::BenchProject project("initialisation-objects-bench");
  addObjects(project, static_cast<int>(state.range(0)));
  runCheck(state, project);
}
BENCHMARK(BM_InitialisationManyObjects)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
