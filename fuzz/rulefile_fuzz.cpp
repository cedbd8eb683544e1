// Feeds arbitrary bytes to the name rule file reader as a rule file's text,
// then matches what it accepted against a few names. Nothing may crash or
// hang; a file without errors has no error text, and a failed one has.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "namecheck/RuleFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zum::RuleFileContent content = zum::readRuleText(text);
  if (content.failed == content.errors.empty()) std::abort();
  static const char* const names[] = {"", "foo", "Foo_Bar9", "::@UN1", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!"};
  for (const zum::NameRule& rule : content.rules) {
    for (const char* name : names) {
      for (const zum::RuleExpression* e : {&rule.type, &rule.pattern, &rule.filename, &rule.nameSpace})
        if (e->isSet()) (void)e->regex.matches(name);
    }
  }
  return 0;
}
