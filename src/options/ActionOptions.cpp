#include "options/ActionOptions.h"

#include <iostream>

#include "options/ArgStream.h"
#include "options/CmdArgs.h"
#include "options/OptionExceptions.h"
#include "options/OptionMatch.h"
#include "options/OptionNames.h"
#include "options/ValueOptions.h"
#include "util/Assert.h"

bool C_OptionVia::parse(C_ArgStream& stream, bool) {
  stream.openVia(C_fileNameFromInput(readOptionValue(name(), stream)));
  return true;
}

bool C_OptionEcho::parse(C_ArgStream& stream, bool) {
  std::cout << readOptionValue(name(), stream) << '\n';
  return true;
}

bool C_OptionForget::parse(C_ArgStream& stream, bool) {
  const U_String value = readOptionValue(name(), stream);
  U_require(owner_ != nullptr, "ActionOptions", __LINE__, "0 != owner_ && \"forgetall needs its command line\"");
  const C_OptionMatch match =
      matchOption(value, C_optionNames(owner_->productIndex()), owner_->options());
  if (!match.option) throw C_InvalidArgValueException(value, name());
  match.option->reset();
  match.option->setGiven(false);
  return true;
}
