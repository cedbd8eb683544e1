#include "checks/Reporting.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>

#include "checks/MessageNumbers.h"
#include "messages/DiagnosticOrder.h"
#include "messages/Report.h"
#include "options/RunSettings.h"
#include "util/AbsolutePaths.h"
#include "util/Filename.h"
#include "util/Memo.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct ReportingState {
  FindingSink sink;
  // The absolute half of a file name comes from the file system: worked
  // out once per model file, not once per message.
  std::unordered_map<const char*, XF_Filename> files;
  U_Path::AbsolutePaths absolutes;
  std::optional<U_Location> project;
};

ReportingState& state() { return ProcessState::get<ReportingState>(); }

XF_Filename fileOf(const char* modelFile) {
  // Most calls find the file: its text is measured only when it is new.
  if (!C_readCachesOn()) {
    const std::string_view given(modelFile);
    return XF_Filename(U_Filename(U_Path::absolute(given)), U_Filename(given));
  }
  ReportingState& reporting = state();
  auto found = reporting.files.find(modelFile);
  if (found == reporting.files.end()) {
    const std::string_view given(modelFile);
    found = reporting.files.emplace(modelFile, XF_Filename(U_Filename(reporting.absolutes.absolute(given)), U_Filename(given))).first;
  } else if constexpr (kCheckMemos) {
    checkMemo(found->second.absolute() == U_Filename(U_Path::absolute(modelFile)), "ModelFiles");
  }
  return found->second;
}

U_Handle<M_Diagnostic> namingMessage(int number, const U_Location& location, const char* qualifiedName) {
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(number, location);
  addEntityName(*diagnostic, qualifiedName);
  return diagnostic;
}

}  // namespace

U_Location projectLocation() {
  std::optional<U_Location>& project = state().project;
  if (!project) project = U_Location(XF_Filename(U_Filename(""), U_Filename("")), 1, 0);
  return *project;
}

U_Location fileLineLocation(const char* modelFile, int line) { return U_Location(fileOf(modelFile), line, 0); }

U_Location defineLocation(PI_DefineHandle define) {
  return fileLineLocation(PI_getDefineFilename(define), PI_getDefineLine(define));
}

U_Handle<M_Diagnostic> newDiagnostic(int messageNumber, const U_Location& location) {
  return U_make<M_Diagnostic>(messageNumber, location);
}

void addEntityName(M_Diagnostic& diagnostic, const char* qualifiedName) {
  diagnostic.addEntity(U_make<U_StoredEntityDisplayName>(U_String(qualifiedName)), 0);
}

U_Handle<M_Diagnostic> useMessage(const U_Location& location) { return newDiagnostic(msg::kUse, location); }

U_Handle<M_Diagnostic> definitionMessage(const U_Location& location, const char* qualifiedName) {
  return namingMessage(msg::kDefinition, location, qualifiedName);
}

U_Handle<M_Diagnostic> declarationMessage(const U_Location& location, const char* qualifiedName) {
  return namingMessage(msg::kDeclaration, location, qualifiedName);
}

U_Handle<M_Diagnostic> fileMessage(const char* file) {
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(msg::kFile, projectLocation());
  diagnostic->addString(file);
  return diagnostic;
}

namespace {

// A tag whose type string is no tag type ("{s...}") is not asked whether it
// is a struct or a class: the model treats such a question as a broken
// invariant, and a damaged record should not end the run.
bool hasTagType(PI_DefineHandle define) {
  const char* type = PI_getDefineType(define);
  return type[0] == '{' && std::char_traits<char>::length(type) > 3;
}

const char* kindText(PI_DefineHandle define) {
  const bool tagType = PI_isDefineTag(define) && hasTagType(define);
  if (tagType && PI_isDefineStruct(define)) return "Struct";
  if (tagType && PI_isDefineClass(define)) return "Class";
  if (PI_isDefineEnumerator(define)) return "Enumerator";
  if (PI_isDefineFunction(define)) return "Function";
  if (PI_isDefineMacro(define)) return "Macro";
  if (PI_isDefineMember(define)) return "Member";
  if (PI_isDefineTag(define)) return "Tag";
  if (PI_isDefineTypedef(define)) return "Typedef";
  if (PI_isDefineVariable(define)) return "Variable";
  return "Unknown kind";
}

const char* definitionText(PI_DefineHandle define) {
  if (PI_isDefineDefinition(define)) return "definition";
  if (PI_isDefineDeclaration(define)) return "declaration";
  return "unknown define";
}

}  // namespace

U_Handle<M_Diagnostic> listedDefineMessage(PI_DefineHandle define) {
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(msg::kListedDefine, defineLocation(define));
  diagnostic->addString(kindText(define));
  diagnostic->addString(definitionText(define));
  return diagnostic;
}

M_ListedPlace PlaceMessages::make(const DefinePlace& place, U_Identifier qualifiedName) {
  return {fileOf(place.file), place.line, messageNumber_, qualifiedName.view(), M_newPlaceIdentity()};
}

M_ListedPlace PlaceMessages::atOtherPlace(PI_DefineHandle define, U_Identifier qualifiedName) {
  const Key key{DefinePlace::of(define), qualifiedName.pointer()};
  if (key == lastKey_) return last_;
  // Only a header's defines come back at their place, from every source
  // that includes the header.
  if (!PI_isDefineInHeader(define)) return make(key.place, qualifiedName);
  lastKey_ = key;
  lastDefine_ = define;
  for (std::size_t i = 0; i < firstCount_; ++i) {
    if (first_[i].first == key) return last_ = first_[i].second;
  }
  if (firstCount_ < kFirstPlaces) {
    first_[firstCount_] = {key, make(key.place, qualifiedName)};
    return last_ = first_[firstCount_++].second;
  }
  auto [entry, isNew] = made_.try_emplace(key);
  if (isNew) entry->second = make(key.place, qualifiedName);
  return last_ = entry->second;
}

void addMessageList(M_Diagnostic& diagnostic, std::vector<U_Handle<M_Diagnostic>> list) {
  if (C_runSettings().sortMessageLists) std::stable_sort(list.begin(), list.end(), M_DiagnosticLess());
  diagnostic.addMessageList(std::move(list));
}

void addPlaceList(M_Diagnostic& diagnostic, std::span<const M_ListedPlace> list) {
  if (C_runSettings().sortMessageLists) {
    // In the order of the diagnostics the places stand for, made here only
    // to be compared.
    std::vector<U_Handle<M_Diagnostic>> standIns;
    standIns.reserve(list.size());
    for (const M_ListedPlace& place : list) standIns.push_back(M_diagnosticOfPlace(place));
    std::vector<std::size_t> order(list.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&standIns](std::size_t a, std::size_t b) { return M_DiagnosticLess()(standIns[a], standIns[b]); });
    std::vector<M_ListedPlace> sorted;
    sorted.reserve(list.size());
    for (std::size_t i : order) sorted.push_back(list[i]);
    diagnostic.addPlaceList(sorted);
    return;
  }
  diagnostic.addPlaceList(list);
}

void report(const M_Diagnostic& diagnostic) {
  const FindingSink& sink = state().sink;
  if (sink)
    sink(diagnostic);
  else
    M_sendDiagnostic(diagnostic);
}

void setFindingSink(FindingSink sink) { state().sink = std::move(sink); }

}  // namespace zum
