#include "anlsrslt/model/Callbacks.h"

#include "anlsrslt/model/DefineReader.h"
#include "anlsrslt/model/Metric.h"
#include "anlsrslt/model/RecordReaders.h"
#include "anlsrslt/model/Relation.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct ConfiguringRank {
  int rank = kRankOutsideModules;
};

}  // namespace

int configuringModuleRank() noexcept { return ProcessState::get<ConfiguringRank>().rank; }

ConfiguringModule::ConfiguringModule(int rank) noexcept : saved_(configuringModuleRank()) {
  ProcessState::get<ConfiguringRank>().rank = rank;
}

ConfiguringModule::~ConfiguringModule() { ProcessState::get<ConfiguringRank>().rank = saved_; }

}  // namespace zum

void P_configureOnDefine(PI_DefineCallback callback) {
  P_callbacks().onDefine.add(callback);
  P_registerRecordReader("DEFINE", &P_readDefineRecord);
}

void P_configureOnNewTypedefSymbol(PI_SymbolCallback callback) {
  P_callbacks().onNewTypedefSymbol.add(callback);
  P_registerRecordReader("DEFINE", &P_readDefineRecord);
}

void P_configureOnTypedefProjRedecl(PI_SymbolCallback callback) {
  P_callbacks().onTypedefProjRedecl.add(callback);
  P_registerRecordReader("DEFINE", &P_readDefineRecord);
}

void P_configureOnInclude(P_IncludeHandler handler) {
  P_callbacks().includeHandlers.add(handler);
  P_registerRecordReader("R", &P_readRelationRecord);
}

void P_raiseEndEvent() {
  const P_Callbacks& callbacks = P_callbacks();
  callbacks.onEnd.call();
  if (callbacks.endRunsAllDefine) callbacks.onAllDefine.call();
  if (callbacks.endRunsMetricGroup) P_finishLastMetricGroup();
}

bool P_hasErrorFileCallbacks() {
  const P_Callbacks& callbacks = P_callbacks();
  return !callbacks.onDiagnostic.empty() || !callbacks.onMessage.empty() ||
         !callbacks.onDiagnosticSuppressed.empty() || !callbacks.onSuppressionRecordDiagnostic.empty() ||
         !callbacks.onSuppressionRecord.empty();
}

bool P_hasMessageCallbacks(int message) {
  const auto& onMessage = P_callbacks().onMessage;
  auto found = onMessage.find(message);
  return found != onMessage.end() && !found->second.empty();
}

void P_raiseOnMessage(int message, PI_DiagnosticHandle diagnostic, bool duplicate, bool suppressed) {
  const auto& onMessage = P_callbacks().onMessage;
  auto found = onMessage.find(message);
  if (found != onMessage.end())
    found->second.call(diagnostic, static_cast<unsigned char>(duplicate), static_cast<unsigned char>(suppressed));
}

void P_raiseOnDiagnosticSuppressed(PI_DiagnosticHandle diagnostic, bool duplicate, bool suppressed) {
  P_callbacks().onDiagnosticSuppressed.call(diagnostic, static_cast<unsigned char>(duplicate),
                                            static_cast<unsigned char>(suppressed));
}

void P_raiseOnDiagnostic(PI_DiagnosticHandle diagnostic, bool duplicate) {
  P_callbacks().onDiagnostic.call(diagnostic, static_cast<unsigned char>(duplicate));
}

void P_raiseOnSuppressionRecordDiagnostic(PI_SuppressionRecordHandle record, PI_DiagnosticHandle diagnostic) {
  P_callbacks().onSuppressionRecordDiagnostic.call(record, diagnostic);
}

void P_raiseOnSuppressionRecord(PI_SuppressionRecordHandle record) {
  P_callbacks().onSuppressionRecord.call(record);
}
