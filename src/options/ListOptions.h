// The options that collect every occurrence: text lists, number lists and
// file-name lists.
#pragma once

#include <vector>

#include "options/IntervalSet.h"
#include "options/Option.h"

namespace zum {

// A null-terminated array of the values' C strings for the plug-in
// interface; rebuilt after every change and never copied with its owner.
class CStringArrayCache {
 public:
  CStringArrayCache() = default;
  CStringArrayCache(const CStringArrayCache&) {}
  CStringArrayCache& operator=(const CStringArrayCache&) {
    discard();
    return *this;
  }

  const char* const* get(const std::vector<U_String>& values) const;
  void discard() noexcept { pointers_.clear(); }

 private:
  mutable std::vector<const char*> pointers_;
};

}  // namespace zum

class C_OptionStringList final : public C_OptionBase {
 public:
  explicit C_OptionStringList(std::string_view name) : C_OptionBase(name) {}

  const std::vector<U_String>& values() const noexcept { return values_; }
  const char* const* cStrings() const { return cache_.get(values_); }

  U_String valueText() const override;
  void reset() override;
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;

 private:
  std::vector<U_String> values_;
  zum::CStringArrayCache cache_;
};

class C_OptionIntList final : public C_OptionBase {
 public:
  explicit C_OptionIntList(std::string_view name) : C_OptionBase(name) {}

  bool contains(int number) const { return numbers_.contains(number); }
  bool empty() const noexcept { return numbers_.empty(); }
  const zum::IntervalSet& numbers() const noexcept { return numbers_; }

  // The ranges as "1-5,7".
  U_String valueText() const override;
  void reset() override { numbers_.clear(); }
  // Takes "1,3-5;7"; overlong ranges are cut with a warning on standard error.
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;

 private:
  zum::IntervalSet numbers_;
};

class C_OptionFilenameList final : public C_OptionBase {
 public:
  explicit C_OptionFilenameList(std::string_view name) : C_OptionBase(name) {}

  const std::vector<U_String>& values() const noexcept { return values_; }
  const char* const* cStrings() const { return cache_.get(values_); }

  U_String valueText() const override { return valueText(", "); }
  virtual U_String valueText(std::string_view separator) const;
  void reset() override;
  bool parse(C_ArgStream& stream, bool hasInlineValue) override;

 private:
  std::vector<U_String> values_;
  zum::CStringArrayCache cache_;
};
