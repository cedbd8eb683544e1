// One DEFINE record of a source: a declaration, definition, macro, label or
// implicit member, with the codes of its record decoded into bytes.
#pragma once

#include <cstdint>
#include <string_view>

#include "util/StringStore.h"

// Sanity word of every live define and symbol; cleared on destruction so a
// dangling pointer is noticed by whoever checks it.
constexpr std::uint16_t P_kSanityWord = 4711;

enum P_DefineBit : std::uint8_t {
  P_DefineDeclaration = 1,
  P_DefineDefinition = 2,
  P_DefineRedeclaration = 4,  // "R"
  P_DefineSpecialisation = 8, // "S"
  P_DefineImplicit = 16,      // "I"
  P_DefineCodeX = 32,
  P_DefineCodeP = 64,
};

enum class P_DefineKind : std::uint8_t {
  Label = 0,
  Tag = 1,
  Member = 2,
  Typedef = 3,
  Function = 4,
  Enumerator = 5,
  Macro = 6,
  Variable = 7,
  None = 8,
};

enum class P_Scope : std::uint8_t {
  NoneForLabels = 0,  // "N"
  File = 1,
  Block = 2,
  Prototype = 3,
  Class = 4,
  Template = 5,
  Namespace = 6,
  Unset = 7,  // "-"
};

enum class P_Linkage : std::uint8_t {
  Internal = 0,
  External = 1,
  None = 2,
  NotApplicable = 3,  // "-"
};

enum P_DefineFlag : std::uint32_t {
  P_FlagFunctionMacro = 0x1,
  P_FlagObjectMacro = 0x2,
  P_FlagInline = 0x4,
  P_FlagVirtual = 0x8,
  P_FlagPureVirtual = 0x10,
  P_FlagStaticStorage = 0x20,
  P_FlagPOD = 0x40,
  P_FlagAggregate = 0x80,
  P_FlagFunctionParameter = 0x100,
  P_FlagExplicitPublic = 0x200,
  P_FlagExplicitProtected = 0x400,
  P_FlagExplicitPrivate = 0x800,
  P_FlagImplicitPublic = 0x1000,
  P_FlagImplicitPrivate = 0x2000,
  P_FlagG = 0x4000,
  P_FlagT = 0x8000,
  P_FlagU = 0x10000,
};

// The decoded fields of a record, before the define exists: a line is
// parsed into this on the stack, and a P_Define is only made when somebody
// wants it.
struct P_DefineFields {
  U_Identifier qualName;
  U_Filename file;
  std::int32_t line = 0;
  std::uint8_t mainFile = 1;
  std::uint8_t defineBits = 0;
  P_DefineKind kind = P_DefineKind::None;
  P_Scope scope = P_Scope::File;
  P_Linkage linkage = P_Linkage::Internal;
  std::uint32_t flags = 0;
  U_Identifier type;

  bool operator==(const P_DefineFields&) const = default;
};

class P_Symbol;

// What filing learnt from the first define of a shape and holds for every
// later one (FilingMemo.h).
struct P_FilingMemo {
  U_Identifier key;
  P_Symbol* projectSymbol = nullptr;
};

// What a record's text decides about a define. The defines made from the
// same line (a header's declaration, in each source that includes it)
// share one shape, whose fields never change once made.
struct P_DefineShape {
  P_DefineFields fields;
  bool templateOrSpecialisation = false;  // of the name, for the bookkeeping
  // Whether the name's scope has its scope-enclosing entry (a memo of
  // ScopeEnclSymbol.cpp).
  mutable bool scopeSettled = false;
  mutable P_FilingMemo memo;
};
static_assert(sizeof(P_DefineShape) == 64, "a shape fills one cache line");

// One define of one source: its shape plus what filing it may change (the
// define bits and flags). Defines live in the symbol table's pool, which
// alone destroys them, so a define carries no reference count; millions of
// them live until the end of a run, so one takes 16 bytes.
class P_Define final {
 public:
  explicit P_Define(const P_DefineShape* shape)
      : shape_(shape), flags_(shape->fields.flags), defineBits_(shape->fields.defineBits) {}
  ~P_Define() { sanity_ = 0; }

  bool isSane() const noexcept { return sanity_ == P_kSanityWord; }

  U_Identifier qualName() const noexcept { return shape_->fields.qualName; }
  U_Filename file() const noexcept { return shape_->fields.file; }
  std::int32_t line() const noexcept { return shape_->fields.line; }
  bool isInMainFile() const noexcept { return shape_->fields.mainFile != 0; }
  std::uint8_t defineBits() const noexcept { return static_cast<std::uint8_t>(defineBits_); }
  bool hasBit(std::uint8_t bit) const noexcept { return (defineBits_ & bit) != 0; }
  P_DefineKind kind() const noexcept { return shape_->fields.kind; }
  P_Scope scope() const noexcept { return shape_->fields.scope; }
  P_Linkage linkage() const noexcept { return shape_->fields.linkage; }
  std::uint32_t flags() const noexcept { return flags_; }
  bool hasFlag(std::uint32_t flag) const noexcept { return (flags_ & flag) != 0; }
  U_Identifier type() const noexcept { return shape_->fields.type; }
  bool isTemplateOrSpecialisation() const noexcept { return shape_->templateOrSpecialisation; }
  const P_DefineShape& shape() const noexcept { return *shape_; }

  bool isDeclaration() const noexcept { return hasBit(P_DefineDeclaration); }
  bool isDefinition() const noexcept { return hasBit(P_DefineDefinition); }
  bool isFunction() const noexcept { return kind() == P_DefineKind::Function; }
  bool isMacro() const noexcept { return kind() == P_DefineKind::Macro; }
  bool hasExternalLinkage() const noexcept { return linkage() == P_Linkage::External; }
  bool isAt(const P_Define& other) const noexcept {
    return shape_ == other.shape_ || (file() == other.file() && line() == other.line());
  }

  // The symbol table fixes the bits while it files a define, and merges a
  // definition into the declaration at the same place.
  void setDefineBits(std::uint8_t bits) noexcept { defineBits_ = bits; }
  void addFlags(std::uint32_t flags) noexcept { flags_ |= flags; }

 private:
  const P_DefineShape* shape_;
  std::uint32_t flags_ : 17;      // every P_DefineFlag fits
  std::uint32_t defineBits_ : 7;  // every P_DefineBit fits
  std::uint16_t sanity_ = P_kSanityWord;
};
static_assert(sizeof(P_Define) == 16, "a define is packed into 16 bytes");

// Decoding of the record's codes. Each takes the field as read.
namespace zum {
std::uint8_t defineBitsFromCode(char second) noexcept;
P_DefineKind kindFromSpaceCode(char first, char second) noexcept;
P_Scope scopeFromLetter(char letter) noexcept;
P_Linkage linkageFromLetter(char letter) noexcept;
std::uint32_t flagsFromLetters(std::string_view letters) noexcept;

// The tag kind of a tag type string ("{s..." struct, "{u..." union,
// "{e..." enum, anything else class); 0 when the text is no tag type.
char tagTypeKind(std::string_view type) noexcept;
}  // namespace zum
