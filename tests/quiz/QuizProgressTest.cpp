#include "QuizProgress.h"

#include "ShortestRun.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

namespace {

// Every test starts at the first question and leaves the quiz there.
class QuizProgress : public ::testing::Test {
protected:
  void SetUp() override { CurrentQuestion = 0; }
  void TearDown() override { CurrentQuestion = 0; }

  static std::string Captions() {
    std::string All;
    for (int Choice = 1; Choice <= ChoiceCount; ++Choice)
      All += ChoiceCaption(Choice) + " ";
    return All;
  }
};

} // namespace

TEST_F(QuizProgress, StartsAtTheFirstQuestionWithItsChoicesNumbered) {
  EXPECT_FALSE(IsFinished());
  EXPECT_EQ(CurrentQuestionText(), "1.후고구려는 누가 세웠나요?");
  EXPECT_EQ(Captions(), "1:견훤 2:궁예 3:왕건 4:금강 ");
  EXPECT_EQ(ChoiceText(2), "궁예");
}

TEST_F(QuizProgress, OnlyTheKeyIsCorrectAndJudgingNeverMovesOn) {
  EXPECT_TRUE(CheckAnswer(3));
  for (int Wrong : {2, 1, 4, 0, 5, -3, 259, INT_MAX, INT_MIN})
    EXPECT_FALSE(CheckAnswer(Wrong)) << Wrong;
  EXPECT_EQ(CurrentQuestion, 0);
  EXPECT_EQ(VerdictText(true), "correct!");
  EXPECT_EQ(VerdictText(false), "incorrect!");
}

TEST_F(QuizProgress, ChoiceNumbersOutsideOneToFourShowNothing) {
  for (int Outside : {0, 5, -1, INT_MAX, INT_MIN})
    EXPECT_EQ(ChoiceCaption(Outside) + ChoiceText(Outside), "") << Outside;
}

// Each question is numbered right before its text, has four choices each captioned with its
// number, and takes one of them only.
TEST_F(QuizProgress, EachCorrectAnswerMovesOnOneQuestionShowingItsNumberAndChoices) {
  for (int Entry = 0; Entry < QuestionCount - 1; ++Entry) {
    const std::string Number = std::to_string(Entry + 1) + ".";
    SCOPED_TRACE("question " + Number);
    const std::string Question = CurrentQuestionText();
    EXPECT_EQ(Question.rfind(Number, 0), 0u);
    EXPECT_NE(Question.substr(Number.size(), 1), " ");
    for (int Choice = 1; Choice <= ChoiceCount; ++Choice) {
      const std::string Text = ChoiceText(Choice);
      EXPECT_TRUE(!Text.empty() && Text.find(':') == std::string::npos) << Text;
      EXPECT_EQ(ChoiceCaption(Choice), std::to_string(Choice) + ":" + Text);
      EXPECT_EQ(CheckAnswer(Choice), Choice == ShortestRun[Entry]) << "choice " << Choice;
    }
    Advance();
    EXPECT_EQ(CurrentQuestion, Entry + 1);
  }
}

TEST_F(QuizProgress, TheClosingEntryCongratulatesAndOneFinishesTheQuiz) {
  CurrentQuestion = QuestionCount - 1;
  EXPECT_EQ(CurrentQuestionText(), "축하합니다!!");
  EXPECT_EQ(Captions(), "1:축하 2:합 3:니 4:다! ");
  EXPECT_FALSE(CheckAnswer(2));
  EXPECT_FALSE(IsFinished());
  ASSERT_TRUE(CheckAnswer(1));
  Advance();
  EXPECT_TRUE(IsFinished());
}

TEST_F(QuizProgress, OnceFinishedNothingIsShownJudgedOrAdvanced) {
  CurrentQuestion = QuestionCount;
  Advance();
  EXPECT_EQ(CurrentQuestion, QuestionCount);
  EXPECT_EQ(CurrentQuestionText() + Captions(), "    ");
  for (int Value : {0, 1, 2, 3, 4})
    EXPECT_FALSE(CheckAnswer(Value)) << Value;
}
