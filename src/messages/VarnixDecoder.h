// Decodes the records of an older-generation error file (versions 0x7700,
// 0x7800, 0x7900) after its header. Diagnostics name their lines relative
// to a current file (set by current-file records) and the primary source.
#pragma once

#include "messages/ErrorFileRecord.h"
#include "util/Filename.h"

class R_ByteReader;

class M_VarnixDecoder {
 public:
  // Both the current and the primary file start as the source the error
  // file belongs to.
  M_VarnixDecoder(R_ByteReader& in, const XF_Filename& source) : in_(in), current_(source), primary_(source) {}
  M_VarnixDecoder(const M_VarnixDecoder&) = delete;
  M_VarnixDecoder& operator=(const M_VarnixDecoder&) = delete;

  // Reads the next diagnostic, together with the current-file records in
  // front of it. An unknown type raises M_BadInfoTypeException; a type 3
  // diagnostic whose closing word is not 0 M_HasListParameterException.
  M_ErrorFileRecord readRecord();

  const XF_Filename& currentFile() const noexcept { return current_; }
  const XF_Filename& primaryFile() const noexcept { return primary_; }

 private:
  U_String readString();
  U_Location makeLocation(std::int32_t a, std::int32_t b, std::int32_t storedColumn) const;

  R_ByteReader& in_;
  XF_Filename current_;
  XF_Filename primary_;
};
