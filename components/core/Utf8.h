#pragma once

#include <string>

// Shown in place of what cannot be shown: a malformed sequence, a control character.
constexpr char32_t ReplacementCharacter = 0xFFFD;

// The characters of UTF-8 Text; every malformed, overlong or surrogate sequence, and every code
// past U+10FFFF, becomes one ReplacementCharacter.
std::u32string DecodeUtf8(const std::string& Text);
// Appends C to Out in UTF-8.
void AppendUtf8(std::string& Out, char32_t C);
