// The run's argument stream over a stack of sources: it reads from the
// source pushed last and drops a source once it is exhausted. Each argument
// is delivered as one line (an argument holding a newline gives several).
#pragma once

#include <deque>

#include "options/ArgStream.h"
#include "options/ArgsSource.h"

namespace zum {

class ArgumentSourceStack {
 public:
  void push(U_Handle<C_ArgsSource> source, bool isViaFile = false);
  void pop();
  bool empty() const noexcept { return sources_.empty(); }
  C_ArgsSource& top() const { return *sources_.back().source; }
  // Via files on the stack now, the nesting depth of the one on top.
  int viaDepth() const noexcept { return viaDepth_; }

 private:
  struct Entry {
    U_Handle<C_ArgsSource> source;
    bool isViaFile;
  };
  std::deque<Entry> sources_;
  int viaDepth_ = 0;
};

}  // namespace zum

class C_SourceStackStream final : public C_ArgStream {
 public:
  // Deeper nesting is taken for a via file that names itself.
  static constexpr int kMaxViaDepth = 64;

  // Via files that need translation are copied to `temporaryDirectory`.
  C_SourceStackStream(zum::ArgumentSourceStack stack, U_String temporaryDirectory)
      : stack_(std::move(stack)), temporaryDirectory_(std::move(temporaryDirectory)) {}

  bool read(U_String& argument) override;
  void openVia(const U_String& path) override;

 private:
  zum::ArgumentSourceStack stack_;
  U_String temporaryDirectory_;
  U_String pending_;  // the current argument and its newline
  std::size_t position_ = 0;
};
