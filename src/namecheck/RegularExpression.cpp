#include "namecheck/RegularExpression.h"

#include <pcre2posix.h>

namespace zum {

namespace {

const std::string& limitPrefix() {
  static const std::string prefix = "(*LIMIT_MATCH=" + std::to_string(kRegexMatchLimit) + ")";
  return prefix;
}

// PCRE2 marks a failure without a place with an offset of -1.
constexpr std::size_t kNoOffset = static_cast<std::size_t>(-1);

}  // namespace

struct RegularExpression::Compiled {
  regex_t regex{};

  ~Compiled() { regfree(&regex); }
};

RegularExpression::RegularExpression() = default;
RegularExpression::~RegularExpression() = default;
RegularExpression::RegularExpression(RegularExpression&& other) noexcept = default;
RegularExpression& RegularExpression::operator=(RegularExpression&& other) noexcept = default;

std::optional<std::string> RegularExpression::compile(const std::string& expression) {
  compiled_.reset();
  const std::string limited = limitPrefix() + expression;
  regex_t regex{};
  const int status = regcomp(&regex, limited.c_str(), 0);
  if (status == 0) {
    compiled_ = std::make_unique<Compiled>();
    compiled_->regex = regex;
    return std::nullopt;
  }
  // The offset is told in the expression as the user wrote it.
  if (regex.re_erroffset != kNoOffset && regex.re_erroffset >= limitPrefix().size())
    regex.re_erroffset -= limitPrefix().size();
  char text[512];
  regerror(status, &regex, text, sizeof text);
  return std::string(text);
}

bool RegularExpression::matches(const char* text) const {
  return compiled_ && regexec(&compiled_->regex, text, 0, nullptr, 0) == 0;
}

}  // namespace zum
