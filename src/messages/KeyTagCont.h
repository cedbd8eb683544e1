// Tags filed under one kind of key. The project model decides what a tag
// is and fills the containers; this header only fixes the keys and their
// orders.
#pragma once

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "util/Filename.h"
#include "util/Location.h"
#include "util/String.h"

// By begin, then end, each by the location order.
struct M_IsLocationRangeLess {
  bool operator()(const std::pair<U_Location, U_Location>& a, const std::pair<U_Location, U_Location>& b) const noexcept {
    if (U_isLocationLess(a.first, b.first)) return true;
    if (U_isLocationLess(b.first, a.first)) return false;
    return U_isLocationLess(a.second, b.second);
  }
};

template <class Key, class Order, class Tag>
class M_KeyTagCont {
 public:
  void add(const Key& key, Tag tag) { tags_[key].push_back(std::move(tag)); }
  // Empty when nothing is filed under the key.
  const std::vector<Tag>& tagsOf(const Key& key) const {
    static const std::vector<Tag> none;
    const auto found = tags_.find(key);
    return found == tags_.end() ? none : found->second;
  }
  bool empty() const noexcept { return tags_.empty(); }
  const std::map<Key, std::vector<Tag>, Order>& all() const noexcept { return tags_; }

 private:
  std::map<Key, std::vector<Tag>, Order> tags_;
};

template <class Tag>
using M_FilenameTagCont = M_KeyTagCont<XF_Filename, std::less<XF_Filename>, Tag>;
template <class Tag>
using M_LocationTagCont = M_KeyTagCont<U_Location, M_IsLocationLess, Tag>;
template <class Tag>
using M_LocationRangeTagCont = M_KeyTagCont<std::pair<U_Location, U_Location>, M_IsLocationRangeLess, Tag>;
template <class Tag>
using M_MessageTagCont = M_KeyTagCont<int, std::less<int>, Tag>;
template <class Tag>
using M_StringTagCont = M_KeyTagCont<U_String, std::less<U_String>, Tag>;
