// How the cross-module checks and the project metrics report: the places
// their messages stand at, the sub-messages of message lists, the sorting
// of those lists and the one road a finding takes out of the program.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <unordered_map>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "checks/SymbolDefines.h"
#include "messages/Diagnostic.h"
#include "messages/ListedPlace.h"
#include "util/Location.h"
#include "util/StringStore.h"

namespace zum {

// Messages about the project as a whole (several files) stand here: an
// empty file name, line 1, column 0.
U_Location projectLocation();
// A file of the model (a name as PI_getDefineFilename gives it) and a line.
U_Location fileLineLocation(const char* modelFile, int line);
// The define's file and line.
U_Location defineLocation(PI_DefineHandle define);

// A new diagnostic of `messageNumber` at `location`.
U_Handle<M_Diagnostic> newDiagnostic(int messageNumber, const U_Location& location);
// Appends an entity parameter holding the qualified name (form flag 0).
void addEntityName(M_Diagnostic& diagnostic, const char* qualifiedName);

// The sub-messages of message lists: a use (1579), a definition (1593) and
// a declaration (1594), the last two naming the entity.
U_Handle<M_Diagnostic> useMessage(const U_Location& location);
U_Handle<M_Diagnostic> definitionMessage(const U_Location& location, const char* qualifiedName);
U_Handle<M_Diagnostic> declarationMessage(const U_Location& location, const char* qualifiedName);

// A file (1578): the file name as recorded, at the project location.
U_Handle<M_Diagnostic> fileMessage(const char* file);
// A define listed by kind (1581), at the define's location: its kind
// ("Struct", "Class", "Enumerator", "Function", "Macro", "Member", "Tag",
// "Typedef", "Variable" or "Unknown kind") and whether it is a
// "definition", a "declaration" or an "unknown define".
U_Handle<M_Diagnostic> listedDefineMessage(PI_DefineHandle define);

// Declarations (1594) or definitions (1593) at the places of defines, as
// list entries of places (no diagnostic is made for them). A place and name
// is one entry identity: a list that names a place many times (a header's
// declaration in every source that includes it) names that one entry many
// times, and the error file writes its place once.
class PlaceMessages {
 public:
  explicit PlaceMessages(int messageNumber) : messageNumber_(messageNumber) {}
  // At the define's place, naming `qualifiedName`.
  M_ListedPlace at(PI_DefineHandle define, U_Identifier qualifiedName) {
    // A header's declaration in one source after another stands at one
    // place: told by one question.
    if (lastDefine_ && qualifiedName.pointer() == lastKey_.name && PI_hasDefineSameLocation(define, lastDefine_))
      return last_;
    return atOtherPlace(define, qualifiedName);
  }
  // As new, for the next list: a check that makes thousands of lists keeps
  // one and its table (the identities handed out stay with their lists).
  void clear() noexcept {
    firstCount_ = 0;
    if (!made_.empty()) made_.clear();
    lastKey_ = Key{{nullptr, 0}, nullptr};
    lastDefine_ = nullptr;
  }

 private:
  M_ListedPlace atOtherPlace(PI_DefineHandle define, U_Identifier qualifiedName);
  M_ListedPlace make(const DefinePlace& place, U_Identifier qualifiedName);

  struct Key {
    DefinePlace place;
    const char* name;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& key) const noexcept {
      return DefinePlaceHash()(key.place) * 31 + std::hash<const char*>()(key.name);
    }
  };
  int messageNumber_;
  // The header places made so far: the first few here, looked through
  // before the table, so that a list of a few header places makes no
  // table; the others in the table.
  static constexpr std::size_t kFirstPlaces = 4;
  std::array<std::pair<Key, M_ListedPlace>, kFirstPlaces> first_;
  std::size_t firstCount_ = 0;
  std::unordered_map<Key, M_ListedPlace, KeyHash> made_;
  // Lists name one place many times in a row.
  Key lastKey_{{nullptr, 0}, nullptr};
  PI_DefineHandle lastDefine_ = nullptr;  // a define at lastKey_'s place
  M_ListedPlace last_;
};

// Appends `list` as a message-list parameter: sorted with the diagnostic
// order under the debug switch "sort-messages", else in the order it was
// built.
void addMessageList(M_Diagnostic& diagnostic, std::vector<U_Handle<M_Diagnostic>> list);
// The same for a list of places, sorted as the diagnostics they stand for.
void addPlaceList(M_Diagnostic& diagnostic, std::span<const M_ListedPlace> list);

// Hands a finding to the project's diagnostic output.
void report(const M_Diagnostic& diagnostic);

// Tests watch the findings of a run here instead of the diagnostic output;
// an empty sink restores the output. Reset with the process state.
using FindingSink = std::function<void(const M_Diagnostic&)>;
void setFindingSink(FindingSink sink);

}  // namespace zum
