#include "OutputFile.h"

#include <algorithm>
#include <stdexcept>

namespace genproject {

OutputFile::OutputFile(const std::filesystem::path& path) : path_(path) {
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) throw std::runtime_error("cannot create " + path.string());
  // Our own buffer already makes the blocks; a second copy in stdio would
  // only cost time.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  buffer_.reserve(kBlockSize + (kBlockSize >> 2));
}

OutputFile::~OutputFile() {
  if (!file_) return;
  flush();
  std::fclose(file_);
}

void OutputFile::flush() {
  if (buffer_.empty()) return;
  lines_ += uint64_t(std::count(buffer_.begin(), buffer_.end(), '\n'));
  bytes_ += buffer_.size();
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
  buffer_.clear();
}

void OutputFile::close() {
  if (!file_) return;
  flush();
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  if (failed_) throw std::runtime_error("cannot write " + path_.string());
}

}  // namespace genproject
