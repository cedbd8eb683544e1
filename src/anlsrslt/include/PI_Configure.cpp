// Registration of callbacks and record needs.
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Alloc.h"
#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/ControlGraph.h"
#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/DefineReader.h"
#include "anlsrslt/model/ExternVar.h"
#include "anlsrslt/model/Literal.h"
#include "anlsrslt/model/Metric.h"
#include "anlsrslt/model/RecordReaders.h"
#include "anlsrslt/model/Relation.h"
#include "anlsrslt/model/ScopeEnclSymbol.h"
#include "anlsrslt/model/Symbol.h"
#include "anlsrslt/model/SymbolTable.h"
#include "util/StringStore.h"

namespace {

void needDefines() { P_registerRecordReader("DEFINE", &P_readDefineRecord); }

void needMetricRecords() { P_registerRecordReader("S", &P_readMetricRecord); }

void needMetrics() {
  needMetricRecords();
  P_metricStore().keepEveryMetric();
}

void needRelations(std::uint8_t kinds) {
  P_callbacks().relationNeeds |= kinds;
  P_registerRecordReader("R", &P_readRelationRecord);
}

// The internal all-define handler of the class and function metrics: per
// symbol, in creation order, the metric callbacks of its define's kind.
void runClassAndFunctionMetrics() {
  const P_Callbacks& callbacks = P_callbacks();
  const auto& symbols = P_symbolTable().symbols();
  if (callbacks.functionMetrics.empty() && callbacks.findClassSymbols) {
    // The class survey has found the few classes among the many symbols.
    const P_ClassSymbols found = callbacks.findClassSymbols();
    if (found.surveyed == symbols.size()) {
      for (P_Symbol* symbol : found.classes) {
        P_Define* def = symbol->currentOrDefinition();
        for (const auto& [metric, callback] : callbacks.classMetrics) callback(def, metric);
      }
      return;
    }
  }
  for (P_Symbol* symbol : symbols) {
    P_Define* def = symbol->currentOrDefinition();
    // The kind first: most symbols are no tag, and the call would ask each.
    if (def->kind() == P_DefineKind::Tag && PI_isDefineClass(def)) {
      for (const auto& [metric, callback] : callbacks.classMetrics) callback(def, metric);
    } else if (def->isFunction()) {
      for (const auto& [metric, callback] : callbacks.functionMetrics) callback(def, metric);
    }
  }
}

void configureMetric(std::vector<std::pair<const char*, PI_MetricCallback>>& list, const char* metricName,
                     PI_MetricCallback callback) {
  list.emplace_back(U_Identifier(metricName).c_str(), callback);
  PI_configureOnAllDefine(&runClassAndFunctionMetrics);
  needMetricRecords();
}

}  // namespace

extern "C" {

void PI_configureOnSource(PI_SourceCallback callback) { P_callbacks().onSource.add(callback); }

void PI_configureOnAllDefine(PI_Callback callback) {
  P_Callbacks& callbacks = P_callbacks();
  callbacks.onAllDefine.add(callback);
  callbacks.endRunsAllDefine = true;
  needDefines();
}

void PI_configureOnNewSymbol(PI_SymbolCallback callback) {
  P_callbacks().onNewSymbol.add(callback);
  needDefines();
}

void PI_configureOnProjRedecl(PI_SymbolCallback callback) {
  P_callbacks().onProjRedecl.add(callback);
  needDefines();
}

void PI_configureOnDefinition(PI_SymbolCallback callback) {
  P_callbacks().onDefinition.add(callback);
  needDefines();
}

void PI_configureOnAlloc(PI_AllocCallback callback) {
  P_callbacks().onAlloc.add(callback);
  P_registerRecordReader("ALLOC", &P_readAllocRecord);
}

void PI_configureOnControlGraph(PI_ControlGraphCallback callback) {
  P_callbacks().onControlGraph.add(callback);
  P_registerRecordReader("CTLG", &P_readControlGraphRecord);
  P_registerRecordReader("CTLGN", &P_readControlGraphRecord);
  P_registerRecordReader("S", &P_trackControlGraphFile);
}

void PI_configureOnDiagnostic(PI_DiagnosticCallback callback) { P_callbacks().onDiagnostic.add(callback); }

void PI_configureOnMessage(int message, PI_MessageCallback callback) {
  P_callbacks().onMessage[message].add(callback);
}

void PI_configureOnDiagnosticSuppressed(PI_MessageCallback callback) {
  P_callbacks().onDiagnosticSuppressed.add(callback);
}

void PI_configureOnSuppressionRecordDiagnostic(PI_SuppressionRecordDiagnosticCallback callback) {
  P_callbacks().onSuppressionRecordDiagnostic.add(callback);
}

void PI_configureOnSuppressionRecord(PI_SuppressionRecordCallback callback) {
  P_callbacks().onSuppressionRecord.add(callback);
}

void PI_configureOnEnd(PI_Callback callback) { P_callbacks().onEnd.add(callback); }

void PI_configureClassMetric(const char* metricName, PI_MetricCallback callback) {
  configureMetric(P_callbacks().classMetrics, metricName, callback);
}

void PI_configureFunctionMetric(const char* metricName, PI_MetricCallback callback) {
  configureMetric(P_callbacks().functionMetrics, metricName, callback);
}

void PI_configureMetricGroup(PI_MetricGroupCallback callback) {
  P_Callbacks& callbacks = P_callbacks();
  callbacks.onMetricGroup.add(callback);
  callbacks.endRunsMetricGroup = true;
  needMetrics();
}

void PI_configureNeedRelationInclude() {
  P_configureOnInclude(&P_keepRelationInclude);
}

void PI_configureNeedRelationBase() { needRelations(P_NeedBase); }
void PI_configureNeedRelationCalls() { needRelations(P_NeedCalls); }
void PI_configureNeedRelationRefers() { needRelations(P_NeedRefers); }
void PI_configureNeedRelationClsMbr() { needRelations(P_NeedClsMbr); }
void PI_configureNeedRelationClsMbrRef() { needRelations(P_NeedClsMbrRef); }
void PI_configureNeedRelationClsMbrPtr() { needRelations(P_NeedClsMbrPtr); }

void PI_configureNeedExternVar() { P_registerRecordReader("EXTV", &P_readExternVarRecord); }

void PI_configureNeedMetric() { needMetrics(); }

void PI_configureNeedLiteral() { P_registerRecordReader("LIT", &P_readLiteralRecord); }

void PI_configureNeedScopeEnclSymbol() {
  P_callbacks().onNewSymbol.add(&P_recordScopeEnclSymbol);
  needDefines();
}

}  // extern "C"

void P_configureClassSymbols(P_ClassSymbols (*find)()) { P_callbacks().findClassSymbols = find; }

void P_configureNeedMetric(const char* metricName) {
  needMetricRecords();
  P_metricStore().keepMetric(metricName);
}

