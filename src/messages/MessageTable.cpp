#include "messages/MessageTable.h"

void M_MessageTable::defineLevel(std::string_view name, int number, std::string_view description) {
  Level& level = levels_[U_String(name)];
  level.number = number;
  level.description = U_String(description);
}

void M_MessageTable::nameLevel(int number, std::string_view displayName) {
  displayNames_[number] = U_String(displayName);
}

void M_MessageTable::defineMessage(int number, M_MessageEntry entry) {
  auto [at, added] = messages_.try_emplace(number, entry);
  if (added) return;
  const int oldLevel = levelNumber(at->second.levelName);
  const int newLevel = levelNumber(entry.levelName);
  if (standard_ ? newLevel > oldLevel : newLevel < oldLevel) at->second = std::move(entry);
}

const M_MessageEntry* M_MessageTable::find(int number) const {
  auto at = messages_.find(number);
  return at == messages_.end() ? nullptr : &at->second;
}

const M_MessageEntry& M_MessageTable::entry(int number) const {
  static const M_MessageEntry unknown{"fatal", "Unknown error", ""};
  const M_MessageEntry* found = find(number);
  return found ? *found : unknown;
}

int M_MessageTable::levelNumber(std::string_view levelName) const {
  auto at = levels_.find(levelName);
  return at == levels_.end() ? kUndefinedLevel : at->second.number;
}

U_String M_MessageTable::levelDisplayName(int level) const {
  auto at = displayNames_.find(level);
  return at == displayNames_.end() ? U_String() : at->second;
}

U_String M_MessageTable::levelDescription(std::string_view levelName) const {
  auto at = levels_.find(levelName);
  return at == levels_.end() ? U_String() : at->second.description;
}

std::map<int, const M_MessageEntry*> M_MessageTable::entriesByNumber() const {
  std::map<int, const M_MessageEntry*> sorted;
  for (const auto& [number, entry] : messages_) sorted.emplace(number, &entry);
  return sorted;
}
