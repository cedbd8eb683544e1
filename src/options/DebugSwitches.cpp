#include "options/DebugSwitches.h"

#include <algorithm>

#include "options/CmdArgs.h"
#include "util/ProcessState.h"

namespace {

struct PublishedDebugValues {
  std::vector<U_String> values;
};

}  // namespace

bool C_isDebugSwitchSet(std::string_view name) {
  const auto& values = zum::ProcessState::get<PublishedDebugValues>().values;
  return std::find(values.begin(), values.end(), name) != values.end();
}

bool C_isDebugSwitchSet(const C_CmdArgs& cmdArgs, std::string_view name) {
  const auto& values = cmdArgs.options().debug().values();
  return std::find(values.begin(), values.end(), name) != values.end();
}

const std::vector<U_String>& C_debugValues() { return zum::ProcessState::get<PublishedDebugValues>().values; }

void C_publishDebugValues(std::vector<U_String> values) {
  zum::ProcessState::get<PublishedDebugValues>().values = std::move(values);
}
