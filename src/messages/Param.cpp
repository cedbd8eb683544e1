#include "messages/Param.h"

#include "messages/Diagnostic.h"
#include "messages/ListedPlace.h"
#include "util/Assert.h"
#include "util/Location.h"

namespace {

constexpr int kFirstEntityForm = 1;
constexpr int kLastEntityForm = 5;

}  // namespace

M_ParamEntityType::M_ParamEntityType(U_Handle<U_EntityDisplayName> name, std::uint8_t formFlag)
    : name_(std::move(name)), formFlag_(formFlag) {}

U_String M_ParamEntityType::textForOutput(bool showAlias) const {
  if (!name_) return U_String();
  return name_->text(outputForm(showAlias));
}

std::optional<std::string_view> M_ParamEntityType::keptTextForOutput(bool showAlias) const {
  if (!name_) return std::string_view();
  return name_->keptText(outputForm(showAlias));
}

U_String M_ParamEntityType::text() const {
  U_String out = "Entity={";
  if (name_) {
    for (int form = kFirstEntityForm; form <= kLastEntityForm; ++form) {
      if (form != kFirstEntityForm) out += ',';
      out += name_->text(form);
    }
  }
  out += '}';
  return out;
}

U_String M_ParamListType::text() const {
  U_String out = "List={";
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (i != 0) out += ',';
    out += values_[i];
  }
  out += '}';
  return out;
}

M_ParamMsgListType::M_ParamMsgListType(std::vector<U_Handle<M_Diagnostic>> diagnostics)
    : diagnostics_(std::move(diagnostics)) {
  for (const auto& diagnostic : diagnostics_) {
    U_require(diagnostic.isSet(), "Param", __LINE__, "diagnostic.isSet() && \"Message list holds no diagnostic.\"");
  }
}

M_ParamMsgListType::M_ParamMsgListType(std::span<const M_ListedPlace> places)
    : holdsPlaces_(true), places_(places.begin(), places.end()) {
  for (const M_ListedPlace& place : places_) {
    U_require(place.name.data() != nullptr && place.identity != 0 && place.repeats != 0, "Param", __LINE__,
              "place.name && place.identity && place.repeats && \"Listed place without name, identity or entry.\"");
    placeEntries_ += place.repeats;
  }
}

const std::vector<U_Handle<M_Diagnostic>>& M_ParamMsgListType::diagnostics() const {
  if (holdsPlaces_ && diagnostics_.size() != placeEntries_) {
    diagnostics_.clear();
    diagnostics_.reserve(placeEntries_);
    // Entries of one identity in a row are one diagnostic, as they would
    // have been in a list of diagnostics.
    for (std::size_t i = 0; i < places_.size(); ++i) {
      if (i == 0 || places_[i].identity != places_[i - 1].identity)
        diagnostics_.push_back(M_diagnosticOfPlace(places_[i]));
      else
        diagnostics_.push_back(diagnostics_.back());
      for (std::uint32_t more = 1; more < places_[i].repeats; ++more) diagnostics_.push_back(diagnostics_.back());
    }
  }
  return diagnostics_;
}

// Out of line: destroying the handles needs the complete M_Diagnostic.
M_ParamMsgListType::~M_ParamMsgListType() = default;

U_String M_ParamMsgListType::text() const {
  U_String out = "MsgList={";
  for (std::size_t i = 0; i < diagnostics().size(); ++i) {
    if (i != 0) out += " ; ";
    out += diagnostics()[i]->debugText();
  }
  out += '}';
  return out;
}
