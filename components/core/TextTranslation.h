#pragma once

#include "AnsiString.h"

// Marks a text for Qt's lupdate, which finds it by this name, without needing Qt here.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(Context, Source) Source
#endif

// Puts Source (marked with QT_TRANSLATE_NOOP under Context) into the user's language, with
// Argument in place of %1.
using TextTranslator = AnsiString (*)(const char* Context, const char* Source,
                                      const AnsiString& Argument);

// The plain C++ parts of the component layer translate their texts through this hook. The
// application object points it at its catalogues once it has loaded them; until then, and in
// programs without the toolkit, the texts stay as written, in English.
void SetTextTranslator(TextTranslator Translator);
AnsiString TranslateText(const char* Context, const char* Source, const AnsiString& Argument);
