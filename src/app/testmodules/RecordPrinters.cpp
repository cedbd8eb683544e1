// PT_CTLG and PT_literalRecord: each control graph as it is completed, and
// every literal kept at the end of the run.
#include "app/testmodules/TestModules.h"
#include "app/testmodules/TestOutput.h"

using zum::printTestLine;

namespace {

void printControlGraph(PI_ControlGraphHandle graph) {
  std::string text = std::string(PI_getControlGraphQualName(graph)) + " exits " +
                     std::to_string(PI_getControlGraphExits(graph)) + " lines";
  for (int it = PI_getFirstControlGraphLine(graph); !PI_isControlGraphLinesIterEnd(it);
       PI_getControlGraphLinesIterNext(it))
    text += " " + std::to_string(PI_getControlGraphLinesIterData(it));
  text += " edges";
  for (int it = PI_getFirstControlGraphEdge(graph); !PI_isControlGraphEdgesIterEnd(it);
       PI_getControlGraphEdgesIterNext(it)) {
    PI_ControlGraphEdgeHandle edge = PI_getControlGraphEdgesIterData(it);
    text += " " + std::to_string(PI_getControlGraphEdgeStart(edge)) + "-" +
            std::to_string(PI_getControlGraphEdgeEnd(edge));
  }
  printTestLine("PT_CTLG", text);
}

// One letter each for the kind and the context of a literal.
char kindLetter(PI_LiteralHandle literal) {
  if (PI_isLiteralDecimal(literal)) return 'D';
  if (PI_isLiteralHex(literal)) return 'H';
  if (PI_isLiteralOctal(literal)) return 'O';
  if (PI_isLiteralCharacter(literal)) return 'C';
  if (PI_isLiteralString(literal)) return 'S';
  if (PI_isLiteralFloating(literal)) return 'F';
  if (PI_isLiteralBinary(literal)) return 'B';
  return '?';
}

char contextLetter(PI_LiteralHandle literal) {
  if (PI_isLiteralContextMacro(literal)) return 'M';
  if (PI_isLiteralContextArrayDimension(literal)) return 'D';
  if (PI_isLiteralContextBitfield(literal)) return 'B';
  if (PI_isLiteralContextEnumerator(literal)) return 'E';
  if (PI_isLiteralContextScalarInitialiser(literal)) return 'O';
  if (PI_isLiteralContextArrayInitialiser(literal)) return 'A';
  if (PI_isLiteralContextStructInitialiser(literal)) return 'S';
  if (PI_isLiteralContextUnionInitialiser(literal)) return 'U';
  if (PI_isLiteralContextPreProcExpr(literal)) return 'P';
  if (PI_isLiteralContextCaseLabel(literal)) return 'C';
  return 'X';
}

std::string suffixText(PI_LiteralHandle literal) {
  if (!PI_hasLiteralSuffix(literal)) return "none";
  std::string text = PI_getLiteralSuffix(literal);
  if (PI_hasLiteralUnsignedSuffix(literal)) text += " unsigned";
  if (PI_hasLiteralLongLongSuffix(literal)) text += " longlong";
  if (PI_hasLiteralLongSuffix(literal)) text += " long";
  if (PI_hasLiteralFloatingSuffix(literal)) text += " floating";
  return text;
}

void printLiterals() {
  for (int it = PI_getFirstLiteral(); !PI_isLiteralIterEnd(it); PI_getLiteralIterNext(it)) {
    PI_LiteralHandle literal = PI_getLiteralIterData(it);
    std::string text = std::string(PI_getLiteral(literal)) + " at " + PI_getLiteralFilename(literal) + ":" +
                       std::to_string(PI_getLiteralLine(literal)) + ":" +
                       std::to_string(PI_getLiteralColumn(literal)) + " type " + PI_getLiteralType(literal) +
                       " kind " + kindLetter(literal) + " context " + contextLetter(literal) + " suffix " +
                       suffixText(literal);
    if (PI_isLiteralNegative(literal)) text += " negative";
    if (PI_isLiteralEscaped(literal)) text += " escaped";
    if (PI_isLiteralWide(literal)) text += " wide";
    if (PI_isLiteralInHeader(literal)) text += " in header";
    printTestLine("PT_literalRecord", text);
  }
}

}  // namespace

void PT_configureCTLG() { PI_configureOnControlGraph(&printControlGraph); }

void PT_configureLiteralRecord() {
  PI_configureNeedLiteral();
  PI_configureOnEnd(&printLiterals);
}
