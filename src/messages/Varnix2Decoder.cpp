#include "messages/Varnix2Decoder.h"

#include <algorithm>

#include "messages/BinaryExceptions.h"
#include "messages/ByteReader.h"
#include "messages/ErrorFileExceptions.h"
#include "messages/ErrorFileFormat.h"

namespace fmt = M_ErrorFileFormat;

namespace {

// The table entry a reference names, or -1 when the reference announces a
// new entry (the next identifier of the table). Anything else is a
// reference to an entry the section never defined.
template <class Table>
std::int32_t knownIndex(std::int32_t id, const Table& table) {
  const auto size = static_cast<std::int64_t>(table.size());
  if (id == size) return -1;
  if (id < 0 || id > size) throw R_ReadingException();
  return id;
}

void checkDepth(int depth) {
  if (depth > fmt::kMaxLocationDepth) throw R_ReadingException();
}

}  // namespace

M_Varnix2Decoder::NestingGuard::NestingGuard(int& nesting, int limit) : nesting_(nesting) {
  if (++nesting_ > limit) {
    --nesting_;
    throw R_ReadingException();
  }
}

M_ErrorFileRecord M_Varnix2Decoder::readRecord() {
  M_ErrorFileRecord record;
  record.offset = in_.offset();
  switch (in_.byte()) {
    case fmt::kTagSectionStart:
      record.kind = M_ErrorFileRecord::Kind::kSectionStart;
      in_.skip(static_cast<std::uint32_t>(in_.int32()));
      startSection();
      break;
    case fmt::kTagDiagnostic:
      record.kind = M_ErrorFileRecord::Kind::kDiagnostic;
      record.diagnostic = readDiagnosticBody();
      break;
    case fmt::kTagSuppression:
      record.kind = M_ErrorFileRecord::Kind::kSuppressionRecord;
      record.suppressionRecord = readSuppressionBody();
      break;
    default:
      throw M_BadInfoTypeException();
  }
  return record;
}

void M_Varnix2Decoder::startSection() {
  files_.clear();
  identifiers_.clear();
  locations_.clear();
}

U_String M_Varnix2Decoder::readString() {
  // A negative length reads as a huge one and fails the bounds check.
  const auto length = static_cast<std::uint32_t>(in_.int32());
  return U_String(in_.bytes(length));
}

std::int32_t M_Varnix2Decoder::readCount() {
  const std::int32_t count = in_.int32();
  if (count < 0) throw R_ReadingException();
  return count;
}

XF_Filename M_Varnix2Decoder::readFilename() {
  const std::int32_t index = knownIndex(in_.int32(), files_);
  if (index >= 0) return files_[index];
  const std::string_view absolute = in_.bytes(static_cast<std::uint32_t>(in_.int32()));
  const std::string_view given = in_.bytes(static_cast<std::uint32_t>(in_.int32()));
  files_.emplace_back(U_Filename(absolute), U_Filename(given));
  return files_.back();
}

U_Identifier M_Varnix2Decoder::readIdentifier() {
  const std::int32_t index = knownIndex(in_.int32(), identifiers_);
  if (index >= 0) return identifiers_[index];
  identifiers_.emplace_back(in_.bytes(static_cast<std::uint32_t>(in_.int32())));
  return identifiers_.back();
}

U_Location M_Varnix2Decoder::readLocation(int* depth) {
  const std::int32_t index = knownIndex(in_.int32(), locations_);
  if (index >= 0) {
    const KnownLocation& known = locations_[index];
    // Still being defined: the file refers to a location from inside its
    // own definition.
    if (!known.defined) throw R_ReadingException();
    if (depth) *depth = known.depth;
    return known.location;
  }
  // The identifier is taken before the definition is read: nested new
  // locations get the identifiers after it.
  const std::size_t slot = locations_.size();
  locations_.emplace_back();
  KnownLocation defined = readLocationDefinition();
  if (depth) *depth = defined.depth;
  locations_[slot] = defined;
  return defined.location;
}

