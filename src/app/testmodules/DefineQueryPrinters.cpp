// PT_TypeQueries, PT_isBitfield, PT_isLabel and PT_isUnion: the answers of
// those queries for every symbol's current define, at the end of the run.
#include "app/testmodules/TestModules.h"
#include "app/testmodules/TestOutput.h"

using zum::printTestLine;

namespace {

std::string yesNo(bool value) { return value ? "1" : "0"; }

// The array queries assert on what is no array type, so they are asked
// only where the type says array.
void printTypes() {
  zum::forEachCurrentDefine([](PI_DefineHandle define) {
    const char* type = PI_getDefineType(define);
    std::string text = std::string(PI_getDefineQualName(define)) + " type " + type;
    if (*type != '\0' && PI_isTypeArray(type)) {
      text += " array element ";
      text += PI_getArrayElemType(type);
      if (PI_isUndimArray(type))
        text += " undimensioned";
      else
        text += " dimension " + std::to_string(PI_getArrayDimension(type));
    }
    printTestLine("PT_TypeQueries", text);
  });
}

template <bool (*Query)(PI_DefineHandle)>
void printAnswers(const char* module) {
  zum::forEachCurrentDefine([module](PI_DefineHandle define) {
    printTestLine(module, std::string(PI_getDefineQualName(define)) + " " + yesNo(Query(define)));
  });
}

void printBitfields() { printAnswers<&PI_isDefineBitfield>("PT_isBitfield"); }
void printLabels() { printAnswers<&PI_isDefineLabel>("PT_isLabel"); }
void printUnions() { printAnswers<&PI_isDefineUnion>("PT_isUnion"); }

}  // namespace

void PT_configureTypeQueries() { PI_configureOnAllDefine(&printTypes); }
void PT_configureIsBitfield() { PI_configureOnAllDefine(&printBitfields); }
void PT_configureIsLabel() { PI_configureOnAllDefine(&printLabels); }
void PT_configureIsUnion() { PI_configureOnAllDefine(&printUnions); }
