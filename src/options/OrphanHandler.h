// The receivers of the arguments that are not options: the sources to
// analyse.
#pragma once

#include <set>
#include <vector>

#include "util/Filename.h"
#include "util/String.h"

class C_CmdArgs;

class C_OrphanHandler {
 public:
  virtual ~C_OrphanHandler() = default;
  virtual void handle(const C_CmdArgs& cmdArgs, const U_String& argument) = 0;
  virtual bool isEmpty() const = 0;
};

// Keeps each named source once, in the order of first appearance, with the
// directory that holds its per-file output as it was when it was named.
class C_OrphanFileHandler final : public C_OrphanHandler {
 public:
  struct Entry {
    XF_Filename file;
    U_String outputDirectory;
  };

  void handle(const C_CmdArgs& cmdArgs, const U_String& argument) override;
  bool isEmpty() const override { return entries_.empty(); }

  std::size_t count() const noexcept { return entries_.size(); }
  const std::vector<Entry>& entries() const noexcept { return entries_; }
  auto begin() const noexcept { return entries_.begin(); }
  auto end() const noexcept { return entries_.end(); }

 private:
  std::vector<Entry> entries_;
  // Absolute names, letter case folded: "F.C", "./f.c" and "f.c" are one.
  std::set<U_Filename> known_;
};

// Where the per-file output of a source named now is found: "outputpath" if
// set, else the product's output-directory variable as a full path, else ".".
U_String C_currentOutputDirectory(const C_CmdArgs& cmdArgs);
