#include "util/ProcessState.h"

#include <deque>

namespace zum {

namespace {
// A deque keeps slot addresses stable while new kinds of state appear.
std::deque<ProcessState::Slot>& slots() {
  static auto* all = new std::deque<ProcessState::Slot>();
  return *all;
}
std::vector<ProcessState::Slot*>& creationOrder() {
  static auto* order = new std::vector<ProcessState::Slot*>();
  return *order;
}
}  // namespace

ProcessState::Slot& ProcessState::newSlot() { return slots().emplace_back(); }

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
