#include "app/RunInputs.h"

#include "util/ProcessState.h"

namespace zum {

RunInputs& runInputs() { return ProcessState::get<RunInputs>(); }

}  // namespace zum
