#include "QuizProgress.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Every test starts a new quiz.
class QuizProgress : public ::testing::Test {
protected:
  void SetUp() override { CurrentQuestion = 0; }
  void TearDown() override { CurrentQuestion = 0; }

  // Confirms Value as the window does: judge, then advance only if correct.
  static bool Answer(int Value) {
    const bool Correct = CheckAnswer(Value);
    if (Correct)
      Advance();
    return Correct;
  }
};

const std::vector<int> ShortestRun = {3, 1, 2, 2, 1, 2, 3, 1, 1, 1, 3,
                                      1, 3, 4, 1, 1, 4, 3, 3, 1, 1};

} // namespace

TEST_F(QuizProgress, StartsAtTheFirstQuestionWithItsFourChoices) {
  EXPECT_FALSE(IsFinished());
  EXPECT_EQ(CurrentQuestionText(), "1.후고구려는 누가 세웠나요?");
  EXPECT_EQ(ChoiceCaption(1), "1:견훤");
  EXPECT_EQ(ChoiceCaption(2), "2:궁예");
  EXPECT_EQ(ChoiceCaption(3), "3:왕건");
  EXPECT_EQ(ChoiceCaption(4), "4:금강");
}

TEST_F(QuizProgress, FirstQuestionJudgesOnlyItsKeyCorrect) {
  EXPECT_TRUE(CheckAnswer(3));
  for (int Wrong : {2, 0, 5, -3, 1, 4, 33, 2147483647, -2147483647 - 1}) {
    EXPECT_FALSE(Answer(Wrong)) << Wrong;
    EXPECT_EQ(CurrentQuestion, 0) << Wrong;
  }
}

TEST_F(QuizProgress, VerdictTexts) {
  EXPECT_EQ(VerdictText(true), "correct!");
  EXPECT_EQ(VerdictText(false), "incorrect!");
}

TEST_F(QuizProgress, SameChoicesDifferentKeys) {
  // Entries 12 and 13 both offer "1" to "4"; only the keys tell them apart.
  CurrentQuestion = 12;
  const AnsiString Captions12 =
      ChoiceCaption(1) + ChoiceCaption(2) + ChoiceCaption(3) + ChoiceCaption(4);
  EXPECT_TRUE(CheckAnswer(3));
  EXPECT_FALSE(CheckAnswer(4));
  CurrentQuestion = 13;
  EXPECT_EQ(ChoiceCaption(1) + ChoiceCaption(2) + ChoiceCaption(3) + ChoiceCaption(4), Captions12);
  EXPECT_TRUE(CheckAnswer(4));
  EXPECT_FALSE(CheckAnswer(3));
}

TEST_F(QuizProgress, NumericChoicesAreJudgedByChoiceNumberNotByTheNumberShown) {
  struct Row {
    int Entry;
    int Key;
    int ShownInKey;
  };
  for (const Row& R : {Row{3, 2, 29}, Row{10, 3, 67}, Row{16, 4, 950}}) {
    CurrentQuestion = R.Entry;
    EXPECT_EQ(ChoiceCaption(R.Key), std::to_string(R.Key) + ":" + std::to_string(R.ShownInKey));
    EXPECT_TRUE(CheckAnswer(R.Key)) << "entry " << R.Entry;
    EXPECT_FALSE(CheckAnswer(R.ShownInKey)) << "entry " << R.Entry;
  }
}

TEST_F(QuizProgress, ShortestRunFinishesInExactlyTwentyOneCorrectAnswers) {
  for (std::size_t Step = 0; Step < ShortestRun.size(); ++Step) {
    ASSERT_FALSE(IsFinished()) << "finished early, after " << Step << " answers";
    ASSERT_TRUE(Answer(ShortestRun[Step])) << "answer " << Step;
    EXPECT_EQ(CurrentQuestion, static_cast<int>(Step) + 1);
  }
  EXPECT_TRUE(IsFinished());
}

TEST_F(QuizProgress, WrongAnswersBeforeARightOneChangeNothing) {
  for (std::size_t Step = 0; Step < ShortestRun.size(); ++Step) {
    const AnsiString Question = CurrentQuestionText();
    const AnsiString FirstChoice = ChoiceCaption(1);
    for (int Wrong = 1; Wrong <= 4; ++Wrong) {
      if (Wrong == ShortestRun[Step])
        continue;
      EXPECT_FALSE(Answer(Wrong));
      EXPECT_EQ(CurrentQuestion, static_cast<int>(Step));
      EXPECT_EQ(CurrentQuestionText(), Question);
      EXPECT_EQ(ChoiceCaption(1), FirstChoice);
    }
    ASSERT_TRUE(Answer(ShortestRun[Step]));
  }
  EXPECT_TRUE(IsFinished());
}

TEST_F(QuizProgress, ClosingEntry) {
  CurrentQuestion = QuestionCount - 1;
  EXPECT_EQ(CurrentQuestionText(), "축하합니다!!");
  EXPECT_EQ(ChoiceCaption(1), "1:축하");
  EXPECT_EQ(ChoiceCaption(2), "2:합");
  EXPECT_EQ(ChoiceCaption(3), "3:니");
  EXPECT_EQ(ChoiceCaption(4), "4:다!");
  EXPECT_FALSE(Answer(2));
  EXPECT_FALSE(IsFinished());
  EXPECT_TRUE(Answer(1));
  EXPECT_TRUE(IsFinished());
}

TEST_F(QuizProgress, NothingReadsOutsideTheBank) {
  EXPECT_EQ(ChoiceCaption(0), "");
  EXPECT_EQ(ChoiceCaption(5), "");
  EXPECT_EQ(ChoiceCaption(-1), "");

  CurrentQuestion = QuestionCount; // finished
  EXPECT_EQ(CurrentQuestionText(), "");
  EXPECT_EQ(ChoiceCaption(1), "");
  for (int Value : {0, 1, 2, 3, 4})
    EXPECT_FALSE(CheckAnswer(Value));
  Advance();
  EXPECT_EQ(CurrentQuestion, QuestionCount);
  EXPECT_TRUE(IsFinished());

  CurrentQuestion = -1; // never happens in the program; still no out-of-bounds read
  EXPECT_EQ(CurrentQuestionText(), "");
  EXPECT_FALSE(CheckAnswer(1));
  Advance();
  EXPECT_EQ(CurrentQuestion, -1);
}
