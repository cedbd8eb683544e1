#include "checks/CallRelations.h"

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

std::size_t callRelationCount() {
  std::size_t count = 0;
  for (int it = PI_getFirstRelationCall(); !PI_isRelationCallsIterEnd(it); PI_getRelationCallsIterNext(it)) ++count;
  return count;
}

}  // namespace zum
