// A file as the program names it: its absolute path and its name as given.
#pragma once

#include <string_view>

#include "util/StringStore.h"

class XF_Filename {
 public:
  XF_Filename() = default;
  // The absolute half is computed from the file system (see U_Path::absolute).
  explicit XF_Filename(std::string_view given);
  XF_Filename(U_Filename absolute, U_Filename given) : absolute_(absolute), given_(given) {}

  U_Filename absolute() const noexcept { return absolute_; }
  U_Filename given() const noexcept { return given_; }
  bool isSet() const noexcept { return absolute_.isSet(); }

  // Two names are the same file when their absolute halves are.
  friend bool operator==(const XF_Filename& a, const XF_Filename& b) noexcept { return a.absolute_ == b.absolute_; }
  friend bool operator<(const XF_Filename& a, const XF_Filename& b) noexcept { return a.absolute_ < b.absolute_; }

 private:
  U_Filename absolute_;
  U_Filename given_;
};
