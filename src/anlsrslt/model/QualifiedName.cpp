#include "anlsrslt/model/QualifiedName.h"

#include <bit>
#include <cstdint>

#include "util/WordBytes.h"

namespace zum {

namespace {

bool isIdentifierChar(char c) noexcept {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
}

// The two-letter codes after "@" that begin a special component (a
// constructor, destructor, unnamed namespace, block...), which reads like
// an identifier. Any other "@" opens a part that runs to the next "@".
bool isSpecialComponentCode(std::string_view text) noexcept {
  static constexpr const char* kCodes[] = {"co", "de", "UN", "BL", "pr", "Fu", "Cl", "dp", "un"};
  if (text.size() < 2) return false;
  for (const char* code : kCodes)
    if (text[0] == code[0] && text[1] == code[1]) return true;
  return false;
}

bool isOperatorChar(char c) noexcept { return c != '\0' && std::strchr("+-*/%^&|~!=<>,", c) != nullptr; }

// The bytes that may open, close or separate something inside a list;
// runs of other bytes are copied whole.
struct ListStopTable {
  bool stop[256] = {};
  constexpr ListStopTable() {
    for (char c : {'(', '[', '{', ')', ']', '}', '<', '>', ','}) stop[static_cast<unsigned char>(c)] = true;
  }
};
constexpr ListStopTable kListStop;

// Copies the list that starts at raw[i] (an '(' or '<') to `out`, marking
// its brackets (and, for a parameter list, the commas between parameters),
// and returns the index after it. Nested brackets are copied as they are;
// '<' and '>' count only outside nested parentheses, and the '>' of "->"
// never closes anything.
std::size_t copyOuterList(std::string_view raw, std::size_t i, std::string& out) {
  const bool params = raw[i] == '(';
  out += params ? kParamsOpen : kTemplateOpen;
  int brackets = 0;  // (), [] and {} inside the list
  int angles = 0;    // <> inside the list
  std::size_t pending = ++i;  // raw[pending, i) is still to be copied
  const auto copyWith = [&](char marker) {
    out.append(raw.substr(pending, i - pending));
    out += marker;
    pending = i + 1;
  };
  for (; i < raw.size(); ++i) {
    const char c = raw[i];
    if (!kListStop.stop[static_cast<unsigned char>(c)]) continue;
    switch (c) {
      case '(':
      case '[':
      case '{':
        ++brackets;
        break;
      case ']':
      case '}':
        if (brackets > 0) --brackets;
        break;
      case ')':
        if (brackets == 0 && params) {
          copyWith(kParamsClose);
          return i + 1;
        }
        if (brackets > 0) --brackets;
        break;
      case '<':
        if (brackets == 0) ++angles;
        break;
      case '>':
        if (brackets != 0 || raw[i - 1] == '-') break;
        if (angles > 0) {
          --angles;
        } else if (!params) {
          copyWith(kTemplateClose);
          return i + 1;
        }
        break;
      case ',':
        if (params && brackets == 0 && angles == 0) copyWith(kParamSeparator);
        break;
      default:
        break;
    }
  }
  out.append(raw.substr(pending));
  return i;  // an unclosed list runs to the end of the name
}

// Copies a brace group starting at raw[i] == '{' verbatim.
std::size_t copyBraces(std::string_view raw, std::size_t i, std::string& out) {
  int depth = 0;
  std::size_t start = i;
  for (; i < raw.size(); ++i) {
    if (raw[i] == '{') ++depth;
    if (raw[i] == '}' && --depth == 0) {
      ++i;
      break;
    }
  }
  out.append(raw.substr(start, i - start));
  return i;
}

// An "@" part at the start of a component: returns the index after it.
std::size_t copyAtPart(std::string_view raw, std::size_t i, std::string& out) {
  std::size_t start = i++;
  if (isSpecialComponentCode(raw.substr(i))) {
    while (i < raw.size() && isIdentifierChar(raw[i])) ++i;
  } else {
    std::size_t close = raw.find('@', i);
    i = close == std::string_view::npos ? raw.size() : close + 1;
  }
  out.append(raw.substr(start, i - start));
  return i;
}

// "operator" followed by the operator's own characters, which must not be
// taken for a template list ("operator<") or a parameter list ("operator()").
std::size_t copyOperatorSymbol(std::string_view raw, std::size_t i, std::string& out) {
  std::size_t start = i;
  if (raw.substr(i, 2) == "()" || raw.substr(i, 2) == "[]") {
    i += 2;
  } else {
    while (i < raw.size() && isOperatorChar(raw[i])) ++i;
  }
  out.append(raw.substr(start, i - start));
  return i;
}

// Characters that may change how the rest of a name is copied; a name
// without any of them but ':' is copied as it is.
struct SpecialTable {
  bool special[256] = {};
  constexpr SpecialTable() {
    for (char c : {':', '(', '<', '{', '@', kTemplateOpen, kParamsOpen}) special[static_cast<unsigned char>(c)] = true;
  }
};
constexpr SpecialTable kSpecial;

bool isSpecial(char c) noexcept { return kSpecial.special[static_cast<unsigned char>(c)]; }

bool needsMarking(std::string_view raw) noexcept {
  for (char c : raw)
    if (c != ':' && isSpecial(c)) return true;
  return false;
}

// A list that is marked already (a name handed back by a query) is copied
// as it is, so that marking a marked name changes nothing.
std::size_t copyMarkedList(std::string_view raw, std::size_t i, std::string& out) {
  const char close = raw[i] == kTemplateOpen ? kTemplateClose : kParamsClose;
  std::size_t end = raw.find(close, i + 1);
  end = end == std::string_view::npos ? raw.size() : end + 1;
  out.append(raw.substr(i, end - i));
  return end;
}

}  // namespace

void markQualifiedName(std::string_view raw, std::string& out) {
  out.clear();
  // Most names have no list, brace or "@" part: nothing to mark.
  if (!needsMarking(raw)) {
    out.assign(raw);
    return;
  }
  std::size_t componentStart = 0;  // in `out`
  std::size_t i = 0;
  if (!raw.empty() && raw[0] == '@') i = copyAtPart(raw, 0, out);
  while (i < raw.size()) {
    std::size_t run = i;
    while (run < raw.size() && !isSpecial(raw[run])) ++run;
    out.append(raw.substr(i, run - i));
    i = run;
    if (i == raw.size()) break;
    const char c = raw[i];
    const bool afterOperator = std::string_view(out).substr(componentStart) == "operator";
    if (c == ':' && i + 1 < raw.size() && raw[i + 1] == ':') {
      out += "::";
      i += 2;
      componentStart = out.size();
      if (i < raw.size() && raw[i] == '@') i = copyAtPart(raw, i, out);
    } else if (c == kTemplateOpen || c == kParamsOpen) {
      i = copyMarkedList(raw, i, out);
    } else if ((c == '<' || raw.substr(i, 2) == "()") && afterOperator) {
      i = copyOperatorSymbol(raw, i, out);
    } else if (c == '(') {
      i = copyOuterList(raw, i, out);
    } else if (c == '<' && out.size() > componentStart && isIdentifierChar(out.back())) {
      i = copyOuterList(raw, i, out);
    } else if (c == '{') {
      i = copyBraces(raw, i, out);
    } else {
      out += c;  // a lone ':', a '<' that opens nothing, an '@' inside a component
      ++i;
    }
  }
}

std::string_view symbolKeyText(std::string_view marked) noexcept {
  if (marked.empty() || marked.back() != kTemplateClose) return marked;
  std::size_t open = marked.rfind(kTemplateOpen);
  return open == std::string_view::npos ? marked : marked.substr(0, open);
}

namespace {

using word_bytes::bytesEqual;
using word_bytes::kHigh;

// True when `text` holds a byte that gives a name structure beyond its
// "::" separators: a list marker (bytes from 0x80 up), a brace or an "@".

bool hasStructureBytes(std::string_view text) noexcept {
  const auto structureIn = [&text](std::size_t at) {
    const std::uint64_t word = word_bytes::load(text, at);
    return (word & kHigh) | bytesEqual(word, '{') | bytesEqual(word, '}') | bytesEqual(word, '@');
  };
  std::size_t i = 0;
  if (text.size() >= 8) {
    // Whole words, the last one overlapping the one before.
    for (; i + 8 < text.size(); i += 8)
      if (structureIn(i)) return true;
    return structureIn(text.size() - 8) != 0;
  }
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80 || c == '{' || c == '}' || c == '@') return true;
  }
  return false;
}

