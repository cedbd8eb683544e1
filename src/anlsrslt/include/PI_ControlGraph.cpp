// Control graphs.
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/ControlGraph.h"
#include "anlsrslt/model/impl/IteratorContainers.h"

using zum::checkedEdge;
using zum::checkedGraph;

extern "C" {

const char* PI_getControlGraphQualName(PI_ControlGraphHandle grph) { return checkedGraph(grph).qualName(); }
int PI_getControlGraphExits(PI_ControlGraphHandle grph) { return checkedGraph(grph).exits(); }
PI_SymbolHandle PI_getControlGraphObjectSymbol(PI_ControlGraphHandle grph) { return checkedGraph(grph).symbol(); }

int PI_getFirstControlGraphLine(PI_ControlGraphHandle grph) {
  return zum::iterateAll(zum::iteratorContainers().graphLines, checkedGraph(grph).lines());
}
int PI_getControlGraphLinesIterData(int iterator) {
  return zum::elementOr(zum::iteratorContainers().graphLines, iterator, 0);
}
bool PI_getControlGraphLinesIterNext(int iterator) { return zum::iteratorContainers().graphLines.next(iterator); }
bool PI_isControlGraphLinesIterEnd(int iterator) { return zum::iteratorContainers().graphLines.isEnd(iterator); }

int PI_getFirstControlGraphEdge(PI_ControlGraphHandle grph) {
  return zum::iterateAll(zum::iteratorContainers().graphEdges, checkedGraph(grph).edges());
}
PI_ControlGraphEdgeHandle PI_getControlGraphEdgesIterData(int iterator) {
  const auto* position = zum::iteratorContainers().graphEdges.position(iterator);
  return position ? const_cast<P_ControlGraphEdge*>(&position->element()) : nullptr;
}
bool PI_getControlGraphEdgesIterNext(int iterator) { return zum::iteratorContainers().graphEdges.next(iterator); }
bool PI_isControlGraphEdgesIterEnd(int iterator) { return zum::iteratorContainers().graphEdges.isEnd(iterator); }

int PI_getControlGraphEdgeStart(PI_ControlGraphEdgeHandle edge) { return checkedEdge(edge).start(); }
int PI_getControlGraphEdgeEnd(PI_ControlGraphEdgeHandle edge) { return checkedEdge(edge).end(); }

}  // extern "C"
