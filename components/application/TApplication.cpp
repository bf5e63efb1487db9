#include "TApplication.h"

#include "Exception.h"
#include "MessageBox.h"
#include "QuitSignals.h"
#include "StartupFailure.h"
#include "StderrCapture.h"
#include "TNotifyEvent.h"
#include "TerminalText.h"
#include "Translations.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSet>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <malloc.h>
#include <mutex>
#include <new>
#include <vector>

namespace {

TApplication TheApplication;

// Qt keeps argc and argv for the whole run. The program takes no arguments, so only its name is
// passed on (it becomes the application's name, and with it the title of message boxes).
int Argc = 1;
char* Argv[] = {program_invocation_name, nullptr};

// While Qt starts, its messages and whatever its libraries print are held back (StderrCapture):
// if it cannot start, it would otherwise print several lines, partly misleading, and abort with
// a core dump. What was said goes into the one clear report instead. Messages come from
// whichever thread Qt is on; they are written out in their turn as Qt would write them (into
// the held stream, which a crash writes out), and kept for the report.
struct HeldMessages {
  std::mutex Lock;
  std::vector<ToolkitMessage> Said;
  // The lines Qt wrote for them, told apart from what the libraries printed.
  QSet<QString> Written;
  StderrCapture* Output = nullptr;
  // Where no output can be held (no descriptor left for it), the messages wait here instead.
  struct Message {
    QtMsgType Type;
    QByteArray Category;
    bool HasCategory;
    QString Text;
  };
  std::vector<Message> Waiting;
};
HeldMessages Held;
// The catalogues are loaded before Qt starts, so that a failure to start is told in the user's
// language too.
const Translations* StartupTranslations = nullptr;
QtMessageHandler PassedOnTo = nullptr;
// Whether one of our event loops has run: Qt has then come up in full.
std::atomic<bool> Dispatched{false};

// Notes of Qt's that ask nothing of the user and say nothing about this program, which are not
// passed on: that XDG_RUNTIME_DIR is unset and Qt uses a directory of its own instead (the
// program keeps no files there), and that the X server took no shared memory for a picture,
// which Qt then sends the ordinary way (as when the server has just gone away).
bool IsNoteWithoutNews(const QString& Text) {
  return Text.contains(QStringLiteral("XDG_RUNTIME_DIR not set, defaulting to")) ||
         Text.startsWith(QStringLiteral("xcb_shm_create_segment() failed"));
}

[[noreturn]] void ReportHeld(const QString& Fatal) {
  const Shortage Found = ShortageNow();
  QStringList Printed;
  const QString Output = QString::fromLocal8Bit(Held.Output ? Held.Output->Release() : "");
  for (const QString& Line : Output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    if (!Held.Written.contains(Line))
      Printed << Line;
  ReportStartupFailure(Held.Said, Printed, Fatal, Found, *StartupTranslations);
}

void StartupMessageHandler(QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
  const std::lock_guard<std::mutex> Guard(Held.Lock);
  // Qt's last word, or its word that it cannot go on (IsThreadFailure, IsBrokenConnection).
  if (Type == QtFatalMsg)
    ReportHeld(Text);
  Held.Said.push_back({QString::fromLatin1(Context.category ? Context.category : ""), Text});
  if (IsThreadFailure(Text) || IsBrokenConnection(Text))
    ReportHeld(Text);
  if (IsNoteWithoutNews(Text))
    return;
  const QString Shown = QString::fromStdString(ForTerminal(Text.toStdString()));
  if (!Held.Output || !Held.Output->Holding()) {
    Held.Waiting.push_back({Type, Context.category, Context.category != nullptr, Shown});
    return;
  }
  for (const QString& Line : qFormatLogMessage(Type, Context, Shown).split(QLatin1Char('\n')))
    Held.Written.insert(Line);
  PassedOnTo(Type, Context, Shown);
}

void PassOnWaiting() {
  for (const HeldMessages::Message& M : Held.Waiting) {
    const QMessageLogContext Context(nullptr, 0, nullptr,
                                     M.HasCategory ? M.Category.constData() : nullptr);
    PassedOnTo(M.Type, Context, M.Text);
  }
  Held.Waiting.clear();
}

// Set when the teardown could not be registered to run before the toolkit's static objects are
// destroyed: at exit the windows and the toolkit are then left to the system.
bool TeardownUnordered = false;

// Qt's word that it cannot go on still ends the start in the one report as long as the event loop
// has not run; after that, only where its connection broke for want of descriptors or memory,
// which it would not name.
void RunMessageHandler(QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
  if (StartupTranslations && (IsThreadFailure(Text) || IsBrokenConnection(Text))) {
    const Shortage Found = ShortageNow();
    if (!Dispatched || (IsBrokenConnection(Text) && Found != Shortage::None))
      ReportStartupFailure({{QString::fromLatin1(Context.category ? Context.category : ""), Text}},
                           {}, Text, Found, *StartupTranslations);
  }
  if (!IsNoteWithoutNews(Text))
    PassedOnTo(Type, Context, QString::fromStdString(ForTerminal(Text.toStdString())));
}

} // namespace

TApplication* Application = &TheApplication;

class TApplication::DispatchScope {
public:
  explicit DispatchScope(TApplication& App) : App_(App) {
    ++App_.Dispatching_;
    Dispatched = true;
  }
  ~DispatchScope() { --App_.Dispatching_; }
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;

private:
  TApplication& App_;
};

TApplication::TApplication() = default;

TApplication::~TApplication() {
  FinalizeAtProcessEnd();
}

void TApplication::Finalize() {
  SetEventExceptionReport(nullptr);
  MainForm_ = nullptr;
  for (const QPointer<TCustomForm>& Form : Forms_)
    delete Form.data();
  Forms_.clear();
  Toolkit_.reset();
  StartupTranslations = nullptr;
  Translations_.reset();
}

void TApplication::FinalizeAtExit() {
  Application->FinalizeAtProcessEnd();
}

void TApplication::FinalizeAtProcessEnd() {
  if (Dispatching_ > 0 || TeardownUnordered) {
    MainForm_ = nullptr;
    Forms_.clear();
    static_cast<void>(Translations_.release());
    static_cast<void>(Toolkit_.release());
    return;
  }
  Finalize();
}

// The toolkit's static objects are destroyed at exit in the reverse order of their creation, and
// destroying windows or the toolkit after some of them are gone crashes. Exit handlers run in
// that same order, so the teardown is registered again after each stretch of work that may have
// created such objects (starting the toolkit, running the event loop, a report outside it):
// it then runs before all of them.
void TApplication::FinalizeBeforeStatics() {
  if (Toolkit_ && std::atexit(FinalizeAtExit) != 0)
    TeardownUnordered = true;
}

void TApplication::Initialize() {
  // Before the toolkit starts, which takes a while: a quit signal that comes meanwhile is acted
  // on once the event loop runs.
  CatchQuitSignals();
  // The desktop entry that launches the program, when the executable names it: desktops match the
  // window to its entry (icon, grouping) by this id, on Wayland as its app id.
  QFile DesktopFileName(QStringLiteral(":/DESKTOPFILENAME"));
  if (DesktopFileName.open(QIODevice::ReadOnly))
    QGuiApplication::setDesktopFileName(QString::fromUtf8(DesktopFileName.readAll()).trimmed());
  if (!Translations_)
    Translations_ = std::make_unique<Translations>();
  StartupTranslations = Translations_.get();
  if (!QApplication::instance()) {
    // One heap for all threads. By default the C library gives each thread that allocates a
    // heap of its own, and reserves 64 MB of address space for each: several hundred MB in all,
    // more or less by the threads' timing, for a program that allocates a few MB. Under a limit
    // on the address space (ulimit -v) that made what the program needs depend on chance.
    mallopt(M_ARENA_MAX, 1); // NOLINT(concurrency-mt-unsafe): no other thread runs yet
    if (ShortageBeforeStart() != Shortage::None)
      ReportStartupFailure({}, {}, QString(), Shortage::Descriptors, *StartupTranslations);
    SettleToolkitEnvironment(*StartupTranslations);
    StderrCapture Printed;
    Held.Output = &Printed;
    PassedOnTo = qInstallMessageHandler(StartupMessageHandler);
    Toolkit_ = std::make_unique<QApplication>(Argc, Argv);
    std::vector<ToolkitMessage> Said;
    {
      const std::lock_guard<std::mutex> Guard(Held.Lock);
      for (const ToolkitMessage& Message : Held.Said)
        if (!IsNoteWithoutNews(Message.Text))
          Said.push_back(Message);
    }
    RequirePaintableScreen(Said, Printed, *StartupTranslations);
    {
      const std::lock_guard<std::mutex> Guard(Held.Lock);
      qInstallMessageHandler(RunMessageHandler);
      Held.Output = nullptr;
      Held.Said.clear();
      Held.Written.clear();
    }
    Printed.PassOn();
    PassOnWaiting();
    FinalizeBeforeStatics();
  }
  Translations_->Install();
  SetEventExceptionReport([](const Exception& E) { Application->ShowException(E); });
  QApplication::setQuitOnLastWindowClosed(false);
  WatchQuitSignals([this] {
    if (MainForm_ && MainForm_->isVisible())
      MainForm_->Close();
    else
      Terminate();
  });
  // The application's icon, when the executable carries one, is that of all its windows.
  if (QFile::exists(QStringLiteral(":/MAINICON")))
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
}

void TApplication::AddForm(std::unique_ptr<TCustomForm> Form) {
  TCustomForm* Owned = Form.release();
  if (!MainForm_) {
    MainForm_ = Owned;
    QObject::connect(Owned, &TCustomForm::Closed, Owned, [this] { Terminate(); });
  }
  Forms_.erase(std::remove_if(Forms_.begin(), Forms_.end(),
                              [](const QPointer<TCustomForm>& F) { return F.isNull(); }),
               Forms_.end());
  Forms_.emplace_back(Owned);
}

void TApplication::Run() {
  if (!MainForm_)
    return;
  MainForm_->show();
  {
    DispatchScope Dispatching(*this);
    QApplication::exec();
  }
  QuitSignalsHandled();
  FinalizeBeforeStatics();
}

void TApplication::ShowException(const Exception& E) {
  // Called where exceptions are handled (in main, around handlers): nothing may leave it.
  try {
    if (!QApplication::instance())
      ReportUnshowableError(E.Message(), Shortage::None, Translations_.get());
    DispatchScope Dispatching(*this);
    RunMessageBox(MessageKind::Error, E.Message(), MainForm_);
  } catch (const std::bad_alloc&) {
    ReportUnshowableError(E.Message(), Shortage::Memory, Translations_.get());
  } catch (...) {
    ReportUnshowableError(E.Message(), Shortage::None, Translations_.get());
  }
  // Outside Run: the report may have created toolkit objects of its own.
  if (Dispatching_ == 0) {
    QuitSignalsHandled();
    FinalizeBeforeStatics();
  }
}

void TApplication::Terminate() {
  QCoreApplication::exit(0);
}
