#include "checks/InitialisationFacts.h"

#include "anlsrslt/model/QualifiedName.h"
#include "checks/ClassNames.h"
#include "checks/ClassSurvey.h"
#include "checks/PreferredDefine.h"

namespace zum {

namespace {

bool isDefinition(PI_DefineHandle define) { return PI_isDefineDefinition(define); }

// A class declared with the key "class": a class or struct tag whose type
// is not that of a struct.
bool isClassKeyClass(PI_DefineHandle tag) { return PI_isDefineClass(tag) && !PI_isDefineStruct(tag); }

}  // namespace

const InitialisationFacts::Facts& InitialisationFacts::factsOf(PI_SymbolHandle symbol) {
  auto [facts, isNew] = facts_.tryEmplace(symbol);
  if (!isNew) return *facts;
  PI_DefineHandle current = PI_getSymbolCurrentDefine(symbol);
  if (!current) return *facts;
  facts->global = splitLastComponent(PI_getDefineQualName(current)).scope.empty();
  // The current define is the definition whenever the symbol has one, so
  // a symbol whose current define is none has no definition at all; the
  // defines are searched only when there is one to find.
  if (PI_isDefineDefinition(current)) facts->definition = firstDefineOf(symbol, &isDefinition);
  return *facts;
}

bool InitialisationFacts::isClassTyped(PI_DefineHandle object) {
  const char* tagName = tagNameOfType(PI_getDefineType(object));
  if (!tagName) return false;
  const PI_DefineHandle* tag = classSurvey().tagDefinitions.find(tagName);
  if (!tag) return false;
  return (PI_isDefineStruct(*tag) && !PI_isDefinePOD(*tag)) || isClassKeyClass(*tag) || PI_isDefineAggregate(*tag);
}

}  // namespace zum
