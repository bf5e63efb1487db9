#pragma once

#include "AnsiString.h"

#include <cstdint>

// Converts a typed number to a signed 32-bit integer.
//
// Accepted: an optional sign ("+" or "-") followed by one or more decimal digits, with a value
// from -2147483648 to 2147483647; "03" is 3 and "-0" is 0. White space around the number
// (spaces, tabs, line breaks, the no-break space) is ignored. Full-width digits and signs are
// read as digits and signs, and the ideographic space as a space, because a Korean input method
// produces them and they look the same to the person typing ("３" is 3).
// Anything else, the empty text included, raises EConvertError whose message quotes the text
// (cut short after 40 characters as shown, control characters shown as U+FFFD, the characters
// that cannot be seen or that reorder text by their codes such as <U+202E>; text of white space
// only is quoted as ''), in the user's language when the application object has loaded a
// catalogue for it (see TextTranslation.h). The quoted text is isolated for bidirectional
// display (between U+2068 and U+2069, inside the quotes), so that whatever it holds, the
// message's own words keep their order. Out-of-range values raise; they never wrap.
std::int32_t StrToInt(const AnsiString& Text);
