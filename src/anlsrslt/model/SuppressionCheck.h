// Which suppression records of a source hide a diagnostic.
//
// A record covers a region of one file, from its begin location to its
// end location (line and column each). A region over several lines whose
// end column is 0 ends with the whole of the line before its end line. A
// diagnostic is covered when its message number lies in one of the
// record's message ranges and its location lies in the region: on the
// begin line not before the begin column, on the end line not after the
// end column, on the lines between anywhere. When its own location is not
// covered, the location that included its file is tried, and so on up the
// include chain. Records of kind 1 are tried before those of kind 2, each
// kind in the order entered; other kinds are not entered.
//
// A record without an end location covers exactly its begin point: the
// begin line at the begin column. Records without an end location of the
// same kind at the same point share one region, tried in the place of the
// first of them; a later record never closes or widens an earlier region.
#pragma once

#include <cstddef>
#include <vector>

#include "util/NumberList.h"
#include "util/StringStore.h"

class M_SuppressionRecord;
class U_Location;

class P_SuppressionCheck {
 public:
  // `index` is what the finds below answer for this record.
  void enter(const M_SuppressionRecord& record, std::size_t index);
  bool empty() const noexcept { return regions_[0].empty() && regions_[1].empty(); }

  // The record that decides: the first that covers the diagnostic.
  bool find(int message, const U_Location& location, std::size_t& index) const;
  // Every record that covers the diagnostic at the first place of its
  // include chain that some record covers, kind 1 first; empty when none.
  std::vector<std::size_t> findAll(int message, const U_Location& location) const;

 private:
  struct Member {
    std::size_t index;
    std::vector<U_NumberRange> ranges;
  };
  struct Region {
    U_Filename file;  // absolute path
    int beginLine;
    int beginColumn;
    int endLine;
    int endColumn;
    bool open;  // made from records without an end location
    std::vector<Member> members;

    bool contains(const U_Location& location) const;
  };

  static bool covers(const Member& member, int message);
  // Appends the covering records at `location` itself; stops at the first
  // when `firstOnly`.
  void collect(int message, const U_Location& location, bool firstOnly, std::vector<std::size_t>& found) const;

  std::vector<Region> regions_[2];  // kind 1, kind 2
};
