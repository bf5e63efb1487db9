#include "QuestionBank.h"

#include <gtest/gtest.h>
#include <string>

// Facts that a slip in the tables breaks (a row lost or shifted, a key out of range); the texts
// themselves are the window tests' business.
TEST(QuestionBank, QuestionsAreNumberedInOrderAndEveryKeyNamesOneOfFourChoices) {
  for (int Entry = 0; Entry < QuestionCount; ++Entry) {
    SCOPED_TRACE("entry " + std::to_string(Entry) + ": " + Questions[Entry]);
    // "1." to "20." with the text straight after the full stop; the closing entry has none.
    const std::string Number = Entry < QuestionCount - 1 ? std::to_string(Entry + 1) + "." : "";
    EXPECT_EQ(Questions[Entry].rfind(Number, 0), 0u);
    EXPECT_GT(Questions[Entry].size(), Number.size());
    EXPECT_NE(Questions[Entry][Number.size()], ' ');
    EXPECT_GE(AnswerKeys[Entry], 1);
    EXPECT_LE(AnswerKeys[Entry], ChoiceCount);
    // The caption adds the choice number; the text carries none of its own.
    for (const AnsiString& Choice : Choices[Entry]) {
      EXPECT_FALSE(Choice.empty());
      EXPECT_EQ(Choice.find(':'), std::string::npos) << Choice;
    }
  }
}
