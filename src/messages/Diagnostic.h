// One message of the analysis: a message number, a place, the parameters
// that fill the message text, and the flags that say whether it is hidden
// and whether it is an error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "messages/Param.h"
#include "util/Location.h"
#include "util/Ref.h"
#include "util/SmallObjects.h"
#include "util/String.h"

class XF_Filename;

class M_Diagnostic : public U_Ref {
 public:
  // Made and dropped by the hundred thousand: see util/SmallObjects.h.
  static void* operator new(std::size_t size) { return zum::allocateSmallObject(size); }
  static void operator delete(void* object, std::size_t size) noexcept { zum::freeSmallObject(object, size); }
  explicit M_Diagnostic(int messageNumber, U_Location location = U_Location())
      : messageNumber_(messageNumber), location_(std::move(location)) {}

  int messageNumber() const noexcept { return messageNumber_; }
  // May be null.
  const U_Location& location() const noexcept { return location_; }

  // The handles of the few parameters come from the small-object free
  // lists like the diagnostic itself (no malloc and free per diagnostic).
  using Params = std::vector<U_Handle<M_ParamType>, zum::SmallObjectAllocator<U_Handle<M_ParamType>>>;

  std::size_t paramCount() const noexcept { return params_.size(); }
  const U_Handle<M_ParamType>& param(std::size_t index) const;
  const Params& params() const noexcept { return params_; }

  // Each call appends the next parameter.
  void addParam(U_Handle<M_ParamType> param);
  void addString(U_String text);
  // The name as given (the run's output encoding is applied by the caller
  // that owns the encodings).
  void addFile(const XF_Filename& file);
  void addInteger(long long value);
  void addEntity(U_Handle<U_EntityDisplayName> name, std::uint8_t formFlag);
  void addStringList(std::vector<U_String> values);
  void addMessageList(std::vector<U_Handle<M_Diagnostic>> diagnostics);
  // A message list of places, each standing for a diagnostic (copied).
  void addPlaceList(std::span<const M_ListedPlace> places);

  bool isHiddenByPragma() const noexcept { return hiddenByPragma_; }
  bool isHiddenByUser() const noexcept { return hiddenByUser_; }
  // Set when either of the two came from an older error file.
  bool isHidden() const noexcept { return hidden_; }
  bool isError() const noexcept { return error_; }
  void setHiddenByPragma(bool on) noexcept { hiddenByPragma_ = on; }
  void setHiddenByUser(bool on) noexcept { hiddenByUser_ = on; }
  void setHidden(bool on) noexcept { hidden_ = on; }
  void setError(bool on) noexcept { error_ = on; }

  // "file:line[:column]: Msg=n #params=p {params} hidden by ..." and, with
  // the switches "showInclLoc"/"showInstLoc", the location chains.
  U_String debugText() const;

 private:
  // The first parameter makes room for three: most diagnostics have one to
  // three, and the allocator's smallest block holds three handles anyway,
  // so the vector is not grown again for the second and third.
  void reserveFirstParams() {
    if (params_.capacity() == 0) params_.reserve(kFirstParams);
  }
  static constexpr std::size_t kFirstParams = 3;

  int messageNumber_;
  U_Location location_;
  Params params_;
  bool hiddenByPragma_ = false;
  bool hiddenByUser_ = false;
  bool hidden_ = false;
  bool error_ = false;
};
