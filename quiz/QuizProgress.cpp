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

AnsiString ChoiceText(int ChoiceNumber) {
  if (!IsBankEntry(CurrentQuestion) || ChoiceNumber < 1 || ChoiceNumber > ChoiceCount)
    return AnsiString();
  return Choices[CurrentQuestion][ChoiceNumber - 1];
}

AnsiString ChoiceCaption(int ChoiceNumber) {
  const AnsiString Text = ChoiceText(ChoiceNumber);
  return Text.empty() ? Text : std::to_string(ChoiceNumber) + ":" + Text;
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
