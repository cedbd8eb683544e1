// What the record operations of the metric writer take. The letters are
// those the per-source metric file readers expect, so that a project
// metric file can be read back like the file of a source.
#pragma once

#include <cstdint>

#include "util/Filename.h"
#include "util/Location.h"
#include "util/String.h"

// What an entity metric needs to know of its entity.
class M_MetricEntity {
 public:
  virtual U_Location location() const = 0;
  virtual U_String qualifiedName() const = 0;

 protected:
  ~M_MetricEntity() = default;
};

enum class M_RelationKind : char {
  Includes = 'I',
  IsBaseOf = 'B',
  HasByReference = 'R',
  HasByPointer = 'P',
  HasByValue = 'V',
  Uses = 'U',
  Calls = 'C',
  RefersTo = 'X',
};

// Bits of M_RelationRecord::flags, as the relation reader keeps them.
enum M_RelationFlag : unsigned {
  M_RelationRead = 1,
  M_RelationWrite = 2,
  M_RelationVirtual = 4,
};

// The object stands in the relation to the subject ("object calls
// subject"). Includes name files, every other kind names entities.
struct M_RelationRecord {
  M_RelationKind kind = M_RelationKind::Calls;
  U_String object;
  U_String subject;
  XF_Filename objectFile;
  XF_Filename subjectFile;
  int line = 0;
  unsigned flags = 0;
};

enum class M_DefineCode : char {
  Declaration = 'C',
  Definition = 'F',
  Implicit = 'I',
  Specialisation = 'S',
  Redeclaration = 'R',
  MarkX = 'X',
  MarkP = 'P',
};

enum class M_DefineScope : char {
  File = 'F',
  Block = 'B',
  Prototype = 'P',
  Class = 'C',
  Template = 'T',
  Namespace = 'S',
  NoScope = 'N',  // labels
  None = '-',
};

enum class M_Linkage : char {
  Internal = 'I',
  External = 'X',
  None = 'N',
  NotApplicable = '-',
};

// Bits of M_DefineRecord::flags, as the define reader keeps them.
enum M_DefineFlag : std::uint32_t {
  M_DefineFunctionMacro = 0x1,
  M_DefineObjectMacro = 0x2,
  M_DefineInline = 0x4,
  M_DefineVirtual = 0x8,
  M_DefinePureVirtual = 0x10,
  M_DefineStaticStorage = 0x20,
  M_DefinePod = 0x40,
  M_DefineAggregate = 0x80,
  M_DefineParameter = 0x100,
  M_DefineExplicitPublic = 0x200,
  M_DefineExplicitProtected = 0x400,
  M_DefineExplicitPrivate = 0x800,
  M_DefineImplicitPublic = 0x1000,
  M_DefineImplicitPrivate = 0x2000,
  M_DefineMarkG = 0x4000,
  M_DefineMarkT = 0x8000,
  M_DefineMarkU = 0x10000,
};

// One declaration or definition; the writer operation chosen gives its
// kind (tag, function, macro...).
struct M_DefineRecord {
  U_String qualifiedName;
  XF_Filename file;
  int line = 0;
  bool inMainFile = true;
  M_DefineCode code = M_DefineCode::Declaration;
  M_DefineScope scope = M_DefineScope::File;
  M_Linkage linkage = M_Linkage::External;
  U_String type;
  std::uint32_t flags = 0;
};

enum class M_AllocKind {
  Plain,
  Array,
  Old,
};

enum class M_LiteralSign : char {
  None = '-',
  Negative = 'N',
  Positive = 'P',
};

enum class M_LiteralBase : char {
  Decimal = 'D',
  Hex = 'H',
  Octal = 'O',
  Character = 'C',
  String = 'S',
  Floating = 'F',
  Binary = 'B',
};

enum class M_LiteralForm : char {
  Plain = '-',
  Escaped = 'E',
  Wide = 'W',
};

enum class M_LiteralContext : char {
  Macro = 'M',
  ArrayDimension = 'D',
  BitField = 'B',
  Enumerator = 'E',
  ScalarInitialiser = 'O',
  ArrayInitialiser = 'A',
  StructInitialiser = 'S',
  UnionInitialiser = 'U',
  PreprocessorExpression = 'P',
  CaseLabel = 'C',
  Other = '-',
};

struct M_LiteralRecord {
  U_String text;    // as written, quotes kept
  U_String suffix;  // as written; empty when none
  M_LiteralSign sign = M_LiteralSign::None;
  XF_Filename file;
  int line = 0;
  int column = 0;
  bool inMainFile = true;
  M_LiteralBase base = M_LiteralBase::Decimal;
  M_LiteralForm form = M_LiteralForm::Plain;
  U_String type;
  M_DefineScope scope = M_DefineScope::File;
  M_LiteralContext context = M_LiteralContext::Other;
};
