#include "Utf8.h"

std::u32string DecodeUtf8(const std::string& Text) {
  std::u32string Out;
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
      Out.push_back(ReplacementCharacter);
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
    Out.push_back(Ok && C >= Min && C <= 0x10FFFF && !Surrogate ? C : ReplacementCharacter);
  }
  return Out;
}

void AppendUtf8(std::string& Out, char32_t C) {
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
