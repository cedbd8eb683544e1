#include "messages/Varnix2Encoder.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "messages/ByteBuffer.h"
#include "messages/Diagnostic.h"
#include "messages/ErrorFileFormat.h"
#include "messages/SuppressionRecord.h"
#include "util/Prefetch.h"

namespace fmt = M_ErrorFileFormat;

void M_Varnix2Encoder::writeHeader(R_ByteBuffer& out) {
  out.putInt32(fmt::kCurrentVersion);
  out.putInt32(0);
}

void M_Varnix2Encoder::writeSectionStart(R_ByteBuffer& out) {
  out.putByte(fmt::kTagSectionStart);
  out.putInt32(0);
  files_.clear();
  filesBySerial_.clear();
  identifiers_.clear();
  locations_.clear();
  placeIds_.clear();
}

void M_Varnix2Encoder::writeDiagnostic(R_ByteBuffer& out, const M_Diagnostic& diagnostic, bool suppressed) {
  out.putByte(fmt::kTagDiagnostic);
  writeDiagnosticBody(out, diagnostic, suppressed);
}

void M_Varnix2Encoder::writeDiagnosticBody(R_ByteBuffer& out, const M_Diagnostic& diagnostic, bool suppressed) {
  writeLocation(out, diagnostic.location());
  out.putInt32(diagnostic.messageNumber());
  out.putInt32((suppressed ? fmt::kHiddenByPragma : 0) | (diagnostic.isHiddenByUser() ? fmt::kHiddenByUser : 0));
  out.putInt32(diagnostic.isError() ? 1 : 0);
  out.putInt32(static_cast<std::int32_t>(diagnostic.paramCount()));
  R_writeParamTypeVisitor visitor(*this, out);
  for (const auto& param : diagnostic.params()) param->accept(visitor);
}

void M_Varnix2Encoder::writeSuppressionRecord(R_ByteBuffer& out, const M_SuppressionRecord& record) {
  out.putByte(fmt::kTagSuppression);
  out.putByte(static_cast<std::uint8_t>(record.kind()));
  writeLocation(out, record.location());
  writeString(out, record.text());
  out.putInt32(static_cast<std::int32_t>(record.messageRanges().size()));
  for (const M_MessageRange& range : record.messageRanges()) {
    writeString(out, range.first);
    writeString(out, range.second);
  }
  out.putByte(fmt::kSuppressionRegionMark);
  writeLocation(out, record.begin());
  out.putByte(record.end().isSet() ? 1 : 0);
  if (record.end().isSet()) writeLocation(out, record.end());
}

void M_Varnix2Encoder::writeString(R_ByteBuffer& out, std::string_view text) {
  out.putInt32(static_cast<std::int32_t>(text.size()));
  out.putBytes(text);
}

void M_Varnix2Encoder::writeFilename(R_ByteBuffer& out, const XF_Filename& file) {
  if (const FileOfSerial* known = knownFile(file)) {
    out.putInt32(known->idPlusOne - 1);
    return;
  }
  writeOtherFilename(out, file);
}

// Out of line: nearly every file named is known by its serial, and that
// path then saves no registers.
void M_Varnix2Encoder::writeOtherFilename(R_ByteBuffer& out, const XF_Filename& file) {
  const FileKey key{file.absolute().pointer(), file.given().pointer()};
  const auto [entry, isNew] = files_.try_emplace(key, static_cast<std::int32_t>(files_.size()));
  out.putInt32(entry->second);
  noteFile(file, entry->second);
  if (!isNew) return;
  writeString(out, file.absolute().view());
  writeString(out, file.given().view());
}

void M_Varnix2Encoder::noteFile(const XF_Filename& file, std::int32_t id) {
  const std::uint32_t serial = file.absolute().serial();
  if (serial >= filesBySerial_.size()) filesBySerial_.resize(serial + serial / 2 + 64);
  FileOfSerial& known = filesBySerial_[serial];
  if (known.idPlusOne != 0) return;  // another spelling holds the slot
  known.given = file.given().pointer();
  known.idPlusOne = id + 1;
}

void M_Varnix2Encoder::writeIdentifier(R_ByteBuffer& out, U_Identifier identifier) {
  const auto [entry, isNew] =
      identifiers_.try_emplace(identifier.pointer(), static_cast<std::int32_t>(identifiers_.size()));
  out.putInt32(entry->second);
  if (isNew) writeString(out, identifier.view());
}

void M_Varnix2Encoder::writeLocation(R_ByteBuffer& out, const U_Location& location) {
  const auto [id, isNew] = locations_.find(location);
  out.putInt32(id);
  if (isNew) writeLocationDefinition(out, location);
}

