#include "KoreanParticles.h"

#include <gtest/gtest.h>

namespace {

// The subject particle that ArgWithParticles gives Value: 은 after a consonant, 는 after a vowel.
QString Topic(const QString& Value) {
  return ArgWithParticles(QStringLiteral("%1은(는)"), {Value}).mid(Value.size());
}

} // namespace

TEST(KoreanParticles, HangulByTheFinalConsonantOfTheLastSyllable) {
  EXPECT_EQ(Topic("삼"), "은");
  EXPECT_EQ(Topic("3번"), "은");
  EXPECT_EQ(Topic("사과"), "는");
  EXPECT_EQ(Topic("힣"), "은");
  EXPECT_EQ(Topic("가"), "는");
}

TEST(KoreanParticles, NumbersAsTheyAreReadAloud) {
  // 영 일 이 삼 사 오 육 칠 팔 구
  EXPECT_EQ(Topic("0"), "은");
  for (const char* Digit : {"1", "3", "6", "7", "8", "-1", "2147483648"})
    EXPECT_EQ(Topic(Digit), "은") << Digit;
  for (const char* Digit : {"2", "4", "5", "9", "12", "99999999999", "3.5"})
    EXPECT_EQ(Topic(Digit), "는") << Digit;
  // 십 백 천 만 ... 억, 조, 경, 해; after a point one digit at a time (영).
  for (const char* Number : {"10", "200", "3000", "40000", "1000000", "100000000", "1.0", "00"})
    EXPECT_EQ(Topic(Number), "은") << Number;
  EXPECT_EQ(Topic("1000000000000"), "는");
  EXPECT_EQ(Topic("10000000000000000"), "은");
  EXPECT_EQ(Topic("100000000000000000000"), "는");
  EXPECT_EQ(Topic("\uFF13"), "은"); // full-width 3
}

TEST(KoreanParticles, LatinLettersByNameOrAWordByItsEnding) {
  for (const char* Text : {"abc", "a", "OK", "HTML5x", "test", "hello", "four"})
    EXPECT_EQ(Topic(Text), "는") << Text;
  for (const char* Text : {"m", "N", "HTML", "XR", "team", "line", "email", "table", "string"})
    EXPECT_EQ(Topic(Text), "은") << Text;
}

TEST(KoreanParticles, EveryFormAndTheRieulBeforeRo) {
  const QString Template = QStringLiteral("%1이(가) %1을(를) %1과(와) %1(이)라는 %1(으)로");
  EXPECT_EQ(ArgWithParticles(Template, {"책"}), "책이 책을 책과 책이라는 책으로");
  EXPECT_EQ(ArgWithParticles(Template, {"나무"}), "나무가 나무를 나무와 나무라는 나무로");
  EXPECT_EQ(ArgWithParticles(Template, {"길"}), "길이 길을 길과 길이라는 길로");
  EXPECT_EQ(ArgWithParticles(Template, {"1"}), "1이 1을 1과 1이라는 1로");
}

TEST(KoreanParticles, QuotesAndBracketsArePassedOverAndAnUnknownSoundKeepsBothForms) {
  EXPECT_EQ(ArgWithParticles("%1은(는) 아닙니다", {"'abc'"}), "'abc'는 아닙니다");
  EXPECT_EQ(ArgWithParticles("'%1'은(는) 아닙니다", {"가나다…"}), "'가나다…'는 아닙니다");
  EXPECT_EQ(ArgWithParticles("“%1”이(가)", {"밥"}), "“밥”이");
  EXPECT_EQ(ArgWithParticles("%1은(는)", {"'?'"}), "'?'은(는)");
  EXPECT_EQ(ArgWithParticles("%1은(는)", {"''"}), "''은(는)");
  EXPECT_EQ(ArgWithParticles("%1 은(는)", {"밥"}), "밥 은(는)"); // a particle follows directly
}

TEST(KoreanParticles, ArgumentsAreFilledInOnceAndLeftAsTheyAre) {
  EXPECT_EQ(ArgWithParticles("%2, %1은(는)", {"%2은(는)", "값"}), "값, %2은(는)은");
  EXPECT_EQ(ArgWithParticles("%1 or %3, 100%", {"a"}), "a or %3, 100%");
  EXPECT_EQ(ArgWithParticles("no Korean here: %1", {"x"}), "no Korean here: x");
}
