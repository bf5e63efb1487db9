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

std::string CurrentQuestionText() {
  return IsBankEntry(CurrentQuestion) ? Questions[CurrentQuestion] : std::string();
}

std::string ChoiceText(int ChoiceNumber) {
  if (!IsBankEntry(CurrentQuestion) || ChoiceNumber < 1 || ChoiceNumber > ChoiceCount)
    return std::string();
  return Choices[CurrentQuestion][ChoiceNumber - 1];
}

std::string ChoiceCaption(int ChoiceNumber) {
  const std::string Text = ChoiceText(ChoiceNumber);
  return Text.empty() ? Text : std::to_string(ChoiceNumber) + ":" + Text;
}

bool CheckAnswer(std::int32_t Value) {
  return IsBankEntry(CurrentQuestion) && Value == AnswerKeys[CurrentQuestion];
}

std::string VerdictText(bool Correct) {
  return Correct ? "correct!" : "incorrect!";
}

void Advance() {
  if (IsBankEntry(CurrentQuestion))
    ++CurrentQuestion;
}
