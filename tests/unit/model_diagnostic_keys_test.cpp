// The precomputed keys must order diagnostics exactly as the diagnostic
// comparisons do, or sorting and the seen set would disagree with them.
#include <gtest/gtest.h>

#include <random>

#include "anlsrslt/model/DiagnosticKeys.h"
#include "messages/Diagnostic.h"
#include "messages/DiagnosticOrder.h"
#include "messages_test_support.h"

namespace {

int sign(int value) { return (value > 0) - (value < 0); }
int sign(std::strong_ordering order) { return order < 0 ? -1 : (order > 0 ? 1 : 0); }

// Diagnostics that differ in every part the orders look at, and often
// agree in most of them.
std::vector<U_Handle<M_Diagnostic>> variedDiagnostics() {
  const XF_Filename files[] = {messagestest::file("/p/a.c", "a.c"), messagestest::file("/p/b.h", "b.h"),
                               messagestest::file("/p/B.h", "B.h"), messagestest::file("/p/\xe4.h", "\xe4.h")};
  std::mt19937 random(7);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::vector<U_Handle<M_Diagnostic>> all;
  for (int i = 0; i < 300; ++i) {
    U_Location location;
    if (pick(8) != 0) {
      const XF_Filename& file = files[pick(4)];
      const int line = pick(3) + 1;
      const int column = pick(2);
      location = pick(2) ? U_Location(file, line, column) : U_Location(file, line, column, U_Location(files[0], pick(3), 0));
    }
    auto d = U_make<M_Diagnostic>(1500 + pick(2), location);
    const int params = pick(3);
    for (int p = 0; p < params; ++p) {
      if (pick(3) == 0) d->addStringList({"x", pick(2) ? "y" : "\xff"});
      else d->addString(pick(2) ? "a" : "ab");
    }
    all.push_back(d);
  }
  return all;
}

TEST(DiagnosticKeys, AgreeWithTheDiagnosticComparisons) {
  const auto all = variedDiagnostics();
  std::vector<zum::DiagnosticSortKey> sortKeys;
  std::vector<zum::DiagnosticIdentityKey> identityKeys;
  for (const auto& d : all) {
    sortKeys.push_back(zum::makeSortKey(*d));
    identityKeys.push_back(zum::makeIdentityKey(*d, zum::makeMessageKey(*d)));
  }
  int equalPairs = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    for (std::size_t j = 0; j < all.size(); ++j) {
      const int expected = sign(M_compareDiagnostics(*all[i], *all[j]));
      ASSERT_EQ(sign(sortKeys[i] <=> sortKeys[j]), expected) << all[i]->debugText() << " vs " << all[j]->debugText();
      ASSERT_EQ(sortKeys[i] == sortKeys[j], expected == 0);
      ASSERT_EQ(sign(identityKeys[i] <=> identityKeys[j]), sign(M_compareDiagnosticIdentity(*all[i], *all[j])))
          << all[i]->debugText() << " vs " << all[j]->debugText();
      if (i != j && expected == 0) ++equalPairs;
    }
  }
  // The set must exercise equality, not only order.
  EXPECT_GT(equalPairs, 0);
}

}  // namespace
