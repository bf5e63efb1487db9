#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The catalogues that put texts into the user's language: Qt's own (qtbase, from Qt's
// translations directory, where Debian's qt6-translations-l10n puts it) for the standard buttons
// and the other texts of Qt's widgets, and the program's own, carried in the executable as
// ":/i18n/program_<language>.qm".
//
// Each is loaded for the first of the user's languages that it has, in the order gettext reads
// them from the environment: the entries of LANGUAGE, else the locale of LC_ALL, LC_MESSAGES or
// LANG (see QLocale::uiLanguages). An entry for a language Qt does not know is passed over.
// English, the language the texts are written in, ends the search, and so does the C locale (C
// or POSIX, in LANGUAGE too): the texts then stay as written.
class Translations {
public:
  Translations();
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // Has the running application use them: tr(), QCoreApplication::translate, and the component
  // layer's plain C++ texts (TranslateText), whose Korean particles it fits to their arguments.
  void Install();

  // Source, marked for lupdate under Context, in the user's language with Arguments filled in
  // (see ArgWithParticles). Works before the application object exists.
  QString Text(const char* Context, const char* Source, const QStringList& Arguments = {}) const;

private:
  QTranslator Qt_;
  QTranslator Own_;
};
