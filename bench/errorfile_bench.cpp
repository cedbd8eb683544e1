#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "messages/Diagnostic.h"
#include "messages/ErrorFileOutput.h"
#include "messages/InputVarnix.h"
#include "util/Location.h"

namespace {

XF_Filename fileNamed(const std::string& name) { return XF_Filename(U_Filename("/project/" + name), U_Filename(name)); }

// An error file shaped like a source's: most diagnostics sit in headers
// reached through the same include lines, so locations and names repeat.
std::string makeErrorFile(int diagnostics) {
  const std::string path = (std::filesystem::temp_directory_path() / "zum-bench-errorfile.err").string();
  std::remove(path.c_str());
  {
    M_ErrorFileOutput out(path, M_ErrorFileFormat::Generation::kCurrent, false);
    XF_Filename source = fileNamed("src/module.c");
    for (int i = 0; i < diagnostics; ++i) {
      U_Location includedFrom(source, 3 + i % 20, 0);
      U_Location at(fileNamed("include/header" + std::to_string(i % 20) + ".h"), 10 + i % 300, 1 + i % 40,
                    includedFrom);
      M_Diagnostic diagnostic(400 + i % 50, at);
      diagnostic.addString("parameter_" + std::to_string(i % 100));
      out.writeDiagnostic(diagnostic, false);
    }
    out.close();
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::remove(path.c_str());
  return bytes.str();
}

void BM_ReadErrorFile(benchmark::State& state) {
  const std::string bytes = makeErrorFile(static_cast<int>(state.range(0)));
  XF_Filename source = fileNamed("src/module.c");
  for (auto _ : state) {
    M_InputVarnix input("module.c.err");
    input.setSource(source);
    input.read(bytes);
    benchmark::DoNotOptimize(input.diagnostics().size());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadErrorFile)->Arg(100)->Arg(10000);

}  // namespace