// The high bit of each byte of `word` equal to `byte`, exactly (no borrow
// marks a byte above one that is equal).
constexpr std::uint64_t bytesEqualExactly(std::uint64_t word, unsigned char byte) noexcept {
  constexpr std::uint64_t kLow = ~kHigh;
  const std::uint64_t x = word ^ (word_bytes::kOnes * byte);
  return ~(((x & kLow) + kLow) | x | kLow);
}

// The high bit of each byte of `word` from '{' (0x7B) up: the braces and
// the list markers, and '|', '~' and 0x7F, which a plain name may hold but
// seldom does. Fewer steps than asking for each of them.
constexpr std::uint64_t bytesFromBrace(std::uint64_t word) noexcept {
  constexpr std::uint64_t kLow = ~kHigh;
  return (((word & kLow) + word_bytes::kOnes * (0x80 - '{')) | word) & kHigh;
}

// One pass from the end over a name of at least eight bytes, a word at a
// time: whether it is free of structure bytes (false also for a few names
// that are, see bytesFromBrace), and where its last colon is (npos when it
// has none). Most names are plain, and most end with
// "::" and an identifier, so this finds their split without a second pass.
bool scanPlainName(std::string_view text, std::size_t& lastColon) noexcept {
  lastColon = std::string_view::npos;
  std::uint64_t structure = 0;
  for (std::size_t end = text.size();;) {
    // The last word read overlaps the one before, whose bytes held no
    // colon if none is found yet.
    const std::size_t start = end >= 8 ? end - 8 : 0;
    const std::uint64_t word = word_bytes::load(text, start);
    structure |= bytesFromBrace(word) | bytesEqual(word, '@');
    if (lastColon == std::string_view::npos) {
      if (const std::uint64_t colons = bytesEqualExactly(word, ':'))
        lastColon = start + static_cast<std::size_t>(63 - std::countl_zero(colons)) / 8;
    }
    if (start == 0) return structure == 0;
    end = start;
  }
}

