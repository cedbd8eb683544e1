#include "anlsrslt/model/DefineReader.h"

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/NameParts.h"
#include "anlsrslt/model/ReadContext.h"
#include "anlsrslt/model/SymbolTable.h"
#include "anlsrslt/model/TemplateBookkeeping.h"
#include "options/RunSettings.h"
#include "util/Assert.h"

namespace {

constexpr const char* kUnit = "DefineRecord";

void raiseSymbolEvent(const P_Callbacks& callbacks, P_InsertResult result, P_Define* def) {
  const zum::CallbackSet<PI_SymbolCallback>* event = nullptr;
  switch (result.status) {
    case P_InsertStatus::NewSymbol: event = &callbacks.onNewSymbol; break;
    case P_InsertStatus::ProjectRedeclaration: event = &callbacks.onProjRedecl; break;
    case P_InsertStatus::Definition: event = &callbacks.onDefinition; break;
    default: return;
  }
  U_require(result.symbol != nullptr, kUnit, __LINE__,
            "(sym.isSet () && (0 != sym.pointer ())) && \"New symbol could not be added.\"");
  event->call(result.symbol, def);
}

}  // namespace

std::optional<P_DefineRecordText> P_splitDefineRecord(std::string_view line) {
  zum::FieldScanner scan(line);
  scan.skipTag();
  P_DefineRecordText text;
  text.qualName = scan.token();
  text.file = scan.fileName();
  if (text.qualName.empty() || text.file.empty() || !scan.integer(text.line) || !scan.character(text.position))
    return std::nullopt;
  text.defineCode = scan.token();
  text.spaceCode = scan.token();
  if (text.spaceCode.empty() || !scan.character(text.scope) || !scan.character(text.linkage)) return std::nullopt;
  text.type = scan.token();
  text.flags = scan.token();
  if (text.flags.empty()) return std::nullopt;

  U_require(text.defineCode.size() == 2, kUnit, __LINE__, "def.size () == 2");
  U_require(text.defineCode[0] == 'D', kUnit, __LINE__, "def[0] == 'D'");
  U_require(text.spaceCode.size() == 2, kUnit, __LINE__, "space.size () == 2");
  return text;
}

void P_decodeDefine(const P_DefineRecordText& text, P_DefineShape& shape) {
  P_DefineFields& fields = shape.fields;
  fields.file = P_internFileField(text.file);
  fields.line = text.line;
  fields.qualName = P_readContext().internName(text.qualName);
  fields.mainFile = P_isIncludedFileRecord(text) ? 0 : 1;
  fields.defineBits = zum::defineBitsFromCode(text.defineCode[1]);
  fields.kind = zum::kindFromSpaceCode(text.spaceCode[0], text.spaceCode[1]);
  fields.scope = zum::scopeFromLetter(text.scope);
  fields.linkage = zum::linkageFromLetter(text.linkage);
  fields.type = U_Identifier::fromStored(P_internShortField(text.type));
  fields.flags = zum::flagsFromLetters(text.flags);
  shape.templateOrSpecialisation = zum::isTemplateOrSpecialisationName(fields.qualName.view());
}

namespace {

// Raised after the general event: the checks that note typedefs only.
void raiseTypedefEvent(const P_Callbacks& callbacks, P_InsertResult result, P_Define* def) {
  if (result.status == P_InsertStatus::NewSymbol) callbacks.onNewTypedefSymbol.call(result.symbol, def);
  if (result.status == P_InsertStatus::ProjectRedeclaration) callbacks.onTypedefProjRedecl.call(result.symbol, def);
}

}  // namespace

void P_readDefineRecord(std::string_view line) {
  P_ReadContext& context = P_readContext();
  U_require(context.symbolTable != nullptr, kUnit, __LINE__, "data != 0 && \"Symbol table context not set.\"");
  P_SymbolTable& table = *context.symbolTable;
  const P_Callbacks& callbacks = P_callbacks();

  const P_DefineShape* shape = P_defineShapeOf(line, context, callbacks.definesAreFiled());
  if (!shape) return;
  P_Define* def = table.makeDefine(shape);

  // Ordinary defines are filed as themselves; the bookkeeping decides for
  // templates and what derives from them.
  const bool templateOrSpecialisation = shape->templateOrSpecialisation;
  bool fileIt = true;
  if (templateOrSpecialisation || P_TemplateBookkeeping::isDerived(*def))
    fileIt = P_templateBookkeeping().record(def, templateOrSpecialisation);

  const bool markedX = def->hasBit(P_DefineCodeX);  // before filing may change the bits
  if (fileIt) {
    const P_InsertResult result = table.insert(def, C_runSettings().showSymbolErrors);
    raiseSymbolEvent(callbacks, result, def);
    if (def->kind() == P_DefineKind::Typedef) raiseTypedefEvent(callbacks, result, def);
  }
  if (!fileIt || markedX) callbacks.onDefine.call(def);
}
