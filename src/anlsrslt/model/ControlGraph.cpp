#include "anlsrslt/model/ControlGraph.h"

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/ReadContext.h"
#include "util/Assert.h"
#include "util/ProcessState.h"

P_ControlGraphStore& P_controlGraphStore() { return zum::ProcessState::get<P_ControlGraphStore>(); }

P_ControlGraph::P_ControlGraph(const char* qualName, int exits, P_Symbol* symbol)
    : qualName_(qualName), exits_(exits), symbol_(symbol) {
  U_require(qualName_ != nullptr, "P_ControlGraph", __LINE__, "m_qualName.isSet () && \"Null string for object.\"");
  U_require(symbol_ != nullptr, "P_ControlGraph", __LINE__,
            "m_objectSymbol.isSet () && \"No define record for object.\"");
}

void P_finishPendingControlGraph() {
  P_ControlGraphStore& store = P_controlGraphStore();
  store.expectHeader = true;
  if (P_ControlGraph* graph = store.pending) {
    store.pending = nullptr;
    graph->finish();
    P_callbacks().onControlGraph.call(graph);
  }
}

namespace {

void readHeader(P_ControlGraphStore& store, zum::FieldScanner& scan) {
  store.expectHeader = false;
  store.pending = nullptr;
  std::string_view name = scan.token();
  int exits = 0;
  if (name.empty() || !scan.integer(exits)) return;  // the graph that follows is ignored
  P_ReadContext& context = P_readContext();
  P_ResolvedName resolved = P_resolveInSource(name, context.nameScratch);
  if (!resolved.symbol) return;
  store.pending = &store.graphs.emplace_back(P_internResolvedName(context.nameScratch, resolved.key), exits,
                                             resolved.symbol);
  store.pending->addRef();
}

}  // namespace

void P_readControlGraphRecord(std::string_view line) {
  P_ControlGraphStore& store = P_controlGraphStore();
  zum::FieldScanner scan(line);
  const bool lineRecord = line.substr(0, 7) == "<CTLGN>";
  scan.skipTag();
  if (lineRecord) {
    if (store.pending) {
      int number = 0;
      while (scan.integer(number)) store.pending->addLine(number);
    }
    P_finishPendingControlGraph();
    return;
  }
  if (store.expectHeader) {
    readHeader(store, scan);
    return;
  }
  int start = 0;
  int end = 0;
  if (store.pending && scan.integer(start) && scan.integer(end)) store.pending->addEdge(start, end);
}

void P_trackControlGraphFile(std::string_view line) {
  if (line.substr(0, 8) == "<S>STFIL") P_finishPendingControlGraph();
}
