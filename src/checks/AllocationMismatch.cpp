#include "checks/AllocationMismatch.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "checks/MessageNumbers.h"
#include "checks/Reporting.h"
#include "checks/SymbolOrder.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct AllocationState {
  // The allocations of each object, in the order they were read.
  std::unordered_map<PI_SymbolHandle, std::vector<PI_AllocHandle>> byObject;
};

AllocationState& state() { return ProcessState::get<AllocationState>(); }

enum class AllocKind { Plain, Array, Old, Unknown };

AllocKind kindOf(PI_AllocHandle alloc) {
  if (PI_isAllocKindPlain(alloc)) return AllocKind::Plain;
  if (PI_isAllocKindArray(alloc)) return AllocKind::Array;
  if (PI_isAllocKindOld(alloc)) return AllocKind::Old;
  return AllocKind::Unknown;
}

// 0 for an allocation of unknown kind, which is listed by no sub-message.
int subMessageOf(AllocKind kind) {
  switch (kind) {
    case AllocKind::Plain: return msg::kPlainAllocation;
    case AllocKind::Array: return msg::kArrayAllocation;
    case AllocKind::Old: return msg::kOldAllocation;
    case AllocKind::Unknown: break;
  }
  return 0;
}

void rememberAllocation(PI_AllocHandle alloc) { state().byObject[PI_getAllocObjectSymbol(alloc)].push_back(alloc); }

// Reported only when the kinds differ and the files differ too: mixing
// kinds in one file is the per-file analyser's business.
void checkObject(PI_SymbolHandle object, const std::vector<PI_AllocHandle>& allocs) {
  const AllocKind firstKind = kindOf(allocs.front());
  const char* firstFile = PI_getAllocFilename(allocs.front());
  bool kindsDiffer = false;
  bool filesDiffer = false;
  std::vector<U_Handle<M_Diagnostic>> list;
  for (PI_AllocHandle alloc : allocs) {
    const AllocKind kind = kindOf(alloc);
    const char* file = PI_getAllocFilename(alloc);
    kindsDiffer = kindsDiffer || kind != firstKind;
    filesDiffer = filesDiffer || file != firstFile;
    if (const int number = subMessageOf(kind))
      list.push_back(newDiagnostic(number, fileLineLocation(file, PI_getAllocLine(alloc))));
  }
  if (!kindsDiffer || !filesDiffer) return;
  PI_DefineHandle define = PI_getSymbolCurrentDefine(object);
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(msg::kAllocationMismatch, defineLocation(define));
  diagnostic->addString(PI_getDefineQualName(define));
  addMessageList(*diagnostic, std::move(list));
  report(*diagnostic);
}

void checkAllocations() {
  auto& byObject = state().byObject;
  std::vector<PI_SymbolHandle> objects;
  for (const auto& [object, allocs] : byObject)
    if (allocs.size() > 1) objects.push_back(object);
  const SymbolOrder& order = symbolOrder();
  std::sort(objects.begin(), objects.end(),
            [&order](PI_SymbolHandle a, PI_SymbolHandle b) { return order.less(a, b); });
  for (PI_SymbolHandle object : objects) checkObject(object, byObject[object]);
  byObject.clear();
}

}  // namespace

void configureAllocationMismatch() {
  PI_configureOnAlloc(&rememberAllocation);
  PI_configureOnEnd(&checkAllocations);
}

}  // namespace zum
