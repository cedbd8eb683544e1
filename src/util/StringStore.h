// Interned identifiers and file names.
//
// Every distinct spelling is stored once for the whole process; the values
// passed around are one pointer to the stored text, so equality is pointer
// identity. The stored text is zero-terminated and never moves, so its
// pointer may be handed out to modules as a C string for the whole run.
//
// Each stored entry also carries a serial number, given in the order of
// first interning. "Identity order" of handles is this serial order: it is
// as cheap as comparing pointers and, unlike pointers, the same from run
// to run, so containers keyed by handles iterate deterministically.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "util/LargeBlocks.h"
#include "util/String.h"

// Plain byte-wise order (unsigned bytes; a prefix is less).
struct SimpleStringCompare {
  static std::uint64_t hash(std::string_view text) noexcept;
  static bool equal(std::string_view a, std::string_view b) noexcept { return a == b; }
  static bool less(std::string_view a, std::string_view b) noexcept;
};

// File-name order: shorter first; equal lengths compare byte-wise after
// folding ASCII letters to lower case. 'Src/A.c' and 'src/a.c' are one name;
// 'a/b' and 'a\b' are two.
struct FilenameStringCompare {
  static std::uint64_t hash(std::string_view text) noexcept;
  static bool equal(std::string_view a, std::string_view b) noexcept;
  static bool less(std::string_view a, std::string_view b) noexcept;
};

namespace zum::intern {

// Layout in front of every stored text.
struct EntryHeader {
  std::uint32_t serial;
  std::uint32_t size;
};

inline const EntryHeader& header(const char* text) noexcept {
  return *reinterpret_cast<const EntryHeader*>(text - sizeof(EntryHeader));
}

// Append-only storage of texts plus an open-addressing index over them.
class Table {
 public:
  using Hash = std::uint64_t (*)(std::string_view) noexcept;
  using Equal = bool (*)(std::string_view, std::string_view) noexcept;

  Table(Hash hash, Equal equal);
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const char* intern(std::string_view text);
  const char* find(std::string_view text) const;
  std::size_t size() const noexcept { return count_; }
  std::size_t bytesUsed() const noexcept { return bytes_; }

 private:
  struct Slot {
    std::uint64_t hash;
    const char* text;
  };
  const char* store(std::string_view text);
  void grow();

  Hash hash_;
  Equal equal_;
  std::vector<Slot, zum::TableAllocator<Slot>> slots_;
  std::size_t count_ = 0;
  // Texts are kept in blocks taken from huge pages once the store grows;
  // a text longer than a block gets one of its own.
  static constexpr std::size_t kBlockBytes = 64 * 1024;
  zum::LargeBlocks blocks_{kBlockBytes};
  std::vector<std::unique_ptr<char[]>> oversize_;
  char* free_ = nullptr;
  std::size_t freeBytes_ = 0;
  std::size_t bytes_ = 0;
};

}  // namespace zum::intern

// One store per comparer for the whole process; created on first use,
// never emptied, so every handle stays valid until the program ends.
template <class Compare>
class U_SingletonStringStore {
 public:
  static U_SingletonStringStore& instance() {
    static U_SingletonStringStore* store = new U_SingletonStringStore;
    return *store;
  }
  const char* intern(std::string_view text) { return table_.intern(text); }
  const char* find(std::string_view text) const { return table_.find(text); }
  std::size_t size() const noexcept { return table_.size(); }
  std::size_t bytesUsed() const noexcept { return table_.bytesUsed(); }

 private:
  U_SingletonStringStore() : table_(&Compare::hash, &Compare::equal) {}
  zum::intern::Table table_;
};

// Shared behaviour of the two handle kinds.
template <class Compare>
class U_InternedText {
 public:
  U_InternedText() noexcept = default;
  explicit U_InternedText(std::string_view text)
      : text_(U_SingletonStringStore<Compare>::instance().intern(text)) {}
  explicit U_InternedText(const char* text) : U_InternedText(std::string_view(text ? text : "")) {}
  // The handle of a pointer this store handed out (from intern or find),
  // without looking the text up again.
  static U_InternedText fromStored(const char* stored) noexcept {
    U_InternedText handle;
    handle.text_ = stored;
    return handle;
  }

  bool isSet() const noexcept { return text_ != nullptr; }
  std::string_view view() const noexcept {
    return text_ ? std::string_view(text_, zum::intern::header(text_).size) : std::string_view();
  }
  // Zero-terminated, stable for the run; "" for a null handle.
  const char* c_str() const noexcept { return text_ ? text_ : ""; }
  // The same pointer for equal texts; null for a null handle.
  const char* pointer() const noexcept { return text_; }
  U_String text() const { return U_String(view()); }
  std::size_t size() const noexcept { return text_ ? zum::intern::header(text_).size : 0; }
  bool empty() const noexcept { return size() == 0; }
  // 0 for a null handle, else the order of first interning (from 1).
  std::uint32_t serial() const noexcept { return text_ ? zum::intern::header(text_).serial : 0; }

  friend bool operator==(U_InternedText a, U_InternedText b) noexcept { return a.text_ == b.text_; }
  // Identity order (see the top of this file).
  friend bool operator<(U_InternedText a, U_InternedText b) noexcept { return a.serial() < b.serial(); }
  // The comparer's order of the texts.
  static bool lessText(U_InternedText a, U_InternedText b) noexcept {
    return Compare::less(a.view(), b.view());
  }

 private:
  const char* text_ = nullptr;
};

using U_Identifier = U_InternedText<SimpleStringCompare>;
using U_Filename = U_InternedText<FilenameStringCompare>;

template <class Compare>
struct std::hash<U_InternedText<Compare>> {
  std::size_t operator()(U_InternedText<Compare> t) const noexcept {
    return std::hash<const char*>()(t.pointer());
  }
};
