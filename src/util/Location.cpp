#include "util/Location.h"

#include <array>
#include <type_traits>
#include <utility>

namespace {

// Distinct empty types, so absent parts take no room.
template <int>
struct NoPart {};

struct HLPart {
  XF_Filename file;
  int line;
};

struct InstPart {
  U_Location from;
  U_Handle<U_EntityDisplayName> entity;
};

struct AllParts {
  U_Location incl;
  U_Handle<U_MacroHistory> macro;
  bool hasHL = false;
  HLPart hl;
  bool hasInst = false;
  InstPart inst;
};

U_Location makeLocation(const XF_Filename& file, int line, int column, const AllParts& parts);

// One of the sixteen combinations of present parts.
template <bool kIncl, bool kMacro, bool kHL, bool kInst>
class LocDataPropertyMap final : public U_LocationData {
 public:
  LocDataPropertyMap(const XF_Filename& file, int line, int column) : U_LocationData(file, line, column) {}
  LocDataPropertyMap(const XF_Filename& file, int line, int column, const AllParts& parts)
      : U_LocationData(file, line, column) {
    if constexpr (kIncl) incl_ = parts.incl;
    if constexpr (kMacro) macro_ = parts.macro;
    if constexpr (kHL) hl_ = parts.hl;
    if constexpr (kInst) inst_ = parts.inst;
  }

  bool hasInclLoc() const noexcept override { return kIncl; }
  bool hasMacroHist() const noexcept override { return kMacro; }
  bool hasHLLoc() const noexcept override { return kHL; }
  bool hasInstFromLoc() const noexcept override { return kInst; }

  U_Location inclLoc() const override {
    if constexpr (kIncl) return incl_;
    return U_Location();
  }
  U_Handle<U_MacroHistory> macroHistory() const override {
    if constexpr (kMacro) return macro_;
    return U_Handle<U_MacroHistory>();
  }
  XF_Filename hlFile() const override {
    if constexpr (kHL) return hl_.file;
    return XF_Filename();
  }
  int hlLine() const override {
    if constexpr (kHL) return hl_.line;
    return 0;
  }
  U_Location instFromLoc() const override {
    if constexpr (kInst) return inst_.from;
    return U_Location();
  }
  U_Handle<U_EntityDisplayName> instEntity() const override {
    if constexpr (kInst) return inst_.entity;
    return U_Handle<U_EntityDisplayName>();
  }

  U_Location withHLLoc(const XF_Filename& file, int line) const override {
    AllParts parts = collect();
    parts.hasHL = true;
    parts.hl = HLPart{file, line};
    return makeLocation(this->file(), this->line(), column(), parts);
  }
  U_Location withInstFromLoc(const U_Location& from, const U_Handle<U_EntityDisplayName>& entity) const override {
    AllParts parts = collect();
    parts.hasInst = true;
    parts.inst = InstPart{from, entity};
    return makeLocation(file(), line(), column(), parts);
  }

  static U_Location make(const XF_Filename& file, int line, int column, const AllParts& parts) {
    return wrap(new LocDataPropertyMap(file, line, column, parts));
  }
  // A location of no more than a file, line and column, the most common
  // one: made without gathering the parts it lacks.
  static U_Location makePlain(const XF_Filename& file, int line, int column) {
    return wrap(new LocDataPropertyMap(file, line, column));
  }

 private:
  AllParts collect() const {
    AllParts parts;
    parts.incl = inclLoc();
    parts.macro = macroHistory();
    if constexpr (kHL) {
      parts.hasHL = true;
      parts.hl = hl_;
    }
    if constexpr (kInst) {
      parts.hasInst = true;
      parts.inst = inst_;
    }
    return parts;
  }

