// The parameters of a diagnostic: the values that fill the parameter
// references of its message text. Four kinds exist; writers reach them
// through the visitor M_ParamTypeNav so that each output can decide how a
// kind travels (the error file, for instance, turns an entity into text).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "messages/ListedPlace.h"
#include "util/Ref.h"
#include "util/SmallObjects.h"
#include "util/String.h"

class M_Diagnostic;
class M_ParamTypeNav;
class M_ParamStringType;
class M_ParamEntityType;
class M_ParamListType;
class M_ParamMsgListType;
class U_EntityDisplayName;

class M_ParamType : public U_Ref {
 public:
  // Made and dropped by the hundred thousand: see util/SmallObjects.h.
  static void* operator new(std::size_t size) { return zum::allocateSmallObject(size); }
  static void operator delete(void* object, std::size_t size) noexcept { zum::freeSmallObject(object, size); }
  ~M_ParamType() override = default;
  // The text that stands for the parameter in a message and in the
  // comparisons of diagnostics.
  virtual U_String text() const = 0;
  virtual void accept(M_ParamTypeNav& nav) const = 0;
};

class M_ParamTypeNav {
 public:
  virtual ~M_ParamTypeNav() = default;
  virtual void visitMsgList(const M_ParamMsgListType& param) = 0;
  virtual void visitList(const M_ParamListType& param) = 0;
  virtual void visitEntity(const M_ParamEntityType& param) = 0;
  virtual void visitString(const M_ParamStringType& param) = 0;
};

class M_ParamStringType final : public M_ParamType {
 public:
  explicit M_ParamStringType(U_String value) : value_(std::move(value)) {}
  const U_String& value() const noexcept { return value_; }
  U_String text() const override { return value_; }
  void accept(M_ParamTypeNav& nav) const override { nav.visitString(*this); }

 private:
  U_String value_;
};

// An entity by its display name. The form flag picks the alternative text
// form (2 instead of 1, 4 instead of 3) where an output writes one form.
class M_ParamEntityType final : public M_ParamType {
 public:
  M_ParamEntityType(U_Handle<U_EntityDisplayName> name, std::uint8_t formFlag);
  const U_Handle<U_EntityDisplayName>& name() const noexcept { return name_; }
  std::uint8_t formFlag() const noexcept { return formFlag_; }
  // The one text form an output writes for the entity: 1 or 2 without
  // "showalias", 3 or 4 with it, the even form when the flag is set.
  U_String textForOutput(bool showAlias) const;
  // The same text where the display name keeps it (see
  // U_EntityDisplayName::keptText).
  std::optional<std::string_view> keptTextForOutput(bool showAlias) const;
  // "Entity={" forms 1 to 5 joined by "," "}".
  U_String text() const override;
  void accept(M_ParamTypeNav& nav) const override { nav.visitEntity(*this); }

 private:
  U_Handle<U_EntityDisplayName> name_;
  int outputForm(bool showAlias) const noexcept { return (showAlias ? 3 : 1) + (formFlag_ != 0 ? 1 : 0); }

  std::uint8_t formFlag_;
};

class M_ParamListType final : public M_ParamType {
 public:
  explicit M_ParamListType(std::vector<U_String> values) : values_(std::move(values)) {}
  const std::vector<U_String>& values() const noexcept { return values_; }
  // "List={" values joined by "," "}".
  U_String text() const override;
  void accept(M_ParamTypeNav& nav) const override { nav.visitList(*this); }

 private:
  std::vector<U_String> values_;
};

// A list of diagnostics, or of places that stand for diagnostics (see
// M_ListedPlace). A list of places makes its diagnostics only when a reader
// asks for them; the error file writes the places as they are.
class M_ParamMsgListType final : public M_ParamType {
 public:
  explicit M_ParamMsgListType(std::vector<U_Handle<M_Diagnostic>> diagnostics);
  // A copy of `places`, in memory of exactly its size.
  explicit M_ParamMsgListType(std::span<const M_ListedPlace> places);
  ~M_ParamMsgListType() override;
  const std::vector<U_Handle<M_Diagnostic>>& diagnostics() const;
  bool holdsPlaces() const noexcept { return holdsPlaces_; }
  // A list of a few places (most lists) comes from the small-object free
  // lists like the parameter itself.
  using Places = std::vector<M_ListedPlace, zum::SmallObjectAllocator<M_ListedPlace>>;
  // Empty unless the list holds places; runs of one place are one entry
  // here (see M_ListedPlace::repeats).
  const Places& places() const noexcept { return places_; }
  // The entries of a list of places, each of a run counted.
  std::size_t placeEntries() const noexcept { return placeEntries_; }
  // "MsgList={" debug texts joined by " ; " "}".
  U_String text() const override;
  void accept(M_ParamTypeNav& nav) const override { nav.visitMsgList(*this); }

 private:
  bool holdsPlaces_ = false;
  Places places_;
  std::size_t placeEntries_ = 0;
  // For a list of places: made on first use, an entry for each place.
  mutable std::vector<U_Handle<M_Diagnostic>> diagnostics_;
};
