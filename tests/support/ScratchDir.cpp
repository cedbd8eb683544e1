#include "ScratchDir.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

#include "TestText.h"

namespace zumtest {

namespace fs = std::filesystem;

ScratchDir::ScratchDir(std::string_view tag) {
  std::string pattern = (fs::temp_directory_path() / (std::string(tag) + "-XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed for " + pattern);
  dir_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

std::string ScratchDir::write(const std::string& relative, const std::string& content) const {
  const fs::path target = dir_ / relative;
  fs::create_directories(target.parent_path());
  std::ofstream(target, std::ios::binary) << content;
  return target.string();
}

std::string ScratchDir::read(const std::string& relative) const { return readFile(dir_ / relative); }

bool ScratchDir::exists(const std::string& relative) const { return fs::exists(dir_ / relative); }

void ScratchDir::copyFixture(const std::string& fixture, const std::string& to) const {
  const fs::path target = dir_ / to;
  fs::create_directories(target);
  fs::copy(fs::path(ZUM_FIXTURES_DIR) / fixture, target,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

}  // namespace zumtest
