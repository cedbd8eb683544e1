#include "anlsrslt/model/impl/IteratorContainers.h"

#include "util/ProcessState.h"

namespace zum {

IteratorContainers& iteratorContainers() { return ProcessState::get<IteratorContainers>(); }

}  // namespace zum
