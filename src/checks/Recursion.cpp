#include "checks/Recursion.h"

#include <span>
#include <vector>

#include "checks/CallRelations.h"
#include "checks/CycleSearch.h"
#include "checks/MessageNumbers.h"
#include "checks/Reporting.h"
#include "checks/SymbolOrder.h"
#include "util/Assert.h"
#include "util/ProcessState.h"
#include "util/RadixSort.h"

namespace zum {

namespace {

struct RecursionState {
  bool direct = false;
  bool indirect = false;
  unsigned cycles = 0;
};

RecursionState& state() { return ProcessState::get<RecursionState>(); }

void reportSelfCall(PI_SymbolHandle function, int line) {
  PI_DefineHandle define = PI_getSymbolCurrentDefine(function);
  U_Handle<M_Diagnostic> diagnostic =
      newDiagnostic(msg::kDirectRecursion, fileLineLocation(PI_getDefineFilename(define), line));
  diagnostic->addString(PI_getDefineQualName(define));
  report(*diagnostic);
}

// A call between two different functions, as the relations give it, with
// the identity order of both ends (looked up once, while the relation is
// at hand).
struct Call {
  PI_SymbolHandle caller;
  PI_SymbolHandle callee;
  std::uint32_t callerSerial;
  std::uint32_t calleeSerial;
  int line;
};

// The functions of the call graph, numbered in identity order, and the
// calls as edges between their numbers.
class CallGraph {
 public:
  explicit CallGraph(const LargeVector<Call>& calls) {
    // Both ends of every call, sorted stably by serial: one sweep numbers
    // the functions and puts the numbers into the edges.
    LargeVector<End> ends;
    ends.reserve(calls.size() * 2);
    for (std::uint32_t i = 0; i < calls.size(); ++i) {
      ends.push_back({calls[i].callerSerial, 2 * i});
      ends.push_back({calls[i].calleeSerial, 2 * i + 1});
    }
    radixSortStable(ends, [](const End& end) { return end.serial; });
    edges_.resize(calls.size());
    for (std::size_t i = 0; i < ends.size(); ++i) {
      const std::uint32_t call = ends[i].slot / 2;
      const bool isCallee = (ends[i].slot & 1) != 0;
      if (i == 0 || ends[i].serial != ends[i - 1].serial)
        symbols_.push_back(isCallee ? calls[call].callee : calls[call].caller);
      const auto node = static_cast<std::uint32_t>(symbols_.size() - 1);
      (isCallee ? edges_[call].callee : edges_[call].caller) = node;
      edges_[call].line = calls[call].line;
    }
  }

  std::uint32_t count() const { return static_cast<std::uint32_t>(symbols_.size()); }
  PI_SymbolHandle symbol(std::uint32_t node) const { return symbols_[node]; }
  std::span<const CallEdge> edges() const { return edges_; }

 private:
  struct End {
    std::uint32_t serial;
    std::uint32_t slot;  // 2 * call index, + 1 for the callee
  };
  std::vector<PI_SymbolHandle> symbols_;
  LargeVector<CallEdge> edges_;
};

void reportCycle(const CallGraph& nodes, std::span<const CycleStep> cycle) {
  std::vector<U_Handle<M_Diagnostic>> list;
  list.reserve(cycle.size());
  for (std::size_t i = 0; i < cycle.size(); ++i) {
    PI_DefineHandle caller = PI_getSymbolCurrentDefine(nodes.symbol(cycle[i].node));
    PI_DefineHandle callee = PI_getSymbolCurrentDefine(nodes.symbol(cycle[(i + 1) % cycle.size()].node));
    U_Handle<M_Diagnostic> call =
        newDiagnostic(msg::kCall, fileLineLocation(PI_getDefineFilename(caller), cycle[i].line));
    addEntityName(*call, PI_getDefineQualName(caller));
    addEntityName(*call, PI_getDefineQualName(callee));
    list.push_back(std::move(call));
  }
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(msg::kIndirectRecursion, projectLocation());
  addMessageList(*diagnostic, std::move(list));
  report(*diagnostic);
  ++state().cycles;
}

void searchCycles(const LargeVector<Call>& calls) {
  U_require(calls.size() < UINT32_MAX / 2, "Recursion", __LINE__, "calls.size () < UINT32_MAX / 2");
  CallGraph graph(calls);
  CycleSearch search(graph.count(), graph.edges());
  search.run([&graph](std::span<const CycleStep> cycle) { reportCycle(graph, cycle); });
}

void checkRecursion() {
  const RecursionState& flags = state();
  const SymbolOrder& order = symbolOrder();
  LargeVector<Call> calls;
  if (flags.indirect) calls.reserve(callRelationCount());
  for (int it = PI_getFirstRelationCall(); !PI_isRelationCallsIterEnd(it); PI_getRelationCallsIterNext(it)) {
    PI_RelationHandle relation = PI_getRelationCallsIterData(it);
    PI_SymbolHandle caller = PI_getRelationObjectSymbol(relation);
    PI_SymbolHandle callee = PI_getRelationSubjectSymbol(relation);
    if (caller == callee) {
      if (flags.direct) reportSelfCall(caller, PI_getRelationLine(relation));
    } else if (flags.indirect) {
      calls.push_back(Call{caller, callee, order.serial(caller), order.serial(callee), PI_getRelationLine(relation)});
    }
  }
  if (flags.indirect && !calls.empty()) searchCycles(calls);
}

}  // namespace

void configureDirectRecursion() {
  state().direct = true;
  PI_configureNeedRelationCalls();
  PI_configureOnAllDefine(&checkRecursion);
}

void configureIndirectRecursion() {
  RecursionState& recursion = state();
  recursion.indirect = true;
  recursion.cycles = 0;
  PI_configureNeedRelationCalls();
  PI_configureOnAllDefine(&checkRecursion);
}

unsigned indirectRecursionCount() { return state().cycles; }

}  // namespace zum
