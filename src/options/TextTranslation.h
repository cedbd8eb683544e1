// The run's text encodings. Text inside the program is in the internal
// encoding (EUC); what the user types or writes in files is in the run's
// input encoding, decided once from the language setting.
#pragma once

#include <string_view>

#include "options/OptionExceptions.h"
#include "options/TextFile.h"
#include "util/String.h"

namespace zum {
struct ProductRow;
}

enum XF_Encoding : int {
  XF_ASC = 2,
  XF_EUC = 4,
  XF_SJ = 8,
  XF_OLDJ = 16,
  XF_NEWJ = 32,
  XF_NECJ = 64,
  XF_J213 = 128,
  XF_UTF16 = 256,
};

inline constexpr int XF_INTERNAL_ENCODING = XF_EUC;

// The language setting: "NVT_LANG" of section "Japanese" in
// <compiler dir>/<PRODUCT>.ini, else in /etc/<PRODUCT>.ini, else "LANG",
// else "default". Kept for the process unless NO_LANG_CACHE is set.
U_String XF_languageSetting(const zum::ProductRow& product, const U_String& compilerDirectory);

// The encoding a language setting stands for (exact comparison).
int XF_encodingOfLanguage(std::string_view setting);

// Decides the input encoding of the run once; later calls keep the first
// decision. Returns the encoding in force.
int XF_decideInputEncoding(const zum::ProductRow& product, const U_String& compilerDirectory);

// The input encoding of the run: ASC until decided; decided afresh on each
// call when the debug switch "always-first" or NO_LANG_CACHE asks for it.
int XF_inputEncoding();

// Text in the input encoding, in the internal encoding. ASC and EUC text is
// already internal and comes back unchanged.
U_String XF_toInternal(std::string_view text);

// Internal text as the user's encoding shows it.
U_String XF_toDisplay(std::string_view text);

// Text from one encoding to another. ASC and EUC pass unchanged; Shift_JIS
// goes to and from them. Other encodings are refused.
U_String XF_translate(std::string_view text, int from, int to);

// Opens a text file written in the input encoding for reading in the
// internal encoding: directly for ASC and EUC, else through a translated
// copy in `temporaryDirectory` (a file with the prefix "nvt", removed when
// closed). Null when the file cannot be opened.
zum::File XF_openInputFile(const U_String& path, const U_String& temporaryDirectory);

// A translation failed; a configuration error of the run.
class XF_TranslateException : public C_ConfigurationException {
 public:
  using C_ConfigurationException::C_ConfigurationException;
};

class XF_InvalidEncodingException : public XF_TranslateException {
 public:
  XF_InvalidEncodingException() : XF_TranslateException("InvalidEncoding") {}
};

class XF_TranslateFileOpenException : public XF_TranslateException {
 public:
  explicit XF_TranslateFileOpenException(std::string_view file)
      : XF_TranslateException("Cannot open file: '" + U_String(file) + "'.") {}
};

// The file-name suffix of the language variants of message files ("" when
// the encoding has none).
std::string_view XF_languageVariantSuffix(int encoding);
