// Suppression records as modules see them: the record of the error file
// with its locations, its tag and its message ranges in plug-in form.
#pragma once

#include <vector>

#include "anlsrslt/model/SourceLocation.h"
#include "messages/SuppressionRecord.h"
#include "util/Ref.h"
#include "util/StringStore.h"

class P_MessageRange final : public U_Ref {
 public:
  P_MessageRange(int start, int end) : start_(start), end_(end) {}
  int start() const noexcept { return start_; }
  int end() const noexcept { return end_; }

 private:
  int start_;
  int end_;
};

class P_SuppressionRecord final : public U_Ref {
 public:
  static constexpr int kSanity = 4711;

  explicit P_SuppressionRecord(U_Handle<M_SuppressionRecord> record);

  int sanity() const noexcept { return sanity_; }
  // Where the annotation stands, where its region begins and ends. The
  // end is null for a record without an end location.
  P_Location* tagLocation() const noexcept { return tagLocation_.pointer(); }
  P_Location* fromLocation() const noexcept { return fromLocation_.pointer(); }
  P_Location* toLocation() const noexcept { return toLocation_.pointer(); }
  U_Identifier tag() const noexcept { return tag_; }
  const std::vector<U_Handle<P_MessageRange>>& messageRanges() const noexcept { return messageRanges_; }
  const M_SuppressionRecord& record() const noexcept { return *record_; }

 private:
  int sanity_ = kSanity;
  U_Handle<P_Location> tagLocation_;
  U_Handle<P_Location> fromLocation_;
  U_Handle<P_Location> toLocation_;
  U_Identifier tag_;
  std::vector<U_Handle<P_MessageRange>> messageRanges_;
  U_Handle<M_SuppressionRecord> record_;
};

// The numbers of a range as the annotation wrote them: the leading decimal
// number of each text (0 without one); an empty last gives the first.
P_MessageRange P_parseMessageRange(const M_MessageRange& range);
