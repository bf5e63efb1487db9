#include "StartupFailure.h"

#include "Translations.h"

#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

const Translations* Catalogue = nullptr;

QString Tr(const char* Source, const QStringList& Arguments = {}) {
  return Catalogue->Text("StartupFailure", Source, Arguments);
}

void Say(const QString& Line) {
  constexpr int Longest = 300;
  const QString Shown = Line.size() > Longest ? Line.left(Longest) + QStringLiteral("…") : Line;
  // The standard error stream is the one place to tell of a failure: if writing there fails too,
  // nothing is left to try.
  static_cast<void>(std::fprintf(stderr, "%s: %s\n", program_invocation_short_name,
                                 Shown.toLocal8Bit().constData()));
}

QString Env(const char* Name) {
  return qEnvironmentVariable(Name);
}

QString Quoted(const QString& Text) {
  return QLatin1Char('"') + Text + QLatin1Char('"');
}

// What was tried: the platform asked for, else the displays the environment names.
QString Tried() {
  const QString Platform = Env("QT_QPA_PLATFORM");
  if (!Platform.isEmpty())
    return Tr(QT_TRANSLATE_NOOP("StartupFailure", "platform %1 (from QT_QPA_PLATFORM)"),
              {Quoted(Platform)});
  QString Wayland = Tr(QT_TRANSLATE_NOOP("StartupFailure", "Wayland display %1"),
                       {Quoted(Env("WAYLAND_DISPLAY"))});
  QString X = Tr(QT_TRANSLATE_NOOP("StartupFailure", "X display %1"), {Quoted(Env("DISPLAY"))});
  if (Env("WAYLAND_DISPLAY").isEmpty())
    return X;
  if (Env("DISPLAY").isEmpty())
    return Wayland;
  return Tr(QT_TRANSLATE_NOOP("StartupFailure", "%1 or %2"), {Wayland, X});
}

QString Hint(const QString& Reason, const QString& Fatal) {
  if (Reason.contains(QStringLiteral("plugin \"wayland\"")) && Env("QT_QPA_PLATFORM").isEmpty())
    return Env("DISPLAY").isEmpty()
               ? Tr(QT_TRANSLATE_NOOP("StartupFailure",
                                      "for Wayland install Qt's plugin (Debian: qt6-wayland)"))
               : Tr(QT_TRANSLATE_NOOP("StartupFailure",
                                      "for Wayland install Qt's plugin (Debian: qt6-wayland), "
                                      "or set QT_QPA_PLATFORM=xcb"));
  if (Reason.contains(QStringLiteral("could not connect to display")))
    return Tr(QT_TRANSLATE_NOOP("StartupFailure", "is that X server running, and may this user "
                                                  "connect to it (XAUTHORITY)?"));
  const auto Available =
      QRegularExpression(QStringLiteral("Available platform plugins are: ([^\\n]*?)\\.?\\n"))
          .match(Fatal + QLatin1Char('\n'));
  if (Available.hasMatch() && !Env("QT_QPA_PLATFORM").isEmpty())
    return Tr(QT_TRANSLATE_NOOP("StartupFailure", "the platforms at hand are: %1"),
              {Available.captured(1)});
  return QString();
}

} // namespace

void ReportStartupFailure(const QStringList& ToolkitMessages, const QString& Fatal,
                          const Translations& Texts) {
  Catalogue = &Texts;
  const QString Platform = Env("QT_QPA_PLATFORM");
  const bool NamesADisplayPlatform = Platform.isEmpty() ||
                                     Platform.startsWith(QStringLiteral("xcb")) ||
                                     Platform.startsWith(QStringLiteral("wayland"));
  if (Env("DISPLAY").isEmpty() && Env("WAYLAND_DISPLAY").isEmpty() && NamesADisplayPlatform) {
    Say(Tr(QT_TRANSLATE_NOOP("StartupFailure",
                             "cannot open a display (is DISPLAY set?); start it from a desktop "
                             "session, or without one as: xvfb-run %1"),
           {QString::fromLocal8Bit(program_invocation_short_name)}));
  } else {
    QStringList Reasons;
    // "Could not load the plugin even though it was found" only repeats that the plugin failed.
    for (const QString& Message : ToolkitMessages)
      if (!Message.contains(QStringLiteral("even though it was found")))
        Reasons << Message.trimmed();
    if (Reasons.isEmpty())
      Reasons << Fatal.section(QLatin1Char('\n'), 0, 0).trimmed();
    const QString Reason = Reasons.join(QStringLiteral("; "));
    Say(Tr(QT_TRANSLATE_NOOP("StartupFailure", "cannot open a window on %1"), {Tried()}));
    Say(Tr(QT_TRANSLATE_NOOP("StartupFailure", "Qt says: %1"), {Reason}));
    const QString Advice = Hint(Reason, Fatal);
    if (!Advice.isEmpty())
      Say(Advice);
  }
  std::_Exit(EXIT_FAILURE);
}
