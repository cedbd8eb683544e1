#include "checks/SymbolSweep.h"

#include <algorithm>
#include <vector>

#include "anlsrslt/include/P_ModelInterface.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct SymbolSweepState {
  std::vector<SymbolVisitor> visitors;
  std::vector<SymbolBatchVisitor> batchVisitors;
  bool swept = false;
};

SymbolSweepState& state() { return ProcessState::get<SymbolSweepState>(); }

struct Walk {
  const std::vector<SymbolVisitor>& visitors;
  const std::vector<SymbolBatchVisitor>& batchVisitors;
  DefineNameCache names;
};

// Each visitor in turn over the symbols of a batch.
void visitBatch(std::span<const SweptSymbol> symbols, void* context) {
  Walk& walk = *static_cast<Walk*>(context);
  for (SymbolVisitor visitor : walk.visitors)
    for (const SweptSymbol& swept : symbols) visitor(swept.symbol, swept.current, walk.names);
  for (SymbolBatchVisitor visitor : walk.batchVisitors) visitor(symbols, walk.names);
}

}  // namespace

void addSymbolVisitor(SymbolVisitor visitor) {
  std::vector<SymbolVisitor>& visitors = state().visitors;
  if (std::find(visitors.begin(), visitors.end(), visitor) == visitors.end()) visitors.push_back(visitor);
}

void addSymbolBatchVisitor(SymbolBatchVisitor visitor) {
  std::vector<SymbolBatchVisitor>& visitors = state().batchVisitors;
  if (std::find(visitors.begin(), visitors.end(), visitor) == visitors.end()) visitors.push_back(visitor);
}

void sweepSymbols() {
  SymbolSweepState& sweep = state();
  if (sweep.swept || (sweep.visitors.empty() && sweep.batchVisitors.empty())) return;
  sweep.swept = true;
  Walk walk{sweep.visitors, sweep.batchVisitors, {}};
  P_forEachSymbol(&visitBatch, &walk);
}

}  // namespace zum
