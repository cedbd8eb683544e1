#include "util/ProcessState.h"

#include <deque>

namespace zum {

namespace {
// A deque keeps slot addresses stable while new kinds of state appear.
std::deque<ProcessState::Slot>& slots() {
  static auto* all = new std::deque<ProcessState::Slot>();
  return *all;
}
std::vector<std::size_t>& creationOrder() {
  static auto* order = new std::vector<std::size_t>();
  return *order;
}
}  // namespace

std::size_t ProcessState::newIndex() {
  slots().emplace_back();
  return slots().size() - 1;
}

ProcessState::Slot& ProcessState::slotAt(std::size_t index) { return slots()[index]; }

void ProcessState::remember(std::size_t index) { creationOrder().push_back(index); }

void ProcessState::reset() {
  auto& order = creationOrder();
  while (!order.empty()) {
    Slot& slot = slots()[order.back()];
    order.pop_back();
    void* object = slot.object;
    slot.object = nullptr;
    if (object) slot.destroy(object);
  }
}

}  // namespace zum
