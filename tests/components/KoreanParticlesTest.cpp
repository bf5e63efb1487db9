#include "KoreanParticles.h"

#include <gtest/gtest.h>

// The topic particle fitted to a value's sound: 은 after a final consonant, 는 after a vowel.
// Hangul by its last syllable; numbers as read aloud (영 일 이 삼 사 오 육 칠 팔 구, 십 백 천 만
// 억 조 경 해, after a point digit by digit); Latin letters by their names, a word by its ending.
TEST(KoreanParticles, TopicByTheSoundOfTheValue) {
  const QString Topic[] = {
      "삼 3번 힣 0 1 3 6 7 8 -1 2147483648 10 200 3000 40000 1000000 100000000 1.0 00 "
      "10000000000000000 \uFF13 m N HTML XR team line email table string",
      "사과 가 2 4 5 9 12 99999999999 3.5 1000000000000 100000000000000000000 abc a OK HTML5x "
      "test hello four"};
  for (const bool Vowel : {false, true})
    for (const QString& Value : Topic[Vowel].split(' '))
      EXPECT_EQ(ArgWithParticles("%1은(는)", {Value}), Value + (Vowel ? "는" : "은"))
          << Value.toStdString();
}

TEST(KoreanParticles, EveryFormAndTheRieulBeforeRo) {
  const QString Template = QStringLiteral("%1이(가) %1을(를) %1과(와) %1(이)라는 %1(으)로");
  EXPECT_EQ(ArgWithParticles(Template, {"책"}), "책이 책을 책과 책이라는 책으로");
  EXPECT_EQ(ArgWithParticles(Template, {"나무"}), "나무가 나무를 나무와 나무라는 나무로");
  EXPECT_EQ(ArgWithParticles(Template, {"길"}), "길이 길을 길과 길이라는 길로");
  EXPECT_EQ(ArgWithParticles(Template, {"1"}), "1이 1을 1과 1이라는 1로");
}

// Quotes and brackets are passed over; an unknown sound keeps both forms; arguments are filled
// in once and left as they are.
TEST(KoreanParticles, QuotesUnknownSoundsAndArguments) {
  EXPECT_EQ(ArgWithParticles("%1은(는) 아닙니다", {"'abc'"}), "'abc'는 아닙니다");
  EXPECT_EQ(ArgWithParticles("'%1'은(는) 아닙니다", {"가나다…"}), "'가나다…'는 아닙니다");
  EXPECT_EQ(ArgWithParticles("“%1”이(가)", {"밥"}), "“밥”이");
  EXPECT_EQ(ArgWithParticles("%1은(는)", {"'?'"}), "'?'은(는)");
  EXPECT_EQ(ArgWithParticles("%1은(는)", {"''"}), "''은(는)");
  EXPECT_EQ(ArgWithParticles("%1 은(는)", {"밥"}), "밥 은(는)"); // a particle follows directly
  EXPECT_EQ(ArgWithParticles("%2, %1은(는)", {"%2은(는)", "값"}), "값, %2은(는)은");
  EXPECT_EQ(ArgWithParticles("%1 or %3, 100%", {"a"}), "a or %3, 100%");
  EXPECT_EQ(ArgWithParticles("no Korean here: %1", {"x"}), "no Korean here: x");
}
