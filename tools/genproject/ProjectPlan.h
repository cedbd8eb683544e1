// Decisions that span sources: which shared headers each source includes,
// and which source defines each function and object a shared header
// declares. Made once, before any source is written.
#pragma once

#include <vector>

#include "Header.h"
#include "Options.h"

namespace genproject {

struct SharedItem {
  int header = 0;
  int item = 0;  // index into that header's functions or objects
};

struct ProjectPlan {
  std::vector<HeaderModel> sharedHeaders;
  std::vector<std::vector<int>> includes;            // per source, ascending, core headers first
  std::vector<std::vector<SharedItem>> ownedFunctions;  // per source
  std::vector<std::vector<SharedItem>> ownedObjects;    // per source
  int coreHeaders = 0;
};

ProjectPlan makeProjectPlan(const Options& options);

}  // namespace genproject
