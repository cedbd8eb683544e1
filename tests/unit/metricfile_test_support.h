// Shared setup of the metric file tests: a fresh run, a scratch directory,
// and whole-file reads for comparing bytes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "metricfile/MetricOutput.h"
#include "ScratchDir.h"
#include "TestText.h"
#include "settings_test_support.h"
#include "util/ProcessState.h"

namespace metricfiletest {

class MetricFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zum::ProcessState::reset();
  }

  void TearDown() override {
    M_closeMetricOutput();
    zum::ProcessState::reset();
  }

  // What a new process starts with: nothing kept from the last run (the
  // metric header memory among it).
  void newProcess() {
    M_closeMetricOutput();
    zum::ProcessState::reset();
  }
  std::string dir() const { return scratch_.dir().string(); }

  // The project file 'proj' in the scratch directory: the output goes to
  // "<dir>/proj.met".
  zum::OutputLocation projectLocation() const {
    const std::string project = dir() + "/proj";
    return zum::OutputLocation{XF_Filename(U_Filename(project), U_Filename(project)), dir()};
  }
  std::string projectMetricFile() const { return dir() + "/proj.met"; }

  static std::string readFile(const std::string& path) { return zumtest::readFile(path); }
  static void writeFile(const std::string& path, const std::string& bytes) { zumtest::writeFile(path, bytes); }

  // The project metric file after `write` ran between opening and closing.
  template <class Write>
  std::string writeProjectFile(Write write) {
    M_openMetricOutput(projectLocation());
    write();
    M_closeMetricOutput();
    return readFile(projectMetricFile());
  }

 private:
  zumtest::ScratchDir scratch_{"zum-metricfile"};
};

// A file with both halves of its name given.
inline XF_Filename file(const std::string& absolute, const std::string& given) {
  return XF_Filename(U_Filename(absolute), U_Filename(given));
}

// Captures what std::cout receives while it lives.
struct CaptureStandardOutput : zumtest::Capture {
  CaptureStandardOutput() : zumtest::Capture(std::cout) {}
};

}  // namespace metricfiletest
