// A project of metric files for the benchmarks of single checks: written
// once into a temporary directory, read afresh for each iteration with
// only the checks under test configured, so that the timed part is the
// end of the run alone.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/Source.h"
#include "checks/Reporting.h"
#include "options/RunSettings.h"
#include "util/ProcessState.h"

namespace bench {

class BenchProject {
 public:
  explicit BenchProject(const std::string& name)
      : dir_(std::filesystem::temp_directory_path() / ("zum-" + name + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir_);
  }
  ~BenchProject() {
    zum::ProcessState::reset();
    std::filesystem::remove_all(dir_);
  }

  void addSource(const std::string& name, const std::string& content) {
    std::ofstream(dir_ / (name + ".met"), std::ios::binary) << content;
    sources_.push_back(name);
  }

  // A fresh run: the settings with `options` as module options, the checks
  // of `configure`, every source read. Findings are counted, not written.
  void read(const std::vector<std::string>& options, const std::vector<void (*)()>& configure) {
    zum::ProcessState::reset();
    C_RunSettings settings;
    settings.nullMetricOutput = true;
    for (const std::string& option : options) settings.moduleOptions.push_back(option);
    C_publishRunSettings(settings);
    zum::setFindingSink([this](const M_Diagnostic&) { ++findings_; });
    for (void (*configureCheck)() : configure) configureCheck();
    const int count = static_cast<int>(sources_.size());
    for (int s = 0; s < count; ++s) P_readSource(s + 1, count, XF_Filename(sources_[s]), dir_.string());
  }

  // The end of the run: where the checks do their work.
  void end() { P_raiseEndEvent(); }

  std::size_t findings() const { return findings_; }

 private:
  std::filesystem::path dir_;
  std::vector<std::string> sources_;
  std::size_t findings_ = 0;
};

}  // namespace bench
