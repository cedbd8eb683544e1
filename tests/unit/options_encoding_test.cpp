#include <gtest/gtest.h>

#include "options/OptionExceptions.h"
#include "options/ShiftJis.h"
#include "options/TextTranslation.h"

TEST(ShiftJis, KanjiKanaAndSingleBytesToEuc) {
  // "あ" (row 4 cell 2), "亜" (16-1), "表" whose trail byte is a backslash,
  // a half-width katakana, then plain bytes.
  EXPECT_EQ(zum::shiftJisToEuc("\x82\xa0\x88\x9f\x95\x5c\xb1 a\\~"), "\xa4\xa2\xb0\xa1\xc9\xbd\x8e\xb1 a\\~");
  // Lead bytes from 0xF0 on use the rows of 0xE0 and up.
  EXPECT_EQ(zum::shiftJisToEuc("\xf0\x40"), zum::shiftJisToEuc("\xe0\x40"));
  EXPECT_EQ(zum::shiftJisToEuc(""), "");
}

TEST(ShiftJis, LeadByteWithoutTrailByteIsAConfigurationError) {
  for (const char* bad : {"\x81\x3f", "ab\x81", "\xfc\xfd"}) {
    try {
      zum::shiftJisToEuc(bad);
      FAIL() << bad;
    } catch (const C_ConfigurationException& error) {
      EXPECT_STREQ(error.what(), "Character out of range.  Missing -en?");
      EXPECT_FALSE(error.useExitCode());
    }
  }
}

TEST(ShiftJis, EveryJisX0208PairGoesThereAndBack) {
  for (unsigned row = 0xA1; row <= 0xFE; ++row) {
    for (unsigned cell = 0xA1; cell <= 0xFE; ++cell) {
      const std::string euc{static_cast<char>(row), static_cast<char>(cell)};
      const std::string sjis = zum::eucToShiftJis(euc);
      ASSERT_EQ(sjis.size(), 2u);
      ASSERT_EQ(zum::shiftJisToEuc(sjis), euc) << std::hex << row << " " << cell;
    }
  }
  EXPECT_EQ(zum::eucToShiftJis("\x8e\xb1x\x8f\xa1\xa1"), "\xb1x?");
}

TEST(TextTranslation, AscAndEucPassUnchangedAndUnknownCodesAreRefused) {
  EXPECT_EQ(XF_translate("\xa4\xa2", XF_EUC, XF_ASC), "\xa4\xa2");
  EXPECT_EQ(XF_translate("\x82\xa0", XF_SJ, XF_EUC), "\xa4\xa2");
  EXPECT_EQ(XF_translate("\xa4\xa2", XF_EUC, XF_SJ), "\x82\xa0");
  EXPECT_THROW(XF_translate("x", 1, XF_EUC), XF_InvalidEncodingException);
  EXPECT_THROW(XF_translate("x", XF_ASC, XF_UTF16), XF_InvalidEncodingException);
}
