// A stable sort by a 32-bit key, in passes of 11 bits.
//
// The end-of-run tables are sorted by serial (the identity order of names
// and symbols): millions of entries whose keys are small integers. A radix
// sort reads each entry a few times in order, where a comparison sort
// would jump through them log n times.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace zum {

// Sorts `values` by `keyOf(value)` (an unsigned 32-bit key), keeping equal
// keys in the order they had. Needs one scratch copy of the values.
template <class Vector, class KeyOf>
void radixSortStable(Vector& values, KeyOf keyOf) {
  using T = typename Vector::value_type;
  constexpr unsigned kBits = 11;
  constexpr std::size_t kBuckets = std::size_t(1) << kBits;
  if (values.size() < 2) return;
  std::uint32_t largest = 0;
  for (const T& value : values) largest |= static_cast<std::uint32_t>(keyOf(value));
  const unsigned passes = (static_cast<unsigned>(std::bit_width(largest)) + kBits - 1) / kBits;
  if (passes == 0) return;

  std::vector<std::array<std::size_t, kBuckets>> counts(passes);
  for (auto& count : counts) count.fill(0);
  for (const T& value : values) {
    const auto key = static_cast<std::uint32_t>(keyOf(value));
    for (unsigned pass = 0; pass < passes; ++pass) ++counts[pass][(key >> (pass * kBits)) & (kBuckets - 1)];
  }
  Vector scratch(values.size());
  Vector* from = &values;
  Vector* to = &scratch;
  for (unsigned pass = 0; pass < passes; ++pass) {
    std::size_t start = 0;
    for (std::size_t& count : counts[pass]) {
      const std::size_t n = count;
      count = start;
      start += n;
    }
    for (const T& value : *from) {
      const auto key = static_cast<std::uint32_t>(keyOf(value));
      (*to)[counts[pass][(key >> (pass * kBits)) & (kBuckets - 1)]++] = value;
    }
    std::swap(from, to);
  }
  if (from != &values) values.swap(scratch);
}

}  // namespace zum
