// The containers under the model: the generation-stamped hash map, the
// inline pointer vector, the object pool and the recent-text cache.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anlsrslt/model/impl/LineCache.h"
#include "anlsrslt/model/impl/NumberInterns.h"
#include "anlsrslt/model/impl/ObjectPool.h"
#include "anlsrslt/model/impl/RecentInterns.h"
#include "anlsrslt/model/impl/SmallPtrVector.h"
#include "util/FlatMap.h"
#include "util/Ref.h"

namespace {

struct Tracked : U_Ref {
  Tracked(std::vector<int>* log, int id) : log_(log), id_(id) {}
  ~Tracked() override { log_->push_back(id_); }
  std::vector<int>* log_;
  int id_;
};

}  // namespace

TEST(FlatMap, ClearForgetsEverythingAtOnceAndTheMapStaysUsable) {
  std::vector<std::string> keys;
  for (int i = 0; i < 1000; ++i) keys.push_back("k" + std::to_string(i));
  zum::FlatMap<const char*, int> map;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 1000; ++i) *map.tryEmplace(keys[i].c_str()).first = i + round;
    EXPECT_EQ(map.size(), 1000u);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(*map.find(keys[i].c_str()), i + round);
    map.clear();
    EXPECT_TRUE(map.empty());
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(map.find(keys[i].c_str()), nullptr);
  }
  // A key reinserted after a clear starts from a default value.
  auto [value, created] = map.tryEmplace(keys[5].c_str());
  EXPECT_TRUE(created);
  EXPECT_EQ(*value, 0);
  EXPECT_FALSE(map.tryEmplace(keys[5].c_str()).second);
}

TEST(FlatMap, GrowingAfterClearsKeepsOnlyCurrentEntries) {
  std::vector<std::string> keys;
  // Enough keys for the table to outgrow small heap blocks into huge pages.
  constexpr int kKeys = 300000;
  for (int i = 0; i < kKeys; ++i) keys.push_back(std::to_string(i));
  zum::FlatMap<const char*, int> map;
  for (int i = 0; i < 10; ++i) map[keys[i].c_str()] = i;
  map.clear();
  for (int i = 10; i < kKeys; ++i) map[keys[i].c_str()] = i;  // grows many times
  EXPECT_EQ(map.size(), static_cast<std::size_t>(kKeys - 10));
  EXPECT_EQ(map.find(keys[3].c_str()), nullptr);
  EXPECT_EQ(*map.find(keys[kKeys - 1].c_str()), kKeys - 1);
  int seen = 0;
  map.forEach([&seen](const char*, int) { ++seen; });
  EXPECT_EQ(seen, kKeys - 10);
}

TEST(SmallPtrVector, KeepsEveryElementInOrderAcrossEachGrowth) {
  // The capacity is derived from the size, so every step from the inline
  // element through the heap doublings must keep what was there.
  static int values[1100];
  zum::SmallPtrVector<int> vector;
  EXPECT_TRUE(vector.empty());
  for (int& value : values) {
    vector.push_back(&value);
    const std::uint32_t size = vector.size();
    ASSERT_EQ(vector[size - 1], &value);
    if ((size & (size - 1)) == 0 || size == 5 || size == 1025) {
      for (std::uint32_t i = 0; i < size; ++i) ASSERT_EQ(vector[i], &values[i]) << "size " << size;
    }
  }
  ASSERT_EQ(vector.size(), 1100u);
  int index = 0;
  for (int* p : vector) EXPECT_EQ(p, &values[index++]);
}

