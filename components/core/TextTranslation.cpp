#include "TextTranslation.h"

namespace {

AnsiString Untranslated(const char*, const char* Source, const AnsiString& Argument) {
  AnsiString Text = Source;
  const auto At = Text.find("%1");
  if (At != AnsiString::npos)
    Text.replace(At, 2, Argument);
  return Text;
}

TextTranslator Current = Untranslated;

} // namespace

void SetTextTranslator(TextTranslator Translator) {
  Current = Translator ? Translator : Untranslated;
}

AnsiString TranslateText(const char* Context, const char* Source, const AnsiString& Argument) {
  return Current(Context, Source, Argument);
}
