#include "ast/RecordMaker.h"

namespace scan {

RecordMaker::RecordMaker(clang::ASTContext& context, SourcePlaces& places, Names& names, TypeSpeller& types,
                         LiteralWriter& literals, UnitOutput& output, UnitFindings& findings)
    : context_(context),
      sources_(context.getSourceManager()),
      places_(places),
      output_(output),
      findings_(findings),
      names_(names),
      types_(types),
      literals_(literals),
      library_(places) {}

void RecordMaker::run() {
  declarations(context_.getTranslationUnitDecl());
  unusedInternalFunctions();
  fileMetrics();
}

void RecordMaker::literal(const clang::Expr* expr, char context, char sign, const Walk& walk) {
  literals_.expression(out(), expr, context, sign, walk.scope);
}

}  // namespace scan
