// Shared pieces of the tests of the cross-module checks and project
// metrics: a fresh run with the default settings, sources written as
// metric files, the findings of the run as readable debug texts, and the
// project metric file.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TestText.h"
#include "model_test_support.h"
#include "settings_test_support.h"

namespace checkstest {

class ChecksTest : public modeltest::ModelTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Reads the metric file text of each source, in order (keys in map order
  // unless `order` is given), and raises the end event.
  void runProject(const std::map<std::string, std::string>& sources, std::vector<std::string> order = {});
  // Starts a fresh run, with the modules of SetUp configured again.
  void restart() {
    TearDown();
    SetUp();
  }
  // Opens the project metric output ("<dir>/proj.met") before the run.
  void openMetricOutput();
  // Closes it and gives its bytes.
  std::string projectMetricFile();

  // The findings reported so far, as debug texts with the list markers of
  // names shown as < > ( ) ,.
  const std::vector<std::string>& findings() const;
  // Those of one message number, and their count.
  std::vector<std::string> findingsOf(int messageNumber) const;
  std::size_t countOf(int messageNumber) const;
};

using zumtest::entity;

}  // namespace checkstest
