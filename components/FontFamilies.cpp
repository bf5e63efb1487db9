#include "FontFamilies.h"

#include <QFontDatabase>

QStringList FontFamilies(const QString& Requested) {
  static const QStringList Korean = {QStringLiteral("NanumGothic"),
                                     QStringLiteral("Noto Sans CJK KR"),
                                     QStringLiteral("Malgun Gothic"),
                                     QStringLiteral("Apple SD Gothic Neo")};
  QStringList Families;
  if (!Requested.isEmpty() && QFontDatabase::hasFamily(Requested))
    Families << Requested;
  for (const QString& Family : Korean)
    if (QFontDatabase::hasFamily(Family))
      Families << Family;
  Families << QStringLiteral("sans-serif");
  return Families;
}
