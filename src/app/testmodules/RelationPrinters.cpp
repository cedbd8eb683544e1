// PT_Relation_C, _I, _P, _R, _V and _X: the relations of one kind each, at
// the end of the run.
#include "app/testmodules/TestModules.h"
#include "app/testmodules/TestOutput.h"

using zum::printTestLine;

namespace {

// The six kinds share one iterator container and one set of operations.
template <int (*First)()>
void printRelations(const char* module) {
  for (int it = First(); !PI_isRelationCallsIterEnd(it); PI_getRelationCallsIterNext(it)) {
    PI_RelationHandle relation = PI_getRelationCallsIterData(it);
    std::string text = std::string(PI_getRelationObject(relation)) + " " + PI_getRelationSubject(relation) + " " +
                       std::to_string(PI_getRelationLine(relation));
    if (PI_isRelationRefersRead(relation)) text += " read";
    if (PI_isRelationRefersWrite(relation)) text += " write";
    if (PI_isRelationCallsVirtual(relation)) text += " virtual";
    printTestLine(module, text);
  }
}

void printCalls() { printRelations<&PI_getFirstRelationCall>("PT_Relation_C"); }
void printMembersByPointer() { printRelations<&PI_getFirstRelationClsMbrPtr>("PT_Relation_P"); }
void printMembersByReference() { printRelations<&PI_getFirstRelationClsMbrRef>("PT_Relation_R"); }
void printMembersByValue() { printRelations<&PI_getFirstRelationClsMbr>("PT_Relation_V"); }
void printRefers() { printRelations<&PI_getFirstRelationRefer>("PT_Relation_X"); }

void printIncludes() {
  for (int it = PI_getFirstRelationInclude(); !PI_isRelationIncludeIterEnd(it); PI_getRelationIncludeIterNext(it)) {
    PI_RelationIncludeHandle include = PI_getRelationIncludeIterData(it);
    printTestLine("PT_Relation_I", std::string(PI_getRelationIncludeObject(include)) + " " +
                                       PI_getRelationIncludeSubject(include) + " " +
                                       std::to_string(PI_getRelationIncludeLine(include)));
  }
}

}  // namespace

// Relations name symbols, so the DEFINE records must be filed: registering
// at the end through OnAllDefine sees to that.
void PT_configureRelation_C() {
  PI_configureNeedRelationCalls();
  PI_configureOnAllDefine(&printCalls);
}

void PT_configureRelation_I() {
  PI_configureNeedRelationInclude();
  PI_configureOnEnd(&printIncludes);
}

void PT_configureRelation_P() {
  PI_configureNeedRelationClsMbrPtr();
  PI_configureOnAllDefine(&printMembersByPointer);
}

void PT_configureRelation_R() {
  PI_configureNeedRelationClsMbrRef();
  PI_configureOnAllDefine(&printMembersByReference);
}

void PT_configureRelation_V() {
  PI_configureNeedRelationClsMbr();
  PI_configureOnAllDefine(&printMembersByValue);
}

void PT_configureRelation_X() {
  PI_configureNeedRelationRefers();
  PI_configureOnAllDefine(&printRefers);
}
