#include "options/OutputLocation.h"

#include "util/ProcessState.h"

namespace zum {

std::string_view projectName(const OutputLocation& location) {
  const XF_Filename& file = location.projectFile;
  return file.given().isSet() ? file.given().view() : file.absolute().view();
}

OutputLocation& runOutputLocation() { return ProcessState::get<OutputLocation>(); }

}  // namespace zum