// The last "::" of a name without structure bytes, found the way the full
// scan finds it: from the left, each separator consuming both colons.
std::size_t lastPlainSeparator(std::string_view name) noexcept {
  std::size_t last = std::string_view::npos;
  std::size_t i = 0;
  while (i < name.size()) {
    const void* colon = std::memchr(name.data() + i, ':', name.size() - i);
    if (!colon) break;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(colon) - name.data());
    if (at + 1 < name.size() && name[at + 1] == ':') {
      last = at;
      i = at + 2;
    } else {
      i = at + 1;
    }
  }
  return last;
}

// The first byte at or after `i` that can change the state of a split: a
// list marker (any byte from 0x80 up), a brace, and a colon when `colons`;
// `text.size()` when there is none. Looks at eight bytes at a time.
std::size_t nextSplitStop(std::string_view text, std::size_t i, bool colons) noexcept {
  for (; i + 8 <= text.size(); i += 8) {
    const std::uint64_t word = word_bytes::load(text, i);
    std::uint64_t stops = (word & kHigh) | bytesEqual(word, '{') | bytesEqual(word, '}');
    if (colons) stops |= bytesEqual(word, ':');
    if (stops) return i + static_cast<std::size_t>(std::countr_zero(stops)) / 8;
  }
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80 || c == '{' || c == '}' || (colons && c == ':')) return i;
  }
  return text.size();
}

// The first byte in [i, end) that can hide a separator or open a list: a
// list marker (any byte from 0x80 up), a brace or an "@"; `end` when there
// is none.
std::size_t nextStructureByte(std::string_view text, std::size_t i, std::size_t end) noexcept {
  for (; i + 8 <= end; i += 8) {
    const std::uint64_t word = word_bytes::load(text, i);
    const std::uint64_t stops =
        (word & kHigh) | bytesEqual(word, '{') | bytesEqual(word, '}') | bytesEqual(word, '@');
    if (stops) return i + static_cast<std::size_t>(std::countr_zero(stops)) / 8;
  }
  for (; i < end; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80 || c == '{' || c == '}' || c == '@') return i;
  }
  return end;
}

