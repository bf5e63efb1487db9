#pragma once

// Where the quiz stands and its rules. The window asks for the texts of the entry that is up,
// judges a typed number with CheckAnswer, shows VerdictText, and calls Advance after a correct
// answer once the verdict has been acknowledged. CurrentQuestion only ever moves one step up.
//
// Contract: every function is safe to call in any state. Once the quiz is finished (or if
// CurrentQuestion were ever outside the bank) the texts are empty, CheckAnswer is false and
// Advance does nothing, so nothing reads outside the tables.

#include "QuestionBank.h"

#include <cstdint>

// The entry that is up: 0 to 20, or QuestionCount (21) once the quiz is finished.
extern std::int32_t CurrentQuestion;

bool IsFinished();
std::string CurrentQuestionText();
// "1:" to "4:" followed directly by that choice's text; empty for a number outside 1 to 4.
std::string ChoiceCaption(int ChoiceNumber);
// That choice's text alone, without its number; empty for a number outside 1 to 4.
std::string ChoiceText(int ChoiceNumber);
// True when Value is the key of the entry that is up. No range check: 0, 5 or -3 are just wrong.
bool CheckAnswer(std::int32_t Value);
// "correct!" or "incorrect!".
std::string VerdictText(bool Correct);
// Moves on to the next entry; does nothing once finished.
void Advance();
