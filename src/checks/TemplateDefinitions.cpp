#include "checks/TemplateDefinitions.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

#include "anlsrslt/include/P_DefineCodes.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "anlsrslt/model/NameParts.h"
#include "anlsrslt/model/QualifiedName.h"
#include "checks/ClassSurvey.h"
#include "checks/MessageNumbers.h"
#include "checks/Reporting.h"
#include "util/FlatMap.h"

namespace zum {

namespace {

// Registered only so that the definitions these checks read are filed.
void noDefineCallback(PI_DefineHandle) {}
void noSymbolCallback(PI_SymbolHandle, PI_DefineHandle) {}

// ---------------------------------------------------------------------------
// 1730
// ---------------------------------------------------------------------------

// A function is followed to the template its chain of derivations ends at;
// anything else goes one step. A define that derives from nothing is its
// own origin.
PI_DefineHandle templateOfOrigin(PI_DefineHandle derived) {
  PI_DefineHandle origin = P_getDefineTemplateOrigin(derived);
  if (!origin) return derived;
  if (PI_isDefineFunction(derived))
    while (PI_DefineHandle further = P_getDefineTemplateOrigin(origin)) origin = further;
  return origin;
}

struct Place {
  const char* file;
  int line;
  bool operator==(const Place&) const = default;
};

Place placeOf(PI_DefineHandle define) { return {PI_getDefineFilename(define), PI_getDefineLine(define)}; }

// The explicit and partial specialisations of one template, in reading
// order. A specialisation in a header is read once per source that
// includes it; it is one place, reported once.
struct DerivedGroup {
  PI_DefineHandle origin;
  std::vector<Place> places;
};

void reportDerivedInOtherFile(const DerivedGroup& group) {
  const char* originFile = PI_getDefineFilename(group.origin);
  for (const Place& place : group.places) {
    if (place.file == originFile) continue;
    U_Handle<M_Diagnostic> diagnostic =
        newDiagnostic(msg::kTemplateDerivedInOtherFile, fileLineLocation(place.file, place.line));
    U_Handle<M_Diagnostic> origin = newDiagnostic(msg::kTemplateOfOrigin, defineLocation(group.origin));
    origin->addString(P_getDefineQualNameNoTemplateArgs(group.origin));
    addMessageList(*diagnostic, {origin});
    report(*diagnostic);
  }
}

void checkDerivedTemplates() {
  std::vector<DerivedGroup> groups;  // in the order their first member was read
  FlatMap<PI_DefineHandle, std::size_t> groupOf;
  for (int it = P_getFirstDerivedDefine(); !P_isDerivedDefineIterEnd(it); P_getDerivedDefineIterNext(it)) {
    PI_DefineHandle derived = P_getDerivedDefineIterData(it);
    if (!P_hasDefineCodeX(derived) && !P_hasDefineCodeP(derived)) continue;
    PI_DefineHandle origin = templateOfOrigin(derived);
    auto [index, isNew] = groupOf.tryEmplace(origin);
    if (isNew) {
      *index = groups.size();
      groups.push_back({origin, {}});
    }
    std::vector<Place>& places = groups[*index].places;
    const Place place = placeOf(derived);
    if (std::find(places.begin(), places.end(), place) == places.end()) places.push_back(place);
  }
  for (const DerivedGroup& group : groups) reportDerivedInOtherFile(group);
}

// ---------------------------------------------------------------------------
// 1750
// ---------------------------------------------------------------------------

// As PI_isTemplateOrSpecialisation answers, without making the parts of
// every function name: only a name with a template argument list can be
// one, and the names of a header's templates come once per source.
class TemplateNames {
 public:
  bool isTemplateOrSpecialisation(const char* name) {
    if (!std::strchr(name, kTemplateOpen)) return false;
    auto [known, isNew] = known_.tryEmplace(name);
    if (isNew) *known = isTemplateOrSpecialisationName(name);
    return *known;
  }

 private:
  FlatMap<const char*, bool> known_;
};

// Inline functions, templates and their specialisations, types and other
// entities that are neither variables, functions nor macros: what may be
// defined in a header that several sources include, but at one place only.
bool isKept(PI_DefineHandle define, TemplateNames& templates) {
  const P_DefineCodes codes = P_getDefineCodes(define);
  if (!codes.isDefinition()) return false;
  if (codes.isInline()) return true;
  if (!codes.isVariable() && !codes.isFunction() && !codes.isMacro()) return true;
  return codes.isSpecialisation() || templates.isTemplateOrSpecialisation(PI_getDefineQualName(define));
}

// The places of the kept definitions, by qualified name. Nearly every name
// has one place, however many sources include it: only places that differ
// from a name's first one are kept as a list.
class DefinitionPlaces {
 public:
  void add(PI_DefineHandle define) {
    if (!isKept(define, templates_)) return;
    const char* name = PI_getDefineQualName(define);
    const Place place = placeOf(define);
    auto [first, isNew] = first_.tryEmplace(name);
    if (isNew) {
      *first = place;
    } else if (!(*first == place)) {
      further_.push_back({name, place});
    }
  }

  void reportSeveralPlaces() {
    if (further_.empty()) return;
    // By name in identity order, then in the order the places were read.
    std::stable_sort(further_.begin(), further_.end(), [](const Further& a, const Further& b) {
      return U_Identifier::fromStored(a.name) < U_Identifier::fromStored(b.name);
    });
    for (std::size_t begin = 0; begin < further_.size();) {
      std::size_t end = begin;
      while (end < further_.size() && further_[end].name == further_[begin].name) ++end;
      reportName(further_[begin].name, begin, end);
      begin = end;
    }
  }

 private:
  struct Further {
    const char* name;
    Place place;
  };

  void reportName(const char* name, std::size_t begin, std::size_t end) const {
    std::set<U_Location, M_IsLocationLess> places;
    const Place& first = *first_.find(name);
    if (*first.file) places.insert(fileLineLocation(first.file, first.line));
    for (std::size_t i = begin; i < end; ++i)
      if (*further_[i].place.file) places.insert(fileLineLocation(further_[i].place.file, further_[i].place.line));
    std::vector<U_Handle<M_Diagnostic>> list;
    for (const U_Location& place : places) list.push_back(definitionMessage(place, name));
    U_Handle<M_Diagnostic> diagnostic = newDiagnostic(msg::kDefinedAtSeveralPlaces, projectLocation());
    diagnostic->addString(name);
    addMessageList(*diagnostic, std::move(list));
    report(*diagnostic);
  }

  FlatMap<const char*, Place> first_;
  std::vector<Further> further_;
  TemplateNames templates_;
};

void checkDefinitionPlaces() {
  DefinitionPlaces places;
  forEachDefineOf(classSurvey().definedSymbols, [&places](PI_DefineHandle define) { places.add(define); });
  for (int it = P_getFirstDerivedDefine(); !P_isDerivedDefineIterEnd(it); P_getDerivedDefineIterNext(it))
    places.add(P_getDerivedDefineIterData(it));
  places.reportSeveralPlaces();
}

}  // namespace

void configureTemplateDefinition() {
  P_configureOnDefine(&noDefineCallback);
  PI_configureOnAllDefine(&checkDerivedTemplates);
}

void configureTemplateInlineDefinition() {
  addClassSurvey();
  PI_configureOnDefinition(&noSymbolCallback);
  PI_configureOnAllDefine(&checkDefinitionPlaces);
}

}  // namespace zum
