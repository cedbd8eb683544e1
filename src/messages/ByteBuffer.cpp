#include "messages/ByteBuffer.h"

#include <algorithm>
#include <cstring>

void R_ByteBuffer::grow(std::size_t count) {
  storage_.resize(std::max({storage_.size() * 2, size_ + count, std::size_t(256)}));
}

void R_ByteBuffer::putBytes(std::string_view bytes) {
  if (!bytes.empty()) std::memcpy(extend(bytes.size()), bytes.data(), bytes.size());
}

void R_ByteBuffer::putCopy(std::size_t begin, std::size_t end) { putCopies(begin, end, 1); }

void R_ByteBuffer::putCopies(std::size_t begin, std::size_t end, std::size_t times) {
  const std::size_t size = end - begin;
  if (size == 0) return;
  char* at = extend(size * times);
  std::memcpy(at, storage_.data() + begin, size);
  // The copies made so far are copied again: a long run of copies (a
  // header's declaration listed once for every source) costs a few calls.
  const std::size_t total = size * times;
  for (std::size_t done = size; done < total;) {
    const std::size_t step = std::min(done, total - done);
    std::memcpy(at + done, at, step);
    done += step;
  }
}

void R_ByteBuffer::markText(std::size_t begin) {
  if (begin < size_) texts_.push_back(Span{begin, size_});
}

bool R_ByteBuffer::isTextAt(std::size_t offset) const noexcept {
  return std::any_of(texts_.begin(), texts_.end(),
                     [offset](const Span& s) { return s.begin <= offset && offset < s.end; });
}

void R_ByteBuffer::clear() noexcept {
  size_ = 0;
  texts_.clear();
}