// Whether the "@" at `at`, outside lists and braces, leaves the scan from
// the left going on as over any other byte: it does inside a component,
// and at a component's start when a special component code follows. Runs
// of three colons before it are left to that scan.
bool atSignIsPlain(std::string_view marked, std::size_t at) noexcept {
  const bool componentStart = at == 0 || (at >= 2 && marked[at - 1] == ':' && marked[at - 2] == ':');
  if (!componentStart) return true;
  if (at >= 3 && marked[at - 3] == ':') return false;
  return isSpecialComponentCode(marked.substr(at + 1));
}

bool isListMarker(char c) noexcept {
  return c == kTemplateOpen || c == kTemplateClose || c == kParamsOpen || c == kParamsClose;
}

// Where a last component that is a plain identifier or a special "@"
// component, maybe followed by one parameter list with no marker inside,
// begins; npos for any other ending.
std::size_t plainLastComponentStart(std::string_view marked) noexcept {
  std::size_t tail = marked.size();
  if (tail > 0 && marked[tail - 1] == kParamsClose) {
    if (tail < 2) return std::string_view::npos;
    tail = marked.rfind(kParamsOpen, tail - 2);
    if (tail == std::string_view::npos) return tail;
    for (char c : marked.substr(tail + 1, marked.size() - tail - 2))
      if (isListMarker(c)) return std::string_view::npos;
  }
  while (tail > 0 && isIdentifierChar(marked[tail - 1])) --tail;
  // "@constructor" and the other special components read like identifiers.
  if (tail > 0 && marked[tail - 1] == '@' && isSpecialComponentCode(marked.substr(tail))) --tail;
  return tail;
}

// The scope of a name whose last component is a plain identifier or a
// function's (a local, a member, a variable, a method: most names the class
// tables look at), found from its end: the "::" before that component is
// the separator the scan from the left finds when no colon precedes it,
// every list marker before it is closed and no brace or opaque "@" part
// comes before it. Inside the component's parameter list nothing counts,
// as no separator follows it. `tail` is where plainLastComponentStart puts
// the component. Npos when that does not hold.
std::size_t separatorBeforePlainComponent(std::string_view marked, std::size_t tail) noexcept {
  if (tail == std::string_view::npos) return tail;
  if (tail < 2 || marked[tail - 1] != ':' || marked[tail - 2] != ':') return std::string_view::npos;
  const std::size_t separator = tail - 2;
  if (separator > 0 && marked[separator - 1] == ':') return std::string_view::npos;
  int lists = 0;
  for (std::size_t i = nextStructureByte(marked, 0, separator); i < separator;
       i = nextStructureByte(marked, i + 1, separator)) {
    const char c = marked[i];
    if (c == kTemplateOpen || c == kParamsOpen) {
      ++lists;
    } else if ((c == kTemplateClose || c == kParamsClose) && lists > 0) {
      --lists;
    } else if (c == '{' || c == '}' || (c == '@' && lists == 0 && !atSignIsPlain(marked, i))) {
      return std::string_view::npos;
    }
  }
  return lists == 0 ? separator : std::string_view::npos;
}

}  // namespace

