// Relations and include relations.
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Relation.h"
#include "anlsrslt/model/Symbol.h"
#include "anlsrslt/model/impl/IteratorContainers.h"

using zum::checkedInclude;
using zum::checkedRelation;

namespace {

int firstRelation(P_RelationKind kind) {
  return zum::iterateAll(zum::iteratorContainers().relations, P_relationStore().grouped(kind));
}

PI_RelationHandle relationData(int iterator) {
  return zum::elementOr(zum::iteratorContainers().relations, iterator, static_cast<P_Relation*>(nullptr));
}
bool relationNext(int iterator) { return zum::iteratorContainers().relations.next(iterator); }
bool relationEnd(int iterator) { return zum::iteratorContainers().relations.isEnd(iterator); }

}  // namespace

std::span<const PI_RelationHandle> P_getRelations(P_RelationList list) {
  static_assert(static_cast<int>(P_RelationList::ClsMbrPtr) == static_cast<int>(P_RelationKind::ClsMbrPtr));
  return P_relationStore().grouped(static_cast<P_RelationKind>(list));
}

std::span<const PI_RelationIncludeHandle> P_getIncludeRelations() { return P_relationStore().includes(); }

extern "C" {

int PI_getFirstRelationCall() { return firstRelation(P_RelationKind::Calls); }
int PI_getFirstRelationRefer() { return firstRelation(P_RelationKind::Refers); }
int PI_getFirstRelationBase() { return firstRelation(P_RelationKind::Base); }
int PI_getFirstRelationClsMbr() { return firstRelation(P_RelationKind::ClsMbr); }
int PI_getFirstRelationClsMbrRef() { return firstRelation(P_RelationKind::ClsMbrRef); }
int PI_getFirstRelationClsMbrPtr() { return firstRelation(P_RelationKind::ClsMbrPtr); }

PI_RelationHandle PI_getRelationCallsIterData(int iterator) { return relationData(iterator); }
PI_RelationHandle PI_getRelationRefersIterData(int iterator) { return relationData(iterator); }
PI_RelationHandle PI_getRelationBaseIterData(int iterator) { return relationData(iterator); }
PI_RelationHandle PI_getRelationClsMbrIterData(int iterator) { return relationData(iterator); }
PI_RelationHandle PI_getRelationClsMbrRefIterData(int iterator) { return relationData(iterator); }
PI_RelationHandle PI_getRelationClsMbrPtrIterData(int iterator) { return relationData(iterator); }
bool PI_getRelationCallsIterNext(int iterator) { return relationNext(iterator); }
bool PI_getRelationRefersIterNext(int iterator) { return relationNext(iterator); }
bool PI_getRelationBaseIterNext(int iterator) { return relationNext(iterator); }
bool PI_getRelationClsMbrIterNext(int iterator) { return relationNext(iterator); }
bool PI_getRelationClsMbrRefIterNext(int iterator) { return relationNext(iterator); }
bool PI_getRelationClsMbrPtrIterNext(int iterator) { return relationNext(iterator); }
bool PI_isRelationCallsIterEnd(int iterator) { return relationEnd(iterator); }
bool PI_isRelationRefersIterEnd(int iterator) { return relationEnd(iterator); }
bool PI_isRelationBaseIterEnd(int iterator) { return relationEnd(iterator); }
bool PI_isRelationClsMbrIterEnd(int iterator) { return relationEnd(iterator); }
bool PI_isRelationClsMbrRefIterEnd(int iterator) { return relationEnd(iterator); }
bool PI_isRelationClsMbrPtrIterEnd(int iterator) { return relationEnd(iterator); }

const char* PI_getRelationSubject(PI_RelationHandle rel) { return checkedRelation(rel).subject(); }
const char* PI_getRelationObject(PI_RelationHandle rel) { return checkedRelation(rel).object(); }
int PI_getRelationLine(PI_RelationHandle rel) { return checkedRelation(rel).line(); }
PI_SymbolHandle PI_getRelationSubjectSymbol(PI_RelationHandle rel) { return checkedRelation(rel).subjectSymbol(); }
PI_SymbolHandle PI_getRelationObjectSymbol(PI_RelationHandle rel) { return checkedRelation(rel).objectSymbol(); }
bool PI_isRelationRefersRead(PI_RelationHandle rel) { return checkedRelation(rel).flags() & P_RelationRead; }
bool PI_isRelationRefersWrite(PI_RelationHandle rel) { return checkedRelation(rel).flags() & P_RelationWrite; }
bool PI_isRelationCallsVirtual(PI_RelationHandle rel) { return checkedRelation(rel).flags() & P_RelationVirtual; }

bool PI_hasRelationRefersSubject(PI_SymbolHandle symbol) { return zum::checkedSymbol(symbol).isRefersSubject(); }

int PI_getFirstRelationInclude() {
  return zum::iterateAll(zum::iteratorContainers().includes, P_relationStore().includes());
}
PI_RelationIncludeHandle PI_getRelationIncludeIterData(int iterator) {
  return zum::elementOr(zum::iteratorContainers().includes, iterator, static_cast<P_RelationInclude*>(nullptr));
}
bool PI_getRelationIncludeIterNext(int iterator) { return zum::iteratorContainers().includes.next(iterator); }
bool PI_isRelationIncludeIterEnd(int iterator) { return zum::iteratorContainers().includes.isEnd(iterator); }

const char* PI_getRelationIncludeSubject(PI_RelationIncludeHandle rel) { return checkedInclude(rel).subject().c_str(); }
const char* PI_getRelationIncludeObject(PI_RelationIncludeHandle rel) { return checkedInclude(rel).object().c_str(); }
int PI_getRelationIncludeLine(PI_RelationIncludeHandle rel) { return checkedInclude(rel).line(); }

}  // extern "C"
