#include "util/ProcessState.h"

namespace zum {

namespace {
std::vector<ProcessState::Slot*>& creationOrder() {
  static auto* order = new std::vector<ProcessState::Slot*>();
  return *order;
}
}  // namespace

void ProcessState::remember(Slot& slot) { creationOrder().push_back(&slot); }

void ProcessState::reset() {
  auto& order = creationOrder();
  while (!order.empty()) {
    Slot& slot = *order.back();
    order.pop_back();
    void* object = slot.object;
    slot.object = nullptr;
    if (object) slot.destroy(object);
  }
}

}  // namespace zum
