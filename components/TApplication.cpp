#include "TApplication.h"

#include "Exception.h"
#include "MessageBox.h"
#include "QuitSignals.h"
#include "TCustomForm.h"

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
  QString Text;
};
std::vector<HeldMessage> HeldMessages;

// While Qt starts, its messages are held back: if it cannot open a display it would otherwise
// print several lines and abort with a core dump.
void StartupMessageHandler(QtMsgType Type, const QMessageLogContext&, const QString& Text) {
  if (Type == QtFatalMsg) {
    std::fprintf(stderr,
                 "%s: cannot open a display (is DISPLAY set?); start it from a desktop session, "
                 "or without one as: xvfb-run %s\n",
                 program_invocation_short_name, program_invocation_short_name);
    std::_Exit(EXIT_FAILURE);
  }
  HeldMessages.push_back({Type, Text});
}

} // namespace

TApplication* Application = &TheApplication;

TApplication::TApplication() = default;

TApplication::~TApplication() {
  Finalize();
}

void TApplication::Finalize() {
  MainForm_ = nullptr;
  Forms_.clear();
  Toolkit_.reset();
}

void TApplication::FinalizeAtExit() {
  Application->Finalize();
}

// The toolkit's static objects are destroyed at exit in the reverse order of their creation, and
// destroying windows or the toolkit after some of them are gone crashes. Exit handlers run in
// that same order, so the teardown is registered again after each stretch of work that may have
// created such objects (starting the toolkit, running the event loop, a report outside it):
// it then runs before all of them.
void TApplication::FinalizeBeforeStatics() {
  if (Toolkit_)
    std::atexit(FinalizeAtExit);
}

void TApplication::Initialize() {
  if (!QApplication::instance()) {
    const QtMessageHandler Previous = qInstallMessageHandler(StartupMessageHandler);
    Toolkit_ = std::make_unique<QApplication>(Argc, Argv);
    qInstallMessageHandler(Previous);
    for (const HeldMessage& M : HeldMessages)
      Previous(M.Type, QMessageLogContext(), M.Text);
    HeldMessages.clear();
    FinalizeBeforeStatics();
  }
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
  if (!MainForm_)
    MainForm_ = Form.get();
  Forms_.push_back(std::move(Form));
}

void TApplication::Run() {
  if (!MainForm_)
    return;
  MainForm_->show();
  Running_ = true;
  QApplication::exec();
  Running_ = false;
  FinalizeBeforeStatics();
}

void TApplication::ShowException(const Exception& E) {
  RunMessageBox(MessageKind::Error, E.Message());
  if (!Running_)
    FinalizeBeforeStatics();
}

void TApplication::Terminate() {
  QCoreApplication::exit(0);
}
