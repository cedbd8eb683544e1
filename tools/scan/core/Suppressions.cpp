#include "core/Suppressions.h"

#include <cctype>

namespace scan {

namespace {

constexpr std::string_view kMarker = "zum:";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimFront(std::string_view text, std::string_view drop) {
  while (!text.empty() && drop.find(text.front()) != std::string_view::npos) text.remove_prefix(1);
  return text;
}

std::string_view trimBack(std::string_view text) {
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The text inside the comment marks.
std::string_view commentBody(std::string_view comment) {
  if (comment.starts_with("/*")) {
    comment.remove_prefix(2);
    if (comment.ends_with("*/")) comment.remove_suffix(2);
  } else if (comment.starts_with("//")) {
    comment.remove_prefix(2);
  }
  return trimBack(trimFront(comment, "/*! \t"));
}

std::string_view takeWord(std::string_view& text) {
  text = trimFront(text, " \t\r\n");
  std::size_t end = 0;
  while (end < text.size() && !isBlank(text[end]) && text[end] != ',') ++end;
  std::string_view word = text.substr(0, end);
  text.remove_prefix(end);
  return word;
}

bool isNumber(std::string_view text) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// Reads "1503", "1500-1503" and lists of them (blanks or commas between)
// until a word that is none of these.
bool readRanges(std::string_view text, std::vector<MessageRange>& ranges, std::string& problem) {
  for (;;) {
    text = trimFront(text, " \t\r\n,");
    if (text.empty()) break;
    std::string_view saved = text;
    std::string_view word = takeWord(text);
    std::size_t dash = word.find('-');
    std::string_view first = word.substr(0, dash);
    std::string_view last = dash == std::string_view::npos ? first : word.substr(dash + 1);
    if (!isNumber(first) || !isNumber(last)) {
      if (ranges.empty()) problem = "'" + std::string(word) + "' is not a message number or range";
      text = saved;  // a remark after the list
      break;
    }
    if (std::stol(std::string(first)) > std::stol(std::string(last))) std::swap(first, last);
    ranges.emplace_back(std::string(first), std::string(last));
  }
  if (ranges.empty() && problem.empty()) problem = "no message numbers";
  return !ranges.empty();
}

}  // namespace

std::optional<SuppressionDirective> parseSuppressionComment(std::string_view comment, std::string& problem) {
  problem.clear();
  std::string_view body = commentBody(comment);
  if (!body.starts_with(kMarker)) return std::nullopt;
  std::string_view rest = body.substr(kMarker.size());
  std::string_view keyword = takeWord(rest);
  SuppressionDirective directive;
  directive.text = std::string(body);
  if (keyword == "suppress") {
    directive.kind = SuppressionDirective::Kind::Lines;
  } else if (keyword == "suppress-begin") {
    directive.kind = SuppressionDirective::Kind::Begin;
  } else if (keyword == "suppress-end") {
    directive.kind = SuppressionDirective::Kind::End;
    return directive;
  } else {
    problem = "unknown directive '" + std::string(keyword) +
              "' (zum: suppress, zum: suppress-begin and zum: suppress-end are known)";
    return std::nullopt;
  }
  if (!readRanges(rest, directive.ranges, problem)) return std::nullopt;
  return directive;
}

std::string SuppressionCollector::add(const std::string& file, int line, int column, int lastLine,
                                      SuppressionDirective directive) {
  using Kind = SuppressionDirective::Kind;
  if (directive.kind == Kind::End) {
    for (std::size_t i = open_.size(); i-- > 0;) {
      SuppressionRegion& region = regions_[open_[i]];
      if (region.file != file) continue;
      region.lastLine = lastLine;
      open_.erase(open_.begin() + static_cast<std::ptrdiff_t>(i));
      return {};
    }
    return "zum: suppress-end without a zum: suppress-begin before it";
  }
  SuppressionRegion region;
  region.file = file;
  region.line = line;
  region.column = column;
  region.text = std::move(directive.text);
  region.ranges = std::move(directive.ranges);
  region.firstLine = line;
  region.lastLine = lastLine;
  region.region = directive.kind == Kind::Begin;
  if (region.region) open_.push_back(regions_.size());
  regions_.push_back(std::move(region));
  return {};
}

}  // namespace scan
