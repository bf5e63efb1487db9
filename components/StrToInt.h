#pragma once

#include "AnsiString.h"

#include <cstdint>

// Converts a typed number to a signed 32-bit integer.
//
// Accepted: an optional sign ("+" or "-") followed by one or more decimal digits, with a value
// from -2147483648 to 2147483647; "03" is 3 and "-0" is 0. Spaces around the number are
// ignored, and so are full-width digits, signs and the ideographic space that a Korean input
// method produces ("３" is 3), because they look the same to the person typing.
// Anything else, the empty text included, raises EConvertError whose message quotes the text
// (cut short after 40 characters, control characters shown as U+FFFD). Out-of-range values
// raise; they never wrap.
std::int32_t StrToInt(const AnsiString& Text);
