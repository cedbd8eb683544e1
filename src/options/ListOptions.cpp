#include "options/ListOptions.h"

#include <iostream>
#include <sstream>

#include "options/OptionMatch.h"
#include "options/TextTranslation.h"
#include "options/ValueOptions.h"
#include "util/NumberList.h"

namespace zum {

const char* const* CStringArrayCache::get(const std::vector<U_String>& values) const {
  // Every change of the list discards the array, so an empty one is stale.
  if (pointers_.empty()) {
    pointers_.reserve(values.size() + 1);
    for (const U_String& value : values) pointers_.push_back(value.c_str());
    pointers_.push_back(nullptr);
  }
  return pointers_.data();
}

}  // namespace zum

namespace {

U_String joined(const std::vector<U_String>& values, std::string_view separator) {
  U_String text;
  for (const U_String& value : values) {
    if (&value != &values.front()) text += separator;
    text += value;
  }
  return text;
}

}  // namespace

U_String C_OptionStringList::valueText() const { return joined(values_, ", "); }

void C_OptionStringList::reset() {
  values_.clear();
  cache_.discard();
}

bool C_OptionStringList::parse(C_ArgStream& stream, bool) {
  values_.push_back(readOptionValue(name(), stream));
  cache_.discard();
  return true;
}

U_String C_OptionIntList::valueText() const {
  U_String text;
  for (const auto& [low, high] : numbers_.ranges()) {
    if (!text.empty()) text += ',';
    text += std::to_string(low);
    if (high != low) text += '-' + std::to_string(high);
  }
  return text;
}

bool C_OptionIntList::parse(C_ArgStream& stream, bool) {
  // A long list can carry many overlong ranges; one write keeps their
  // warnings cheap.
  std::ostringstream warnings;
  for (const U_NumberRange& range : U_parseNumberList(readOptionValue(name(), stream), warnings)) {
    numbers_.add(range.low, range.high);
  }
  const std::string text = warnings.str();
  if (!text.empty()) std::cerr.write(text.data(), static_cast<std::streamsize>(text.size())).flush();
  return true;
}

U_String C_OptionFilenameList::valueText(std::string_view separator) const {
  U_String text;
  for (const U_String& value : values_) {
    if (&value != &values_.front()) text += separator;
    text += XF_toDisplay(value);
  }
  return text;
}

void C_OptionFilenameList::reset() {
  values_.clear();
  cache_.discard();
}

bool C_OptionFilenameList::parse(C_ArgStream& stream, bool) {
  values_.push_back(C_fileNameFromInput(readOptionValue(name(), stream)));
  cache_.discard();
  return true;
}
