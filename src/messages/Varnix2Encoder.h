// Encodes records of the current error file generation (version 0x8200).
// Within a section each file name, identifier and location is defined once
// and afterwards named by its identifier, which keeps the repeated include
// chains and macro histories of header diagnostics small.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "messages/Param.h"
#include "util/Location.h"
#include "util/StringStore.h"

class M_Diagnostic;
class M_SuppressionRecord;
class R_ByteBuffer;
class XF_Filename;

class M_Varnix2Encoder {
 public:
  // "showalias" decides which text form of an entity's display name is
  // written.
  explicit M_Varnix2Encoder(bool showAlias) : showAlias_(showAlias) {}

  static void writeHeader(R_ByteBuffer& out);
  // Starts a section: the tables start empty and identifiers restart at 0.
  void writeSectionStart(R_ByteBuffer& out);
  // `suppressed` is written as hidden by pragma.
  void writeDiagnostic(R_ByteBuffer& out, const M_Diagnostic& diagnostic, bool suppressed);
  void writeSuppressionRecord(R_ByteBuffer& out, const M_SuppressionRecord& record);

  // The pieces of records, also used by the parameter visitor.
  void writeDiagnosticBody(R_ByteBuffer& out, const M_Diagnostic& diagnostic, bool suppressed);
  void writeLocation(R_ByteBuffer& out, const U_Location& location);
  // The body of the diagnostic that `place` stands for, in two halves: its
  // location, and the rest.
  void writeListedPlaceLocation(R_ByteBuffer& out, const M_ListedPlace& place);
  void writeListedPlaceRest(R_ByteBuffer& out, const M_ListedPlace& place);
  static void writeString(R_ByteBuffer& out, std::string_view text);
  bool showAlias() const noexcept { return showAlias_; }

 private:
  void writeFilename(R_ByteBuffer& out, const XF_Filename& file);
  [[gnu::noinline]] void writeOtherFilename(R_ByteBuffer& out, const XF_Filename& file);
  void writeIdentifier(R_ByteBuffer& out, U_Identifier identifier);
  void writeLocationDefinition(R_ByteBuffer& out, const U_Location& location);
  void writeMacroHistory(R_ByteBuffer& out, const U_MacroHistory& innermost);

  // The locations written in the section, by the address of their data:
  // one probe into one array, since a run with long message lists writes
  // hundreds of thousands of them.
  class LocationIds {
   public:
    // The id of `location`, and whether it is new (then it gets the next id).
    std::pair<std::int32_t, bool> find(const U_Location& location);
    // The next id, for a place that has no location object.
    std::int32_t next();
    void clear();

   private:
    struct Slot {
      const U_LocationData* data = nullptr;  // null for a location that is not set
      std::int32_t idPlusOne = 0;            // 0: the slot is empty
    };
    std::size_t slotOf(const U_LocationData* data) const noexcept;
    void grow();
    std::vector<Slot> slots_;
    std::size_t used_ = 0;  // slots taken; ids of places (next()) take none
    std::int32_t ids_ = 0;  // ids handed out, with and without a slot
    // Keeps every location of a slot alive, so its address cannot be reused
    // by another location while the table names it. A place's id needs
    // nothing kept: long lists of places hand out hundreds of thousands.
    std::vector<U_Location> kept_;
  };

  // Both halves: two spellings of one file stay two spellings when read back.
  struct FileKey {
    const char* absolute;
    const char* given;
    bool operator==(const FileKey&) const = default;
  };
  struct FileKeyHash {
    std::size_t operator()(const FileKey& key) const noexcept {
      return std::hash<const char*>()(key.absolute) * 31 + std::hash<const char*>()(key.given);
    }
  };

  // The id a file was written with, found by the serial number of its
  // absolute name without hashing (each new place of a long list names its
  // file); files_ holds every spelling, this the first one met of each.
  struct FileOfSerial {
    const char* given = nullptr;
    std::int32_t idPlusOne = 0;  // 0: none yet
  };
  const FileOfSerial* knownFile(const XF_Filename& file) const noexcept {
    const std::uint32_t serial = file.absolute().serial();
    if (serial >= filesBySerial_.size()) return nullptr;
    const FileOfSerial& known = filesBySerial_[serial];
    return known.idPlusOne != 0 && known.given == file.given().pointer() ? &known : nullptr;
  }
  void noteFile(const XF_Filename& file, std::int32_t id);

  bool showAlias_;
  std::unordered_map<FileKey, std::int32_t, FileKeyHash> files_;
  std::vector<FileOfSerial> filesBySerial_;
  std::unordered_map<const char*, std::int32_t> identifiers_;
  LocationIds locations_;
  // The location ids of listed places, by identity: the id plus one, 0
  // while the place is not written in the section.
  std::vector<std::int32_t> placeIds_;
};

// Writes each parameter kind as the error file carries it.
class R_writeParamTypeVisitor final : public M_ParamTypeNav {
 public:
  R_writeParamTypeVisitor(M_Varnix2Encoder& encoder, R_ByteBuffer& out) : encoder_(encoder), out_(out) {}
  void visitMsgList(const M_ParamMsgListType& param) override;
  void visitList(const M_ParamListType& param) override;
  void visitEntity(const M_ParamEntityType& param) override;
  void visitString(const M_ParamStringType& param) override;

 private:
  void writePlaces(const M_ParamMsgListType& param);

  M_Varnix2Encoder& encoder_;
  R_ByteBuffer& out_;
};
