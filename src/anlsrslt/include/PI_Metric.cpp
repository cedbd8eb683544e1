// Metric values.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/Metric.h"
#include "anlsrslt/model/QualifiedName.h"
#include "options/RunSettings.h"
#include "util/Memo.h"
#include "util/ProcessState.h"
#include "util/StringStore.h"

namespace {

struct MetricQueryState {
  std::string scratch;
};

void report(std::string_view a, std::string_view b = {}, std::string_view c = {}) {
  for (std::string_view part : {a, b, c})
    if (!part.empty()) std::fwrite(part.data(), 1, part.size(), stdout);
  std::fputc('\n', stdout);
}

// A name the model handed out (PI_getDefineQualName) is a group key as it
// is: marking a marked name changes nothing, so the group is the name
// itself, found without marking and hashing it again.
const char* groupOfKnownName(const P_MetricStore& store, const char* qualName) {
  if (!qualName || !C_readCachesOn() || !store.hasGroup(qualName)) return nullptr;
  if constexpr (zum::kCheckMemos) {
    std::string marked;
    zum::markQualifiedName(qualName, marked);
    zum::checkMemo(U_SingletonStringStore<SimpleStringCompare>::instance().find(marked) == qualName, "GroupName");
  }
  return qualName;
}

// The value text of the metric, or null, with the "show-metric-errors"
// reports of what is missing.
const char* lookUp(const char* qualName, const char* metricName) {
  const P_MetricStore& store = P_metricStore();
  const auto& identifiers = U_SingletonStringStore<SimpleStringCompare>::instance();
  const char* group = groupOfKnownName(store, qualName);
  std::string_view name = group ? std::string_view(group) : std::string_view();
  if (!group) {
    std::string& marked = zum::ProcessState::get<MetricQueryState>().scratch;
    zum::markQualifiedName(qualName ? qualName : "", marked);
    name = marked;
    // Only interned names can be group keys, so nothing needs interning here.
    group = identifiers.find(marked);
    if (!group || !store.hasGroup(group)) {
      if (C_runSettings().showMetricErrors) report("Missing Metrics for : ", name);
      return nullptr;
    }
  }
  const char* metric = identifiers.find(metricName ? metricName : "");
  const char* value = metric ? store.find(group, metric) : nullptr;
  if (!value && C_runSettings().showMetricErrors)
    report(name, " does not have the metric  : ", metricName ? metricName : "");
  return value;
}

}  // namespace

extern "C" {

int PI_getMetricIntegralValue(const char* qualName, const char* metricName) {
  const char* value = lookUp(qualName, metricName);
  return value ? zum::leadingInt(value) : 0;
}

double PI_getMetricFloatingValue(const char* qualName, const char* metricName) {
  const char* value = lookUp(qualName, metricName);
  return value ? std::strtod(value, nullptr) : 0.0;
}

const char* PI_getMetricStringValue(const char* qualName, const char* metricName) {
  return lookUp(qualName, metricName);
}

bool PI_hasMetric(const char* qualName, const char* metricName) { return lookUp(qualName, metricName) != nullptr; }

}  // extern "C"
