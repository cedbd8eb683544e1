#include "checks/IdentifierNormaliser.h"

namespace zum {

namespace {

constexpr unsigned kFirstGroupCode = 130;

void toLowerCase(std::string& text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

}  // namespace

IdentifierNormaliser::IdentifierNormaliser(const SimilaritySettings& settings)
    : ignore_(settings.ignore.begin(), settings.ignore.end()),
      anyCase_(settings.anyCase),
      active_(!settings.similar.empty() || !settings.ignore.empty() || settings.anyCase) {
  for (unsigned c = 0; c < table_.size(); ++c) table_[c] = static_cast<unsigned char>(c);
  // The codes count up from 130 and, past 255, wrap around as a byte does.
  unsigned code = kFirstGroupCode;
  for (const std::string& group : settings.similar) {
    for (char c : group) table_[static_cast<unsigned char>(c)] = static_cast<unsigned char>(code);
    ++code;
  }
}

void removeEveryOccurrence(std::string& text, std::string_view removed) {
  // The text is copied onto itself; whenever what has been copied ends in
  // `removed`, that end is dropped. What is left to the left of the copy
  // point never holds `removed`, so the occurrence dropped is always the
  // first one of the text as it stands then.
  const std::size_t length = removed.size();
  std::size_t kept = 0;
  for (std::size_t read = 0; read < text.size(); ++read) {
    text[kept++] = text[read];
    if (kept >= length && text.compare(kept - length, length, removed) == 0) kept -= length;
  }
  text.resize(kept);
}

void IdentifierNormaliser::normalise(std::string_view name, std::string& translated, std::string& stripped) const {
  stripped.assign(name);
  for (const std::string& removed : ignore_) removeEveryOccurrence(stripped, removed);
  translated.resize(stripped.size());
  for (std::size_t i = 0; i < stripped.size(); ++i)
    translated[i] = static_cast<char>(table_[static_cast<unsigned char>(stripped[i])]);
  if (anyCase_) {
    toLowerCase(translated);
    toLowerCase(stripped);
  }
}

}  // namespace zum
