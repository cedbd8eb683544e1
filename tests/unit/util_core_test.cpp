#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "util/Assert.h"
#include "util/Exception.h"
#include "util/InternedNumbers.h"
#include "util/LargeBlocks.h"
#include "util/ProcessState.h"
#include "util/RadixSort.h"
#include "util/Ref.h"

namespace {

struct Counted : U_Ref {
  explicit Counted(int* deaths) : deaths_(deaths) {}
  ~Counted() override { ++*deaths_; }
  int* deaths_;
};

struct SomeRunState {
  int value = 7;
};

}  // namespace

TEST(Handles, LastHandleDestroysTheObject) {
  int deaths = 0;
  {
    U_Handle<Counted> a(new Counted(&deaths));
    EXPECT_EQ(a->refCount(), 1);
    U_Handle<Counted> b = a;
    EXPECT_EQ(a->refCount(), 2);
    U_Handle<U_Ref> base = a;
    EXPECT_EQ(a->refCount(), 3);
    b.reset();
    base = nullptr;
    EXPECT_EQ(deaths, 0);
  }
  EXPECT_EQ(deaths, 1);
  U_Handle<Counted> none;
  EXPECT_FALSE(none.isSet());
}

TEST(Assertions, ThrowingFormReportsAndThrows) {
  testing::internal::CaptureStderr();
  EXPECT_THROW(U_check(false, "ErrorFileReader", 387, "0 != format"), U_AssertException);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Assertion at ErrorFileReader:387: Assertion '0 != format' failed.\n");
  EXPECT_NO_THROW(U_check(true, "X", 1, "never"));
}

TEST(AssertionsDeathTest, AbortingFormRaisesTheAbortSignal) {
  EXPECT_DEATH(U_require(false, "DefineRecord", 12, "def.size () == 2"),
               "Assertion at DefineRecord:12: Assertion 'def.size \\(\\) == 2' failed.");
}

TEST(ProcessState, ResetStartsAFreshRun) {
  zum::ProcessState::get<SomeRunState>().value = 42;
  EXPECT_EQ(zum::ProcessState::get<SomeRunState>().value, 42);
  zum::ProcessState::reset();
  EXPECT_EQ(zum::ProcessState::get<SomeRunState>().value, 7);
}

// Equal keys keep their order, and keys of every width (no pass, one, two,
// three) end up in order.
TEST(RadixSort, SortsStablyLikeStableSortForKeysOfEveryWidth) {
  std::mt19937 random(7);
  for (std::uint32_t limit : {0u, 1u, 2047u, 2048u, 4194303u, 4194304u, 0xFFFFFFFFu}) {
    for (std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(2), std::size_t(5000)}) {
      std::vector<std::pair<std::uint32_t, std::size_t>> values;
      for (std::size_t i = 0; i < size; ++i)
        values.push_back({limit == 0 ? 0 : static_cast<std::uint32_t>(random() % (std::uint64_t(limit) + 1)) % 64 * (limit / 64 + 1), i});
      if (size > 2) values[size / 2].first = limit;
      auto expected = values;
      std::stable_sort(expected.begin(), expected.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
      zum::radixSortStable(values, [](const auto& value) { return value.first; });
      EXPECT_EQ(values, expected) << "limit " << limit << " size " << size;
    }
  }
}

// Stores beyond their heap share huge-page regions: their blocks never
// overlap, and a store's blocks outlive the other stores of their region.
TEST(LargeBlocks, StoresShareRegionsWithoutOverlapAndKeepTheirBlocksWhenAnotherGoes) {
  constexpr std::size_t kBlock = 48 * 1024;
  auto first = std::make_unique<zum::LargeBlocks>(kBlock);
  zum::LargeBlocks second(kBlock);
  std::vector<std::pair<char*, char>> blocks;  // (block, fill byte) of the second store
  std::vector<char*> all;
  for (int i = 0; i < 200; ++i) {
    char* a = static_cast<char*>(first->allocate());
    char* b = static_cast<char*>(second.allocate());
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(a) % 16, 0u);
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(b) % 16, 0u);
    std::memset(a, 0x11, kBlock);
    std::memset(b, static_cast<char>(i), kBlock);
    blocks.push_back({b, static_cast<char>(i)});
    all.push_back(a);
    all.push_back(b);
  }
  std::sort(all.begin(), all.end());
  for (std::size_t i = 1; i < all.size(); ++i) ASSERT_GE(all[i] - all[i - 1], static_cast<std::ptrdiff_t>(kBlock));
  first.reset();
  for (auto [block, fill] : blocks) {
    ASSERT_EQ(block[0], fill);
    ASSERT_EQ(block[kBlock - 1], fill);
  }
}

TEST(InternedNumbers, KeepsANumberPerTextAndNothingWhenOff) {
  const char* first = U_Identifier("::numbers::first").c_str();
  const char* second = U_Identifier("::numbers::second").c_str();
  zum::InternedNumbers on(true);
  EXPECT_EQ(on.get(first), 0u);
  on.set(first, 5);
  on.set(second, 9);
  EXPECT_EQ(on.get(first), 5u);
  EXPECT_EQ(on.get(second), 9u);
  EXPECT_EQ(on.get(U_Identifier("::numbers::first").c_str()), 5u);
  zum::InternedNumbers off(false);
  off.set(first, 5);
  EXPECT_EQ(off.get(first), 0u);
}