M_Varnix2Decoder::KnownLocation M_Varnix2Decoder::readLocationDefinition() {
  NestingGuard guard(locationNesting_, fmt::kMaxLocationDepth);
  const XF_Filename file = readFilename();
  const std::int32_t line = in_.int32();
  const std::int32_t column = in_.int32();
  const std::uint8_t parts = in_.byte();

  int below = 0;
  U_Location included;
  if (parts & fmt::kPartInclude) included = readLocation(&below);
  U_Handle<U_MacroHistory> macro;
  if (parts & fmt::kPartMacroHistory) {
    int macroDepth = 0;
    macro = readMacroHistory(macroDepth);
    below = std::max(below, macroDepth);
  }
  XF_Filename hlFile;
  std::int32_t hlLine = 0;
  const bool hasHL = (parts & fmt::kPartHL) != 0;
  if (hasHL) {
    hlFile = readFilename();
    hlLine = in_.int32();
  }
  U_Location instFrom;
  U_String entity;
  const bool hasInst = (parts & fmt::kPartInstantiation) != 0;
  if (hasInst) {
    int instDepth = 0;
    instFrom = readLocation(&instDepth);
    below = std::max(below, instDepth);
    entity = readString();
  }

  KnownLocation known;
  known.defined = true;
  known.depth = below + 1;
  checkDepth(known.depth);
  // Bits of parts this program does not know carry no data; ignored.
  if ((parts & fmt::kKnownParts) == 0 && fmt::isNoLocationMark(file.absolute().view(), file.given().view(), line, column)) {
    return known;
  }
  U_Location location(file, line, column, included, macro);
  if (hasHL) location = location.withHLLoc(hlFile, hlLine);
  if (hasInst) location = location.withInstFromLoc(instFrom, U_make<U_StoredEntityDisplayName>(std::move(entity)));
  known.location = location;
  return known;
}

U_Handle<U_MacroHistory> M_Varnix2Decoder::readMacroHistory(int& depth) {
  struct Expansion {
    U_Location location;
    U_Identifier name;
  };
  std::vector<Expansion> chain;
  int deepestLocation = 0;
  do {
    int locationDepth = 0;
    U_Location location = readLocation(&locationDepth);
    deepestLocation = std::max(deepestLocation, locationDepth);
    chain.push_back(Expansion{std::move(location), readIdentifier()});
    checkDepth(deepestLocation + static_cast<int>(chain.size()));
  } while (in_.byte() != 0);
  depth = deepestLocation + static_cast<int>(chain.size());

  // Innermost first in the file; each entry points at the next outer one.
  U_Handle<U_MacroHistory> outer;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    outer = U_make<U_MacroHistory>(std::move(it->location), it->name, std::move(outer));
  }
  return outer;
}

U_Handle<M_Diagnostic> M_Varnix2Decoder::readDiagnosticBody() {
  // The top level counts too: a diagnostic record is the first level.
  NestingGuard guard(messageListNesting_, fmt::kMaxMessageListDepth + 1);
  U_Location location = readLocation();
  const std::int32_t messageNumber = in_.int32();
  const std::int32_t hidden = in_.int32();
  const std::int32_t error = in_.int32();
  auto diagnostic = U_make<M_Diagnostic>(messageNumber, std::move(location));
  diagnostic->setHiddenByPragma((hidden & fmt::kHiddenByPragma) != 0);
  diagnostic->setHiddenByUser((hidden & fmt::kHiddenByUser) != 0);
  diagnostic->setError(error != 0);
  for (std::int32_t i = readCount(); i > 0; --i) readParameter(*diagnostic);
  return diagnostic;
}

void M_Varnix2Decoder::readParameter(M_Diagnostic& diagnostic) {
  switch (in_.byte()) {
    case fmt::kParamString:
      diagnostic.addString(readString());
      return;
    case fmt::kParamStringList: {
      std::vector<U_String> values;
      for (std::int32_t i = readCount(); i > 0; --i) values.push_back(readString());
      diagnostic.addStringList(std::move(values));
      return;
    }
    case fmt::kParamMessageList: {
      std::vector<U_Handle<M_Diagnostic>> diagnostics;
      for (std::int32_t i = readCount(); i > 0; --i) diagnostics.push_back(readDiagnosticBody());
      diagnostic.addMessageList(std::move(diagnostics));
      return;
    }
    default:
      // The value's length depends on the kind, so nothing after an
      // unknown kind can be read.
      throw M_BadInfoTypeException();
  }
}

U_Handle<M_SuppressionRecord> M_Varnix2Decoder::readSuppressionBody() {
  const int kind = in_.byte();
  U_Location location = readLocation();
  U_String text = readString();
  std::vector<M_MessageRange> ranges;
  for (std::int32_t i = readCount(); i > 0; --i) {
    U_String first = readString();
    ranges.emplace_back(std::move(first), readString());
  }
  in_.byte();  // the constant region mark
  U_Location begin = readLocation();
  U_Location end;
  if (in_.byte() != 0) end = readLocation();
  return U_make<M_SuppressionRecord>(kind, std::move(location), std::move(text), std::move(ranges), std::move(begin),
                                     std::move(end));
}
