#include "util/Memo.h"

#include "util/Assert.h"

namespace zum {

void checkMemo(bool agrees, const char* memo) {
  U_require(agrees, memo, __LINE__, "keptAnswer == freshAnswer && \"A memo gave another answer than a fresh computation.\"");
}

}  // namespace zum
