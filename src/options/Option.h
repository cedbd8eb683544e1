// The common face of every option object: its long name, whether it was
// met in an argument source, and how it reads, shows and forgets its value.
#pragma once

#include <string_view>

#include "util/String.h"

class C_ArgStream;

class C_OptionBase {
 public:
  explicit C_OptionBase(std::string_view name) : name_(name) {}
  virtual ~C_OptionBase() = default;

  virtual U_String valueText() const = 0;
  virtual void reset() {}
  // Consumes the option's value from `stream`; `hasInlineValue` says that
  // the stream holds only the text glued to the option name.
  virtual bool parse(C_ArgStream& stream, bool hasInlineValue) = 0;

  // The long name, the one error messages show.
  const U_String& name() const noexcept { return name_; }
  // Set each time the option is met, even when its value turns out bad.
  bool given() const noexcept { return given_; }
  void setGiven(bool given) noexcept { given_ = given; }

 protected:
  C_OptionBase(const C_OptionBase&) = default;
  C_OptionBase& operator=(const C_OptionBase&) = default;

 private:
  U_String name_;
  bool given_ = false;
};