NameSplit splitLastComponent(std::string_view marked) noexcept {
  // Most names are plain identifiers joined by "::"; the last colon of
  // such a name ends its last separator unless a colon stands before the
  // pair.
  std::size_t lastColon;
  if (marked.size() >= 8 && scanPlainName(marked, lastColon)) {
    if (lastColon == std::string_view::npos) return {std::string_view(marked.data(), 0), marked};
    if (lastColon >= 1 && marked[lastColon - 1] == ':' && (lastColon < 2 || marked[lastColon - 2] != ':'))
      return {marked.substr(0, lastColon - 1), marked.substr(lastColon + 1)};
    const std::size_t separator = lastPlainSeparator(marked);
    if (separator == std::string_view::npos) return {std::string_view(marked.data(), 0), marked};
    return {marked.substr(0, separator), marked.substr(separator + 2)};
  }
  if (marked.size() < 8 && !hasStructureBytes(marked)) {
    const std::size_t separator = lastPlainSeparator(marked);
    if (separator == std::string_view::npos) return {std::string_view(marked.data(), 0), marked};
    return {marked.substr(0, separator), marked.substr(separator + 2)};
  }
  // Most of the others are functions, whose structure is their parameter
  // list, and the locals and parameters under a function's name: their last
  // component is found from the end, without the scan.
  const std::size_t tail = plainLastComponentStart(marked);
  if (tail == 0) return {std::string_view(marked.data(), 0), marked};
  const std::size_t separator = separatorBeforePlainComponent(marked, tail);
  if (separator != std::string_view::npos) return {marked.substr(0, separator), marked.substr(separator + 2)};
  return splitLastComponentByScan(marked);
}

NameSplit splitLastComponentByScan(std::string_view marked) noexcept {
  std::size_t lastSeparator = std::string_view::npos;
  int lists = 0;   // inside a marked list
  int braces = 0;
  bool atComponentStart = true;
  for (std::size_t i = 0; i < marked.size(); ++i) {
    char c = marked[i];
    if (atComponentStart) {
      atComponentStart = false;
      if (c == '@' && !isSpecialComponentCode(marked.substr(i + 1))) {
        // An opaque "@...@" part: nothing in it separates.
        std::size_t close = marked.find('@', i + 1);
        if (close == std::string_view::npos) break;
        i = close;
        continue;
      }
    }
    // A colon separates only outside lists and braces; no other byte
    // between the stops changes anything.
    i = nextSplitStop(marked, i, lists == 0 && braces == 0);
    if (i == marked.size()) break;
    c = marked[i];
    if (c == kTemplateOpen || c == kParamsOpen) {
      ++lists;
    } else if ((c == kTemplateClose || c == kParamsClose) && lists > 0) {
      --lists;
    } else if (c == '{') {
      ++braces;
    } else if (c == '}' && braces > 0) {
      --braces;
    } else if (c == ':' && lists == 0 && braces == 0 && i + 1 < marked.size() && marked[i + 1] == ':') {
      lastSeparator = i;
      ++i;
      atComponentStart = true;
    }
  }
  if (lastSeparator == std::string_view::npos) return {std::string_view(marked.data(), 0), marked};
  return {marked.substr(0, lastSeparator), marked.substr(lastSeparator + 2)};
}

std::string_view scopeOfName(std::string_view marked) noexcept {
  const std::size_t tail = plainLastComponentStart(marked);
  if (tail == 0) return std::string_view(marked.data(), 0);  // one component
  const std::size_t separator = separatorBeforePlainComponent(marked, tail);
  if (separator != std::string_view::npos) return marked.substr(0, separator);
  return splitLastComponentByScan(marked).scope;
}

std::string_view identifierOf(std::string_view component) noexcept {
  return component.substr(0, component.find(kParamsOpen));
}

std::string_view simpleIdentifierOf(std::string_view component) noexcept {
  return component.substr(0, component.find_first_of("\x8C\x8E"));
}

std::string_view templateParametersOf(std::string_view identifier) noexcept {
  std::size_t open = identifier.find(kTemplateOpen);
  std::size_t close = identifier.rfind(kTemplateClose);
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return {};
  return identifier.substr(open, close - open + 1);
}

void removeTemplateArguments(std::string_view marked, std::string& out) {
  out.clear();
  std::size_t i = 0;
  while (i < marked.size()) {
    std::size_t open = marked.find(kTemplateOpen, i);
    if (open == std::string_view::npos) break;
    out.append(marked.substr(i, open - i));
    std::size_t close = marked.find(kTemplateClose, open);
    i = close == std::string_view::npos ? marked.size() : close + 1;
  }
  if (i < marked.size()) out.append(marked.substr(i));
}

std::string withListCharacters(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) c = listCharacterOf(c);
  return shown;
}

}  // namespace zum
