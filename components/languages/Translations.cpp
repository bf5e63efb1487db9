#include "Translations.h"

#include "KoreanParticles.h"
#include "TextTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// Loads the catalogue Name of the first of the user's languages that Directory has one for.
bool LoadFirstLanguage(QTranslator& Catalogue, const QString& Name, const QString& Directory) {
  for (const QString& Language : QLocale::system().uiLanguages()) {
    const QLocale Locale(Language);
    if (Locale.language() == QLocale::English || Locale.language() == QLocale::C)
      return false;
    if (Catalogue.load(Locale, Name, QStringLiteral("_"), Directory))
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
