#include "QuitSignals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The signal handler may only do async-signal-safe things: it writes a byte that the event loop
// then reads.
int SignalSockets[2] = {-1, -1};
// Lives as long as the toolkit does; made again if the toolkit is started again.
QPointer<QSocketNotifier> Notifier;

void OnSignal(int) {
  const int SavedErrno = errno;
  const char Byte = 1;
  [[maybe_unused]] const ssize_t Written = ::write(SignalSockets[0], &Byte, 1);
  errno = SavedErrno;
}

} // namespace

void CatchQuitSignals() {
  if (SignalSockets[0] >= 0)
    return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalSockets) != 0)
    return; // the default action (ending the process) still applies
  ::fcntl(SignalSockets[0], F_SETFL, O_NONBLOCK);

  struct sigaction Action = {};
  Action.sa_handler = OnSignal;
  sigemptyset(&Action.sa_mask);
  Action.sa_flags = SA_RESTART;
  sigset_t Signals;
  sigemptyset(&Signals);
  for (int Signal : {SIGTERM, SIGINT, SIGHUP}) {
    ::sigaction(Signal, &Action, nullptr);
    sigaddset(&Signals, Signal);
  }
  ::pthread_sigmask(SIG_UNBLOCK, &Signals, nullptr);
}

void WatchQuitSignals(std::function<void()> Quit) {
  CatchQuitSignals();
  if (SignalSockets[1] < 0 || Notifier)
    return;
  Notifier =
      new QSocketNotifier(SignalSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(Notifier, &QSocketNotifier::activated, Notifier, [Quit = std::move(Quit)] {
    char Bytes[16];
    [[maybe_unused]] const ssize_t Read = ::read(SignalSockets[1], Bytes, sizeof Bytes);
    Quit();
  });
}
