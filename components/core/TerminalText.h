#pragma once

#include <string>

// Text on its way to a terminal, with the control characters and the characters that cannot be
// seen or that reorder text (HiddenCharacters.h) shown by their codes, <U+001B>: text from the
// environment, the program's name or a library's message can then neither move the cursor,
// retitle the window or clear the screen, nor hide in a line. Line breaks and tabs stay when
// Lines is set. Text and the result are UTF-8, which is what the terminal is written in.
std::string ForTerminal(const std::string& Text, bool Lines = true);

// Writes a line of the program's own to the standard error stream: its name, ": " and Line, made
// safe as above (a line break in it too). A write that fails (a closed pipe) loses that line only.
void PrintProgramLine(const std::string& Line);