void M_Varnix2Encoder::writeListedPlaceLocation(R_ByteBuffer& out, const M_ListedPlace& place) {
  // A location of file, line and column 0 only.
  if (place.identity >= placeIds_.size()) placeIds_.resize(std::max<std::size_t>(place.identity + 1, placeIds_.size() * 2));
  std::int32_t& idPlusOne = placeIds_[place.identity];
  if (idPlusOne != 0) {
    out.putInt32(idPlusOne - 1);
    return;
  }
  const std::int32_t id = locations_.next();
  idPlusOne = id + 1;
  out.putInt32(id);
  writeFilename(out, place.file);
  out.putInt32(place.line);
  out.putInt32(0);
  out.putByte(0);
}

void M_Varnix2Encoder::writeListedPlaceRest(R_ByteBuffer& out, const M_ListedPlace& place) {
  // Not hidden, no error, one entity parameter: message number, the two
  // flags, the parameter count, the parameter's tag, its size and text.
  // Written in one piece, as the lists of identifier reuse name a new
  // entity in nearly every entry.
  constexpr std::size_t kFixedBytes = 4 * 4 + 1 + 4;
  const std::size_t nameSize = place.name.size();
  char* at = out.putRoom(kFixedBytes + nameSize);
  R_ByteBuffer::storeInt32(at, place.messageNumber);
  R_ByteBuffer::storeInt32(at + 4, 0);
  R_ByteBuffer::storeInt32(at + 8, 0);
  R_ByteBuffer::storeInt32(at + 12, 1);
  at[16] = static_cast<char>(fmt::kParamString);
  R_ByteBuffer::storeInt32(at + 17, static_cast<std::int32_t>(nameSize));
  std::memcpy(at + kFixedBytes, place.name.data(), nameSize);
}

std::size_t M_Varnix2Encoder::LocationIds::slotOf(const U_LocationData* data) const noexcept {
  const auto key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(data));
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & (slots_.size() - 1);
}

std::pair<std::int32_t, bool> M_Varnix2Encoder::LocationIds::find(const U_Location& location) {
  // The load counts the slots taken, not the ids: a long list of places
  // takes ids without slots, and would otherwise double the table for
  // nothing.
  if (used_ * 2 >= slots_.size()) grow();
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = slotOf(location.data());; at = (at + 1) & mask) {
    Slot& slot = slots_[at];
    if (slot.idPlusOne == 0) {
      slot.data = location.data();
      slot.idPlusOne = ++ids_;
      kept_.push_back(location);
      ++used_;
      return {slot.idPlusOne - 1, true};
    }
    if (slot.data == location.data()) return {slot.idPlusOne - 1, false};
  }
}

std::int32_t M_Varnix2Encoder::LocationIds::next() {
  return ids_++;
}

