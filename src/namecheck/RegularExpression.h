// A compiled regular expression of a name rule, through the POSIX-style
// interface of PCRE2.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace zum {

// Each match attempt from one start position may take this many steps of
// the matcher (PCRE2's match limit, put in front of the expression as a
// "(*LIMIT_MATCH=...)" item, since the POSIX interface sets no limits).
// Naming expressions need a few steps per character; an expression that
// backtracks without end gives up after some milliseconds instead, and
// does not match. An expression may set its own limit, up to PCRE2's
// default.
inline constexpr long kRegexMatchLimit = 50000;

class RegularExpression {
 public:
  RegularExpression();
  ~RegularExpression();
  RegularExpression(RegularExpression&& other) noexcept;
  RegularExpression& operator=(RegularExpression&& other) noexcept;

  // Compiles `expression` without options. On failure gives PCRE2's text
  // for it, with the offset in `expression` where it has one, at most 511
  // bytes; the expression then matches nothing.
  std::optional<std::string> compile(const std::string& expression);

  bool isCompiled() const noexcept { return compiled_ != nullptr; }
  // Whether the expression matches anywhere in `text`. Running into the
  // match limit counts as no match.
  bool matches(const char* text) const;

 private:
  // The POSIX declarations of PCRE2 stay out of this header: they clash
  // with the C library's <regex.h>, which other code may include.
  struct Compiled;
  std::unique_ptr<Compiled> compiled_;
};

}  // namespace zum
