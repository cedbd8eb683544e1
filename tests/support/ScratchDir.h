// A directory of the test's own: a fresh one under the system temporary
// directory, with a name no other test has (tests run in parallel, and the
// same test of another build tree may run at the same time), removed with
// the object.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zumtest {

class ScratchDir {
 public:
  // `tag` starts the directory's name, to tell whose it is when one is left.
  explicit ScratchDir(std::string_view tag = "zum-test");
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  std::filesystem::path path(const std::string& relative) const { return dir_ / relative; }
  // Writes `content` to `relative`, creating directories on the way; returns its path.
  std::string write(const std::string& relative, const std::string& content) const;
  // The bytes of `relative` ("" when it cannot be read).
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  // Copies a fixture directory (under tests/fixtures) into the directory.
  void copyFixture(const std::string& fixture, const std::string& to = ".") const;

 private:
  std::filesystem::path dir_;
};

// The end-to-end tests' name for it.
using Scratch = ScratchDir;

}  // namespace zumtest
