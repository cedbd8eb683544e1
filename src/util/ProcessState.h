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
    // Each type's slot is a constant-initialised variable of its own: no
    // guard of a function-local static to test, so a get is two loads and
    // a test, inlined (some states are asked for per record read).
    Slot& slot = slotOf<T>;
    if (!slot.object) [[unlikely]] create<T>(slot);
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
  static Slot slotOf;

  template <class T>
  static void create(Slot& slot) {
    slot.object = new T();
    slot.destroy = [](void* object) { delete static_cast<T*>(object); };
    remember(slot);
  }

  static void remember(Slot& slot);
};

// Zero before any code runs: no guard, whatever asks first.
template <class T>
ProcessState::Slot ProcessState::slotOf{};

}  // namespace zum
