#include "metricfile/FileDisplayText.h"

#include "options/RunSettings.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace {

struct FileDisplayCache {
  bool filled = false;
  U_Filename absolute;
  U_Filename given;
  U_String text;
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
  FileDisplayCache& cache = zum::ProcessState::get<FileDisplayCache>();
  // Both halves decide: with "expandfilenames" off, two names of one file
  // show differently.
  if (cache.filled && cache.absolute == file.absolute() && cache.given == file.given()) return cache.text;
  cache.text = computeDisplayText(file);
  cache.absolute = file.absolute();
  cache.given = file.given();
  cache.filled = true;
  return cache.text;
}
