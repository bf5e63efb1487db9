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
        "\uFF0B7", "１２３４５６７８９０", " \u00A0\u3000\t\n\v\f\r7\r\f\v\n\t\u3000\u00A0 ",
        // Every other space separator: ogham, en quad to hair space, narrow no-break, medium
        // mathematical.
        "\u1680\u2000\u2001\u2002\u2003\u20042\u2005\u2006\u2007\u2008\u2009\u200A\u202F\u205F"})
    Read += Outcome(Text) + " ";
  EXPECT_EQ(Read, "0 3 2147483647 -2147483648 42 -12 7 1234567890 7 2 ");
}

TEST(StrToInt, RejectsEmptyTextLoneOrMisplacedSignsValuesOutOfRangeAndAllButDecimalDigits) {
  for (const char* Text : {"", " \u3000\u00A0", "-", "\uFF0B", "+-3", "- 3", "3 4", "2147483648",
                           "-2147483649", "4294967299", "18446744073709551621"})
    EXPECT_EQ(Outcome(Text).substr(0, 7), "raises ") << ::testing::PrintToString(Text);
  for (const char* Text :
       {"1.5", "1e3", "0x10", "3abc", "삼", "3\x01", "3\xff", "\xef\xbc", "\xc0\xb3", "/", ":",
        "\uFF0F", "\uFF1A", "2\u200B", "\u28002", "2\u3164"})
    EXPECT_EQ(Outcome(Text).substr(0, 7), "raises ") << ::testing::PrintToString(Text);
  EXPECT_EQ(Outcome(std::string("3\0", 2)).substr(0, 7), "raises ");
}

// The message quotes the text isolated (U+2068 ... U+2069), cut after forty characters, with what
// cannot be seen, would pass for a space or would reorder it as its code, and what is not a
// character as U+FFFD.
TEST(StrToInt, MessageQuotesTheTextShowingWhatCannotBeSeen) {
  std::string Forty;
  for (int I = 0; I < 40; ++I)
    Forty += "가";
  const std::pair<std::string, std::string> Quoted[] = {
      {"abc", "abc"},
      {Forty, Forty},
      {Forty + "x", Forty + "\u2026"},
      {"a\nb\x01\x7f\u0085\xff\xed\xb0\x80\xf4\x90\x80\x80",
       "a\uFFFDb\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\u202E12\u202E34", "<U+202E>12<U+202E>34"},
      {"\u202A\u202B\u202C\u202D3", "<U+202A><U+202B><U+202C><U+202D>3"},
      {"\u2066\u2067\u2068\u20693", "<U+2066><U+2067><U+2068><U+2069>3"},
      {"\u200E\u200F\u061C3", "<U+200E><U+200F><U+061C>3"},
      {"\u2060\uFEFF3", "<U+2060><U+FEFF>3"},
      {"3\u200B\u200C\u200D", "3<U+200B><U+200C><U+200D>"},
      {"3\u00AD\u3164\U000E0041\u2028", "3<U+00AD><U+3164><U+E0041><U+2028>"},
      {"\u05D0\u05D1\u0661", "\u05D0\u05D1\u0661"}, // seen, so as it is
      // Blank, but not the ordinary space.
      {"2 \u2003\u00A03", "2 <U+2003><U+00A0>3"},
      {"\u2800\u202F4", "<U+2800><U+202F>4"},
      // A code takes the room of the characters it is shown with.
      {"12345" + std::string(10, ' ') + "\u200B\u200B\u200B\u200B\u200B\u200B",
       "12345          <U+200B><U+200B><U+200B>\u2026"}};
  for (const auto& [Typed, Shown] : Quoted)
    EXPECT_EQ(Outcome(Typed), "raises '\u2068" + Shown + "\u2069' is not a valid integer");
  EXPECT_EQ(Outcome(" \u3000\t"), "raises '' is not a valid integer") << "spaces alone: nothing";
}
