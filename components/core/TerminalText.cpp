#include "TerminalText.h"

#include "HiddenCharacters.h"
#include "Utf8.h"

#include <cerrno>
#include <cstdio>

std::string ForTerminal(const std::string& Text, bool Lines) {
  std::string Out;
  Out.reserve(Text.size());
  for (const char32_t C : DecodeUtf8(Text)) {
    if (IsHiddenCharacter(C) && !(Lines && (C == '\n' || C == '\t')))
      Out += HiddenCharacterCode(C);
    else
      AppendUtf8(Out, C);
  }
  return Out;
}

void PrintProgramLine(const std::string& Line) {
  const std::string Text =
      ForTerminal(std::string(program_invocation_short_name) + ": " + Line, false) + '\n';
  // A closed or full stream loses the line; there is nowhere else to say so.
  static_cast<void>(std::fwrite(Text.data(), 1, Text.size(), stderr));
  static_cast<void>(std::fflush(stderr));
}
