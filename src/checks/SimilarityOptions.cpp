#include "checks/SimilarityOptions.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>

#include "anlsrslt/include/PI_Interface.h"
#include "namecheck/Json.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

constexpr char kOptionGroup[] = "close_name";

// Adds the strings of the JSON array `option` holds that are at least
// `shortest` characters long.
void addStrings(PI_OptionHandle option, std::size_t shortest, std::set<std::string>& into) {
  constexpr char kFailure[] = "ERROR: option parsing";
  // "similar+" or a bare "similar" carries no value to read.
  const char separator = PI_getOption(option)[std::strlen(PI_getOptionName(option))];
  if (separator != ' ' && separator != '=') {
    std::cout << kFailure << '\n';
    return;
  }
  try {
    JsonValue value;
    parseJson(PI_getOptionValue(option), -1, value);
    if (value.type() != JsonType::Array) return;
    for (const JsonValue& item : value.asArray())
      if (item.type() == JsonType::String && item.asString().size() >= shortest) into.insert(item.asString());
  } catch (const JsonError& error) {
    std::cout << kFailure << ": " << error.message << " line:" << error.line << " column: " << error.column
              << '\n';
  } catch (const std::exception&) {
    std::cout << kFailure << '\n';
  }
}

// A decimal integer; 0 or less, or no number at all, gives the default.
int significantCharacters(const char* text) {
  const long value = std::strtol(text, nullptr, 10);
  if (value <= 0) return kDefaultSignificantCharacters;
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

SimilaritySettings readSettings() {
  SimilaritySettings settings;
  for (int it = PI_getFirstOption(kOptionGroup); !PI_isOptionIterEnd(it); PI_getOptionIterNext(it)) {
    PI_OptionHandle option = PI_getOptionIterData(it);
    const std::string_view name = PI_getOptionName(option);
    if (name == "similar")
      addStrings(option, 2, settings.similar);
    else if (name == "ignore")
      addStrings(option, 1, settings.ignore);
    else if (name == "any_case")
      settings.anyCase = PI_isOptionTrue(option);
    else if (name == "sig_char")
      settings.significant = significantCharacters(PI_getOptionValue(option));
  }
  return settings;
}

struct SimilarityOptionsState {
  bool read = false;
  SimilaritySettings settings;
};

}  // namespace

const SimilaritySettings& similaritySettings() {
  SimilarityOptionsState& state = ProcessState::get<SimilarityOptionsState>();
  if (!state.read) {
    state.settings = readSettings();
    state.read = true;
  }
  return state.settings;
}

}  // namespace zum
