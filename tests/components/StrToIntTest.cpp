#include "StrToInt.h"

#include "EConvertError.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Accepted {
  const char* Name;
  std::string Text;
  std::int32_t Value;
};

struct Rejected {
  const char* Name;
  std::string Text;
};

class StrToIntAccepts : public ::testing::TestWithParam<Accepted> {};
class StrToIntRejects : public ::testing::TestWithParam<Rejected> {};

template <class Row> std::string RowName(const ::testing::TestParamInfo<Row>& Info) {
  return Info.param.Name;
}

} // namespace

TEST_P(StrToIntAccepts, Text) {
  EXPECT_EQ(StrToInt(GetParam().Text), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    , StrToIntAccepts,
    ::testing::Values(
        Accepted{"Digit", "3", 3}, Accepted{"Zero", "0", 0}, Accepted{"MinusZero", "-0", 0},
        Accepted{"PlusSign", "+3", 3}, Accepted{"LeadingZero", "03", 3},
        Accepted{"Negative", "-1", -1}, Accepted{"Largest", "2147483647", 2147483647},
        Accepted{"Smallest", "-2147483648", -2147483647 - 1},
        Accepted{"ManyLeadingZeros", "000000000000000000000042", 42},
        Accepted{"SpacesAround", "  3 ", 3}, Accepted{"TabAndNewline", "\t3\n", 3},
        Accepted{"FullWidthDigit", "３", 3}, Accepted{"FullWidthNegative", "－１２", -12},
        Accepted{"IdeographicSpaces", "\u30003\u3000", 3}, Accepted{"MixedWidthDigits", "1２", 12}),
    RowName<Accepted>);

TEST_P(StrToIntRejects, Text) {
  try {
    StrToInt(GetParam().Text);
    FAIL() << "accepted '" << GetParam().Text << "'";
  } catch (const EConvertError& E) {
    EXPECT_NE(E.Message().find("is not a valid integer"), std::string::npos) << E.Message();
  }
}

INSTANTIATE_TEST_SUITE_P(
    , StrToIntRejects,
    ::testing::Values(
        Rejected{"Empty", ""}, Rejected{"SpacesOnly", "   "}, Rejected{"Letters", "abc"},
        Rejected{"TrailingLetters", "3abc"}, Rejected{"TwoNumbers", "3 4"},
        Rejected{"SpaceAfterSign", "- 3"}, Rejected{"SignOnly", "-"}, Rejected{"TwoSigns", "--3"},
        Rejected{"JustAboveLargest", "2147483648"}, Rejected{"JustBelowSmallest", "-2147483649"},
        Rejected{"Huge", "99999999999999999999"}, Rejected{"Decimal", "1.5"},
        Rejected{"Exponent", "1e3"}, Rejected{"Hex", "0x10"}, Rejected{"PascalHex", "$10"},
        Rejected{"KoreanNumeral", "삼"}, Rejected{"ControlCharacter", "3\x01"},
        Rejected{"EmbeddedNul", std::string("3\0", 2)}, Rejected{"InvalidUtf8", "\xff"},
        Rejected{"TruncatedUtf8", "\xef\xbc"}, Rejected{"OverlongUtf8Digit", "\xc0\xb3"}),
    RowName<Rejected>);

TEST(StrToIntMessage, QuotesTheTextAndCutsItShort) {
  try {
    StrToInt("abc");
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), "'abc' is not a valid integer");
    EXPECT_STREQ(E.what(), "'abc' is not a valid integer");
  }
  try {
    StrToInt(std::string(100000, '7') + "x");
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), "'" + std::string(40, '7') + "\u2026' is not a valid integer");
  }
  try {
    StrToInt(
        "가나다라마바사아자차카타파하가나다라마바사아자차카타파하가나다라마바사아자차카타파하");
  } catch (const Exception& E) {
    // Cut between characters, never inside one.
    EXPECT_EQ(E.Message().rfind("'가나다라마바사아자차카타파하", 0), 0u);
    EXPECT_NE(E.Message().find("하가나다라마바사아자차카타\u2026'"), std::string::npos)
        << E.Message();
  }
}

TEST(StrToIntMessage, ShowsControlCharactersAndBrokenTextAsReplacementCharacters) {
  try {
    StrToInt(std::string("a\nb\x01\xff", 5));
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), "'a\uFFFDb\uFFFD\uFFFD' is not a valid integer");
  }
}
