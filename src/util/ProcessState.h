// The one place that holds the process-wide state of a run.
//
// Each subsystem keeps its run state in a struct of its own and reaches it
// with zum::ProcessState::get<Struct>(); the object is created on first use
// and lives until reset(). Tests call reset() to start a fresh run; the
// program never does. The interning stores of StringStore.h are not part
// of a run: their handles stay valid across resets.
//
// Hot paths should take the reference once (per source, per module call)
// rather than per record.
#pragma once

#include <cstddef>
#include <vector>

namespace zum {

class ProcessState {
 public:
  template <class T>
  static T& get() {
    static const std::size_t index = newIndex();
    Slot& slot = slotAt(index);
    if (!slot.object) create<T>(slot, index);
    return *static_cast<T*>(slot.object);
  }

  // Destroys every state object, the newest first.
  static void reset();

  struct Slot {
    void* object = nullptr;
    void (*destroy)(void*) = nullptr;
  };

 private:
  template <class T>
  static void create(Slot& slot, std::size_t index) {
    slot.object = new T();
    slot.destroy = [](void* object) { delete static_cast<T*>(object); };
    remember(index);
  }

  static std::size_t newIndex();
  static Slot& slotAt(std::size_t index);
  static void remember(std::size_t index);
};

}  // namespace zum
