#include "QuizProgress.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

// Walks the whole quiz as the window does: each entry's texts and numbers, only its key right,
// judging never moving, one right answer moving on; after the last, nothing reads the bank.
TEST(QuizProgress, EachEntryShowsItsTextsTakesOnlyItsKeyAndMovesOnAfterOneRightAnswer) {
  // What choice Value shows and whether it is right, for a value that should be none.
  const auto Shows = [](int Value) {
    return ChoiceCaption(Value) + ChoiceText(Value) + (CheckAnswer(Value) ? "right" : "");
  };
  for (int Entry = 0; Entry < QuestionCount; ++Entry) {
    SCOPED_TRACE("entry " + std::to_string(Entry));
    ASSERT_EQ(CurrentQuestion, Entry);
    ASSERT_FALSE(IsFinished());
    const AnsiString Question = CurrentQuestionText();
    const std::string Number = Entry < QuestionCount - 1 ? std::to_string(Entry + 1) + "." : "";
    EXPECT_EQ(Question, Questions[Entry]);
    EXPECT_EQ(Question.rfind(Number, 0), 0u);
    EXPECT_NE(Question.substr(Number.size(), 1), " ");
    EXPECT_TRUE(AnswerKeys[Entry] >= 1 && AnswerKeys[Entry] <= ChoiceCount);
    for (int Choice = 1; Choice <= ChoiceCount; ++Choice) {
      const AnsiString& Text = Choices[Entry][Choice - 1];
      EXPECT_EQ(ChoiceCaption(Choice), std::to_string(Choice) + ":" + Text);
      EXPECT_EQ(ChoiceText(Choice), Text);
      EXPECT_TRUE(!Text.empty() && Text.find(':') == std::string::npos) << Text;
      EXPECT_EQ(CheckAnswer(Choice), Choice == AnswerKeys[Entry]) << "choice " << Choice;
    }
    for (int Outside : {0, 5, -1, 259, INT_MAX, INT_MIN})
      EXPECT_EQ(Shows(Outside), "") << Outside;
    Advance();
  }
  EXPECT_TRUE(IsFinished());
  Advance();
  EXPECT_EQ(CurrentQuestion, QuestionCount);
  EXPECT_EQ(CurrentQuestionText(), "");
  for (int Value : {0, 1, 2, 3, 4})
    EXPECT_EQ(Shows(Value), "") << Value;
}
