// The options that hold one value: a switch, a number, a text, a file name.
// For each the last occurrence in the argument sources wins.
#pragma once

#include <cstdint>

#include "options/Option.h"

class C_OptionBool final : public C_OptionBase {
 public:
  C_OptionBool(std::string_view name, bool defaultValue)
      : C_OptionBase(name), value_(defaultValue), default_(defaultValue) {}

  bool value() const noexcept { return value_; }
  void set(bool value) noexcept { value_ = value; }

  U_String valueText() const override { return value_ ? "+ (on)" : "- (off)"; }
  void reset() override { value_ = default_; }
  // "-x" switches on; glued to the name only "+" and "-" are values.
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;

 private:
  bool value_;
  bool default_;
};

class C_OptionInt final : public C_OptionBase {
 public:
  C_OptionInt(std::string_view name, std::int32_t defaultValue)
      : C_OptionBase(name), value_(defaultValue), default_(defaultValue) {}

  std::int32_t value() const noexcept { return value_; }

  U_String valueText() const override { return std::to_string(value_); }
  void reset() override { value_ = default_; }
  // Reads leading digits as a decimal stream would: "12abc" is 12, "abc" 0.
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;

 private:
  std::int32_t value_;
  std::int32_t default_;
};

class C_OptionString final : public C_OptionBase {
 public:
  explicit C_OptionString(std::string_view name, std::string_view defaultValue = {})
      : C_OptionBase(name), value_(defaultValue), default_(defaultValue) {}

  const U_String& value() const noexcept { return value_; }

  U_String valueText() const override { return value_; }
  void reset() override { value_ = default_; }
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;

 private:
  U_String value_;
  U_String default_;
};

// A text shown to the user, kept in the internal encoding.
class C_OptionI8NString final : public C_OptionBase {
 public:
  explicit C_OptionI8NString(std::string_view name, std::string_view defaultValue = {})
      : C_OptionBase(name), value_(defaultValue), default_(defaultValue) {}

  const U_String& value() const noexcept { return value_; }

  U_String valueText() const override { return value_; }
  void reset() override { value_ = default_; }
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;

 private:
  U_String value_;
  U_String default_;
};

// A file name in the internal encoding with "/" as its separator.
class C_OptionFilename final : public C_OptionBase {
 public:
  explicit C_OptionFilename(std::string_view name) : C_OptionBase(name) {}

  const U_String& value() const noexcept { return value_; }

  U_String valueText() const override;
  void reset() override { value_.clear(); }
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;

 private:
  U_String value_;
};

// How every file-name option and via file takes a name typed by the user.
U_String C_fileNameFromInput(std::string_view text);
