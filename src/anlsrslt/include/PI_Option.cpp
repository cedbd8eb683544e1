// The options of the analysis modules ("prodoption" KEY::VALUE).
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/ModuleOptions.h"
#include "anlsrslt/model/impl/IteratorContainers.h"
#include "util/StringStore.h"

namespace {

constexpr const char* kUnit = "Option";

std::string_view checkedOption(const char* option) {
  U_check(option != nullptr, kUnit, __LINE__, "0 != option && \"Dont dereference 0.\"");
  return option;
}

}  // namespace

extern "C" {

int PI_getFirstOption(const char* value) {
  U_check(value != nullptr, kUnit, __LINE__, "0 != value && \"Do not call getFirstOption with a null option\"");
  return zum::iterateAll(zum::iteratorContainers().options, zum::moduleOptions().values(value));
}
PI_OptionHandle PI_getOptionIterData(int iterator) {
  return zum::elementOr(zum::iteratorContainers().options, iterator, static_cast<const char*>(nullptr));
}
bool PI_getOptionIterNext(int iterator) { return zum::iteratorContainers().options.next(iterator); }
bool PI_isOptionIterEnd(int iterator) { return zum::iteratorContainers().options.isEnd(iterator); }

const char* PI_getOption(PI_OptionHandle option) { return checkedOption(option).data(); }

const char* PI_getOptionName(PI_OptionHandle option) {
  return U_Identifier(zum::splitOptionValue(checkedOption(option)).name).c_str();
}

bool PI_isOptionTrue(PI_OptionHandle option) {
  const char separator = zum::splitOptionValue(checkedOption(option)).separator;
  U_check(separator == 0 || separator == '+' || separator == '-', kUnit, __LINE__,
          "(0 == sep || '+' == sep || '-' == sep) && \"Boolean options should be:  option[+|-]+\"");
  return separator != '-';
}

const char* PI_getOptionValue(PI_OptionHandle option) {
  const zum::OptionValueParts parts = zum::splitOptionValue(checkedOption(option));
  U_check(parts.separator == ' ' || parts.separator == '=', kUnit, __LINE__,
          "(' ' == sep || '=' == sep) && \"Value options should be:  option[ |=].*\"");
  return U_Identifier(parts.value).c_str();
}

}  // extern "C"
