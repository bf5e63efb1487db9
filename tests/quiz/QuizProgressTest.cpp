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

  // The captions of choices 0 to 5: only 1 to 4 have any.
  static std::string Captions() {
    std::string All;
    for (int Choice = 0; Choice <= ChoiceCount + 1; ++Choice)
      All += ChoiceCaption(Choice) + " ";
    return All;
  }
};

} // namespace

TEST_F(QuizProgress, StartsAtTheFirstQuestionWhereOnlyTheKeyIsCorrectAndJudgingNeverMovesOn) {
  EXPECT_FALSE(IsFinished());
  EXPECT_EQ(CurrentQuestionText(), "1.후고구려는 누가 세웠나요?");
  EXPECT_EQ(Captions(), " 1:견훤 2:궁예 3:왕건 4:금강  ");
  EXPECT_EQ(ChoiceText(2) + ChoiceText(0) + ChoiceText(5) + ChoiceText(INT_MIN), "궁예");
  EXPECT_TRUE(CheckAnswer(3));
  for (int Wrong : {2, 1, 4, 0, 5, -3, 259, INT_MAX, INT_MIN})
    EXPECT_FALSE(CheckAnswer(Wrong)) << Wrong;
  EXPECT_EQ(ChoiceCaption(INT_MAX) + ChoiceCaption(INT_MIN), "");
  EXPECT_EQ(CurrentQuestion, 0);
  EXPECT_EQ(VerdictText(true) + VerdictText(false), "correct!incorrect!");
}

// Each question is numbered right before its text, has four choices each captioned with its
// number, and takes one of them only.
TEST_F(QuizProgress, EachCorrectAnswerMovesOnOneQuestionShowingItsNumberAndChoices) {
  for (int Entry = 0; Entry < QuestionCount - 1; ++Entry) {
    SCOPED_TRACE("question " + std::to_string(Entry + 1));
    const std::string Number = std::to_string(Entry + 1) + ".";
    const std::string Question = CurrentQuestionText();
    EXPECT_EQ(Question.rfind(Number, 0), 0u);
    EXPECT_GT(Question.size(), Number.size() + 1);
    EXPECT_NE(Question[Number.size()], ' ') << "the text stands right after its number";
    for (int Choice = 1; Choice <= ChoiceCount; ++Choice) {
      EXPECT_EQ(ChoiceCaption(Choice), std::to_string(Choice) + ":" + ChoiceText(Choice));
      EXPECT_EQ(CheckAnswer(Choice), Choice == ShortestRun[Entry]) << "choice " << Choice;
    }
    Advance();
    EXPECT_EQ(CurrentQuestion, Entry + 1);
  }
}

// After the closing entry's key nothing is shown, judged or advanced any more.
TEST_F(QuizProgress, TheClosingEntryCongratulatesAndItsKeyFinishesTheQuiz) {
  CurrentQuestion = QuestionCount - 1;
  EXPECT_EQ(CurrentQuestionText(), "축하합니다!!");
  EXPECT_EQ(Captions(), " 1:축하 2:합 3:니 4:다!  ");
  EXPECT_FALSE(CheckAnswer(2));
  ASSERT_FALSE(IsFinished());
  ASSERT_TRUE(CheckAnswer(1));
  Advance();
  Advance();
  EXPECT_TRUE(IsFinished());
  EXPECT_EQ(CurrentQuestion, QuestionCount);
  EXPECT_EQ(CurrentQuestionText() + Captions(), "      ");
  for (int Value : {0, 1, 2, 3, 4})
    EXPECT_FALSE(CheckAnswer(Value)) << Value;
}
