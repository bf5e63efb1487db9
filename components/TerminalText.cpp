#include "TerminalText.h"

#include "HiddenCharacters.h"

#include <QList>
#include <cerrno>
#include <cstdio>

QString ForTerminal(const QString& Text, bool Lines) {
  QString Out;
  Out.reserve(Text.size());
  for (const char32_t C : Text.toUcs4()) {
    if (IsHiddenCharacter(C) && !(Lines && (C == '\n' || C == '\t')))
      Out += QString::fromStdString(HiddenCharacterCode(C));
    else
      Out += QString::fromUcs4(&C, 1);
  }
  return Out;
}

void PrintProgramLine(const QString& Line) {
  const QString Name = QString::fromLocal8Bit(program_invocation_short_name);
  const QByteArray Text =
      ForTerminal(Name + QStringLiteral(": ") + Line, false).toLocal8Bit() + '\n';
  std::fwrite(Text.constData(), 1, static_cast<std::size_t>(Text.size()), stderr);
  std::fflush(stderr);
}
