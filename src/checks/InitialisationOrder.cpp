#include "checks/InitialisationOrder.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "checks/InitialisationFacts.h"
#include "checks/InitialiserWalk.h"
#include "checks/MessageNumbers.h"
#include "checks/NameText.h"
#include "checks/PreferredDefine.h"
#include "checks/Reporting.h"
#include "checks/SymbolOrder.h"

namespace zum {

namespace {

bool isDeclaration(PI_DefineHandle define) { return PI_isDefineDeclaration(define); }
bool isImplicit(PI_DefineHandle define) { return PI_isDefineImplicit(define); }

bool sameFile(PI_DefineHandle a, PI_DefineHandle b) {
  // File names of the model are interned.
  return PI_getDefineFilename(a) == PI_getDefineFilename(b);
}

// An initialiser's dependency, as its extern-variable record gives it.
struct Dependency {
  PI_SymbolHandle object;   // being initialised
  PI_SymbolHandle subject;  // used by the initialiser
  int line;                 // of the use
  // Identity order of object and subject.
  std::uint32_t objectSerial;
  std::uint32_t subjectSerial;
};

class InitialisationOrder {
 public:
  void run() {
    collectDependencies();
    for (const Dependency& dependency : dependencies_) check(dependency);
  }

 private:
  // The records whose subject is a defined variable or function, or has
  // no definition, each once, in identity order of object, then subject,
  // then by line. An object whose initialiser calls a function is
  // initialised by a call.
  void collectDependencies() {
    const SymbolOrder& order = symbolOrder();
    for (int it = PI_getFirstExternVar(); !PI_isExternVarIterEnd(it); PI_getExternVarIterNext(it)) {
      PI_ExternVarHandle record = PI_getExternVarIterData(it);
      PI_SymbolHandle object = PI_getExternVarObjectSymbol(record);
      PI_SymbolHandle subject = PI_getExternVarSubjectSymbol(record);
      PI_DefineHandle used = facts_.definition(subject);
      if (used && PI_isDefineFunction(used))
        initialisedByCall_[object] = true;
      else if (used && !PI_isDefineVariable(used))
        continue;
      dependencies_.push_back(
          {object, subject, PI_getExternVarLine(record), order.serial(object), order.serial(subject)});
    }
    const auto key = [](const Dependency& d) { return std::make_tuple(d.objectSerial, d.subjectSerial, d.line); };
    std::sort(dependencies_.begin(), dependencies_.end(),
              [&key](const Dependency& a, const Dependency& b) { return key(a) < key(b); });
    dependencies_.erase(std::unique(dependencies_.begin(), dependencies_.end(),
                                    [&key](const Dependency& a, const Dependency& b) { return key(a) == key(b); }),
                        dependencies_.end());
  }

  void check(const Dependency& dependency) {
    PI_DefineHandle object = facts_.definition(dependency.object);
    if (!object || isTemplateOrSpecialisation(object)) return;
    PI_DefineHandle used = facts_.definition(dependency.subject);
    if (used && PI_isDefineVariable(used) && !isTemplateOrSpecialisation(used))
      checkReadObject(dependency, object, used);
    else if (used && PI_isDefineFunction(used) && facts_.isGlobal(dependency.subject))
      checkCalledFunction(dependency.subject, object);
    else if (!used)
      checkUndefinedObject(dependency, object);
  }

  bool isInitialisedByCall(PI_SymbolHandle symbol) const { return initialisedByCall_.contains(symbol); }

  // A global variable initialised from another variable: a risk when that
  // one lies in another file, or further down the same file.
  void checkReadObject(const Dependency& dependency, PI_DefineHandle object, PI_DefineHandle used) {
    if (!PI_isDefineVariable(object) || !facts_.isGlobal(dependency.object)) return;
    const bool built = InitialisationFacts::isClassTyped(object) || isInitialisedByCall(dependency.object);
    int number;
    if (sameFile(object, used)) {
      if (PI_getDefineLine(object) >= PI_getDefineLine(used)) return;
      number = built ? msg::kBuiltFromLaterInFile : msg::kInitialisedFromLaterInFile;
    } else {
      number = built ? msg::kBuiltFromOtherFile : msg::kInitialisedFromOtherFile;
    }
    U_Handle<M_Diagnostic> diagnostic =
        newDiagnostic(number, fileLineLocation(PI_getDefineFilename(object), dependency.line));
    diagnostic->addString(std::string(unqualifiedNameOf(object)));
    addMessageList(*diagnostic, {definitionMessage(defineLocation(used), PI_getDefineQualName(used))});
    report(*diagnostic);
  }

