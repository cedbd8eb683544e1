#include "checks/Recursion.h"

#include <algorithm>
#include <span>
#include <vector>

#include "checks/CallRelations.h"
#include "checks/CycleSearch.h"
#include "checks/MessageNumbers.h"
#include "checks/Reporting.h"
#include "checks/SymbolOrder.h"
#include "util/ProcessState.h"

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

// The functions of the call graph, numbered in identity order.
class CallGraphNodes {
 public:
  explicit CallGraphNodes(const std::vector<Call>& calls) {
    nodes_.reserve(calls.size() * 2);
    for (const Call& call : calls) {
      nodes_.push_back({call.callerSerial, call.caller});
      nodes_.push_back({call.calleeSerial, call.callee});
    }
    std::sort(nodes_.begin(), nodes_.end());
    nodes_.erase(std::unique(nodes_.begin(), nodes_.end()), nodes_.end());
  }

  std::uint32_t count() const { return static_cast<std::uint32_t>(nodes_.size()); }
  PI_SymbolHandle symbol(std::uint32_t node) const { return nodes_[node].second; }
  // The node of the symbol with identity `serial` (serials are unique).
  std::uint32_t numberOf(std::uint32_t serial) const {
    auto at = std::lower_bound(nodes_.begin(), nodes_.end(), serial,
                               [](const auto& node, std::uint32_t value) { return node.first < value; });
    return static_cast<std::uint32_t>(at - nodes_.begin());
  }

 private:
  std::vector<std::pair<std::uint32_t, PI_SymbolHandle>> nodes_;
};

void reportCycle(const CallGraphNodes& nodes, std::span<const CycleStep> cycle) {
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

void searchCycles(const std::vector<Call>& calls) {
  const CallGraphNodes nodes(calls);
  std::vector<CallEdge> edges;
  edges.reserve(calls.size());
  for (const Call& call : calls)
    edges.push_back(CallEdge{nodes.numberOf(call.callerSerial), nodes.numberOf(call.calleeSerial), call.line});
  CycleSearch search(nodes.count(), std::move(edges));
  search.run([&nodes](std::span<const CycleStep> cycle) { reportCycle(nodes, cycle); });
}

void checkRecursion() {
  const RecursionState& flags = state();
  const SymbolOrder& order = symbolOrder();
  std::vector<Call> calls;
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
