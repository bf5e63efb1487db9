#pragma once

#include <string>

// Characters that a text shown to the user must not carry as they are, because they cannot be
// seen, or because they change how the text around them is seen:
// - the control characters (C0, DEL, C1) and the line and paragraph separators U+2028, U+2029,
//   which a terminal acts on or which break the line;
// - the characters Unicode calls default-ignorable, which are drawn as nothing: the
//   bidirectional marks, embeddings, overrides and isolates (U+061C, U+200E, U+200F,
//   U+202A-U+202E, U+2066-U+2069), the zero-width space, joiners and non-joiners (U+200B-U+200D,
//   U+2060, U+FEFF), the soft hyphen U+00AD, the combining grapheme joiner, the Hangul fillers
//   (U+115F, U+1160, U+3164, U+FFA0), the variation selectors, the invisible mathematical
//   operators (U+2061-U+2064), the tags (U+E0000-U+E007F) and the other invisible format
//   characters and the code points reserved for more of them;
// - the interlinear annotation marks U+FFF9-U+FFFB, format characters that hide text.
// Such a character is shown as its code instead, for example <U+202E>.
bool IsHiddenCharacter(char32_t C);

// Unicode's space separators (general category Zs): the space, the no-break spaces (U+00A0,
// U+202F), the ogham space mark, the en and em spaces and their kin (U+2000-U+200A), the medium
// mathematical space and the ideographic space U+3000.
bool IsSpaceSeparator(char32_t C);

// Characters that are drawn as blank as a space is, yet are not the ordinary space U+0020: the
// other space separators and the Braille blank U+2800 (the Hangul fillers are hidden characters
// already). A text that quotes one shows it by its code, so that the reader can tell it apart.
bool LooksLikeASpace(char32_t C);

// "<U+" and C's code in at least four upper-case hexadecimal digits, then ">".
std::string HiddenCharacterCode(char32_t C);
