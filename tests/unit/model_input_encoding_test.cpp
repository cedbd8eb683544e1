// Metric files written in an input encoding other than the internal one.
#include <cstdlib>
#include <string>
#include <vector>

#include "model_test_support.h"
#include "options/ProductTable.h"
#include "options/TextTranslation.h"

using namespace modeltest;

namespace {
class InputEncodingTest : public ModelTest {};
}  // namespace

TEST_F(InputEncodingTest, MetricFilesAreReadInTheInputEncodingAndKeptInTheInternalOne) {
  ::setenv("LANG", "ja_JP.SJIS", 1);
  ::setenv("NO_LANG_CACHE", "1", 1);
  const int encoding = XF_decideInputEncoding(zum::ProductTable[zum::findProduct("ZEK")], outputDirectory_.string());
  PI_configureOnNewSymbol(&recordNewSymbol);
  // HIRAGANA LETTER A in Shift_JIS; the model holds it in EUC.
  writeMetricFile("a.c", "<DEFINE> \x82\xa0 a.c 1 N DC -V F X ni -\r\n<DEFINE> b a.c 2 N DC -V F X ni -");
  readSource("a.c");
  ::unsetenv("NO_LANG_CACHE");
  ::unsetenv("LANG");
  ASSERT_EQ(encoding, XF_SJ);
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol \xa4\xa2@a.c:1", "NewSymbol b@a.c:2"}));
}
