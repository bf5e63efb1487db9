#include "KoreanParticles.h"

#include <gtest/gtest.h>

// The topic particle by the sound of Hangul and of numbers as read aloud (10조는, after a point
// digit by digit); Latin words (book 북은, cat 캣은), symbols and units past 해 keep both forms.
TEST(KoreanParticles, TopicByTheSoundOfHangulAndNumbersBothFormsWhereItCannotBeKnown) {
  const std::pair<const char*, const char*> Cases[] = {
      {"삼 3번 힣 0 1 3 6 7 8 -1 10 200 3000 40000 100000 1000000 2147483648 1000000000 1.0 00 "
       "\uFF13 10000000000000000",
       "은"},
      {"사과 가 2 4 5 9 12 99999999999 3.5 1000000000000 10000000000000 100000000000000000000",
       "는"},
      {"book cat abc a OK HTML m team '?' '' 3% \u2026 1000000000000000000000000 ", "은(는)"}};
  for (const auto& [Values, Particle] : Cases)
    for (const QString& Value : QString(Values).split(' ')) // the last one empty
      EXPECT_EQ(ArgWithParticles("%1은(는)", {Value}), Value + Particle) << Value.toStdString();
}

// Every form, and 로 after ㄹ; quotes and brackets are passed over; a particle must follow the
// placeholder directly; arguments are filled in once and left as they are.
TEST(KoreanParticles, EveryFormQuotesPlaceholdersAndArguments) {
  const QString Forms = QStringLiteral("%1이(가) %1을(를) %1과(와) %1(이)라는 %1(으)로");
  EXPECT_EQ(ArgWithParticles(Forms, {"책"}), "책이 책을 책과 책이라는 책으로");
  EXPECT_EQ(ArgWithParticles(Forms, {"나무"}), "나무가 나무를 나무와 나무라는 나무로");
  EXPECT_EQ(ArgWithParticles(Forms, {"길"}), "길이 길을 길과 길이라는 길로");
  EXPECT_EQ(ArgWithParticles(Forms, {"x"}), "x이(가) x을(를) x과(와) x(이)라는 x(으)로");
  EXPECT_EQ(ArgWithParticles("%1은(는) 아닙니다", {"'3번'"}), "'3번'은 아닙니다");
  EXPECT_EQ(ArgWithParticles("'%1'은(는) 아닙니다", {"가나다…"}), "'가나다…'는 아닙니다");
  EXPECT_EQ(ArgWithParticles("%1 은(는)", {"밥"}), "밥 은(는)");
  EXPECT_EQ(ArgWithParticles("%2, %1은(는)", {"%2은(는)", "값"}), "값, %2은(는)은");
  EXPECT_EQ(ArgWithParticles("%1 or %3, 100%", {"a"}), "a or %3, 100%");
}
