#include "StrToInt.h"

#include "EConvertError.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The value StrToInt reads from Text in decimal, or "raises" and the message of its EConvertError.
std::string Outcome(const std::string& Text) {
  try {
    return std::to_string(StrToInt(Text));
  } catch (const EConvertError& E) {
    return std::string("raises ") + E.what();
  }
}

} // namespace

TEST(StrToInt, ReadsSignedDecimalsInEitherWidthWithAnySpacesAround) {
  std::string Read;
  for (const char* Text :
       {"-0", "+03", "2147483647", "-2147483648", "000000000000000000000042", "\uFF0D\uFF11\uFF12",
        "\uFF0B7", "１２３４５６７８９０", " \u00A0\u3000\t\n\v\f\r7\r\f\v\n\t\u3000\u00A0 "})
    Read += Outcome(Text) + " ";
  EXPECT_EQ(Read, "0 3 2147483647 -2147483648 42 -12 7 1234567890 7 ");
}

TEST(StrToInt, RejectsEmptyTextLoneOrMisplacedSignsValuesOutOfRangeAndAllButDecimalDigits) {
  for (const char* Text : {"", " \u3000\u00A0", "-", "\uFF0B", "+-3", "- 3", "3 4", "2147483648",
                           "-2147483649", "4294967299", "18446744073709551621"})
    EXPECT_EQ(Outcome(Text).substr(0, 7), "raises ") << ::testing::PrintToString(Text);
  for (const char* Text : {"1.5", "1e3", "0x10", "3abc", "삼", "3\x01", "3\xff", "\xef\xbc",
                           "\xc0\xb3", "/", ":", "\uFF0F", "\uFF1A"})
    EXPECT_EQ(Outcome(Text).substr(0, 7), "raises ") << ::testing::PrintToString(Text);
  EXPECT_EQ(Outcome(std::string("3\0", 2)).substr(0, 7), "raises ");
}

TEST(StrToInt, MessageQuotesTheTextCutAfterFortyCharactersWithControlsReplaced) {
  std::string Forty;
  for (int I = 0; I < 40; ++I)
    Forty += "가";
  // The quoted text stands between U+2068 and U+2069, which isolate it for bidirectional display.
  EXPECT_EQ(Outcome("abc"), "raises '\u2068abc\u2069' is not a valid integer");
  EXPECT_EQ(Outcome(" \u3000\t"), "raises '' is not a valid integer") << "spaces alone: nothing";
  EXPECT_EQ(Outcome(Forty), "raises '\u2068" + Forty + "\u2069' is not a valid integer");
  EXPECT_EQ(Outcome(Forty + "x"),
            "raises '\u2068" + Forty + "\u2026\u2069' is not a valid integer");
  // Control characters, a byte that starts nothing, a lone surrogate and a code past U+10FFFF.
  EXPECT_EQ(
      Outcome("a\nb\x01\x7f\u0085\xff\xed\xb0\x80\xf4\x90\x80\x80"),
      "raises '\u2068a\uFFFDb\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\u2069' is not a valid integer");
}
