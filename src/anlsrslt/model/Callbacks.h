// The callback stores of the run: what modules registered, and the record
// kinds they need. Filled while modules configure themselves, only read
// while sources are read.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "util/ProcessState.h"

// Handlers of include records ("<R>I"); the driver registers its own.
typedef void (*P_IncludeHandler)(P_RelationInclude* include);

namespace zum {

// The place in the module registry of the module whose configuration
// function is running, while it runs; what it registers is ranked by it.
// Registrations outside any module (the driver's own handlers, tests) rank
// after every module.
constexpr int kRankOutsideModules = INT_MAX;
int configuringModuleRank() noexcept;

class ConfiguringModule {
 public:
  explicit ConfiguringModule(int rank) noexcept;
  ~ConfiguringModule();
  ConfiguringModule(const ConfiguringModule&) = delete;
  ConfiguringModule& operator=(const ConfiguringModule&) = delete;

 private:
  int saved_;
};

// Holds each function once and calls them in the order of the module
// registry: by the rank of the module that registered a function first,
// then in the order that module registered them. Neither function
// addresses nor the compiler decide the order.
template <class Fn>
class CallbackSet {
 public:
  void add(Fn fn) {
    if (std::find(fns_.begin(), fns_.end(), fn) != fns_.end()) return;
    const int rank = configuringModuleRank();
    const auto at = std::upper_bound(ranks_.begin(), ranks_.end(), rank) - ranks_.begin();
    ranks_.insert(ranks_.begin() + at, rank);
    fns_.insert(fns_.begin() + at, fn);
  }
  bool empty() const noexcept { return fns_.empty(); }
  std::size_t size() const noexcept { return fns_.size(); }
  template <class... Args>
  void call(Args... args) const {
    for (Fn fn : fns_) fn(args...);
  }

 private:
  std::vector<Fn> fns_;
  std::vector<int> ranks_;  // beside fns_, ascending
};

// Keeps the order of registration; a function already in it is not added.
template <class Fn>
class CallbackList {
 public:
  void add(Fn fn) {
    if (std::find(fns_.begin(), fns_.end(), fn) == fns_.end()) fns_.push_back(fn);
  }
  bool empty() const noexcept { return fns_.empty(); }
  const std::vector<Fn>& functions() const noexcept { return fns_; }
  template <class... Args>
  void call(Args... args) const {
    // By index: a callback may register further ones only at start-up, but
    // the walk must not depend on that.
    for (std::size_t i = 0; i < fns_.size(); ++i) fns_[i](args...);
  }

 private:
  std::vector<Fn> fns_;
};

}  // namespace zum

// Relation kinds a module asked to keep, one bit per kind letter.
enum P_RelationNeed : std::uint8_t {
  P_NeedCalls = 1,         // "C"
  P_NeedRefers = 2,        // "X"
  P_NeedBase = 4,          // "B"
  P_NeedClsMbr = 8,        // "V"
  P_NeedClsMbrRef = 16,    // "R"
  P_NeedClsMbrPtr = 32,    // "P"
};

struct P_Callbacks {
  zum::CallbackSet<PI_SourceCallback> onSource;
  zum::CallbackSet<PI_SymbolCallback> onNewSymbol;
  zum::CallbackSet<PI_SymbolCallback> onProjRedecl;
  zum::CallbackSet<PI_SymbolCallback> onDefinition;
  // The same two events for typedefs only, raised after the general ones:
  // a check that notes typedefs is not called for the millions of others.
  zum::CallbackSet<PI_SymbolCallback> onNewTypedefSymbol;
  zum::CallbackSet<PI_SymbolCallback> onTypedefProjRedecl;
  zum::CallbackList<PI_DefineCallback> onDefine;  // plain define callbacks
  zum::CallbackList<PI_Callback> onAllDefine;
  zum::CallbackSet<PI_AllocCallback> onAlloc;
  zum::CallbackSet<PI_ControlGraphCallback> onControlGraph;
  zum::CallbackSet<P_IncludeHandler> includeHandlers;
  std::vector<std::pair<const char*, PI_MetricCallback>> classMetrics;     // every registration
  std::vector<std::pair<const char*, PI_MetricCallback>> functionMetrics;  // every registration
  P_ClassSymbols (*findClassSymbols)() = nullptr;                           // may be null
  zum::CallbackSet<PI_MetricGroupCallback> onMetricGroup;
  zum::CallbackSet<PI_DiagnosticCallback> onDiagnostic;
  std::map<int, zum::CallbackSet<PI_MessageCallback>> onMessage;
  zum::CallbackSet<PI_MessageCallback> onDiagnosticSuppressed;
  zum::CallbackSet<PI_SuppressionRecordDiagnosticCallback> onSuppressionRecordDiagnostic;
  zum::CallbackSet<PI_SuppressionRecordCallback> onSuppressionRecord;
  zum::CallbackSet<PI_Callback> onEnd;

  // The internal end handlers, which run after the modules' OnEnd callbacks
  // in this order.
  bool endRunsAllDefine = false;
  bool endRunsMetricGroup = false;

  std::uint8_t relationNeeds = 0;

  // Whether a DEFINE record files anything (else it is parsed and dropped).
  bool definesAreFiled() const noexcept {
    return !onAllDefine.empty() || !onNewSymbol.empty() || !onProjRedecl.empty() || !onDefinition.empty() ||
           !onNewTypedefSymbol.empty() || !onTypedefProjRedecl.empty();
  }
};

// Inline: the readers ask for it once per record.
inline P_Callbacks& P_callbacks() { return zum::ProcessState::get<P_Callbacks>(); }

// The unexported registration of the model (the rest are PI_ functions).
void P_configureOnDefine(PI_DefineCallback callback);
void P_configureOnNewTypedefSymbol(PI_SymbolCallback callback);
void P_configureOnTypedefProjRedecl(PI_SymbolCallback callback);
// The driver's own include handler; also makes "R" lines be read.
void P_configureOnInclude(P_IncludeHandler handler);

// Raises the end event: the modules' OnEnd callbacks, then the OnAllDefine
// callbacks, then the metric-group callbacks for the last group.
void P_raiseEndEvent();

// For the reader of a source's error file: whether any diagnostic event
// has a callback, and the events themselves.
bool P_hasErrorFileCallbacks();
bool P_hasMessageCallbacks(int message);
void P_raiseOnMessage(int message, PI_DiagnosticHandle diagnostic, bool duplicate, bool suppressed);
void P_raiseOnDiagnosticSuppressed(PI_DiagnosticHandle diagnostic, bool duplicate, bool suppressed);
void P_raiseOnDiagnostic(PI_DiagnosticHandle diagnostic, bool duplicate);
void P_raiseOnSuppressionRecordDiagnostic(PI_SuppressionRecordHandle record, PI_DiagnosticHandle diagnostic);
void P_raiseOnSuppressionRecord(PI_SuppressionRecordHandle record);
