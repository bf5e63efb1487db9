#include "TApplication.h"

#include "Exception.h"
#include "MessageBox.h"
#include "QuitSignals.h"
#include "StartupFailure.h"
#include "StderrCapture.h"
#include "TCustomForm.h"
#include "Translations.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

TApplication TheApplication;

// Qt keeps argc and argv for the whole run. The program takes no arguments, so only its name is
// passed on (it becomes the application's name, and with it the title of message boxes).
int Argc = 1;
char* Argv[] = {program_invocation_name, nullptr};

struct HeldMessage {
  QtMsgType Type;
  QString Category;
  QString Text;
};
std::vector<HeldMessage> HeldMessages;
StderrCapture* HeldOutput = nullptr;
// The catalogues are loaded before Qt starts, so that a failure to start is told in the user's
// language too.
const Translations* StartupTranslations = nullptr;

// While Qt starts, its messages and whatever its libraries print are held back: if it cannot
// start, it would otherwise print several lines, partly misleading, and abort with a core dump.
// What was said about the platform goes into the one clear report instead.
void StartupMessageHandler(QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
  const QString Category = QString::fromLatin1(Context.category ? Context.category : "");
  if (Type == QtFatalMsg) {
    QStringList PlatformMessages;
    for (const HeldMessage& M : HeldMessages)
      if (M.Category.startsWith(QStringLiteral("qt.qpa")))
        PlatformMessages << M.Text;
    const QString Printed = QString::fromLocal8Bit(HeldOutput ? HeldOutput->Release() : "");
    for (const QString& Line : Printed.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
      PlatformMessages << Line;
    ReportStartupFailure(PlatformMessages, Text, *StartupTranslations);
  }
  HeldMessages.push_back({Type, Category, Text});
}

// Notes of Qt's that ask nothing of the user and say nothing about this program, which are not
// passed on: that XDG_RUNTIME_DIR is unset and Qt uses a directory of its own instead (the
// program keeps no files there), and that the X server took no shared memory for a picture,
// which Qt then sends the ordinary way (as when the server has just gone away).
bool IsNoteWithoutNews(const QString& Text) {
  return Text.contains(QStringLiteral("XDG_RUNTIME_DIR not set, defaulting to")) ||
         Text.startsWith(QStringLiteral("xcb_shm_create_segment() failed"));
}

QtMessageHandler PassedOnTo = nullptr;

// Set when the teardown could not be registered to run before the toolkit's static objects are
// destroyed: at exit the windows and the toolkit are then left to the system.
bool TeardownUnordered = false;

void RunMessageHandler(QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
  if (!IsNoteWithoutNews(Text))
    PassedOnTo(Type, Context, Text);
}

} // namespace

TApplication* Application = &TheApplication;

class TApplication::DispatchScope {
public:
  explicit DispatchScope(TApplication& App) : App_(App) { ++App_.Dispatching_; }
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
  MainForm_ = nullptr;
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
    for (auto& Form : Forms_)
      static_cast<void>(Form.release());
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
    StderrCapture Printed;
    HeldOutput = &Printed;
    const QtMessageHandler Previous = qInstallMessageHandler(StartupMessageHandler);
    Toolkit_ = std::make_unique<QApplication>(Argc, Argv);
    PassedOnTo = Previous;
    qInstallMessageHandler(RunMessageHandler);
    HeldOutput = nullptr;
    const std::string Output = Printed.Release();
    // Passed on as it came; a standard error stream that takes nothing leaves nowhere else to.
    static_cast<void>(std::fputs(Output.c_str(), stderr));
    for (const HeldMessage& M : HeldMessages) {
      const QByteArray Category = M.Category.toLatin1();
      QMessageLogContext Context(nullptr, 0, nullptr, Category.constData());
      RunMessageHandler(M.Type, Context, M.Text);
    }
    HeldMessages.clear();
    FinalizeBeforeStatics();
  }
  Translations_->Install();
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
  if (!MainForm_) {
    MainForm_ = Form.get();
    QObject::connect(MainForm_, &TCustomForm::Closed, [this] { Terminate(); });
  }
  Forms_.push_back(std::move(Form));
}

void TApplication::Run() {
  if (!MainForm_)
    return;
  MainForm_->show();
  {
    DispatchScope Dispatching(*this);
    QApplication::exec();
  }
  FinalizeBeforeStatics();
}

void TApplication::ShowException(const Exception& E) {
  {
    DispatchScope Dispatching(*this);
    RunMessageBox(MessageKind::Error, E.Message(), MainForm_);
  }
  // Outside Run: the report may have created toolkit objects of its own.
  if (Dispatching_ == 0)
    FinalizeBeforeStatics();
}

void TApplication::Terminate() {
  QCoreApplication::exit(0);
}
