// The generator's only source of randomness. splitmix64 is used instead of
// the standard distributions because those give different numbers under
// different standard libraries, and a seed must name the same project on
// every machine. For the same reason, never draw twice within one function
// call's arguments or one chain of "+": their order of evaluation is
// unspecified, and g++ and clang would build different projects.
#pragma once

#include <cstdint>
#include <vector>

namespace genproject {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}

  uint64_t next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

  // 0 <= result < n (0 when n is 0). The multiply-shift keeps it free of
  // the modulo bias without a loop.
  uint32_t below(uint32_t n) { return uint32_t(((next() >> 32) * uint64_t(n)) >> 32); }

  // low <= result <= high
  int between(int low, int high) { return low + int(below(uint32_t(high - low + 1))); }

  bool percent(uint32_t p) { return below(100) < p; }

  template <class T>
  const T& pick(const std::vector<T>& items) { return items[below(uint32_t(items.size()))]; }

 private:
  uint64_t state_;
};

// Independent streams per (purpose, index), so that one source or header can
// be built again on its own and come out the same.
inline uint64_t streamSeed(uint64_t seed, uint64_t purpose, uint64_t index) {
  Random mixer(seed ^ (purpose * 0xd1b54a32d192ed03ULL));
  mixer.next();
  Random second(mixer.next() ^ (index * 0x9e3779b97f4a7c15ULL + purpose));
  return second.next();
}

enum Stream : uint64_t { kPlanStream = 1, kHeaderStream, kModuleStream, kSourceStream, kErrorStream };

}  // namespace genproject
