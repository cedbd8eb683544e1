// The message table: for each message number its level name, its text and
// its second text (a hint), with the levels that "#define" lines give and
// the display names that "#levelname" lines give.
//
// A number defined again replaces the earlier entry only when the new
// entry's level number is higher than the old one's (the option "standard"
// on) or lower (off); otherwise the earlier entry stays.
#pragma once

#include <map>
#include <string_view>
#include <unordered_map>

#include "util/String.h"

struct M_MessageEntry {
  U_String levelName;
  U_String text;
  U_String secondText;  // may be empty
};

class M_MessageTable {
 public:
  // The level number of a level name that no "#define" gave.
  static constexpr int kUndefinedLevel = 99;

  explicit M_MessageTable(bool standard = false) : standard_(standard) {}

  bool standard() const noexcept { return standard_; }

  // "#define" name number description.
  void defineLevel(std::string_view name, int number, std::string_view description);
  // "#levelname" number display-name.
  void nameLevel(int number, std::string_view displayName);
  // A message line; applies the replacement rule.
  void defineMessage(int number, M_MessageEntry entry);

  // Null when the number has no entry.
  const M_MessageEntry* find(int number) const;
  // The entry, or "Unknown error" of level "fatal" for a number without one.
  const M_MessageEntry& entry(int number) const;
  int levelNumber(std::string_view levelName) const;
  // The level number of the message's entry (of "fatal" without one).
  int messageLevel(int number) const { return levelNumber(entry(number).levelName); }
  // The display name of a level number; empty when none was given.
  U_String levelDisplayName(int level) const;
  // The description of a defined level name; empty when none.
  U_String levelDescription(std::string_view levelName) const;

  std::size_t size() const noexcept { return messages_.size(); }
  // Every entry by number, ascending.
  std::map<int, const M_MessageEntry*> entriesByNumber() const;

 private:
  struct Level {
    int number = kUndefinedLevel;
    U_String description;
  };

  bool standard_;
  std::unordered_map<int, M_MessageEntry> messages_;
  std::map<U_String, Level, std::less<>> levels_;
  std::map<int, U_String> displayNames_;
};
