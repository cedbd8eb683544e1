// A fixed-size registry of items it does not own.
#pragma once

template <class T>
class Registry {
 public:
  bool add(T* item) {
    if (m_count == 64) return false;
    m_items[m_count++] = item;
    return true;
  }
  int size() const { return m_count; }

 private:
  T* m_items[64];
  int m_count = 0;
};
