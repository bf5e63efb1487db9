#include "StartupFailure.h"

#include "Quoted.h"
#include "StderrCapture.h"
#include "TerminalText.h"
#include "Translations.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

const Translations* Catalogue = nullptr;

QString Tr(const char* Source, const QStringList& Arguments = {}) {
  return Catalogue->Text("StartupFailure", Source, Arguments);
}

void Say(const QString& Line) {
  constexpr int Longest = 300;
  PrintProgramLine(
      (Line.size() > Longest ? Line.left(Longest) + QStringLiteral("…") : Line).toStdString());
}

QString Env(const char* Name) {
  return qEnvironmentVariable(Name);
}

// The platforms the toolkit tried, as the environment asks for them.
struct Platforms {
  QString Named = Env("QT_QPA_PLATFORM");
  bool Wayland = Named.isEmpty() ? !Env("WAYLAND_DISPLAY").isEmpty()
                                 : Named.startsWith(QStringLiteral("wayland"));
  bool X = Named.isEmpty() ? !Env("DISPLAY").isEmpty() : Named.startsWith(QStringLiteral("xcb"));
};

// What was tried: the platform asked for, else the displays the environment names.
QString Tried(const Platforms& Platform) {
  if (!Platform.Named.isEmpty())
    return Tr(QT_TRANSLATE_NOOP("StartupFailure", "platform %1 (from QT_QPA_PLATFORM)"),
              {Quoted(Platform.Named)});
  QString Wayland = Tr(QT_TRANSLATE_NOOP("StartupFailure", "Wayland display %1"),
                       {Quoted(Env("WAYLAND_DISPLAY"))});
  QString X = Tr(QT_TRANSLATE_NOOP("StartupFailure", "X display %1"), {Quoted(Env("DISPLAY"))});
  if (!Platform.Wayland)
    return X;
  if (!Platform.X)
    return Wayland;
  return Tr(QT_TRANSLATE_NOOP("StartupFailure", "%1 or %2"), {Wayland, X});
}

QString Hint(const Platforms& Platform, const QString& Reason, const QString& Fatal) {
  if (Reason.contains(QStringLiteral("plugin \"wayland\"")) && Platform.Named.isEmpty())
    return !Platform.X
               ? Tr(QT_TRANSLATE_NOOP("StartupFailure",
                                      "for Wayland install Qt's plugin (Debian: qt6-wayland)"))
               : Tr(QT_TRANSLATE_NOOP("StartupFailure",
                                      "for Wayland install Qt's plugin (Debian: qt6-wayland), "
                                      "or set QT_QPA_PLATFORM=xcb"));
  // The display named could not be reached: X's plugin says so in these words, Wayland's and
  // libwayland in theirs.
  const bool Unreached = Reason.contains(QStringLiteral("could not connect to display")) ||
                         Reason.contains(QStringLiteral("wl_display")) ||
                         Reason.contains(QStringLiteral("XDG_RUNTIME_DIR"));
  if (Unreached && Platform.Wayland && Platform.X)
    return Tr(QT_TRANSLATE_NOOP("StartupFailure",
                                "are that Wayland compositor and that X server running, and may "
                                "this user connect to them (XDG_RUNTIME_DIR, XAUTHORITY)?"));
  if (Unreached && Platform.Wayland)
    return Tr(QT_TRANSLATE_NOOP("StartupFailure", "is that Wayland compositor running, and may "
                                                  "this user connect to it (XDG_RUNTIME_DIR)?"));
  if (Unreached && Platform.X)
    return Tr(QT_TRANSLATE_NOOP("StartupFailure", "is that X server running, and may this user "
                                                  "connect to it (XAUTHORITY)?"));
  const auto Available =
      QRegularExpression(QStringLiteral("Available platform plugins are: ([^\\n]*?)\\.?\\n"))
          .match(Fatal + QLatin1Char('\n'));
  if (Available.hasMatch() && !Platform.Named.isEmpty())
    return Tr(QT_TRANSLATE_NOOP("StartupFailure", "the platforms at hand are: %1"),
              {Available.captured(1)});
  return QString();
}

