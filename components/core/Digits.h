#pragma once

// 0 to 9 for a decimal digit, ASCII or full-width (as a Korean input method types them: "３"),
// -1 for any other character.
constexpr int DigitValue(char32_t C) {
  if (C >= U'0' && C <= U'9')
    return static_cast<int>(C - U'0');
  if (C >= 0xFF10 && C <= 0xFF19)
    return static_cast<int>(C - 0xFF10);
  return -1;
}
