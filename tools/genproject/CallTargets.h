// What the functions of one source may call, refer to and allocate: only
// names declared earlier in the same source, since a relation to anything
// else would be dropped by the reader. Calls favour the source's own module
// over its neighbour's and the shared headers, as real code does.
#pragma once

#include <string_view>
#include <vector>

#include "Entities.h"
#include "Header.h"
#include "Random.h"
#include "Records.h"

namespace genproject {

struct Allocatable {
  std::string_view name;
  AllocKind kind;
};

struct CallTargets {
  std::vector<const Function*> own, neighbour, shared;
  std::vector<const Object*> ownObjects, neighbourObjects, sharedObjects;
  std::vector<Allocatable> ownAllocatable, neighbourAllocatable, sharedAllocatable;
  std::vector<std::string_view> templates;

  const Function* pickFunction(Random& random) const;  // null when there is none
  const Object* pickObject(Random& random) const;
  const Allocatable* pickAllocatable(Random& random) const;
};

}  // namespace genproject