// The words for a shortage, in the C library's language and, for what was said before the
// toolkit set the locale, in English.
QStringList WordsFor(Shortage Kind) {
  const auto Error = [](int Number) {
    return QString::fromStdString(std::generic_category().message(Number));
  };
  if (Kind == Shortage::Descriptors)
    return {Error(EMFILE), Error(ENFILE), QStringLiteral("Too many open files")};
  return {Error(ENOMEM), QStringLiteral("Cannot allocate memory"), QStringLiteral("Out of memory"),
          QStringLiteral("Thread creation error"), QStringLiteral("failed to map segment")};
}

QString Naming(Shortage Kind, const QStringList& Said) {
  for (const QString& Line : Said)
    for (const QString& Words : WordsFor(Kind))
      if (Line.contains(Words))
        return Line;
  return QString();
}

bool CanOpenDescriptors(int Count) {
  int Opened[8];
  int I = 0;
  while (I < Count && (Opened[I] = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0)
    ++I;
  for (int J = 0; J < I; ++J)
    close(Opened[J]);
  return I == Count;
}

bool CanReserveMemory(std::size_t Bytes) {
  void* Room = mmap(nullptr, Bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (Room == MAP_FAILED)
    return false;
  munmap(Room, Bytes);
  return true;
}

// The shortage behind the failure: named in what was said, else as found.
Shortage ShortageBehind(const QStringList& Said, Shortage Found) {
  for (const Shortage Kind : {Shortage::Descriptors, Shortage::Memory})
    if (!Naming(Kind, Said).isEmpty())
      return Kind;
  return Found;
}

QString ShortageLine(Shortage Kind) {
  rlimit Limit = {};
  if (Kind == Shortage::Descriptors) {
    getrlimit(RLIMIT_NOFILE, &Limit);
    return Tr(QT_TRANSLATE_NOOP("StartupFailure", "too few file descriptors: at most %1 may be "
                                                  "open at once (ulimit -n); raise that limit"),
              {QString::number(Limit.rlim_cur)});
  }
  if (getrlimit(RLIMIT_AS, &Limit) == 0 && Limit.rlim_cur != RLIM_INFINITY)
    return Tr(QT_TRANSLATE_NOOP("StartupFailure", "too little memory: the address space is "
                                                  "limited to %1 MB (ulimit -v); raise that limit"),
              {QString::number(Limit.rlim_cur >> 20)});
  return Tr(QT_TRANSLATE_NOOP(
      "StartupFailure", "too little memory, or too many processes for this user (ulimit -u)"));
}

} // namespace

Shortage ShortageNow() {
  if (!CanOpenDescriptors(2))
    return Shortage::Descriptors;
  if (!CanReserveMemory(std::size_t{32} << 20))
    return Shortage::Memory;
  return Shortage::None;
}

Shortage ShortageBeforeStart() {
  constexpr rlim_t Needed = 7;
  const auto Free = [] {
    rlimit Limit = {};
    if (getrlimit(RLIMIT_NOFILE, &Limit) != 0 || Limit.rlim_cur >= 256)
      return Needed;
    rlim_t Count = 0;
    for (rlim_t Fd = 0; Fd < Limit.rlim_cur; ++Fd)
      Count += fcntl(static_cast<int>(Fd), F_GETFD) < 0 && errno == EBADF;
    return Count;
  };
  if (Free() >= Needed)
    return Shortage::None;
  rlimit Limit = {};
  getrlimit(RLIMIT_NOFILE, &Limit);
  Limit.rlim_cur = Limit.rlim_max == RLIM_INFINITY ? 1024 : std::min<rlim_t>(Limit.rlim_max, 1024);
  setrlimit(RLIMIT_NOFILE, &Limit);
  return Free() >= Needed ? Shortage::None : Shortage::Descriptors;
}

void ReportUnshowableError(const std::string& Message, Shortage Found,
                           const Translations* Texts) noexcept {
  try {
    const Translations Untranslated;
    Catalogue = Texts ? Texts : &Untranslated;
    if (!Message.empty())
      Say(QString::fromStdString(Message));
    const Shortage Short = Found != Shortage::None ? Found : ShortageNow();
    if (Short != Shortage::None)
      Say(ShortageLine(Short));
  } catch (...) {
    constexpr char Line[] = "out of memory\n";
    static_cast<void>(!write(STDERR_FILENO, Line, sizeof Line - 1));
  }
  std::_Exit(EXIT_FAILURE);
}

bool IsThreadFailure(const QString& Text) {
  return Text.startsWith(QStringLiteral("QThread::start: Thread creation error"));
}

bool IsBrokenConnection(const QString& Text) {
  return Text.startsWith(QStringLiteral("The X11 connection broke"));
}

namespace {

// The largest scale taken: the window, some 400 pixels wide as designed, then still fits a wide
// screen of today; a hundred times that fits none.
constexpr double LargestScale = 8;
constexpr double UsualDpi = 96;

// Whether Text is a number in (0, Largest].
bool IsUsable(const QString& Text, double Largest) {
  bool Ok = false;
  const double Value = Text.trimmed().toDouble(&Ok);
  return Ok && std::isfinite(Value) && Value > 0 && Value <= Largest;
}

// QT_SCREEN_SCALE_FACTORS: factors separated by ';' or ',', each alone (by the screens' order) or
// after a screen's name and '='.
bool IsUsableScreenScales(const QString& Text) {
  const QStringList Entries =
      Text.split(QRegularExpression(QStringLiteral("[;,]")), Qt::SkipEmptyParts);
  return !Entries.isEmpty() && std::all_of(Entries.begin(), Entries.end(), [](const QString& E) {
    return IsUsable(E.section(QLatin1Char('='), -1), LargestScale);
  });
}

void DropUnusable(const char* Name, bool Usable) {
  if (Usable || !qEnvironmentVariableIsSet(Name))
    return;
  Say(Tr(QT_TRANSLATE_NOOP("StartupFailure",
                           "%1=%2 is not a usable scale (a positive number that keeps the window "
                           "on its screen); going on at the usual scale"),
         {QString::fromLatin1(Name), Quoted(Env(Name))}));
  qunsetenv(Name);
}

} // namespace

void SettleToolkitEnvironment(const Translations& Texts) {
  Catalogue = &Texts;
  DropUnusable("QT_SCALE_FACTOR", IsUsable(Env("QT_SCALE_FACTOR"), LargestScale));
  DropUnusable("QT_SCREEN_SCALE_FACTORS", IsUsableScreenScales(Env("QT_SCREEN_SCALE_FACTORS")));
  DropUnusable("QT_FONT_DPI", IsUsable(Env("QT_FONT_DPI"), UsualDpi * LargestScale));
  const QByteArray Authority = qgetenv("XAUTHORITY");
  struct stat Status {};
  if (!Authority.isEmpty() && stat(Authority.constData(), &Status) == 0 &&
      !S_ISREG(Status.st_mode)) {
    Say(Tr(QT_TRANSLATE_NOOP("StartupFailure",
                             "XAUTHORITY names %1, which is not a file; set it to the X "
                             "authority file, or unset it"),
           {Quoted(QString::fromLocal8Bit(Authority))}));
    std::_Exit(EXIT_FAILURE);
  }
}

void RequirePaintableScreen(const std::vector<ToolkitMessage>& Messages, StderrCapture& Printed,
                            const Translations& Texts) {
  Catalogue = &Texts;
  const QScreen* Screen = QGuiApplication::primaryScreen();
  if (Screen && Screen->depth() >= 16)
    return;
  static_cast<void>(Printed.Release()); // said in its place below, or of no use
  if (!Screen) {
    Say(Tr(QT_TRANSLATE_NOOP("StartupFailure", "cannot open a window on %1: it has no screen"),
           {Tried(Platforms())}));
    QStringList Reasons;
    for (const ToolkitMessage& Message : Messages)
      Reasons << Message.Text.trimmed();
    Reasons.removeAll(QString());
    if (!Reasons.isEmpty())
      Say(Tr(QT_TRANSLATE_NOOP("StartupFailure", "Qt says: %1"),
             {Reasons.join(QStringLiteral("; "))}));
    std::_Exit(EXIT_FAILURE);
  }
  if (Screen->depth() < 16) {
    Say(Tr(QT_TRANSLATE_NOOP("StartupFailure",
                             "cannot paint on a screen of %1 bits a pixel; it needs at least 16"),
           {QString::number(Screen->depth())}));
    std::_Exit(EXIT_FAILURE);
  }
}

void ReportStartupFailure(const std::vector<ToolkitMessage>& Messages, const QStringList& Printed,
                          const QString& Fatal, Shortage Found, const Translations& Texts) {
  Catalogue = &Texts;
  const Platforms Platform;
  // Wayland asked for by name: libwayland then tries its usual socket, DISPLAY plays no part.
  const bool NamesADisplayPlatform = Platform.Named.isEmpty() || Platform.X;
  if (Env("DISPLAY").isEmpty() && Env("WAYLAND_DISPLAY").isEmpty() && NamesADisplayPlatform) {
    Say(Tr(QT_TRANSLATE_NOOP("StartupFailure",
                             "cannot open a display (is DISPLAY set?); start it from a desktop "
                             "session, or without one as: xvfb-run %1"),
           {QString::fromLocal8Bit(program_invocation_short_name)}));
    std::_Exit(EXIT_FAILURE);
  }
  // What concerns the platforms tried: what Qt's platform plugins said and what was said without
  // a category, but not the X plugin's word that it found no X display where none was named;
  // then what the libraries below printed. "Could not load the plugin even though it was found"
  // only repeats that a plugin failed.
  QStringList Reasons;
  QStringList Said;
  for (const ToolkitMessage& Message : Messages) {
    Said << Message.Text.trimmed();
    const bool AboutPlatform = Message.Category.startsWith(QStringLiteral("qt.qpa")) ||
                               Message.Category.isEmpty() ||
                               Message.Category == QStringLiteral("default");
    if (AboutPlatform && !Message.Text.contains(QStringLiteral("even though it was found")) &&
        (Platform.X || Message.Category != QStringLiteral("qt.qpa.xcb")))
      Reasons << Message.Text.trimmed();
  }
  for (const QString& Line : Printed) {
    if (Line.trimmed().isEmpty())
      continue;
    Reasons << Line.trimmed();
    Said << Line.trimmed();
  }
  const QString LastWord = Fatal.section(QLatin1Char('\n'), 0, 0).trimmed();
  Said << LastWord;
  if (Reasons.isEmpty() && !LastWord.isEmpty())
    Reasons << LastWord;
  const QString Reason = Reasons.join(QStringLiteral("; "));

  Say(Tr(QT_TRANSLATE_NOOP("StartupFailure", "cannot open a window on %1"), {Tried(Platform)}));
  const Shortage Short = ShortageBehind(Said, Found);
  if (Short != Shortage::None) {
    Say(ShortageLine(Short));
    const QString Named = Naming(Short, Said);
    if (!Named.isEmpty() || !Reason.isEmpty())
      Say(Tr(QT_TRANSLATE_NOOP("StartupFailure", "Qt says: %1"),
             {Named.isEmpty() ? Reason : Named}));
  } else {
    Say(Tr(QT_TRANSLATE_NOOP("StartupFailure", "Qt says: %1"), {Reason}));
    const QString Advice = Hint(Platform, Reason, Fatal);
    if (!Advice.isEmpty())
      Say(Advice);
  }
  std::_Exit(EXIT_FAILURE);
}
