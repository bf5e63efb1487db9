#include "HiddenCharacters.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

struct Range {
  char32_t First, Last;
};

// Unicode's Default_Ignorable_Code_Point (DerivedCoreProperties.txt), and the annotation marks.
constexpr Range Ignorable[] = {
    {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x061C, 0x061C}, {0x115F, 0x1160}, {0x17B4, 0x17B5},
    {0x180B, 0x180F},   {0x200B, 0x200F},   {0x202A, 0x202E}, {0x2060, 0x206F}, {0x3164, 0x3164},
    {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0}, {0xFFF0, 0xFFFB}, {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
};

} // namespace

bool IsHiddenCharacter(char32_t C) {
  if (C < 0x20 || (C >= 0x7F && C < 0xA0) || C == 0x2028 || C == 0x2029)
    return true;
  const auto After =
      std::upper_bound(std::begin(Ignorable), std::end(Ignorable), C,
                       [](char32_t Value, const Range& R) { return Value < R.First; });
  return After != std::begin(Ignorable) && C <= std::prev(After)->Last;
}

bool IsSpaceSeparator(char32_t C) {
  return C == 0x20 || C == 0xA0 || C == 0x1680 || (C >= 0x2000 && C <= 0x200A) || C == 0x202F ||
         C == 0x205F || C == 0x3000;
}

bool LooksLikeASpace(char32_t C) {
  return (IsSpaceSeparator(C) && C != 0x20) || C == 0x2800;
}

std::string HiddenCharacterCode(char32_t C) {
  char Code[16];
  // At most "<U+10FFFF>" and its terminator: it always fits.
  static_cast<void>(std::snprintf(Code, sizeof Code, "<U+%04X>", static_cast<unsigned>(C)));
  return Code;
}
