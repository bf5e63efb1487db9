#include "QuizProgress.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

namespace {

// Every test starts a new quiz.
class QuizProgress : public ::testing::Test {
protected:
  void SetUp() override { CurrentQuestion = 0; }
  void TearDown() override { CurrentQuestion = 0; }
};

} // namespace

TEST_F(QuizProgress, FirstQuestionTakesOnlyItsKeyAndWrongAnswersDoNotMove) {
  EXPECT_TRUE(CheckAnswer(3));
  for (int Wrong : {0, 1, 2, 4, 5, 7, 259, -3, INT_MAX, INT_MIN})
    EXPECT_FALSE(CheckAnswer(Wrong)) << Wrong;
  EXPECT_EQ(CurrentQuestion, 0);
  EXPECT_EQ(VerdictText(true), "correct!");
  EXPECT_EQ(VerdictText(false), "incorrect!");
}

// Walks the whole quiz as the window does: each entry shows its own texts, exactly its key is
// right, and one right answer per entry finishes it; after that nothing reads the bank.
TEST_F(QuizProgress, EachEntryShowsItsTextsAndFinishesAfterOneRightAnswerEach) {
  for (int Entry = 0; Entry < QuestionCount; ++Entry) {
    SCOPED_TRACE("entry " + std::to_string(Entry));
    ASSERT_EQ(CurrentQuestion, Entry);
    ASSERT_FALSE(IsFinished());
    EXPECT_EQ(CurrentQuestionText(), Questions[Entry]);
    for (int Choice = 1; Choice <= ChoiceCount; ++Choice) {
      EXPECT_EQ(ChoiceCaption(Choice), std::to_string(Choice) + ":" + Choices[Entry][Choice - 1]);
      EXPECT_EQ(ChoiceText(Choice), Choices[Entry][Choice - 1]);
      EXPECT_EQ(CheckAnswer(Choice), Choice == AnswerKeys[Entry]) << "choice " << Choice;
    }
    for (int Outside : {0, 5, -1, INT_MIN})
      EXPECT_EQ(ChoiceCaption(Outside) + ChoiceText(Outside), "") << Outside;
    Advance();
  }
  EXPECT_TRUE(IsFinished());
  Advance();
  EXPECT_EQ(CurrentQuestion, QuestionCount);
  EXPECT_EQ(CurrentQuestionText(), "");
  for (int Value : {0, 1, 2, 3, 4}) {
    EXPECT_EQ(ChoiceCaption(Value) + ChoiceText(Value), "");
    EXPECT_FALSE(CheckAnswer(Value));
  }
}

TEST_F(QuizProgress, AnEntryOutsideTheBankIsInertToo) {
  CurrentQuestion = -1; // never happens in the program; still nothing reads outside the tables
  EXPECT_EQ(CurrentQuestionText() + ChoiceCaption(1) + ChoiceText(1), "");
  EXPECT_FALSE(CheckAnswer(AnswerKeys[0]));
  Advance();
  EXPECT_EQ(CurrentQuestion, -1);
}
