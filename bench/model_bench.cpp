#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/DefineReader.h"
#include "anlsrslt/model/LineReader.h"
#include "anlsrslt/model/ReadContext.h"
#include "anlsrslt/model/Relation.h"
#include "anlsrslt/model/Source.h"
#include "anlsrslt/model/SymbolTable.h"
#include "util/ProcessState.h"

namespace {

// One source's metric file in the shape the per-file analyser writes:
// shared header declarations, then functions with parameters, locals,
// relations, metrics, control graphs and literals.
std::string makeSource(int source, int functions) {
  std::string out;
  out.reserve(static_cast<std::size_t>(functions) * 900 + 4000);
  std::string file = "src/module_" + std::to_string(source) + ".c";
  for (int h = 0; h < 40; ++h) {
    out += "<DEFINE> project::api::function_" + std::to_string(h) +
           "(char*,int) include/project/api.h " + std::to_string(10 + h) + " I DC FF S X (pc,ni)->ni -\n";
  }
  out += "<R>I " + file + " include/project/api.h 1\n";
  for (int f = 0; f < functions; ++f) {
    std::string name = "module_" + std::to_string(source) + "_function_" + std::to_string(f) + "(int,char*)";
    std::string line = std::to_string(100 + f * 20);
    out += "<DEFINE> " + name + " " + file + " " + line + " N DC FF F X (ni,pc)->v -\n";
    out += "<DEFINE> " + name + "::count " + file + " " + line + " N DC -V P N ni R\n";
    out += "<DEFINE> " + name + "::text " + file + " " + line + " N DC -V P N pc R\n";
    out += "<DEFINE> " + name + " " + file + " " + line + " N DF FF F X (ni,pc)->v -\n";
    out += "<DEFINE> " + name + "::index " + file + " " + std::to_string(101 + f * 20) + " N DC -V B N ni -\n";
    out += "<R>C " + name + " project::api::function_" + std::to_string(f % 40) + "(char*,int) " + line + " -\n";
    out += "<R>X " + name + " " + name + "::index " + line + " RW\n";
    out += "<CTLG> " + name + " 1\n<CTLG> 1 2\n<CTLG> 2 3\n<CTLGN> " + line + " " + line + "\n";
    out += "<S>\n<S>STFIL " + file + "\n<S>STNAM " + name + "\n<S>STCYC 3\n<S>STLIN 17\n";
    out += "<LIT> 42 - - " + file + " " + line + " 17 N DN ni B O\n";
  }
  return out;
}

void noDefine(PI_SymbolHandle, PI_DefineHandle) {}
void noAllDefine() {}

void configureTypicalModules() {
  PI_configureOnAllDefine(&noAllDefine);
  PI_configureOnNewSymbol(&noDefine);
  PI_configureNeedScopeEnclSymbol();
  PI_configureNeedRelationCalls();
  PI_configureNeedRelationRefers();
  PI_configureNeedMetric();
  PI_configureNeedLiteral();
  P_configureOnInclude([](P_RelationInclude*) {});
}

void BM_LineSplitting(benchmark::State& state) {
  const std::string text = makeSource(1, 2000);
  for (auto _ : state) {
    std::size_t lines = 0;
    zum::forEachLineOf(text, [&lines](std::string_view line) { lines += line.size() > 0; });
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LineSplitting);

void BM_DefineFieldSplitting(benchmark::State& state) {
  const std::string line =
      "<DEFINE> project::module::function_17(char*,int)::local_index src/module/file_17.c 1234 N DC -V B N ni -";
  for (auto _ : state) benchmark::DoNotOptimize(P_splitDefineRecord(line));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_DefineFieldSplitting);

// Parsing and filing DEFINE records of many sources (new sources every
// 2000 functions, so the per-source map is emptied as in a real run).
void BM_DefineInsertion(benchmark::State& state) {
  std::vector<std::string> sources;
  for (int s = 0; s < 8; ++s) sources.push_back(makeSource(s, 500));
  std::size_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    zum::ProcessState::reset();
    PI_configureOnAllDefine(&noAllDefine);
    PI_configureOnNewSymbol(&noDefine);
    state.ResumeTiming();
    for (const std::string& source : sources) {
      P_beginMetricFile();
      zum::forEachLineOf(source, [&bytes](std::string_view line) {
        if (line.rfind("<DEFINE>", 0) != 0) return;
        P_readDefineRecord(line);
        bytes += line.size() + 1;
      });
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["symbols"] = static_cast<double>(P_symbolTable().symbols().size());
}
BENCHMARK(BM_DefineInsertion)->Unit(benchmark::kMillisecond);

void BM_RelationReading(benchmark::State& state) {
  zum::ProcessState::reset();
  configureTypicalModules();
  const std::string source = makeSource(1, 2000);
  P_beginMetricFile();
  std::vector<std::string> relations;
  zum::forEachLineOf(source, [&relations](std::string_view line) {
    if (line.rfind("<DEFINE>", 0) == 0) P_readDefineRecord(line);
    if (line.rfind("<R>", 0) == 0) relations.emplace_back(line);
  });
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (const std::string& line : relations) P_readRelationRecord(line);
    for (const std::string& line : relations) bytes += line.size();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_RelationReading);

// The whole per-source step over metric files on disk, with the record
// kinds the modules of a typical run ask for.
void BM_ReadMetricFiles(benchmark::State& state) {
  const int sourceCount = 16;
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("zum-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::size_t bytes = 0;
  for (int s = 0; s < sourceCount; ++s) {
    std::string content = makeSource(s, 2000);
    bytes += content.size();
    std::ofstream(dir / ("module_" + std::to_string(s) + ".c.met"), std::ios::binary) << content;
  }
  for (auto _ : state) {
    state.PauseTiming();
    zum::ProcessState::reset();
    configureTypicalModules();
    state.ResumeTiming();
    for (int s = 0; s < sourceCount; ++s)
      P_readSource(s + 1, sourceCount, XF_Filename("src/module_" + std::to_string(s) + ".c"), dir.string());
    P_raiseEndEvent();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ReadMetricFiles)->Unit(benchmark::kMillisecond);

}  // namespace
