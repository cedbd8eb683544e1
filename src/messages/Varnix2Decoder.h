// Decodes the records of a current-generation error file (version 0x8100
// or 0x8200) after its header: section starts, diagnostics and suppression
// records, sharing file names, identifiers and locations through the
// back-reference tables of the section.
#pragma once

#include <cstdint>
#include <vector>

#include "messages/ErrorFileRecord.h"
#include "util/Filename.h"
#include "util/Location.h"
#include "util/StringStore.h"

class R_ByteReader;

class M_Varnix2Decoder {
 public:
  explicit M_Varnix2Decoder(R_ByteReader& in) : in_(in) {}
  M_Varnix2Decoder(const M_Varnix2Decoder&) = delete;
  M_Varnix2Decoder& operator=(const M_Varnix2Decoder&) = delete;

  // Reads the record at the current offset. Damage raises the designed
  // exceptions: a short file R_ReadingReadException; an unknown tag or
  // parameter kind M_BadInfoTypeException; a reference to an entry never
  // defined, a negative count or nesting beyond the limit
  // R_ReadingException.
  M_ErrorFileRecord readRecord();

 private:
  struct KnownLocation {
    U_Location location;
    int depth = 0;  // longest chain of locations below, itself included
    bool defined = false;
  };
  // Counts one level of nesting for the life of a definition.
  class NestingGuard {
   public:
    NestingGuard(int& nesting, int limit);
    ~NestingGuard() { --nesting_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

   private:
    int& nesting_;
  };

  void startSection();
  U_String readString();
  std::int32_t readCount();
  XF_Filename readFilename();
  U_Identifier readIdentifier();
  U_Location readLocation(int* depth = nullptr);
  KnownLocation readLocationDefinition();
  U_Handle<U_MacroHistory> readMacroHistory(int& depth);
  U_Handle<M_Diagnostic> readDiagnosticBody();
  void readParameter(M_Diagnostic& diagnostic);
  U_Handle<M_SuppressionRecord> readSuppressionBody();

  R_ByteReader& in_;
  std::vector<XF_Filename> files_;
  std::vector<U_Identifier> identifiers_;
  std::vector<KnownLocation> locations_;
  int locationNesting_ = 0;
  int messageListNesting_ = 0;
};
