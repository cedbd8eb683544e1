#include "messages/VarnixDecoder.h"

#include "messages/BinaryExceptions.h"
#include "messages/ByteReader.h"
#include "messages/ErrorFileExceptions.h"
#include "messages/ErrorFileFormat.h"

namespace fmt = M_ErrorFileFormat;

namespace {

// Columns are stored 0-based; the wrap keeps a damaged word defined.
std::int32_t columnFromStored(std::int32_t stored) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(stored) + 1u);
}

}  // namespace

U_String M_VarnixDecoder::readString() {
  // The length counts a terminating zero byte, which the text drops.
  std::string_view bytes = in_.bytes(static_cast<std::uint32_t>(in_.int32()));
  if (!bytes.empty() && bytes.back() == '\0') bytes.remove_suffix(1);
  return U_String(bytes);
}

U_Location M_VarnixDecoder::makeLocation(std::int32_t a, std::int32_t b, std::int32_t storedColumn) const {
  const std::int32_t column = columnFromStored(storedColumn);
  if (b == fmt::kNotIncluded) {
    if (fmt::isNoLocationMark(current_.absolute().view(), current_.given().view(), a, column)) return U_Location();
    return U_Location(current_, a, column);
  }
  return U_Location(current_, b, column, U_Location(primary_, a, 0));
}

M_ErrorFileRecord M_VarnixDecoder::readRecord() {
  M_ErrorFileRecord record;
  record.kind = M_ErrorFileRecord::Kind::kDiagnostic;
  record.offset = in_.offset();
  std::int32_t type = in_.int32();
  // A current-file record is no message: the next record follows at once.
  while (type == fmt::kTypeCurrentFile) {
    record.changesCurrentFile = true;
    record.currentFileOffset = record.offset;
    record.currentFile = readString();
    const U_Filename path(record.currentFile);
    current_ = XF_Filename(path, path);
    record.offset = in_.offset();
    type = in_.int32();
  }
  if (type != fmt::kTypeDiagnosticFirst && type != fmt::kTypeDiagnosticSecond && type != fmt::kTypeDiagnostic) {
    throw M_BadInfoTypeException();
  }

  const std::int32_t a = in_.int32();
  const std::int32_t b = in_.int32();
  const std::int32_t storedColumn = in_.int32();
  const std::int32_t messageNumber = in_.int32();
  auto diagnostic = U_make<M_Diagnostic>(messageNumber, makeLocation(a, b, storedColumn));
  record.diagnostic = diagnostic;

  if (type != fmt::kTypeDiagnosticFirst) {
    const std::int32_t hidden = in_.int32();
    diagnostic->setHiddenByPragma((hidden & fmt::kHiddenByPragma) != 0);
    diagnostic->setHiddenByUser((hidden & fmt::kHiddenByUser) != 0);
    diagnostic->setHidden((hidden & (fmt::kHiddenByPragma | fmt::kHiddenByUser)) != 0);
  }
  if (type != fmt::kTypeDiagnostic) {
    U_String parameter = readString();
    if (!parameter.empty()) diagnostic->addString(std::move(parameter));
    return record;
  }

  diagnostic->setError(in_.int32() != 0);
  const std::int32_t count = in_.int32();
  if (count < 0) throw R_ReadingException();
  for (std::int32_t i = 0; i < count; ++i) diagnostic->addString(readString());
  if (in_.int32() != 0) throw M_HasListParameterException();
  return record;
}
