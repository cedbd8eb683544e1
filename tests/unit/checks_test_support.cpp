#include "checks_test_support.h"

#include <fstream>
#include <iterator>

#include "anlsrslt/model/Callbacks.h"
#include "checks/Reporting.h"
#include "metricfile/MetricOutput.h"
#include "util/ProcessState.h"

namespace checkstest {

namespace {

std::vector<std::string>& reported() {
  static std::vector<std::string> all;
  return all;
}

int messageNumberOf(const std::string& debugText) {
  const std::size_t at = debugText.find("Msg=");
  return at == std::string::npos ? -1 : std::stoi(debugText.substr(at + 4));
}

}  // namespace

void ChecksTest::SetUp() {
  ModelTest::SetUp();
  reported().clear();
  zum::setFindingSink([](const M_Diagnostic& diagnostic) {
    reported().push_back(modeltest::readable(diagnostic.debugText().c_str()));
  });
}

void ChecksTest::TearDown() {
  M_closeMetricOutput();
  ModelTest::TearDown();
}

void ChecksTest::runProject(const std::map<std::string, std::string>& sources, std::vector<std::string> order) {
  if (order.empty())
    for (const auto& [name, content] : sources) order.push_back(name);
  int index = 0;
  for (const std::string& name : order) readSourceText(name, sources.at(name), ++index, static_cast<int>(order.size()));
  P_raiseEndEvent();
}

void ChecksTest::openMetricOutput() {
  const std::string project = (outputDirectory_ / "proj").string();
  M_openMetricOutput(zum::OutputLocation{XF_Filename(project), outputDirectory_.string()});
}

std::string ChecksTest::projectMetricFile() {
  M_closeMetricOutput();
  std::ifstream in(outputDirectory_ / "proj.met", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::vector<std::string>& ChecksTest::findings() const { return reported(); }

std::vector<std::string> ChecksTest::findingsOf(int messageNumber) const {
  std::vector<std::string> out;
  for (const std::string& text : reported())
    if (messageNumberOf(text) == messageNumber) out.push_back(text);
  return out;
}

std::size_t ChecksTest::countOf(int messageNumber) const { return findingsOf(messageNumber).size(); }

}  // namespace checkstest
