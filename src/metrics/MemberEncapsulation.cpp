// STMEV: member encapsulation. A class whose public accessors reach too
// large a share of its non-public data members gets message 1760: the
// members might as well be public.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "anlsrslt/include/P_ModelInterface.h"
#include "checks/ClassSurvey.h"
#include "checks/MessageNumbers.h"
#include "checks/Reporting.h"
#include "checks/ScopeText.h"
#include "checks/SymbolOrder.h"
#include "metrics/ClassMetrics.h"
#include "metrics/ClassReferences.h"
#include "util/FlatMap.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

constexpr const char* kOptionGroup = "class";
constexpr const char* kThresholdOption = "member_encapsulation_ratio";
constexpr float kNoThreshold = -1.0f;

// Filled while the sources are read.
struct EncapsulationState {
  // Whether the threshold option is given at all: without it nothing is
  // ever reported, and the millions of members need not be recorded.
  bool recording = false;
  // Data members that are neither public nor static, in symbol order (new
  // symbols are made in that order).
  std::vector<PI_SymbolHandle> hiddenMembers;
  // Public member functions: getters (flag "G") and setters (flag "T").
  FlatMap<PI_SymbolHandle, bool> accessors;
  // The classes whose definitions were read.
  FlatMap<const char*, bool> classes;

  bool answered = false;
  float threshold = kNoThreshold;
  FlatMap<const char*, float> ratios;
};

EncapsulationState& state() { return ProcessState::get<EncapsulationState>(); }

bool isPublic(PI_DefineHandle define) { return PI_isDefineExplicitPublic(define) || PI_isDefineImplicitPublic(define); }

void noteNewSymbol(PI_SymbolHandle symbol, PI_DefineHandle define) {
  if (PI_isDefineVariable(define) && PI_isDefineMember(define) && !isPublic(define) &&
      !PI_hasDefineStaticStorage(define))
    state().hiddenMembers.push_back(symbol);
}

void noteDefinition(PI_SymbolHandle symbol, PI_DefineHandle define) {
  if (PI_isDefineFunction(define) && PI_isDefineMember(define) && isPublic(define)) {
    if (P_hasDefineFlagG(define) || P_hasDefineFlagT(define)) state().accessors[symbol] = true;
  } else if (PI_isDefineClass(define)) {
    state().classes[PI_getDefineQualName(define)] = true;
  }
}

bool isThresholdOption(PI_OptionHandle option) { return std::strcmp(PI_getOptionName(option), kThresholdOption) == 0; }

bool thresholdOptionGiven() {
  bool given = false;
  for (int it = PI_getFirstOption(kOptionGroup); !PI_isOptionIterEnd(it); PI_getOptionIterNext(it))
    given = given || isThresholdOption(PI_getOptionIterData(it));
  return given;
}

// The last value given to the option, read as a decimal number; -1 when
// the option is not given.
float readThreshold() {
  float threshold = kNoThreshold;
  for (int it = PI_getFirstOption(kOptionGroup); !PI_isOptionIterEnd(it); PI_getOptionIterNext(it)) {
    PI_OptionHandle option = PI_getOptionIterData(it);
    if (isThresholdOption(option)) threshold = static_cast<float>(std::strtod(PI_getOptionValue(option), nullptr));
  }
  return threshold;
}

bool isHiddenMember(const std::vector<PI_SymbolHandle>& members, PI_SymbolHandle symbol) {
  const SymbolOrder& order = symbolOrder();
  return std::binary_search(members.begin(), members.end(), symbol,
                            [&order](PI_SymbolHandle a, PI_SymbolHandle b) { return order.less(a, b); });
}

const char* scopeOf(PI_SymbolHandle symbol) {
  return scopeTextOf(PI_getDefineQualName(PI_getSymbolCurrentDefine(symbol)));
}

// Per class: u / n x (1 - 1 / sqrt(n)), in single precision, where n
// counts its hidden data members and u those an accessor of the class
// refers to; 0 without hidden members.
void computeRatios(EncapsulationState& s) {
  std::vector<PI_SymbolHandle> used;
  for (const MemberReference& reference : memberReferences()) {
    if (reference.subjectScope != reference.objectScope) continue;
    if (!s.accessors.contains(PI_getRelationObjectSymbol(reference.relation))) continue;
    PI_SymbolHandle member = PI_getRelationSubjectSymbol(reference.relation);
    if (isHiddenMember(s.hiddenMembers, member)) used.push_back(member);
  }
  std::sort(used.begin(), used.end());
  used.erase(std::unique(used.begin(), used.end()), used.end());

  FlatMap<const char*, int> hidden;
  FlatMap<const char*, int> reached;
  for (PI_SymbolHandle member : s.hiddenMembers) {
    const char* scope = scopeOf(member);
    if (s.classes.contains(scope)) ++hidden[scope];
  }
  for (PI_SymbolHandle member : used) ++reached[scopeOf(member)];
  s.classes.forEach([&](const char* className, bool) {
    const int* n = hidden.find(className);
    const int* u = reached.find(className);
    float ratio = 0.0f;
    if (n && *n > 0) {
      const float count = static_cast<float>(*n);
      ratio = (static_cast<float>(u ? *u : 0) / count) * (1.0f - 1.0f / std::sqrt(count));
    }
    s.ratios[className] = ratio;
  });
}

// As a standard stream writes a float by default: six significant digits.
std::string decimalText(float value) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << value;
  return out.str();
}

void checkClass(PI_DefineHandle classDefine, const char*) {
  EncapsulationState& s = state();
  if (!s.answered) {
    s.answered = true;
    s.threshold = readThreshold();
    if (s.threshold >= 0.0f) computeRatios(s);
  }
  if (s.threshold < 0.0f) return;
  const float* ratio = s.ratios.find(PI_getDefineQualName(classDefine));
  if (!ratio || !(*ratio > s.threshold)) return;
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(msg::kMemberEncapsulation, defineLocation(classDefine));
  diagnostic->addString(decimalText(*ratio));
  diagnostic->addString(decimalText(s.threshold));
  report(*diagnostic);
}

}  // namespace

void configureSTMEV() {
  addClassSurvey();
  state().recording = thresholdOptionGiven();
  // Without the option the reading callbacks would only return, once for
  // each of millions of symbols.
  if (state().recording) {
    PI_configureOnNewSymbol(&noteNewSymbol);
    PI_configureOnDefinition(&noteDefinition);
  }
  PI_configureNeedRelationRefers();
  PI_configureClassMetric("STMEV", &checkClass);
}

}  // namespace zum
