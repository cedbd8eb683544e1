// A place in the sources: file, line, column and up to four optional parts
// (the #include that brought the file in, the macro expansions that made
// the text, an "HL" file and line shown instead of the plain ones, and the
// place a template was instantiated from). Locations are immutable values
// shared by reference; a part costs memory only when it is present.
#pragma once

#include <optional>
#include <string_view>

#include "util/Filename.h"
#include "util/Ref.h"
#include "util/SmallObjects.h"
#include "util/StringStore.h"

class U_LocationData;
class U_MacroHistory;
class U_EntityDisplayName;

class U_Location {
 public:
  U_Location() = default;
  // Null include location or macro history means the part is absent.
  U_Location(const XF_Filename& file, int line, int column);
  U_Location(const XF_Filename& file, int line, int column, const U_Location& includedFrom);
  U_Location(const XF_Filename& file, int line, int column, const U_Location& includedFrom,
             const U_Handle<U_MacroHistory>& macroHistory);

  bool isSet() const noexcept { return data_.isSet(); }
  const U_LocationData* data() const noexcept { return data_.pointer(); }

  // Callers test isSet() first.
  const XF_Filename& file() const;
  int line() const;
  int column() const;

  bool hasInclLoc() const;
  bool hasMacroHist() const;
  bool hasHLLoc() const;
  bool hasInstFromLoc() const;
  // Null values when the part is absent.
  U_Location inclLoc() const;
  U_Handle<U_MacroHistory> macroHistory() const;
  XF_Filename hlFile() const;
  int hlLine() const;
  U_Location instFromLoc() const;
  U_Handle<U_EntityDisplayName> instEntity() const;

  // New locations equal to this one plus the part; this one is unchanged.
  U_Location withHLLoc(const XF_Filename& file, int line) const;
  U_Location withInstFromLoc(const U_Location& from, const U_Handle<U_EntityDisplayName>& entity) const;

  // Follows the include locations to the place in the primary source.
  U_Location outermost() const;

  // The same data object.
  friend bool operator==(const U_Location& a, const U_Location& b) noexcept { return a.data_ == b.data_; }

 private:
  friend class U_LocationData;
  explicit U_Location(U_Handle<U_LocationData> data) : data_(std::move(data)) {}
  U_Handle<U_LocationData> data_;
};

// File (absolute-path identity order), then line, then column; the optional
// parts play no role. A null location orders before every other.
bool U_isLocationLess(const U_Location& a, const U_Location& b) noexcept;
// The same object, or neither less than the other.
bool U_isLocationEqual(const U_Location& a, const U_Location& b) noexcept;

struct M_IsLocationLess {
  bool operator()(const U_Location& a, const U_Location& b) const noexcept { return U_isLocationLess(a, b); }
};

// One link of a macro expansion chain, innermost first.
class U_MacroHistory : public U_Ref {
 public:
  U_MacroHistory(U_Location location, U_Identifier macroName, U_Handle<U_MacroHistory> outer)
      : location_(std::move(location)), macroName_(macroName), outer_(std::move(outer)) {}
  const U_Location& location() const noexcept { return location_; }
  U_Identifier macroName() const noexcept { return macroName_; }
  const U_Handle<U_MacroHistory>& outer() const noexcept { return outer_; }

 private:
  U_Location location_;
  U_Identifier macroName_;
  U_Handle<U_MacroHistory> outer_;
};

// The display name of an entity, in text forms 1 to 5.
class U_EntityDisplayName : public U_Ref {
 public:
  // Made and dropped by the hundred thousand: see util/SmallObjects.h.
  static void* operator new(std::size_t size) { return zum::allocateSmallObject(size); }
  static void operator delete(void* object, std::size_t size) noexcept { zum::freeSmallObject(object, size); }
  virtual U_String text(int form) const = 0;
  // The text of `form` where the name keeps it for as long as it lives, so
  // that a writer can copy it without a string of its own; none where each
  // text is made when asked.
  virtual std::optional<std::string_view> keptText(int /*form*/) const { return std::nullopt; }
};

// The form kept for names read from files: one text for every form.
class U_StoredEntityDisplayName final : public U_EntityDisplayName {
 public:
  explicit U_StoredEntityDisplayName(U_String text) : text_(std::move(text)) {}
  U_String text(int) const override { return text_; }
  std::optional<std::string_view> keptText(int) const override { return std::string_view(text_); }

 private:
  U_String text_;
};

class U_LocationData : public U_Ref {
 public:
  // Made and dropped by the hundred thousand: see util/SmallObjects.h.
  static void* operator new(std::size_t size) { return zum::allocateSmallObject(size); }
  static void operator delete(void* object, std::size_t size) noexcept { zum::freeSmallObject(object, size); }
  const XF_Filename& file() const noexcept { return file_; }
  int line() const noexcept { return line_; }
  int column() const noexcept { return column_; }

  virtual bool hasInclLoc() const noexcept = 0;
  virtual bool hasMacroHist() const noexcept = 0;
  virtual bool hasHLLoc() const noexcept = 0;
  virtual bool hasInstFromLoc() const noexcept = 0;

  virtual U_Location inclLoc() const = 0;
  virtual U_Handle<U_MacroHistory> macroHistory() const = 0;
  virtual XF_Filename hlFile() const = 0;
  virtual int hlLine() const = 0;
  virtual U_Location instFromLoc() const = 0;
  virtual U_Handle<U_EntityDisplayName> instEntity() const = 0;

  virtual U_Location withHLLoc(const XF_Filename& file, int line) const = 0;
  virtual U_Location withInstFromLoc(const U_Location& from, const U_Handle<U_EntityDisplayName>& entity) const = 0;

 protected:
  U_LocationData(const XF_Filename& file, int line, int column) : file_(file), line_(line), column_(column) {}
  static U_Location wrap(U_LocationData* data) { return U_Location(U_Handle<U_LocationData>(data)); }

 private:
  XF_Filename file_;
  int line_;
  int column_;
};
