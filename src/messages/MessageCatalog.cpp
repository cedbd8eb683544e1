#include "messages/MessageCatalog.h"

#include <fstream>
#include <iostream>
#include <optional>

#include "messages/MessageFile.h"
#include "options/EnvironmentPaths.h"
#include "options/RunSettings.h"
#include "options/TextTranslation.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace {

struct CatalogState {
  std::optional<M_MessageTable> table;
};

bool isFile(const U_String& path) { return U_Path::isReadable(path) && U_Path::isRegularFile(path); }

// The language variant of `path` when the encoding has one and it exists.
U_String variantOf(const U_String& path, int inputEncoding) {
  const std::string_view suffix = XF_languageVariantSuffix(inputEncoding);
  if (!suffix.empty()) {
    U_String variant = path + U_String(suffix);
    if (isFile(variant)) return variant;
  }
  return path;
}

bool load(const U_String& path, M_MessageTable& table, std::ostream& warnings) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  M_readMessageFile(in, path, table, warnings);
  return true;
}

}  // namespace

M_MessageFileSettings M_readMessageFileSettings() {
  const C_RunSettings& run = C_runSettings();
  M_MessageFileSettings settings;
  settings.standard = run.standard;
  settings.userFile = run.userMessageFile;
  settings.userPath = run.userMessagePath;
  settings.compilerDirectory = run.compilerDirectory;
  return settings;
}

std::vector<U_String> M_installedMessageDirectories(const M_MessageFileSettings& settings) {
  std::vector<U_String> directories;
  if (!settings.compilerDirectory.empty()) directories.push_back(settings.compilerDirectory);
  if (U_String program = C_programDirectory(); !program.empty()) directories.push_back(program);
  return directories;
}

M_MessageTable M_loadMessageTable(const M_MessageFileSettings& settings, int inputEncoding, std::ostream& warnings) {
  M_MessageTable table(settings.standard);
  const std::vector<U_String> directories = M_installedMessageDirectories(settings);
  bool installed = false;
  for (const U_String& directory : directories) {
    const U_String path = U_Path::join(directory, kInstalledMessageFileName);
    const U_String chosen = variantOf(path, inputEncoding);
    if (isFile(chosen) && load(chosen, table, warnings)) {
      installed = true;
      break;
    }
  }
  if (!installed) {
    warnings << "Warning - Can't open message file " << kInstalledMessageFileName;
    if (!directories.empty()) warnings << " (looked in";
    for (std::size_t i = 0; i < directories.size(); ++i) warnings << (i == 0 ? " " : ", ") << directories[i];
    warnings << (directories.empty() ? "" : ")") << '\n';
  }
  if (!settings.userFile.empty()) {
    const U_String& directory = settings.userPath.empty() ? settings.compilerDirectory : settings.userPath;
    const U_String path =
        settings.userFile.front() == '/' ? settings.userFile : U_Path::join(directory, settings.userFile);
    const U_String chosen = variantOf(path, inputEncoding);
    if (!isFile(chosen) || !load(chosen, table, warnings)) {
      warnings << "Warning - Can't open user defined message file " << chosen << '\n';
    }
  }
  return table;
}

const M_MessageTable& M_messageTable() {
  std::optional<M_MessageTable>& table = zum::ProcessState::get<CatalogState>().table;
  if (!table || table->standard() != C_runSettings().standard) {
    table = M_loadMessageTable(M_readMessageFileSettings(), XF_inputEncoding(), std::cerr);
  }
  return *table;
}
