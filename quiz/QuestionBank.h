#pragma once

// The quiz's whole content: twenty questions on early Korean history and a closing
// congratulation, each with four choices and the number of the right one.
//
// Data flow: the bank is read-only. QuizProgress reads it through the entry that is up
// (CurrentQuestion) and hands texts and verdicts to the window, which never touches the
// tables itself.
//
// Texts are UTF-8 in a std::string, the type the window's components take their texts in.

#include <array>
#include <string>

// Twenty questions and the closing entry.
constexpr int QuestionCount = 21;
constexpr int ChoiceCount = 4;

// Question text of each entry, with its own number prefix ("1." to "20."); the closing entry has
// none.
extern const std::array<std::string, QuestionCount> Questions;
// The four choice texts of each entry, choice 1 first.
extern const std::array<std::array<std::string, ChoiceCount>, QuestionCount> Choices;
// The number (1 to 4, counted from 1) of the right choice of each entry, kept as the quiz has
// always had them, question 1's included (history names 궁예 as the founder of Later Goguryeo;
// the quiz's key is 왕건): do not "fix" them.
extern const std::array<int, QuestionCount> AnswerKeys;
