#include "checks/ClassSurvey.h"

#include <string_view>

#include "anlsrslt/include/P_DefineCodes.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "checks/SymbolSweep.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct ClassSurveyState {
  // Whether the survey rides on the shared walk over the symbols.
  bool inSweep = false;
  bool made = false;
  ClassSurvey survey;
};

ClassSurveyState& state() { return ProcessState::get<ClassSurveyState>(); }

bool maySpellSpecialMember(std::string_view name) {
  return name.find('@') != std::string_view::npos || name.find("::new") != std::string_view::npos;
}

// The kinds of define exclude each other; the most frequent comes first,
// since most symbols are variables (parameters and locals among them).
void visitSymbol(PI_SymbolHandle symbol, PI_DefineHandle define, DefineNameCache&) {
  ClassSurvey& found = state().survey;
  ++found.surveyed;
  const P_DefineCodes codes = P_getDefineCodes(define);
  const bool definition = codes.isDefinition();
  if (definition) found.definedSymbols.push_back(symbol);
  if (codes.isVariable()) {
    if (codes.isMember()) found.memberTypes[PI_getDefineType(define)] = true;
  } else if (codes.isFunction()) {
    if (definition && !PI_isDefineImplicit(define)) found.functionDefinitions.push_back({symbol, define});
    if (maySpellSpecialMember(PI_getDefineQualName(define))) found.specialFunctions.push_back({symbol, define});
  } else if (codes.isTag()) {
    if (definition) found.tagDefinitions[PI_getDefineQualName(define)] = define;
    if (PI_isDefineClass(define)) {
      found.classNames[PI_getDefineQualName(define)] = true;
      found.classSymbols.push_back(symbol);
    }
  }
}

// Without the shared walk, the survey walks on its own with the same
// visitor, so that the visitor is the one place that notes a symbol.
void walkAlone() {
  DefineNameCache names;
  forEachSymbol([&names](PI_SymbolHandle symbol, PI_DefineHandle define) { visitSymbol(symbol, define, names); });
}

P_ClassSymbols classSymbolsOfSurvey() {
  const ClassSurvey& survey = classSurvey();
  return {survey.classSymbols, survey.surveyed};
}

}  // namespace

void addClassSurvey() {
  state().inSweep = true;
  addSymbolVisitor(&visitSymbol);
  P_configureClassSymbols(&classSymbolsOfSurvey);
}

const ClassSurvey& classSurvey() {
  ClassSurveyState& surveyState = state();
  if (!surveyState.made) {
    if (surveyState.inSweep)
      sweepSymbols();
    else
      walkAlone();
    surveyState.made = true;
  }
  return surveyState.survey;
}

}  // namespace zum
