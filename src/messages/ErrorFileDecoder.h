// Reads an error file of either generation from memory, record by record.
// This is the layer that knows the format; M_InputVarnix adds the policy of
// what a damaged file means for a source, and the dump tool reports the
// damage where it lies.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "messages/ByteReader.h"
#include "messages/ErrorFileFormat.h"
#include "messages/ErrorFileRecord.h"
#include "util/Filename.h"

class M_Varnix2Decoder;
class M_VarnixDecoder;

class M_ErrorFileDecoder {
 public:
  // Reads the header. An unknown version word writes "Unknown error file
  // format: id=<hex>" to standard error and raises M_BadErrorFileVersion;
  // a header cut short raises R_ReadingReadException. `bytes` must outlive
  // the decoder; `source` is the source the file belongs to.
  M_ErrorFileDecoder(std::string_view bytes, const XF_Filename& source);
  ~M_ErrorFileDecoder();
  M_ErrorFileDecoder(const M_ErrorFileDecoder&) = delete;
  M_ErrorFileDecoder& operator=(const M_ErrorFileDecoder&) = delete;

  std::int32_t version() const noexcept { return version_; }
  std::int32_t secondHeaderWord() const noexcept { return secondWord_; }
  M_ErrorFileFormat::Generation generation() const noexcept { return generation_; }

  bool atEnd() const noexcept { return in_.atEnd(); }
  // Where the next record begins, or where reading stopped.
  std::size_t offset() const noexcept { return in_.offset(); }
  // Callers test atEnd() first.
  M_ErrorFileRecord next();

  // The older generation's current file (the source until a current-file
  // record changes it).
  XF_Filename currentFile() const;

 private:
  R_ByteReader in_;
  std::int32_t version_ = 0;
  std::int32_t secondWord_ = 0;
  M_ErrorFileFormat::Generation generation_ = M_ErrorFileFormat::Generation::kCurrent;
  XF_Filename source_;
  std::unique_ptr<M_Varnix2Decoder> current_;
  std::unique_ptr<M_VarnixDecoder> older_;
};
