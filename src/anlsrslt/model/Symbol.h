// A project symbol: one entity of the project with every define filed
// under it from all sources.
#pragma once

#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/impl/SmallPtrVector.h"

// Symbols live in the symbol table's pool, which alone destroys them, so a
// symbol carries no reference count.
class P_Symbol final {
 public:
  // Starts with `def` as its current define (and definition, if it is one).
  // `serial` is the symbol's place in creation order, the identity order of
  // symbols that end-of-run tables sort by.
  P_Symbol(P_Define* def, std::uint32_t serial);
  ~P_Symbol() { sanity_ = 0; }

  bool isSane() const noexcept { return sanity_ == P_kSanityWord; }
  std::uint32_t serial() const noexcept { return serial_; }

  // Files `def`. A definition at the place of the current define is merged
  // into it (definition bit and flags) instead of being filed separately:
  // the record of a definition repeats its own declaration.
  void add(P_Define* def);
  // The same for a define filed nowhere yet, which cannot be the current
  // one: a declaration is appended without looking at the current define.
  void addFresh(P_Define* def) {
    if (def->isDefinition()) {
      add(def);
    } else {
      defines_.push_back(def);
    }
  }

  // All defines filed here, each once, in filing order.
  const zum::SmallPtrVector<P_Define>& defines() const noexcept { return defines_; }
  P_Define* definition() const noexcept { return definition_ == kNone ? nullptr : defines_[definition_]; }
  // The define the symbol was created from, then the last one filed.
  P_Define* current() const noexcept { return defines_[defines_.size() - 1]; }
  // The definition when there is one, else the current define.
  P_Define* currentOrDefinition() const noexcept { return definition_ == kNone ? current() : defines_[definition_]; }

  // Whether a kept refers relation names the symbol as its subject.
  bool isRefersSubject() const noexcept { return refersSubject_; }
  void markRefersSubject() noexcept { refersSubject_ = true; }

  // The marks of P_SymbolMark that checks set while the sources are read.
  bool hasMark(std::uint8_t mark) const noexcept { return (marks_ & mark) != 0; }
  void setMark(std::uint8_t mark) noexcept { marks_ = static_cast<std::uint8_t>(marks_ | mark); }

 private:
  static constexpr std::uint32_t kNone = UINT32_MAX;

  // There are about as many symbols as defines, so a symbol is packed into
  // 24 bytes: the definition is an index rather than a pointer, and the
  // small fields fill the padding behind the define list's count.
  [[no_unique_address]] zum::SmallPtrVector<P_Define> defines_;
  std::uint32_t serial_;
  std::uint32_t definition_ = kNone;  // into defines_
  std::uint16_t sanity_ = P_kSanityWord;
  bool refersSubject_ = false;
  std::uint8_t marks_ = 0;
};
static_assert(sizeof(P_Symbol) == 24, "a symbol is packed into 24 bytes");
