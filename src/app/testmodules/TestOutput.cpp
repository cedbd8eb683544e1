#include "app/testmodules/TestOutput.h"

#include <iostream>

namespace zum {

void printTestLine(std::string_view module, std::string_view text) {
  std::cout << module << ": " << text << '\n';
}

std::string describeDefine(PI_DefineHandle define) {
  return std::string(PI_getDefineQualName(define)) + " " + PI_getDefineFilename(define) + ":" +
         std::to_string(PI_getDefineLine(define));
}

}  // namespace zum
