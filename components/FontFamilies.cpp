#include "FontFamilies.h"

#include <QFontDatabase>

QStringList FontFamilies(const QString& Requested) {
  // NanumBarunGothic first: its Hangul is a little narrower than NanumGothic's, closer to the
  // faces the window layouts were drawn with, so captions fit the gaps left for them.
  static const QStringList Korean = {
      QStringLiteral("NanumBarunGothic"), QStringLiteral("NanumGothic"),
      QStringLiteral("Noto Sans CJK KR"), QStringLiteral("Malgun Gothic"),
      QStringLiteral("Apple SD Gothic Neo")};
  // One look at the font database rather than one per name: each look asks fontconfig.
  const QStringList Installed = QFontDatabase::families();
  QStringList Families;
  if (!Requested.isEmpty() && Installed.contains(Requested, Qt::CaseInsensitive))
    Families << Requested;
  for (const QString& Family : Korean)
    if (Installed.contains(Family, Qt::CaseInsensitive))
      Families << Family;
  Families << QStringLiteral("sans-serif");
  return Families;
}
