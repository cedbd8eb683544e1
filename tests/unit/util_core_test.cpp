#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "util/Assert.h"
#include "util/Exception.h"
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

TEST(Exceptions, DefaultTexts) {
  EXPECT_STREQ(U_Exception().what(), "don't know cause");
  EXPECT_STREQ(U_UserException().what(), "UserException: don't know cause");
  EXPECT_STREQ(U_UserException("bad thing").what(), "bad thing");
  EXPECT_STREQ(U_AssertException().what(), "don't know cause");
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
