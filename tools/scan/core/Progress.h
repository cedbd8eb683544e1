// Progress on standard error: "[ 12/345] lib/foo.c" for each unit as it
// ends; on a terminal a single line that is rewritten, with messages
// printed above it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace scan {

class Progress {
 public:
  // `quiet`: messages only.
  Progress(std::size_t total, bool quiet);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void unitDone(std::string_view name);
  // Text that must stay on screen (it ends with a newline or gets one).
  void message(std::string_view text);
  // Ends the updating line, if any.
  void finish();

 private:
  void clearStatus();

  std::size_t total_;
  std::size_t done_ = 0;
  bool quiet_;
  bool terminal_;
  bool statusShown_ = false;
  int width_;
};

}  // namespace scan