  [[no_unique_address]] std::conditional_t<kIncl, U_Location, NoPart<0>> incl_;
  [[no_unique_address]] std::conditional_t<kMacro, U_Handle<U_MacroHistory>, NoPart<1>> macro_;
  [[no_unique_address]] std::conditional_t<kHL, HLPart, NoPart<2>> hl_;
  [[no_unique_address]] std::conditional_t<kInst, InstPart, NoPart<3>> inst_;
};

using Maker = U_Location (*)(const XF_Filename&, int, int, const AllParts&);

template <int kBits>
constexpr Maker makerFor() {
  return &LocDataPropertyMap<(kBits & 1) != 0, (kBits & 2) != 0, (kBits & 4) != 0, (kBits & 8) != 0>::make;
}

template <int... kBits>
constexpr auto makersFor(std::integer_sequence<int, kBits...>) {
  return std::array<Maker, sizeof...(kBits)>{makerFor<kBits>()...};
}

U_Location makeLocation(const XF_Filename& file, int line, int column, const AllParts& parts) {
  static constexpr auto makers = makersFor(std::make_integer_sequence<int, 16>());
  const int bits = (parts.incl.isSet() ? 1 : 0) | (parts.macro.isSet() ? 2 : 0) | (parts.hasHL ? 4 : 0) |
                   (parts.hasInst ? 8 : 0);
  return makers[bits](file, line, column, parts);
}

}  // namespace

U_Location::U_Location(const XF_Filename& file, int line, int column)
    : U_Location(LocDataPropertyMap<false, false, false, false>::makePlain(file, line, column)) {}

U_Location::U_Location(const XF_Filename& file, int line, int column, const U_Location& includedFrom)
    : U_Location(file, line, column, includedFrom, U_Handle<U_MacroHistory>()) {}

U_Location::U_Location(const XF_Filename& file, int line, int column, const U_Location& includedFrom,
                       const U_Handle<U_MacroHistory>& macroHistory) {
  AllParts parts;
  parts.incl = includedFrom;
  parts.macro = macroHistory;
  *this = makeLocation(file, line, column, parts);
}

const XF_Filename& U_Location::file() const { return data_->file(); }
int U_Location::line() const { return data_->line(); }
int U_Location::column() const { return data_->column(); }

bool U_Location::hasInclLoc() const { return data_ && data_->hasInclLoc(); }
bool U_Location::hasMacroHist() const { return data_ && data_->hasMacroHist(); }
bool U_Location::hasHLLoc() const { return data_ && data_->hasHLLoc(); }
bool U_Location::hasInstFromLoc() const { return data_ && data_->hasInstFromLoc(); }

U_Location U_Location::inclLoc() const { return data_ ? data_->inclLoc() : U_Location(); }
U_Handle<U_MacroHistory> U_Location::macroHistory() const {
  return data_ ? data_->macroHistory() : U_Handle<U_MacroHistory>();
}
XF_Filename U_Location::hlFile() const { return data_ ? data_->hlFile() : XF_Filename(); }
int U_Location::hlLine() const { return data_ ? data_->hlLine() : 0; }
U_Location U_Location::instFromLoc() const { return data_ ? data_->instFromLoc() : U_Location(); }
U_Handle<U_EntityDisplayName> U_Location::instEntity() const {
  return data_ ? data_->instEntity() : U_Handle<U_EntityDisplayName>();
}

U_Location U_Location::withHLLoc(const XF_Filename& file, int line) const { return data_->withHLLoc(file, line); }

U_Location U_Location::withInstFromLoc(const U_Location& from, const U_Handle<U_EntityDisplayName>& entity) const {
  return data_->withInstFromLoc(from, entity);
}

U_Location U_Location::outermost() const {
  U_Location at = *this;
  // Include chains are finite by construction: a location can only point
  // at locations that existed before it.
  while (at.hasInclLoc()) at = at.inclLoc();
  return at;
}

bool U_isLocationLess(const U_Location& a, const U_Location& b) noexcept {
  if (!a.isSet() || !b.isSet()) return !a.isSet() && b.isSet();
  if (a.file().absolute() != b.file().absolute()) return a.file().absolute() < b.file().absolute();
  if (a.line() != b.line()) return a.line() < b.line();
  return a.column() < b.column();
}

bool U_isLocationEqual(const U_Location& a, const U_Location& b) noexcept {
  return a == b || (!U_isLocationLess(a, b) && !U_isLocationLess(b, a));
}
