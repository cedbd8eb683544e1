// Metric values of the per-source metric files ("<S>" records).
//
// "<S>STFIL file" names the file whose metrics follow; "<S>STNAM name"
// opens a metric group for a function or class (or for the file itself,
// when the name is the file). Every other "<S>NAME value" line stores a
// value in the open group. Values are kept as interned text and converted
// when queried.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "anlsrslt/model/impl/NumberInterns.h"
#include "anlsrslt/model/impl/RecentInterns.h"
#include "util/FlatMap.h"
#include "util/StringStore.h"

class P_MetricStore {
 public:
  // The value text of `metric` in the group `group`, or null.
  const char* find(const char* group, const char* metric) const noexcept;
  bool hasGroup(const char* group) const noexcept { return groupIndex_.contains(group); }

  // Reading: see the top of this file.
  void setLastFile(std::string_view file) {
    lastFile_.assign(file);
    lastFileText_ = nullptr;
    haveLastFile_ = true;
  }
  bool hasLastFile() const noexcept { return haveLastFile_; }
  const std::string& lastFile() const noexcept { return lastFile_; }
  // Opens the group `key`; returns the key of the group it closes (null if none).
  const char* openGroup(U_Identifier key);
  void store(std::string_view metric, std::string_view value);
  void store(std::string_view metric, const char* value);
  // The last file name as interned text, for the STFIL entry of each group.
  const char* lastFileText();
  const char* openGroupKey() const noexcept { return openKey_; }

  // Which metrics the groups keep: every one, unless the modules that
  // query metrics all named the few they ask for (a metric asked for by
  // nobody need not be interned and stored for every function).
  void keepEveryMetric() noexcept { keeping_ = Keeping::Every; }
  void keepMetric(std::string_view metric);
  bool keeps(std::string_view metric) const noexcept {
    return keeping_ != Keeping::Named || keepsNamed(metric);
  }

 private:
  using Group = std::vector<std::pair<const char*, const char*>>;  // (metric, value), few per group
  zum::FlatMap<const char*, std::uint32_t> groupIndex_;
  std::vector<Group> groups_;
  std::string lastFile_;
  const char* lastFileText_ = nullptr;  // interned once a file
  // Apart, so that values, most of them seen once, do not push out the few
  // metric names that every group repeats.
  zum::RecentInterns<16> names_;
  zum::RecentInterns<8> values_;
  zum::NumberInterns numbers_;
  bool haveLastFile_ = false;
  const char* openKey_ = nullptr;
  std::uint32_t open_ = 0;

  enum class Keeping { Unset, Named, Every };
  bool keepsNamed(std::string_view metric) const noexcept;
  Keeping keeping_ = Keeping::Unset;
  std::vector<std::string> named_;
};

P_MetricStore& P_metricStore();

// Registered for the tag "S".
void P_readMetricRecord(std::string_view line);

// The internal end handler: the metric-group callbacks for the last group.
void P_finishLastMetricGroup();