TEST(ObjectPool, OwnsItsObjectsAndDestroysThemNewestFirst) {
  std::vector<int> deaths;
  {
    zum::ObjectPool<Tracked, 4> pool;
    std::vector<Tracked*> made;
    for (int i = 0; i < 10; ++i) made.push_back(pool.make(&deaths, i));
    // A handle a module made and dropped is never the last reference.
    { U_Handle<Tracked> handle(made[3]); }
    EXPECT_TRUE(deaths.empty());
    EXPECT_EQ(pool.size(), 10u);
    EXPECT_EQ(made[9]->id_, 9);
  }
  EXPECT_EQ(deaths, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST(ObjectPool, DestroysRecordsWithoutAReferenceCount) {
  struct Plain {
    Plain(std::vector<int>* log, int id) : log(log), id(id) {}
    ~Plain() { log->push_back(id); }
    std::vector<int>* log;
    int id;
  };
  std::vector<int> deaths;
  {
    zum::ObjectPool<Plain, 2> pool;
    for (int i = 0; i < 5; ++i) pool.make(&deaths, i);
  }
  EXPECT_EQ(deaths, (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST(ObjectPool, KeepsEveryObjectInPlaceAndInOrderBeyondTheHeapBlocks) {
  // Enough objects for the pool to go from heap blocks to huge-page regions.
  std::vector<int> deaths;
  {
    zum::ObjectPool<Tracked, 1024> pool;
    std::vector<Tracked*> made;
    for (int i = 0; i < 200000; ++i) made.push_back(pool.make(&deaths, i));
    std::size_t index = 0;
    for (Tracked* object : pool) {
      ASSERT_EQ(object, made[index]);
      ASSERT_EQ(object->id_, static_cast<int>(index));
      ++index;
    }
    EXPECT_EQ(index, made.size());
    EXPECT_EQ(pool[123456], made[123456]);
  }
  EXPECT_EQ(deaths.size(), 200000u);
}

TEST(RecentInterns, HandOutTheStoresPointers) {
  zum::RecentInterns<2> recent;
  const char* a = recent.intern("alpha");
  EXPECT_EQ(a, U_Identifier("alpha").pointer());
  EXPECT_EQ(recent.intern("alpha"), a);
  recent.intern("beta");
  recent.intern("gamma");  // alpha falls out of the cache but not out of the store
  EXPECT_EQ(recent.intern("alpha"), a);
  EXPECT_EQ(recent.intern(""), U_Identifier("").pointer());
}

TEST(NumberInterns, HandOutTheStoresPointersOfOneToThreeDigitsOnly) {
  zum::NumberInterns numbers;
  for (const char* text : {"0", "7", "07", "007", "99", "999"}) {
    EXPECT_EQ(numbers.intern(text), U_Identifier(text).pointer()) << text;
    EXPECT_EQ(numbers.intern(text), U_Identifier(text).pointer()) << text;  // found again in its place
  }
  for (const char* text : {"", "1000", "-1", "1.5", "x"}) EXPECT_EQ(numbers.intern(text), nullptr) << text;
}

TEST(LineCache, FindsOnlyTheSameBytesAndKeepsTheTwoLinesUsedLastPerSet) {
  zum::LineCache<int> cache;
  const std::string line = "<DEFINE> f::count inc/a.h 12 I DC OV P N ni R";
  const auto hash = zum::LineCache<int>::hashOf(line);
  EXPECT_EQ(cache.find(line, hash), nullptr);
  cache.remember(line, hash, 7);
  ASSERT_NE(cache.find(line, hash), nullptr);
  EXPECT_EQ(*cache.find(line, hash), 7);
  // A line differing in one byte, or only in length, is another line even
  // under a forged equal hash.
  EXPECT_EQ(cache.find(line + " ", hash), nullptr);
  std::string other = line;
  other[10] = 'g';
  EXPECT_EQ(cache.find(other, hash), nullptr);
  // A set holds two lines; a third one takes the place of the line used
  // less recently.
  cache.remember(other, hash, 9);
  EXPECT_EQ(*cache.find(other, hash), 9);
  EXPECT_EQ(*cache.find(line, hash), 7);
  std::string third = line;
  third[11] = 'h';
  cache.remember(third, hash, 11);
  EXPECT_EQ(*cache.find(third, hash), 11);
  EXPECT_EQ(*cache.find(line, hash), 7);
  EXPECT_EQ(cache.find(other, hash), nullptr);
  // Many lines: each one found is found with its own value.
  std::vector<std::string> lines;
  for (int i = 0; i < 100000; ++i) lines.push_back("<DEFINE> n" + std::to_string(i) + " inc/b.h 1 I DC OV F X ni -");
  for (int i = 0; i < 100000; ++i) cache.remember(lines[i], zum::LineCache<int>::hashOf(lines[i]), i);
  int found = 0;
  for (int i = 0; i < 100000; ++i) {
    const int* value = cache.find(lines[i], zum::LineCache<int>::hashOf(lines[i]));
    if (!value) continue;
    ASSERT_EQ(*value, i);
    ++found;
  }
  EXPECT_GT(found, 0);
  // A line too long to keep is simply never found.
  const std::string longLine = "<DEFINE> " + std::string(zum::LineCache<int>::kMaxLine, 'x');
  cache.remember(longLine, zum::LineCache<int>::hashOf(longLine), 1);
  EXPECT_EQ(cache.find(longLine, zum::LineCache<int>::hashOf(longLine)), nullptr);
}

TEST(LineCache, TriesTheLineThatFollowedLastTimeAndNeverTrustsAStaleGuess) {
  zum::LineCache<int> cache;
  const std::vector<std::string> header = {"<DEFINE> a inc/h.h 1 I DC OV F X ni -",
                                           "<DEFINE> b inc/h.h 2 I DC OV F X ni -",
                                           "<DEFINE> c inc/h.h 3 I DC OV F X ni -"};
  const auto remember = [&cache](const std::string& line, int value) {
    cache.remember(line, zum::LineCache<int>::hashOf(line), value);
  };
  const auto find = [&cache](const std::string& line) { return cache.find(line, zum::LineCache<int>::hashOf(line)); };
  // Nothing used yet: no guess.
  EXPECT_EQ(cache.findFollowing(header[0]), nullptr);
  for (int i = 0; i < 3; ++i) remember(header[i], i);
  // The header again, in another source: its first line is found by hash,
  // the others as the lines that followed.
  ASSERT_NE(find(header[0]), nullptr);
  ASSERT_NE(cache.findFollowing(header[1]), nullptr);
  EXPECT_EQ(*cache.findFollowing(header[2]), 2);
  // A line other than the one that followed is not taken for it, and the
  // chain learns the new order.
  ASSERT_NE(find(header[0]), nullptr);
  EXPECT_EQ(cache.findFollowing(header[2]), nullptr);
  ASSERT_NE(find(header[2]), nullptr);
  ASSERT_NE(find(header[0]), nullptr);
  EXPECT_EQ(*cache.findFollowing(header[2]), 2);
  // An entry reused for another line answers only for that line: in a
  // cache of one set, the entry of "b" goes to "x" while "a" still names
  // it as its follower.
  zum::LineCache<int, 232, 0> small;
  const auto keep = [&small](const std::string& line, int value) {
    small.remember(line, zum::LineCache<int, 232, 0>::hashOf(line), value);
  };
  const auto lookUp = [&small](const std::string& line) {
    return small.find(line, zum::LineCache<int, 232, 0>::hashOf(line));
  };
  keep(header[0], 0);
  keep(header[1], 1);
  ASSERT_NE(lookUp(header[0]), nullptr);
  keep("<DEFINE> x inc/h.h 9 I DC OV F X ni -", 9);
  ASSERT_NE(lookUp(header[0]), nullptr);
  EXPECT_EQ(small.findFollowing(header[1]), nullptr);
  EXPECT_EQ(lookUp(header[1]), nullptr);
}