  void checkUndefinedObject(const Dependency& dependency, PI_DefineHandle object) {
    PI_DefineHandle declaration = firstDefineOf(dependency.subject, &isDeclaration);
    if (!declaration || isTemplateOrSpecialisation(declaration) || PI_isDefineImplicit(declaration) ||
        !facts_.isGlobal(dependency.object))
      return;
    U_Handle<M_Diagnostic> diagnostic =
        newDiagnostic(msg::kInitialisedFromUndefined, fileLineLocation(PI_getDefineFilename(object), dependency.line));
    diagnostic->addString(std::string(unqualifiedNameOf(object)));
    addMessageList(*diagnostic,
                   {declarationMessage(defineLocation(declaration), PI_getDefineQualName(declaration))});
    report(*diagnostic);
  }

  // A global function called in the initialiser of `object`: every global
  // object it reaches, at the function that reads it.
  void checkCalledFunction(PI_SymbolHandle function, PI_DefineHandle object) {
    for (const ReachedUse& reached : walk_.from(function)) {
      PI_DefineHandle reader = facts_.definition(reached.user);
      PI_DefineHandle used = facts_.definition(reached.used);
      if (!used) used = firstDefineOf(reached.used, &isImplicit);
      if (used)
        checkReachedObject(reached.used, used, reader, object);
      else
        checkReachedDeclaration(reached.used, reader, object);
    }
  }

  void checkReachedObject(PI_SymbolHandle symbol, PI_DefineHandle used, PI_DefineHandle reader,
                          PI_DefineHandle object) {
    if (!PI_isDefineVariable(used) || !facts_.isGlobal(symbol) || isTemplateOrSpecialisation(used)) return;
    const bool plain = !isInitialisedByCall(symbol) && !InitialisationFacts::isClassTyped(used);
    int number;
    if (sameFile(used, object)) {
      if (PI_getDefineLine(object) >= PI_getDefineLine(used)) return;
      number = plain ? msg::kCalledUsesLaterInFile : msg::kCalledUsesBuiltLaterInFile;
    } else {
      number = plain ? msg::kCalledUsesOtherFile : msg::kCalledUsesBuiltInOtherFile;
    }
    reportReached(number, reader, used, object, &definitionMessage);
  }

  void checkReachedDeclaration(PI_SymbolHandle symbol, PI_DefineHandle reader, PI_DefineHandle object) {
    PI_DefineHandle declaration = firstDefineOf(symbol, &isDeclaration);
    if (!declaration || isTemplateOrSpecialisation(declaration) || !facts_.isGlobal(symbol) ||
        !PI_isDefineVariable(declaration))
      return;
    reportReached(msg::kCalledUsesUndefined, reader, declaration, object, &declarationMessage);
  }

  // At the function that reads the object: its name, the object's, and
  // the places of the object initialised and the object read.
  static void reportReached(int number, PI_DefineHandle reader, PI_DefineHandle used, PI_DefineHandle object,
                            U_Handle<M_Diagnostic> (*place)(const U_Location&, const char*)) {
    U_Handle<M_Diagnostic> diagnostic = newDiagnostic(number, defineLocation(reader));
    diagnostic->addString(std::string(unqualifiedNameOf(reader)));
    diagnostic->addString(std::string(unqualifiedNameOf(used)));
    addMessageList(*diagnostic, {place(defineLocation(object), PI_getDefineQualName(object)),
                                 place(defineLocation(used), PI_getDefineQualName(used))});
    report(*diagnostic);
  }

  InitialisationFacts facts_;
  InitialiserWalk walk_{facts_};
  std::vector<Dependency> dependencies_;
  FlatMap<PI_SymbolHandle, bool> initialisedByCall_;
};

void checkInitialisationOrder() { InitialisationOrder().run(); }

}  // namespace

void configureInitialisationOrder() {
  PI_configureNeedExternVar();
  PI_configureNeedRelationRefers();
  PI_configureOnAllDefine(&checkInitialisationOrder);
}

}  // namespace zum
