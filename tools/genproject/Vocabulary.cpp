#include "Vocabulary.h"

#include <array>
#include <cctype>

namespace genproject {

namespace {

constexpr std::array<std::string_view, 64> kNouns = {
    "buf",     "node",    "list",    "table",   "queue",  "frame",   "header", "packet",  "token",  "state",
    "config",  "socket",  "stream",  "record",  "entry",  "cache",   "index",  "block",   "page",   "chunk",
    "handle",  "context", "session", "channel", "event",  "timer",   "signal", "message", "parser", "lexer",
    "symbol",  "scope",   "module",  "device",  "driver", "request", "reply",  "cursor",  "range",  "slot",
    "pool",    "arena",   "map",     "key",     "value",  "item",    "field",  "column",  "row",    "file",
    "path",    "name",    "count",   "size",    "limit",  "offset",  "mask",   "flag",    "mode",   "level",
    "version", "error",   "result",  "target"};

constexpr std::array<std::string_view, 40> kVerbs = {
    "get",    "set",   "read",    "write",  "open",     "close",  "init",    "free",   "alloc",  "parse",
    "format", "find",  "insert",  "remove", "update",   "reset",  "flush",   "load",   "store",  "check",
    "build",  "copy",  "compare", "hash",   "encode",   "decode", "send",    "recv",   "lock",   "unlock",
    "push",   "pop",   "peek",    "scan",   "enroll", "notify", "resolve", "attach", "detach", "apply"};

constexpr std::array<std::string_view, 24> kAdjectives = {
    "raw",  "max",   "min",   "next",  "prev",    "last",  "first", "local", "global", "shared", "default", "tmp",
    "user", "inner", "outer", "total", "pending", "dirty", "fast",  "safe",  "old",    "new",    "short",   "long"};

constexpr std::array<std::string_view, 16> kShortLocals = {"i", "j", "k", "n", "p", "q", "s", "c",
                                                           "rc", "len", "tmp", "buf", "it", "pos", "cur", "ret"};

template <size_t N>
std::string_view pickWord(Random& random, const std::array<std::string_view, N>& words) {
  return words[random.below(N)];
}

std::string capitalised(std::string_view word) {
  std::string text(word);
  if (!text.empty()) text[0] = char(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

}  // namespace

std::string_view noun(Random& random) { return pickWord(random, kNouns); }
std::string_view verb(Random& random) { return pickWord(random, kVerbs); }
std::string_view adjective(Random& random) { return pickWord(random, kAdjectives); }

std::string snakeName(Random& random, int words) {
  std::string name;
  for (int w = 0; w < words; ++w) {
    if (w) name += '_';
    name += (w == 0 && words > 1) ? verb(random) : (w + 1 < words ? adjective(random) : noun(random));
  }
  return name;
}

std::string camelTypeName(Random& random, int words) {
  std::string name;
  for (int w = 0; w + 1 < words; ++w) name += capitalised(adjective(random));
  name += capitalised(noun(random));
  return name;
}

std::string camelFunctionName(Random& random, int words) {
  std::string name(verb(random));
  for (int w = 1; w < words; ++w) name += capitalised(w + 1 < words ? adjective(random) : noun(random));
  return name;
}

std::string localName(Random& random) {
  if (random.percent(60)) return std::string(pickWord(random, kShortLocals));
  std::string name(adjective(random));
  name += '_';
  name += noun(random);
  return name;
}

std::string macroName(Random& random, std::string_view prefix) {
  std::string name;
  for (char c : prefix) name += char(std::toupper(static_cast<unsigned char>(c)));
  for (std::string_view part : {adjective(random), noun(random)}) {
    name += '_';
    for (char c : part) name += char(std::toupper(static_cast<unsigned char>(c)));
  }
  return name;
}

std::string uniqueTag(uint64_t seed, int index) {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  Random random(seed);
  std::string tag;
  for (int i = 0; i < 3; ++i) tag += kDigits[random.below(36)];
  tag += std::to_string(index);
  return tag;
}

}  // namespace genproject
