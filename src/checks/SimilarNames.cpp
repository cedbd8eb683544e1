#include "checks/SimilarNames.h"

#include <set>
#include <string>
#include <utility>

#include "checks/Reporting.h"

namespace zum {

void reportSimilarNames(int number, std::string_view a, std::string_view b, int significant,
                        std::span<const PI_SymbolHandle> symbols) {
  if (b < a) std::swap(a, b);
  std::vector<U_Handle<M_Diagnostic>> list;
  std::set<std::pair<const char*, int>> listed;  // file names of the model are interned
  for (PI_SymbolHandle symbol : symbols) {
    PI_DefineHandle define = PI_getSymbolCurrentDefine(symbol);
    const char* file = PI_getDefineFilename(define);
    if (*file == '\0' || !listed.emplace(file, PI_getDefineLine(define)).second) continue;
    list.push_back(declarationMessage(defineLocation(define), PI_getDefineQualName(define)));
  }
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(number, projectLocation());
  diagnostic->addString(std::string(a));
  diagnostic->addString(std::string(b));
  if (significant > 0) diagnostic->addInteger(significant);
  addMessageList(*diagnostic, std::move(list));
  report(*diagnostic);
}

std::vector<PI_SymbolHandle> mergedSymbols(std::span<const NamedSymbol> first, std::span<const NamedSymbol> second) {
  std::vector<PI_SymbolHandle> merged;
  merged.reserve(first.size() + second.size());
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < first.size() || j < second.size()) {
    if (j == second.size() || (i < first.size() && first[i].serial < second[j].serial))
      merged.push_back(first[i++].symbol);
    else
      merged.push_back(second[j++].symbol);
  }
  return merged;
}

}  // namespace zum
