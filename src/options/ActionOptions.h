// The options that do something when met instead of keeping a value:
// read a via file, print a text, forget another option.
#pragma once

#include "options/Option.h"

class C_CmdArgs;

// "via" and "list": the value names a file of further arguments.
class C_OptionVia final : public C_OptionBase {
 public:
  explicit C_OptionVia(std::string_view name) : C_OptionBase(name) {}
  U_String valueText() const override { return U_String(); }
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;
};

// "echo": prints its value on standard output.
class C_OptionEcho final : public C_OptionBase {
 public:
  explicit C_OptionEcho(std::string_view name) : C_OptionBase(name) {}
  U_String valueText() const override { return U_String(); }
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;
};

// "forgetall": resets the option its value names, as the product spells
// option names.
class C_OptionForget final : public C_OptionBase {
 public:
  explicit C_OptionForget(std::string_view name) : C_OptionBase(name) {}

  // The command line whose options this one resets; a copied command line
  // points its copy at itself.
  void setOwner(C_CmdArgs* owner) noexcept { owner_ = owner; }

  U_String valueText() const override { return U_String(); }
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;

 private:
  C_CmdArgs* owner_ = nullptr;
};
