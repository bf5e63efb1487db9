#include "Translations.h"

#include "KoreanParticles.h"
#include "TextTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// The user's languages, most wanted first, as gettext reads them: the entries of LANGUAGE when
// it has any, else the locale (LC_ALL, LC_MESSAGES, LANG) as Qt reads it. Unlike gettext, which
// passes over LANGUAGE under the C locale, this takes it under any locale, as Qt does.
QStringList UserLanguages() {
  const QStringList Listed =
      qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
  return Listed.isEmpty() ? QLocale::system().uiLanguages() : Listed;
}

// Loads the catalogue Name of the first of the user's languages that Directory has one for.
// English, the language the texts are written in, and the C locale (C, POSIX), which asks for
// them as written, end the search; a language Qt does not know is passed over.
bool LoadFirstLanguage(QTranslator& Catalogue, const QString& Name, const QString& Directory) {
  for (const QString& Entry : UserLanguages()) {
    const QString Language = Entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (Language == QLatin1String("C") || Language == QLatin1String("POSIX"))
      return false;
    const QLocale Locale(Language);
    if (Locale.language() == QLocale::English)
      return false;
    if (Locale.language() != QLocale::C &&
        Catalogue.load(Locale, Name, QStringLiteral("_"), Directory))
      return true;
  }
  return false;
}

AnsiString TranslateInstalled(const char* Context, const char* Source, const AnsiString& Argument) {
  return ArgWithParticles(QCoreApplication::translate(Context, Source),
                          {QString::fromStdString(Argument)})
      .toStdString();
}

} // namespace

Translations::Translations() {
  LoadFirstLanguage(Qt_, QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  LoadFirstLanguage(Own_, QStringLiteral("program"), QStringLiteral(":/i18n"));
}

Translations::~Translations() {
  SetTextTranslator(nullptr);
}

void Translations::Install() {
  if (!Qt_.isEmpty())
    QCoreApplication::installTranslator(&Qt_);
  if (!Own_.isEmpty())
    QCoreApplication::installTranslator(&Own_);
  SetTextTranslator(TranslateInstalled);
}

QString Translations::Text(const char* Context, const char* Source,
                           const QStringList& Arguments) const {
  const QString Translated = Own_.translate(Context, Source);
  return ArgWithParticles(Translated.isEmpty() ? QString::fromUtf8(Source) : Translated, Arguments);
}
