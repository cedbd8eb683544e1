// What the functions of one source may call, refer to and allocate: only
// names declared earlier in the same source, since a relation to anything
// else would be dropped by the reader. Calls favour the source's own module
// over its neighbour's and the shared headers, as real code does.
//
// Calls only go down a project-wide ranking of functions (shared headers
// lowest, then modules by index, each in declaration order), so the call
// graph is acyclic, as real call graphs mostly are: random calls across a
// project would make one strongly connected knot of every function, where
// the recursion check rightly reports an enormous number of long cycles.
// Recursion is planted on purpose instead (Function::mustCall).
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
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

  // Rank of each function that may be called, by name (a definition is a
  // copy of its declaration); a function without a rank (a class method)
  // ranks above all.
  std::unordered_map<std::string_view, uint64_t> ranks;

  void addFunction(std::vector<const Function*>& pool, const Function& function, uint64_t rank);
  // Whether `caller` may call the function named `callee`: a callee with no
  // rank has no body here and calls nothing, so anyone may call it.
  bool mayCall(const Function& caller, std::string_view callee) const;
  // A callee ranked below `caller`; null when none was found.
  const Function* pickFunction(Random& random, const Function& caller) const;
  const Object* pickObject(Random& random) const;
  const Allocatable* pickAllocatable(Random& random) const;
};

}  // namespace genproject
