#include "QuizProgress.h"

std::int32_t CurrentQuestion = 0;

namespace {

bool IsBankEntry(std::int32_t Entry) {
  return Entry >= 0 && Entry < QuestionCount;
}

} // namespace

bool IsFinished() {
  return CurrentQuestion == QuestionCount;
}

AnsiString CurrentQuestionText() {
  return IsBankEntry(CurrentQuestion) ? Questions[CurrentQuestion] : AnsiString();
}

AnsiString ChoiceCaption(int ChoiceNumber) {
  if (!IsBankEntry(CurrentQuestion) || ChoiceNumber < 1 || ChoiceNumber > ChoiceCount)
    return AnsiString();
  return std::to_string(ChoiceNumber) + ":" + Choices[CurrentQuestion][ChoiceNumber - 1];
}

AnsiString ChoiceText(int ChoiceNumber) {
  if (!IsBankEntry(CurrentQuestion) || ChoiceNumber < 1 || ChoiceNumber > ChoiceCount)
    return AnsiString();
  return Choices[CurrentQuestion][ChoiceNumber - 1];
}

bool CheckAnswer(std::int32_t Value) {
  return IsBankEntry(CurrentQuestion) && Value == AnswerKeys[CurrentQuestion];
}

AnsiString VerdictText(bool Correct) {
  return Correct ? "correct!" : "incorrect!";
}

void Advance() {
  if (IsBankEntry(CurrentQuestion))
    ++CurrentQuestion;
}
