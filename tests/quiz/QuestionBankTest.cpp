#include "QuestionBank.h"

#include <gtest/gtest.h>
#include <string>

// Structural facts of the bank; the texts themselves are checked through the window's tests.

TEST(QuestionBank, QuestionsAreNumberedOneToTwentyInOrder) {
  for (int Entry = 0; Entry < QuestionCount - 1; ++Entry) {
    const std::string Prefix = std::to_string(Entry + 1) + ".";
    EXPECT_EQ(Questions[Entry].rfind(Prefix, 0), 0u)
        << "entry " << Entry << ": " << Questions[Entry];
    // The text goes on straight after the full stop ("18.983년", not "18. 983년").
    ASSERT_GT(Questions[Entry].size(), Prefix.size());
    EXPECT_NE(Questions[Entry][Prefix.size()], ' ') << "entry " << Entry;
  }
}

TEST(QuestionBank, ClosingEntryIsTheCongratulationAnsweredWithOne) {
  const int Closing = QuestionCount - 1;
  EXPECT_EQ(Questions[Closing], "축하합니다!!");
  EXPECT_EQ(Choices[Closing][0] + Choices[Closing][1] + Choices[Closing][2] + Choices[Closing][3],
            "축하합니다!");
  EXPECT_EQ(AnswerKeys[Closing], 1);
}

TEST(QuestionBank, EveryKeyIsAChoiceNumberAndNoTextIsEmpty) {
  for (int Entry = 0; Entry < QuestionCount; ++Entry) {
    EXPECT_GE(AnswerKeys[Entry], 1) << "entry " << Entry;
    EXPECT_LE(AnswerKeys[Entry], ChoiceCount) << "entry " << Entry;
    EXPECT_FALSE(Questions[Entry].empty()) << "entry " << Entry;
    for (const AnsiString& Choice : Choices[Entry])
      EXPECT_FALSE(Choice.empty()) << "entry " << Entry;
  }
}

TEST(QuestionBank, ChoiceTextsCarryNoNumberPrefix) {
  for (int Entry = 0; Entry < QuestionCount; ++Entry)
    for (const AnsiString& Choice : Choices[Entry])
      EXPECT_EQ(Choice.find(':'), std::string::npos) << "entry " << Entry << ": " << Choice;
}
