#include "messages/ListedPlace.h"

#include "messages/Diagnostic.h"

#include "util/Location.h"
#include "util/ProcessState.h"

namespace {

struct PlaceIdentities {
  std::uint32_t last = 0;
};

}  // namespace

std::uint32_t M_newPlaceIdentity() { return ++zum::ProcessState::get<PlaceIdentities>().last; }

U_Handle<M_Diagnostic> M_diagnosticOfPlace(const M_ListedPlace& place) {
  U_Handle<M_Diagnostic> diagnostic = U_make<M_Diagnostic>(place.messageNumber, U_Location(place.file, place.line, 0));
  diagnostic->addEntity(U_make<U_StoredEntityDisplayName>(U_String(place.name)), 0);
  return diagnostic;
}
