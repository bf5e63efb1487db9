#include "StrToInt.h"

#include "Digits.h"
#include "EConvertError.h"
#include "HiddenCharacters.h"
#include "TextTranslation.h"
#include "Utf8.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::size_t QuotedLimit = 40;
constexpr char32_t FirstStrongIsolate = 0x2068;
constexpr char32_t PopDirectionalIsolate = 0x2069;

// The white space a number may stand between: every space separator (as a keyboard, an input
// method or a paste gives them) and the ASCII tab, line and page breaks.
bool IsSpace(char32_t C) {
  return IsSpaceSeparator(C) || (C >= '\t' && C <= '\r');
}

bool IsControl(char32_t C) {
  return C < 0x20 || (C >= 0x7F && C < 0xA0);
}

// The text as the error message shows it: short, printable, valid UTF-8, and unable to change
// how the words around it are seen. It is isolated for bidirectional display (U+2068 FIRST
// STRONG ISOLATE to U+2069 POP DIRECTIONAL ISOLATE), so that text in a right-to-left script
// keeps its own direction without moving the message's words; the characters that cannot be
// seen, that look like a space but are another character, or that reorder text are shown by
// their codes (HiddenCharacters.h), so that the user sees why the text was not taken. The cut comes
// after QuotedLimit characters as shown.
AnsiString Quote(const std::u32string& Chars) {
  AnsiString Out = "'";
  AppendUtf8(Out, FirstStrongIsolate);
  std::size_t Shown = 0;
  std::size_t I = 0;
  for (; I < Chars.size(); ++I) {
    const char32_t C = Chars[I];
    AnsiString Piece;
    const bool AsCode = !IsControl(C) && (IsHiddenCharacter(C) || LooksLikeASpace(C));
    if (IsControl(C))
      AppendUtf8(Piece, ReplacementCharacter);
    else if (AsCode)
      Piece = HiddenCharacterCode(C);
    else
      AppendUtf8(Piece, C);
    const std::size_t Width = AsCode ? Piece.size() : 1;
    if (Shown + Width > QuotedLimit)
      break;
    Shown += Width;
    Out += Piece;
  }
  if (I < Chars.size())
    Out += "\u2026";
  AppendUtf8(Out, PopDirectionalIsolate);
  return Out + "'";
}

// White space around the number is ignored, so text of nothing else is reported as empty. That
// message stands on its own, so that a translation can say it in words where a quoted nothing
// would read oddly.
[[noreturn]] void Reject(const std::u32string& Chars) {
  if (std::all_of(Chars.begin(), Chars.end(), IsSpace))
    throw EConvertError(TranslateText(
        "StrToInt", QT_TRANSLATE_NOOP("StrToInt", "'' is not a valid integer"), AnsiString()));
  throw EConvertError(TranslateText(
      "StrToInt", QT_TRANSLATE_NOOP("StrToInt", "%1 is not a valid integer"), Quote(Chars)));
}

} // namespace

std::int32_t StrToInt(const AnsiString& Text) {
  const std::u32string Chars = DecodeUtf8(Text);
  std::size_t Begin = 0;
  std::size_t End = Chars.size();
  while (Begin < End && IsSpace(Chars[Begin]))
    ++Begin;
  while (End > Begin && IsSpace(Chars[End - 1]))
    --End;

  bool Negative = false;
  if (Begin < End) {
    const char32_t Sign = Chars[Begin];
    if (Sign == '-' || Sign == 0xFF0D)
      Negative = true;
    if (Negative || Sign == '+' || Sign == 0xFF0B)
      ++Begin;
  }
  if (Begin == End)
    Reject(Chars);

  // The magnitude may reach 2^31 for the most negative value; stop as soon as it is past that.
  constexpr std::int64_t Limit = std::int64_t{1} << 31;
  std::int64_t Magnitude = 0;
  for (std::size_t I = Begin; I < End; ++I) {
    const int Digit = DigitValue(Chars[I]);
    if (Digit < 0)
      Reject(Chars);
    Magnitude = Magnitude * 10 + Digit;
    if (Magnitude > Limit)
      Reject(Chars);
  }
  if (!Negative && Magnitude == Limit)
    Reject(Chars);
  return static_cast<std::int32_t>(Negative ? -Magnitude : Magnitude);
}
