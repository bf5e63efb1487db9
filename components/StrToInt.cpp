#include "StrToInt.h"

#include "EConvertError.h"
#include "HiddenCharacters.h"
#include "TextTranslation.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

constexpr char32_t Invalid = 0xFFFD;
constexpr std::size_t QuotedLimit = 40;

// Decodes UTF-8; every malformed or overlong sequence becomes one Invalid.
std::vector<char32_t> Decode(const AnsiString& Text) {
  std::vector<char32_t> Out;
  Out.reserve(Text.size());
  const auto* P = reinterpret_cast<const unsigned char*>(Text.data());
  const auto* End = P + Text.size();
  while (P < End) {
    const unsigned char Lead = *P++;
    int More = 0;
    char32_t C = 0;
    char32_t Min = 0;
    if (Lead < 0x80) {
      Out.push_back(Lead);
      continue;
    } else if ((Lead & 0xE0) == 0xC0) {
      More = 1, C = Lead & 0x1F, Min = 0x80;
    } else if ((Lead & 0xF0) == 0xE0) {
      More = 2, C = Lead & 0x0F, Min = 0x800;
    } else if ((Lead & 0xF8) == 0xF0) {
      More = 3, C = Lead & 0x07, Min = 0x10000;
    } else {
      Out.push_back(Invalid);
      continue;
    }
    bool Ok = true;
    for (; More > 0; --More) {
      if (P == End || (*P & 0xC0) != 0x80) {
        Ok = false;
        break;
      }
      C = (C << 6) | (*P++ & 0x3F);
    }
    const bool Surrogate = C >= 0xD800 && C <= 0xDFFF;
    Out.push_back(Ok && C >= Min && C <= 0x10FFFF && !Surrogate ? C : Invalid);
  }
  return Out;
}

void Encode(char32_t C, AnsiString& Out) {
  if (C < 0x80) {
    Out += static_cast<char>(C);
  } else if (C < 0x800) {
    Out += static_cast<char>(0xC0 | (C >> 6));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else if (C < 0x10000) {
    Out += static_cast<char>(0xE0 | (C >> 12));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (C >> 18));
    Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  }
}

bool IsSpace(char32_t C) {
  return C == ' ' || (C >= '\t' && C <= '\r') || C == 0xA0 || C == 0x3000;
}

bool IsControl(char32_t C) {
  return C < 0x20 || (C >= 0x7F && C < 0xA0);
}

// 0 to 9 for an ASCII or full-width digit, -1 otherwise.
int DigitValue(char32_t C) {
  if (C >= '0' && C <= '9')
    return static_cast<int>(C - '0');
  if (C >= 0xFF10 && C <= 0xFF19)
    return static_cast<int>(C - 0xFF10);
  return -1;
}

// The text as the error message shows it: short, printable, valid UTF-8, and unable to change
// how the words around it are seen. It is isolated for bidirectional display (U+2068 FIRST
// STRONG ISOLATE to U+2069 POP DIRECTIONAL ISOLATE), so that text in a right-to-left script
// keeps its own direction without moving the message's words; the characters that cannot be
// seen or that reorder text are shown by their codes (HiddenCharacters.h), so that the user sees
// why the text was not taken. The cut comes after QuotedLimit characters as shown.
AnsiString Quote(const std::vector<char32_t>& Chars) {
  AnsiString Out = "'\u2068";
  std::size_t Shown = 0;
  std::size_t I = 0;
  for (; I < Chars.size(); ++I) {
    const char32_t C = Chars[I];
    AnsiString Piece;
    if (IsControl(C))
      Encode(Invalid, Piece);
    else if (IsHiddenCharacter(C))
      Piece = HiddenCharacterCode(C);
    else
      Encode(C, Piece);
    const std::size_t Width = IsHiddenCharacter(C) && !IsControl(C) ? Piece.size() : 1;
    if (Shown + Width > QuotedLimit)
      break;
    Shown += Width;
    Out += Piece;
  }
  if (I < Chars.size())
    Out += "\u2026";
  return Out + "\u2069'";
}

// White space around the number is ignored, so text of nothing else is reported as empty. That
// message stands on its own, so that a translation can say it in words where a quoted nothing
// would read oddly.
[[noreturn]] void Reject(const std::vector<char32_t>& Chars) {
  if (std::all_of(Chars.begin(), Chars.end(), IsSpace))
    throw EConvertError(TranslateText(
        "StrToInt", QT_TRANSLATE_NOOP("StrToInt", "'' is not a valid integer"), AnsiString()));
  throw EConvertError(TranslateText(
      "StrToInt", QT_TRANSLATE_NOOP("StrToInt", "%1 is not a valid integer"), Quote(Chars)));
}

} // namespace

std::int32_t StrToInt(const AnsiString& Text) {
  const std::vector<char32_t> Chars = Decode(Text);
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
