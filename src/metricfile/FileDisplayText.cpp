#include "metricfile/FileDisplayText.h"

#include <utility>

#include "options/RunSettings.h"
#include "util/Memo.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace {

// Metrics come grouped by file: the text of the last file is kept.
struct FileDisplayCache {
  zum::LastAnswer<std::pair<U_Filename, U_Filename>, U_String> last{C_readCachesOn()};
};

U_String computeDisplayText(const XF_Filename& file) {
  if (!file.isSet() && !file.given().isSet()) return {};
  const C_RunSettings& settings = C_runSettings();
  U_String text = settings.expandFileNames ? file.absolute().text() : file.given().text();
  if (!settings.forwardSlashes) text = U_Path::toBackslashes(text);
  return M_quoteWhenBlank(text);
}

}  // namespace

U_String M_quoteWhenBlank(std::string_view text) {
  if (text.find_first_of(" \t") == std::string_view::npos) return U_String(text);
  U_String quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

U_String M_fileDisplayText(const XF_Filename& file) {
  // Both halves decide: with "expandfilenames" off, two names of one file
  // show differently.
  return zum::ProcessState::get<FileDisplayCache>().last.get(
      {file.absolute(), file.given()}, [&file](const auto&) { return computeDisplayText(file); });
}
