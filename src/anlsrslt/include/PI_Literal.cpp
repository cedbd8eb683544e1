// Literals.
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/Literal.h"
#include "anlsrslt/model/impl/IteratorContainers.h"
#include "util/Assert.h"

namespace {

const P_LiteralFields& fieldsOf(P_Literal* literal) { return zum::checkedLiteral(literal).fields(); }
bool hasSuffixBit(P_Literal* literal, std::uint8_t bit) { return fieldsOf(literal).suffixBits & bit; }
bool hasSignBit(P_Literal* literal, std::uint8_t bit) { return fieldsOf(literal).signBits & bit; }
bool hasKindBit(P_Literal* literal, std::uint16_t bit) { return fieldsOf(literal).kindBits & bit; }
bool hasContext(P_Literal* literal, P_LiteralContext context) { return fieldsOf(literal).context == context; }
bool hasScope(P_Literal* literal, P_Scope scope) { return fieldsOf(literal).scope == static_cast<std::uint8_t>(scope); }

}  // namespace

extern "C" {

int PI_getFirstLiteral() { return zum::iterateAll(zum::iteratorContainers().literals, P_literalStore().ordered()); }
PI_LiteralHandle PI_getLiteralIterData(int iterator) {
  return zum::elementOr(zum::iteratorContainers().literals, iterator, static_cast<P_Literal*>(nullptr));
}
bool PI_getLiteralIterNext(int iterator) { return zum::iteratorContainers().literals.next(iterator); }
bool PI_isLiteralIterEnd(int iterator) { return zum::iteratorContainers().literals.isEnd(iterator); }

const char* PI_getLiteral(PI_LiteralHandle han) { return han->fields().text.c_str(); }
const char* PI_getLiteralType(PI_LiteralHandle han) { return han->fields().type.c_str(); }
const char* PI_getLiteralFilename(PI_LiteralHandle han) { return han->fields().file.c_str(); }
int PI_getLiteralLine(PI_LiteralHandle han) { return han->fields().line; }
int PI_getLiteralColumn(PI_LiteralHandle han) { return han->fields().column; }
bool PI_isLiteralInHeader(PI_LiteralHandle han) { return han->fields().positionBits & P_PositionHeader; }

const char* PI_getLiteralSuffix(PI_LiteralHandle han) {
  U_require(PI_hasLiteralSuffix(han), "LiteralRecord", __LINE__,
            "PI_hasLiteralSuffix (han) && \"Only try to get a suffix if there was one\"");
  return han->fields().suffix.c_str();
}

bool PI_hasLiteralSuffix(PI_LiteralHandle han) { return !hasSuffixBit(han, P_SuffixNone); }
bool PI_hasLiteralLongSuffix(PI_LiteralHandle han) { return hasSuffixBit(han, P_SuffixLong); }
bool PI_hasLiteralLongLongSuffix(PI_LiteralHandle han) { return hasSuffixBit(han, P_SuffixLongLong); }
bool PI_hasLiteralUnsignedSuffix(PI_LiteralHandle han) { return hasSuffixBit(han, P_SuffixUnsigned); }
bool PI_hasLiteralFloatingSuffix(PI_LiteralHandle han) { return hasSuffixBit(han, P_SuffixFloating); }

bool PI_hasLiteralSign(PI_LiteralHandle han) { return !hasSignBit(han, P_SignNone); }
bool PI_isLiteralPositive(PI_LiteralHandle han) { return hasSignBit(han, P_SignPositive); }
bool PI_isLiteralNegative(PI_LiteralHandle han) { return hasSignBit(han, P_SignNegative); }

bool PI_isLiteralDecimal(PI_LiteralHandle han) { return hasKindBit(han, P_LiteralDecimal); }
bool PI_isLiteralHex(PI_LiteralHandle han) { return hasKindBit(han, P_LiteralHex); }
bool PI_isLiteralOctal(PI_LiteralHandle han) { return hasKindBit(han, P_LiteralOctal); }
bool PI_isLiteralCharacter(PI_LiteralHandle han) { return hasKindBit(han, P_LiteralCharacter); }
bool PI_isLiteralString(PI_LiteralHandle han) { return hasKindBit(han, P_LiteralString); }
bool PI_isLiteralFloating(PI_LiteralHandle han) { return hasKindBit(han, P_LiteralFloating); }
bool PI_isLiteralBinary(PI_LiteralHandle han) { return hasKindBit(han, P_LiteralBinary); }
bool PI_isLiteralEscaped(PI_LiteralHandle han) { return hasKindBit(han, P_LiteralEscaped); }
bool PI_isLiteralWide(PI_LiteralHandle han) { return hasKindBit(han, P_LiteralWide); }

bool PI_isLiteralContextMacro(PI_LiteralHandle han) { return hasContext(han, P_LiteralContext::Macro); }
bool PI_isLiteralContextArrayDimension(PI_LiteralHandle han) { return hasContext(han, P_LiteralContext::ArrayDimension); }
bool PI_isLiteralContextBitfield(PI_LiteralHandle han) { return hasContext(han, P_LiteralContext::Bitfield); }
bool PI_isLiteralContextEnumerator(PI_LiteralHandle han) { return hasContext(han, P_LiteralContext::Enumerator); }
bool PI_isLiteralContextScalarInitialiser(PI_LiteralHandle han) {
  return hasContext(han, P_LiteralContext::ScalarInitialiser);
}
bool PI_isLiteralContextArrayInitialiser(PI_LiteralHandle han) {
  return hasContext(han, P_LiteralContext::ArrayInitialiser);
}
bool PI_isLiteralContextStructInitialiser(PI_LiteralHandle han) {
  return hasContext(han, P_LiteralContext::StructInitialiser);
}
bool PI_isLiteralContextUnionInitialiser(PI_LiteralHandle han) {
  return hasContext(han, P_LiteralContext::UnionInitialiser);
}
bool PI_isLiteralContextPreProcExpr(PI_LiteralHandle han) { return hasContext(han, P_LiteralContext::PreProcExpr); }
bool PI_isLiteralContextCaseLabel(PI_LiteralHandle han) { return hasContext(han, P_LiteralContext::CaseLabel); }
bool PI_isLiteralContextOther(PI_LiteralHandle han) { return hasContext(han, P_LiteralContext::Other); }

bool PI_hasLiteralFileScope(PI_LiteralHandle han) { return hasScope(han, P_Scope::File); }
bool PI_hasLiteralBlockScope(PI_LiteralHandle han) { return hasScope(han, P_Scope::Block); }
bool PI_hasLiteralPrototypeScope(PI_LiteralHandle han) { return hasScope(han, P_Scope::Prototype); }
bool PI_hasLiteralClassScope(PI_LiteralHandle han) { return hasScope(han, P_Scope::Class); }
bool PI_hasLiteralTemplateScope(PI_LiteralHandle han) { return hasScope(han, P_Scope::Template); }
bool PI_hasLiteralNamespaceScope(PI_LiteralHandle han) { return hasScope(han, P_Scope::Namespace); }

}  // extern "C"