void M_Varnix2Encoder::LocationIds::grow() {
  std::vector<Slot> old(std::max<std::size_t>(64, slots_.size() * 2));
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.idPlusOne == 0) continue;
    std::size_t at = slotOf(slot.data);
    while (slots_[at].idPlusOne != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

void M_Varnix2Encoder::LocationIds::clear() {
  slots_.clear();
  kept_.clear();
  used_ = 0;
  ids_ = 0;
}

void M_Varnix2Encoder::writeLocationDefinition(R_ByteBuffer& out, const U_Location& location) {
  if (!location.isSet()) {
    // No location: line 0, column 0 of the empty file name.
    writeFilename(out, XF_Filename());
    out.putInt32(0);
    out.putInt32(0);
    out.putByte(0);
    return;
  }
  writeFilename(out, location.file());
  out.putInt32(location.line());
  out.putInt32(location.column());
  const std::uint8_t parts = (location.hasInclLoc() ? fmt::kPartInclude : 0) |
                             (location.hasMacroHist() ? fmt::kPartMacroHistory : 0) |
                             (location.hasHLLoc() ? fmt::kPartHL : 0) |
                             (location.hasInstFromLoc() ? fmt::kPartInstantiation : 0);
  out.putByte(parts);
  if (location.hasInclLoc()) writeLocation(out, location.inclLoc());
  if (location.hasMacroHist()) writeMacroHistory(out, *location.macroHistory());
  if (location.hasHLLoc()) {
    writeFilename(out, location.hlFile());
    out.putInt32(location.hlLine());
  }
  if (location.hasInstFromLoc()) {
    writeLocation(out, location.instFromLoc());
    const U_Handle<U_EntityDisplayName> entity = location.instEntity();
    writeString(out, entity ? entity->text(showAlias_ ? 3 : 1) : U_String());
  }
}

void M_Varnix2Encoder::writeMacroHistory(R_ByteBuffer& out, const U_MacroHistory& innermost) {
  writeLocation(out, innermost.location());
  writeIdentifier(out, innermost.macroName());
  for (const U_MacroHistory* outer = innermost.outer().get(); outer; outer = outer->outer().get()) {
    out.putByte(1);
    writeLocation(out, outer->location());
    writeIdentifier(out, outer->macroName());
  }
  out.putByte(0);
}

void R_writeParamTypeVisitor::visitMsgList(const M_ParamMsgListType& param) {
  if (param.holdsPlaces()) {
    writePlaces(param);
    return;
  }
  out_.putByte(fmt::kParamMessageList);
  out_.putInt32(static_cast<std::int32_t>(param.diagnostics().size()));
  // The list's own diagnostics are never written as suppressed. A list may
  // hold one diagnostic many times in a row (a header's declaration, once
  // for every source that includes the header). Once it has been written,
  // each file, name and location in it is referred to by number, so from
  // its second writing on its bytes are the same: they are copied.
  const auto& diagnostics = param.diagnostics();
  const M_Diagnostic* previous = nullptr;
  bool settled = false;
  std::size_t begin = 0;
  std::size_t end = 0;
  for (std::size_t i = 0; i < diagnostics.size(); ++i) {
    const M_Diagnostic* diagnostic = diagnostics[i].pointer();
    if (diagnostic == previous && settled) {
      // The whole run of this diagnostic at once.
      std::size_t repeats = 1;
      for (; i + 1 < diagnostics.size() && diagnostics[i + 1].pointer() == previous; ++i) ++repeats;
      out_.putCopies(begin, end, repeats);
      continue;
    }
    settled = diagnostic == previous;
    previous = diagnostic;
    begin = out_.size();
    encoder_.writeDiagnosticBody(out_, *diagnostic, false);
    end = out_.size();
  }
}

// As a list of the diagnostics the places stand for, with the same bytes.
void R_writeParamTypeVisitor::writePlaces(const M_ParamMsgListType& param) {
  const M_ParamMsgListType::Places& places = param.places();
  out_.putByte(fmt::kParamMessageList);
  out_.putInt32(static_cast<std::int32_t>(param.placeEntries()));
  // The bytes of the entry written last.
  std::size_t begin = 0;
  std::size_t end = 0;
  // What follows the place is the same for entries of one message and
  // name: copied.
  const char* restName = nullptr;
  int restNumber = 0;
  std::size_t restBegin = 0;
  std::size_t restEnd = 0;
  auto writeEntry = [&](const M_ListedPlace& place) {
    begin = out_.size();
    encoder_.writeListedPlaceLocation(out_, place);
    if (place.name.data() == restName && place.messageNumber == restNumber) {
      out_.putCopy(restBegin, restEnd);
    } else {
      restBegin = out_.size();
      encoder_.writeListedPlaceRest(out_, place);
      restEnd = out_.size();
      restName = place.name.data();
      restNumber = place.messageNumber;
    }
    end = out_.size();
  };
  // An entry that repeats the one before is written as that one's bytes
  // once those name its location (the first writing of a place defines
  // it): from the second entry of a run on, a run is copied whole.
  std::uint32_t previous = 0;  // no identity
  bool settled = false;
  for (std::size_t i = 0; i < places.size(); ++i) {
    // The names of a list lie anywhere in the string store: each is asked
    // for some entries ahead.
    if (i + 8 < places.size()) zum::prefetch(places[i + 8].name.data());
    const M_ListedPlace& place = places[i];
    std::uint32_t left = place.repeats;
    if (place.identity != previous || !settled) {
      settled = place.identity == previous;
      previous = place.identity;
      writeEntry(place);
      --left;
      if (left > 0 && !settled) {
        settled = true;
        writeEntry(place);
        --left;
      }
    }
    if (left > 0) out_.putCopies(begin, end, left);
  }
}

void R_writeParamTypeVisitor::visitList(const M_ParamListType& param) {
  out_.putByte(fmt::kParamStringList);
  out_.putInt32(static_cast<std::int32_t>(param.values().size()));
  for (const U_String& value : param.values()) M_Varnix2Encoder::writeString(out_, value);
}

void R_writeParamTypeVisitor::visitEntity(const M_ParamEntityType& param) {
  out_.putByte(fmt::kParamString);
  // Most names are kept by their display name: no string is made for them.
  if (const std::optional<std::string_view> kept = param.keptTextForOutput(encoder_.showAlias())) {
    M_Varnix2Encoder::writeString(out_, *kept);
    return;
  }
  M_Varnix2Encoder::writeString(out_, param.textForOutput(encoder_.showAlias()));
}

void R_writeParamTypeVisitor::visitString(const M_ParamStringType& param) {
  out_.putByte(fmt::kParamString);
  M_Varnix2Encoder::writeString(out_, param.value());
}
