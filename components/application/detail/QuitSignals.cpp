#include "QuitSignals.h"

#include "StderrCapture.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The signal handlers only do async-signal-safe things: the one for quit signals writes a byte
// that the event loop then reads, and sets a deadline; the one for the deadline ends the process.
int SignalSockets[2] = {-1, -1};
// Lives as long as the toolkit does; made again if the toolkit is started again.
QPointer<QSocketNotifier> Notifier;
bool Caught = false;

// The deadline: a timer that raises a signal the program was started with at its default action
// (SIGALRM, else the first such real-time signal), so that a signal the user ignores stays
// ignored; where no timer could be made, alarm() when SIGALRM is free, else no deadline.
constexpr long GraceNanoseconds = 500'000'000;
timer_t Deadline;
bool HaveDeadlineTimer = false;
int DeadlineSignal = 0; // none
enum DeadlineState { Unset, Set, Met };
std::atomic<int> DeadlineAt{Unset};
static_assert(std::atomic<int>::is_always_lock_free, "used in signal handlers");

bool AtDefault(int Signal) {
  struct sigaction Was = {};
  return sigaction(Signal, nullptr, &Was) == 0 && !(Was.sa_flags & SA_SIGINFO) &&
         Was.sa_handler == SIG_DFL;
}

int FreeDeadlineSignal() {
  if (AtDefault(SIGALRM))
    return SIGALRM;
  for (int Signal = SIGRTMIN; Signal <= SIGRTMAX; ++Signal)
    if (AtDefault(Signal))
      return Signal;
  return 0;
}

void SetDeadline(bool On) {
  if (HaveDeadlineTimer) {
    itimerspec When = {};
    When.it_value.tv_nsec = On ? GraceNanoseconds : 0;
    if (timer_settime(Deadline, 0, &When, nullptr) == 0)
      return;
  }
  if (DeadlineSignal == SIGALRM)
    alarm(On ? 1 : 0);
}

void OnDeadline(int Signal) {
  const int State = DeadlineAt;
  if (State == Set) {
    StderrCapture::Spill();
    _exit(0);
  }
  if (State == Unset) { // not ours: what the signal does by default
    struct sigaction Default = {};
    Default.sa_handler = SIG_DFL;
    sigaction(Signal, &Default, nullptr);
    static_cast<void>(raise(Signal)); // failing, the signal is as if ignored
  }
  // Met: a deadline that came due as the event loop ended.
}

void OnQuitSignal(int) {
  const int SavedErrno = errno;
  const char Byte = 1;
  if (SignalSockets[0] >= 0)
    send(SignalSockets[0], &Byte, 1, MSG_DONTWAIT | MSG_NOSIGNAL);
  int Expected = Unset;
  if (DeadlineAt.compare_exchange_strong(Expected, Set) ||
      (Expected == Met && DeadlineAt.compare_exchange_strong(Expected, Set)))
    SetDeadline(true);
  errno = SavedErrno;
}

void SetHandler(int Signal, void (*Handler)(int)) {
  struct sigaction Action = {};
  Action.sa_handler = Handler;
  sigemptyset(&Action.sa_mask);
  Action.sa_flags = SA_RESTART;
  sigaction(Signal, &Action, nullptr);
}

} // namespace

void CatchQuitSignals() {
  if (Caught)
    return;
  Caught = true;
  SetHandler(SIGPIPE, SIG_IGN);
  // Without the sockets, the deadline alone ends the program.
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalSockets) == 0)
    fcntl(SignalSockets[0], F_SETFL, O_NONBLOCK);
  else
    SignalSockets[0] = SignalSockets[1] = -1;
  DeadlineSignal = FreeDeadlineSignal();
  if (DeadlineSignal != 0) {
    sigevent Event = {};
    Event.sigev_notify = SIGEV_SIGNAL;
    Event.sigev_signo = DeadlineSignal;
    HaveDeadlineTimer = timer_create(CLOCK_MONOTONIC, &Event, &Deadline) == 0;
    SetHandler(DeadlineSignal, OnDeadline);
  }

  sigset_t Signals;
  sigemptyset(&Signals);
  if (DeadlineSignal != 0)
    sigaddset(&Signals, DeadlineSignal);
  for (int Signal : {SIGTERM, SIGINT, SIGHUP}) {
    struct sigaction Was = {};
    sigaction(Signal, nullptr, &Was);
    if (!(Was.sa_flags & SA_SIGINFO) && Was.sa_handler == SIG_IGN)
      continue;
    SetHandler(Signal, OnQuitSignal);
    sigaddset(&Signals, Signal);
  }
  // Of this thread, and so of the toolkit's threads, which are started from it.
  pthread_sigmask(SIG_UNBLOCK, &Signals, nullptr);
}

void WatchQuitSignals(std::function<void()> Quit) {
  CatchQuitSignals();
  if (SignalSockets[1] < 0 || Notifier)
    return;
  Notifier =
      new QSocketNotifier(SignalSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(Notifier, &QSocketNotifier::activated, Notifier, [Quit = std::move(Quit)] {
    char Bytes[16];
    [[maybe_unused]] const ssize_t Read = read(SignalSockets[1], Bytes, sizeof Bytes);
    Quit();
  });
}

void QuitSignalsHandled() {
  int Expected = Set;
  if (DeadlineAt.compare_exchange_strong(Expected, Met))
    SetDeadline(false);
}
