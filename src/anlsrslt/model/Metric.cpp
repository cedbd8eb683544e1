#include "anlsrslt/model/Metric.h"

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/ReadCaches.h"
#include "anlsrslt/model/ReadContext.h"
#include "util/Assert.h"
#include "util/ProcessState.h"

namespace {
constexpr const char* kUnit = "MetricRecord";
// The metrics of a function (its file and seven values) fit without
// growing the group.
constexpr std::size_t kGroupCapacity = 10;
}

P_MetricStore& P_metricStore() { return zum::ProcessState::get<P_MetricStore>(); }

const char* P_MetricStore::find(const char* group, const char* metric) const noexcept {
  const std::uint32_t* index = groupIndex_.find(group);
  if (!index) return nullptr;
  for (const auto& [name, value] : groups_[*index])
    if (name == metric) return value;
  return nullptr;
}

const char* P_MetricStore::openGroup(U_Identifier key) {
  const char* closed = openKey_;
  auto [index, created] = groupIndex_.tryEmplace(key.pointer());
  if (created) {
    *index = static_cast<std::uint32_t>(groups_.size());
    groups_.emplace_back().reserve(kGroupCapacity);
  }
  open_ = *index;
  openKey_ = key.pointer();
  return closed;
}

void P_MetricStore::keepMetric(std::string_view metric) {
  if (keeping_ == Keeping::Unset) keeping_ = Keeping::Named;
  named_.emplace_back(metric);
}

bool P_MetricStore::keepsNamed(std::string_view metric) const noexcept {
  for (const std::string& named : named_)
    if (named == metric) return true;
  return false;
}

void P_MetricStore::store(std::string_view metric, std::string_view value) {
  store(metric, P_internMetricValue(numbers_, values_, value));
}

const char* P_MetricStore::lastFileText() {
  if (!lastFileText_ || !C_readCachesOn()) lastFileText_ = P_internRecent(values_, lastFile_);
  return lastFileText_;
}

void P_MetricStore::store(std::string_view metric, const char* text) {
  const char* name = P_internRecent(names_, metric);
  for (auto& entry : groups_[open_]) {
    if (entry.first == name) {
      entry.second = text;  // a metric given twice keeps the later value
      return;
    }
  }
  groups_[open_].emplace_back(name, text);
}

void P_readMetricRecord(std::string_view line) {
  U_require(line.substr(0, 3) == "<S>", kUnit, __LINE__, "U_String (buf, 0, 3) == \"<S>\"");
  std::string_view rest = line.substr(3);
  std::size_t nameEnd = 0;
  while (nameEnd < rest.size() && !zum::isBlank(rest[nameEnd])) ++nameEnd;
  std::string_view name = rest.substr(0, nameEnd);
  std::string_view value = rest.substr(nameEnd);
  if (!value.empty()) {
    std::size_t blanks = 0;
    while (blanks < value.size() && zum::isBlank(value[blanks])) ++blanks;
    // Project-level metrics have no file: zum itself writes their headers
    // as "<S>STFIL " and "<S>STNAM " with an empty value, and reads them
    // back from the project metric file of an earlier run. Any other
    // metric must have a value after its blanks.
    const bool emptyValueAllowed = name == "STFIL" || name == "STNAM";
    U_require(blanks < value.size() || emptyValueAllowed, kUnit, __LINE__,
              "!in.eof () && \"We are just skipping the space before the name, should not result in EOF\"");
    value.remove_prefix(blanks);
  }

  P_MetricStore& store = P_metricStore();
  if (name == "STFIL") {
    store.setLastFile(value);
    return;
  }
  if (name == "STNAM") {
    U_require(store.hasLastFile(), kUnit, __LINE__,
              "m_lastFile.isSet () && \"We should have received our STFIL before the STNAM\"");
    // File-level metrics are keyed by the file's name in its interned
    // spelling, those of a function or class by its marked name.
    const std::string& lastFile = store.lastFile();
    U_Identifier key =
        value == std::string_view(lastFile) ? U_Identifier(U_Filename(lastFile).view()) : P_internNameField(value);
    const char* closed = store.openGroup(key);
    if (store.keeps("STFIL")) store.store("STFIL", store.lastFileText());
    if (closed) P_callbacks().onMetricGroup.call(closed);
  }
  if (store.openGroupKey() && !name.empty() && !value.empty() && store.keeps(name)) store.store(name, value);
}

void P_finishLastMetricGroup() {
  if (const char* open = P_metricStore().openGroupKey()) P_callbacks().onMetricGroup.call(open);
}
