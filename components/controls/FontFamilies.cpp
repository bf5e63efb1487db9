#include "FontFamilies.h"

#include "TerminalText.h"

#include <QCoreApplication>
#include <QFontDatabase>

namespace {

// Listing the faces that have Hangul means loading every face's details, so it is only done when
// none of the Korean faces asked for is there. A platform that lists no faces at all (the
// "minimal" one, which paints nowhere) knows nothing of those installed: nothing to say then.
void WarnIfNoHangul() {
  static bool Warned = false;
  if (Warned || !QFontDatabase::families(QFontDatabase::Korean).isEmpty() ||
      QFontDatabase::families().isEmpty())
    return;
  Warned = true;
  const QString Text = QCoreApplication::translate(
      "FontFamilies", "no installed font has Korean letters, so they will show as boxes; install "
                      "one, for example Debian's package fonts-nanum");
  PrintProgramLine(Text.toStdString());
}

} // namespace

QStringList FontFamilies(const QString& Requested) {
  // NanumBarunGothic first: its Hangul is a little narrower than NanumGothic's, closer to the
  // faces the window layouts were drawn with, so captions fit the gaps left for them.
  static const QStringList Korean = {
      QStringLiteral("NanumBarunGothic"), QStringLiteral("NanumGothic"),
      QStringLiteral("Noto Sans CJK KR"), QStringLiteral("Malgun Gothic"),
      QStringLiteral("Apple SD Gothic Neo")};
  // hasFamily, unlike a search of families(), also knows each family by its other names (the
  // English and the localised one), so the lookup holds in every locale.
  QStringList Families;
  if (!Requested.isEmpty() && QFontDatabase::hasFamily(Requested))
    Families << Requested;
  for (const QString& Family : Korean)
    if (QFontDatabase::hasFamily(Family))
      Families << Family;
  if (Families.isEmpty() || Families == QStringList{Requested})
    WarnIfNoHangul();
  Families << QStringLiteral("sans-serif");
  return Families;
}
