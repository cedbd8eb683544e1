#include "checks/SymbolSweep.h"

#include <algorithm>
#include <vector>

#include "anlsrslt/include/P_ModelInterface.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct SymbolSweepState {
  std::vector<SymbolVisitor> visitors;
  bool swept = false;
};

SymbolSweepState& state() { return ProcessState::get<SymbolSweepState>(); }

struct Walk {
  const std::vector<SymbolVisitor>& visitors;
  DefineNameCache names;
};

void visitSymbol(PI_SymbolHandle symbol, PI_DefineHandle current, void* context) {
  Walk& walk = *static_cast<Walk*>(context);
  for (SymbolVisitor visitor : walk.visitors) visitor(symbol, current, walk.names);
}

void lookAhead(PI_DefineHandle upcoming, void* context) { static_cast<Walk*>(context)->names.prefetch(upcoming); }

}  // namespace

void addSymbolVisitor(SymbolVisitor visitor) {
  std::vector<SymbolVisitor>& visitors = state().visitors;
  if (std::find(visitors.begin(), visitors.end(), visitor) == visitors.end()) visitors.push_back(visitor);
}

void sweepSymbols() {
  SymbolSweepState& sweep = state();
  if (sweep.swept || sweep.visitors.empty()) return;
  sweep.swept = true;
  Walk walk{sweep.visitors, {}};
  P_forEachSymbol(&visitSymbol, &lookAhead, &walk);
}

}  // namespace zum
