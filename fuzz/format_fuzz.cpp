// Feeds arbitrary bytes to the format language: the input up to the first
// NUL byte is a format, the rest a message text. Lexing may only raise
// FM_ParseException; whatever lexes must render, for a diagnostic and for
// one of its message list, against a remembered place or none, and stay
// within the bounds of a rendering.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "messages/Diagnostic.h"
#include "messages/FormatEvaluator.h"
#include "messages/FormatLexer.h"
#include "messages/LineLayout.h"
#include "messages/MessageText.h"
#include "util/ProcessState.h"

namespace {

const XF_Filename& file() {
  static const XF_Filename name(U_Filename("/fuzz/src/a.c"), U_Filename("src/a.c"));
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zum::ProcessState::reset();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view format = input.substr(0, split);
  const std::string_view text = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

  FM_TokenList tokens;
  try {
    tokens = FM_lexFormat(format);
  } catch (const FM_ParseException& error) {
    if (std::string_view(error.what()).substr(0, 24) != "Error in format string '") std::abort();
    return 0;
  }
  M_Diagnostic diagnostic(1503, U_Location(file(), 12, 7));
  diagnostic.addString("first");
  diagnostic.addStringList({"a", "b"});
  const U_String substituted = M_substituteParameters(text, diagnostic);
  if (substituted.size() > text.size() * 40 + 64) std::abort();

  const U_Location remembered(file(), 12, 1);
  for (int depth = 0; depth < 2; ++depth) {
    const FM_Subject subject{diagnostic, 4, text, text, depth, depth == 0 ? U_Location() : remembered, depth == 0, 4};
    const FM_Rendering rendering = FM_render(tokens, subject);
    if (rendering.text.size() > kMaxLayoutLength + (format.size() + 1) * (substituted.size() + 64)) std::abort();
  }
  return 0;
}
