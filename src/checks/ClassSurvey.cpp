#include "checks/ClassSurvey.h"

#include <string_view>

#include "util/ProcessState.h"

namespace zum {

namespace {

struct ClassSurveyState {
  bool made = false;
  ClassSurvey survey;
};

bool maySpellSpecialMember(std::string_view name) {
  return name.find('@') != std::string_view::npos || name.find("::new") != std::string_view::npos;
}

void survey(ClassSurvey& found) {
  forEachSymbol([&found](PI_SymbolHandle symbol, PI_DefineHandle define) {
    const bool definition = PI_isDefineDefinition(define);
    if (definition) found.definedSymbols.push_back(symbol);
    if (definition && PI_isDefineTag(define)) found.tagDefinitions[PI_getDefineQualName(define)] = define;
    if (PI_isDefineFunction(define)) {
      if (definition && !PI_isDefineImplicit(define)) found.functionDefinitions.push_back({symbol, define});
      if (maySpellSpecialMember(PI_getDefineQualName(define))) found.specialFunctions.push_back({symbol, define});
    } else if (PI_isDefineClass(define)) {
      found.classNames[PI_getDefineQualName(define)] = true;
    } else if (PI_isDefineVariable(define) && PI_isDefineMember(define)) {
      found.memberTypes[PI_getDefineType(define)] = true;
    }
  });
}

}  // namespace

const ClassSurvey& classSurvey() {
  ClassSurveyState& state = ProcessState::get<ClassSurveyState>();
  if (!state.made) {
    survey(state.survey);
    state.made = true;
  }
  return state.survey;
}

}  // namespace zum
