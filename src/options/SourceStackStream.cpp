#include "options/SourceStackStream.h"

#include "options/OptionExceptions.h"

namespace zum {

void ArgumentSourceStack::push(U_Handle<C_ArgsSource> source, bool isViaFile) {
  sources_.push_back(Entry{std::move(source), isViaFile});
  if (isViaFile) ++viaDepth_;
}

void ArgumentSourceStack::pop() {
  if (sources_.back().isViaFile) --viaDepth_;
  sources_.pop_back();
}

}  // namespace zum

bool C_SourceStackStream::read(U_String& argument) {
  while (position_ >= pending_.size()) {
    if (stack_.empty()) return false;
    U_String next = stack_.top().next();
    if (next.empty()) {
      stack_.pop();
      continue;
    }
    pending_ = std::move(next);
    pending_ += '\n';
    position_ = 0;
  }
  const std::size_t newline = pending_.find('\n', position_);
  argument.assign(pending_, position_, newline - position_);
  position_ = newline + 1;
  return true;
}

void C_SourceStackStream::openVia(const U_String& path) {
  if (!C_isReadableFile(path)) throw C_InvalidViaException(path);
  if (stack_.viaDepth() >= kMaxViaDepth) {
    throw C_ConfigurationException("\nERROR: Via files nested more than " + std::to_string(kMaxViaDepth) +
                                   " deep, at " + path + "\n\n");
  }
  stack_.push(U_make<C_FileSource>(path, temporaryDirectory_), true);
}
