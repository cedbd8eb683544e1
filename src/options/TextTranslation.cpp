#include "options/TextTranslation.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "options/DebugSwitches.h"
#include "options/IniFile.h"
#include "options/ProductTable.h"
#include "options/ShiftJis.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace {

struct EncodingState {
  bool languageKnown = false;
  U_String language;
  bool decided = false;
  int encoding = XF_ASC;
  // Where the decision came from, to decide afresh on request.
  const zum::ProductRow* product = nullptr;
  U_String compilerDirectory;
};

EncodingState& state() { return zum::ProcessState::get<EncodingState>(); }

bool noLanguageCache() { return std::getenv("NO_LANG_CACHE") != nullptr; }

U_String readLanguageSetting(const zum::ProductRow& product, const U_String& compilerDirectory) {
  const U_String iniName = U_Path::addExtension(product.word, "ini");
  if (!compilerDirectory.empty()) {
    U_String value = zum::readIniValue(U_Path::join(compilerDirectory, iniName), "Japanese", "NVT_LANG");
    if (!value.empty()) return value;
  }
  U_String value = zum::readIniValue(U_Path::join("/etc", iniName), "Japanese", "NVT_LANG");
  if (!value.empty()) return value;
  if (const char* lang = std::getenv("LANG")) return lang;
  return "default";
}

}  // namespace

U_String XF_languageSetting(const zum::ProductRow& product, const U_String& compilerDirectory) {
  EncodingState& s = state();
  if (!s.languageKnown || noLanguageCache()) {
    s.language = readLanguageSetting(product, compilerDirectory);
    s.languageKnown = true;
  }
  return s.language;
}

int XF_encodingOfLanguage(std::string_view setting) {
  for (std::string_view euc : {"ja", "ja_JP", "ja_JP.EUC", "ja_JP.sdeckanji", "japanese.euc", "ja_JP.eucJP"}) {
    if (setting == euc) return XF_EUC;
  }
  for (std::string_view sj : {"Ja_JP", "ja_JP.SJIS", "japanese"}) {
    if (setting == sj) return XF_SJ;
  }
  return XF_ASC;
}

int XF_decideInputEncoding(const zum::ProductRow& product, const U_String& compilerDirectory) {
  EncodingState& s = state();
  if (!s.decided) {
    s.product = &product;
    s.compilerDirectory = compilerDirectory;
    s.encoding = XF_encodingOfLanguage(XF_languageSetting(product, compilerDirectory));
    s.decided = true;
  }
  return XF_inputEncoding();
}

int XF_inputEncoding() {
  EncodingState& s = state();
  if (s.decided && (noLanguageCache() || C_isDebugSwitchSet("always-first"))) {
    s.encoding = XF_encodingOfLanguage(XF_languageSetting(*s.product, s.compilerDirectory));
  }
  return s.encoding;
}

namespace {

bool isInternal(int encoding) noexcept { return encoding == XF_ASC || encoding == XF_EUC; }

U_String readWhole(std::FILE* file) {
  U_String content;
  char buffer[65536];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, count);
  return content;
}

}  // namespace

U_String XF_translate(std::string_view text, int from, int to) {
  const bool known = isInternal(from) || from == XF_SJ;
  if (!known || !(isInternal(to) || to == XF_SJ)) throw XF_InvalidEncodingException();
  if (from == to || (isInternal(from) && isInternal(to))) return U_String(text);
  return from == XF_SJ ? zum::shiftJisToEuc(text) : zum::eucToShiftJis(text);
}

U_String XF_toInternal(std::string_view text) {
  const int encoding = XF_inputEncoding();
  return isInternal(encoding) ? U_String(text) : XF_translate(text, encoding, XF_INTERNAL_ENCODING);
}

U_String XF_toDisplay(std::string_view text) {
  const int encoding = XF_inputEncoding();
  return isInternal(encoding) ? U_String(text) : XF_translate(text, XF_INTERNAL_ENCODING, encoding);
}

zum::File XF_openInputFile(const U_String& path, const U_String& temporaryDirectory) {
  zum::File original = zum::openForReading(path);
  const int encoding = XF_inputEncoding();
  if (!original || isInternal(encoding)) return original;
  const U_String text = readWhole(original.get());
  U_String translated;
  try {
    translated = XF_translate(text, encoding, XF_INTERNAL_ENCODING);
  } catch (XF_CharacterOutOfRangeException& failure) {
    failure.setPlace("in '" + path + "' at line " + std::to_string(zum::lineAt(text, failure.offset())));
    throw;
  }
  U_String name = U_Path::join(temporaryDirectory, "nvtXXXXXX");
  const int fd = ::mkstemp(name.data());
  if (fd < 0) throw XF_TranslateFileOpenException(path);
  // Gone from the directory at once; the open file lives until it is closed.
  ::unlink(name.c_str());
  zum::File copy(::fdopen(fd, "w+b"));
  if (!copy) {
    ::close(fd);
    throw XF_TranslateFileOpenException(path);
  }
  if (std::fwrite(translated.data(), 1, translated.size(), copy.get()) != translated.size()) {
    throw XF_TranslateFileOpenException(path);
  }
  std::rewind(copy.get());
  return copy;
}

std::string_view XF_languageVariantSuffix(int encoding) {
  switch (encoding) {
    case XF_EUC:
      return ".jp.euc";
    case XF_SJ:
      return ".jp.sj";
    case XF_OLDJ:
      return ".jp.oldj";
    case XF_NEWJ:
      return ".jp.newj";
    case XF_NECJ:
      return ".jp.necj";
    default:
      return "";
  }
}
