#include "options/OrphanHandler.h"

#include <cstdlib>

#include "options/CmdArgs.h"
#include "options/Options.h"
#include "options/ProductTable.h"
#include "options/ShiftJis.h"
#include "options/TextTranslation.h"
#include "util/Path.h"

U_String C_currentOutputDirectory(const C_CmdArgs& cmdArgs) {
  const U_String& option = cmdArgs.options().outputPath().value();
  if (!option.empty()) return option;
  const char* variable = std::getenv(cmdArgs.productRow().outputDirectoryVariable);
  if (variable && *variable) return U_Path::absolute(U_Path::toSlashes(variable));
  return ".";
}

void C_OrphanFileHandler::handle(const C_CmdArgs& cmdArgs, const U_String& argument) {
  U_String name;
  try {
    name = XF_toInternal(argument);
  } catch (XF_CharacterOutOfRangeException& failure) {
    failure.setPlace("in the argument '" + argument + "'");
    throw;
  }
  XF_Filename file(name);
  if (!known_.insert(file.absolute()).second) return;
  entries_.push_back(Entry{file, C_currentOutputDirectory(cmdArgs)});
}
