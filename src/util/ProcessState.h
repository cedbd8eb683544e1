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
    // Slots never move, so each type finds its own with one load.
    static Slot& slot = newSlot();
    if (!slot.object) create<T>(slot);
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
  static void create(Slot& slot) {
    slot.object = new T();
    slot.destroy = [](void* object) { delete static_cast<T*>(object); };
    remember(slot);
  }

  static Slot& newSlot();
  static void remember(Slot& slot);
};

}  // namespace zum
