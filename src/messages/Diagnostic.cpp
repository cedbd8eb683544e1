#include "messages/Diagnostic.h"

#include <string>

#include "messages/LocationText.h"
#include "options/RunSettings.h"
#include "util/Assert.h"
#include "util/Filename.h"

namespace {

// " incl{a.h:3 <- main.c:1}": each include directive, innermost first.
void appendIncludeChain(U_String& out, const U_Location& location) {
  out += " incl{";
  bool first = true;
  for (U_Location at = location.inclLoc(); at.isSet(); at = at.inclLoc()) {
    if (!first) out += " <- ";
    first = false;
    M_appendLocationText(out, at);
  }
  out += '}';
}

// " inst{t.h:9 (T<int>) <- main.cc:4 (U)}": each place of instantiation
// with the entity instantiated there, innermost first.
void appendInstantiationChain(U_String& out, const U_Location& location) {
  out += " inst{";
  bool first = true;
  for (U_Location at = location; at.hasInstFromLoc(); at = at.instFromLoc()) {
    if (!first) out += " <- ";
    first = false;
    M_appendLocationText(out, at.instFromLoc());
    const U_Handle<U_EntityDisplayName> entity = at.instEntity();
    if (entity) {
      out += " (";
      out += entity->text(3);
      out += ')';
    }
  }
  out += '}';
}

}  // namespace

const U_Handle<M_ParamType>& M_Diagnostic::param(std::size_t index) const {
  U_require(index < params_.size(), "Diagnostic", __LINE__, "index < params_.size() && \"Index out of range\"");
  return params_[index];
}

void M_Diagnostic::addParam(U_Handle<M_ParamType> param) {
  U_require(param.isSet(), "Diagnostic", __LINE__, "param.isSet() && \"Dont dereference 0.\"");
  reserveFirstParams();
  params_.push_back(std::move(param));
}

void M_Diagnostic::addString(U_String text) { addParam(U_make<M_ParamStringType>(std::move(text))); }

void M_Diagnostic::addFile(const XF_Filename& file) { addString(file.given().text()); }

void M_Diagnostic::addInteger(long long value) { addString(std::to_string(value)); }

void M_Diagnostic::addEntity(U_Handle<U_EntityDisplayName> name, std::uint8_t formFlag) {
  addParam(U_make<M_ParamEntityType>(std::move(name), formFlag));
}

void M_Diagnostic::addStringList(std::vector<U_String> values) {
  addParam(U_make<M_ParamListType>(std::move(values)));
}

void M_Diagnostic::addMessageList(std::vector<U_Handle<M_Diagnostic>> diagnostics) {
  addParam(U_make<M_ParamMsgListType>(std::move(diagnostics)));
}

void M_Diagnostic::addPlaceList(std::span<const M_ListedPlace> places) {
  addParam(U_make<M_ParamMsgListType>(places));
}

U_String M_Diagnostic::debugText() const {
  U_String out;
  M_appendLocationText(out, location_);
  out += ": Msg=";
  out += std::to_string(messageNumber_);
  out += " #params=";
  out += std::to_string(params_.size());
  if (!params_.empty()) {
    out += " {";
    for (std::size_t i = 0; i < params_.size(); ++i) {
      if (i != 0) out += ", ";
      out += params_[i]->text();
    }
    out += '}';
  }
  if (hiddenByPragma_ || hiddenByUser_) {
    out += " hidden by ";
    if (hiddenByPragma_) out += "pragma";
    if (hiddenByPragma_ && hiddenByUser_) out += ", ";
    if (hiddenByUser_) out += "user";
  }
  if (location_.hasInclLoc() && C_runSettings().showIncludeChain) appendIncludeChain(out, location_);
  if (location_.hasInstFromLoc() && C_runSettings().showInstantiationChain) appendInstantiationChain(out, location_);
  return out;
}
