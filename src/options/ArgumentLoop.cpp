#include "options/ArgumentLoop.h"

#include <iostream>

#include "options/ArgStream.h"
#include "options/CmdArgs.h"
#include "options/OptionExceptions.h"
#include "options/OptionMatch.h"
#include "options/OrphanHandler.h"
#include "options/ValueOptions.h"

namespace {

void takeValue(C_OptionBase& option, std::string_view inlineValue, C_ArgStream& stream) {
  if (inlineValue.empty()) {
    option.setGiven(true);
    option.parse(stream, false);
  } else if (option.name() == "via") {
    // Glued to "-via" the name opens at once, without marking the option.
    stream.openVia(C_fileNameFromInput(inlineValue));
  } else {
    option.setGiven(true);
    C_InlineValueStream value{U_String(inlineValue), stream};
    option.parse(value, true);
  }
}

}  // namespace

void C_parseArguments(C_CmdArgs& cmdArgs, C_ArgStream& stream, C_OrphanHandler& orphans) {
  C_Options& options = cmdArgs.options();
  const auto names = C_optionNames(cmdArgs.productIndex());
  U_String argument;
  while (stream.read(argument)) {
    if (argument.empty() || argument.front() != '-') {
      orphans.handle(cmdArgs, argument);
      continue;
    }
    const std::string_view text = std::string_view(argument).substr(1);
    const C_OptionMatch match = matchOption(text, names, options);
    if (!match.option) {
      C_InvalidArgException unknown(argument);
      if (options.errorInvalidCfgArg().value()) throw unknown;
      std::cerr << unknown.what();
      continue;
    }
    try {
      takeValue(*match.option, text.substr(match.length), stream);
    } catch (const C_ConfigurationException& error) {
      const bool isValueError = dynamic_cast<const C_InvalidArgValueException*>(&error) ||
                                dynamic_cast<const C_ValueExpectedException*>(&error);
      if (!isValueError || options.errorInvalidCfgValue().value()) throw;
      std::cerr << error.what();
    }
  }
}
