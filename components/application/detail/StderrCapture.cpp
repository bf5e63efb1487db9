#include "StderrCapture.h"

#include "TerminalText.h"

#include <QString>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <iterator>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

// Present when the program is built with a sanitizer: sets what its runtime calls before it ends
// the process after a report.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the sanitizers' own interface, under its name
extern "C" void __sanitizer_set_death_callback(void (*Callback)()) __attribute__((weak));

namespace {

// The file that stands in for the standard error stream, and the real one. Each is taken by
// exchange, so that of a release and a crash in another thread only one writes the text out.
std::atomic<int> HeldFd{-1};
std::atomic<int> RealFd{-1};

constexpr int CrashSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT, SIGTRAP, SIGSYS};
struct sigaction Previous[std::size(CrashSignals)];
std::atomic<bool> CrashHandlersSet{false};

void RestoreCrashHandlers() {
  if (CrashHandlersSet.exchange(false))
    for (std::size_t I = 0; I < std::size(CrashSignals); ++I)
      sigaction(CrashSignals[I], &Previous[I], nullptr);
}

void OnCrash(int Signal, siginfo_t* Info, void*) {
  StderrCapture::Spill();
  RestoreCrashHandlers(); // done by Spill too, unless a release has just begun
  // A faulting instruction runs again as the handler returns and faults again, now into the
  // previous handler (which then sees the fault as it was) or the default action. Anything else
  // (abort, kill, a breakpoint, a system call refused) is raised again for them.
  const bool Fault = Signal == SIGSEGV || Signal == SIGBUS || Signal == SIGILL || Signal == SIGFPE;
  if (!Fault || Info->si_code <= 0)
    static_cast<void>(raise(Signal)); // failing, the process goes on as if it had been ignored
}

void SetCrashHandlers() {
  struct sigaction Action = {};
  Action.sa_sigaction = OnCrash;
  Action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&Action.sa_mask);
  for (std::size_t I = 0; I < std::size(CrashSignals); ++I)
    sigaction(CrashSignals[I], &Action, &Previous[I]);
  CrashHandlersSet = true;
}

void WriteAll(int Fd, const char* Data, std::size_t Size) {
  while (Size > 0) {
    const ssize_t Written = write(Fd, Data, Size);
    if (Written < 0 && errno == EINTR)
      continue;
    if (Written <= 0)
      return;
    Data += Written;
    Size -= static_cast<std::size_t>(Written);
  }
}

// Copies what From holds from its start to To, with the C0 control characters other than line
// breaks and tabs, DEL, and the C1 ones (0xC2 0x80 to 0xC2 0x9F in UTF-8) shown by their codes.
// Allocates nothing, for a signal handler.
void CopyShown(int From, int To) {
  if (lseek(From, 0, SEEK_SET) != 0)
    return;
  char In[256];
  char Out[sizeof In * 8 + 8];
  bool AfterC2 = false; // a byte 0xC2 waits for the next one
  for (;;) {
    const ssize_t Read = read(From, In, sizeof In);
    if (Read < 0 && errno == EINTR)
      continue;
    if (Read <= 0)
      break;
    std::size_t Length = 0;
    for (ssize_t I = 0; I < Read; ++I) {
      unsigned Byte = static_cast<unsigned char>(In[I]);
      const bool C1 = AfterC2 && Byte >= 0x80 && Byte < 0xA0;
      if (AfterC2 && !C1)
        Out[Length++] = '\xC2';
      AfterC2 = !AfterC2 && Byte == 0xC2;
      if (AfterC2)
        continue;
      if (C1 || (Byte < 0x20 && Byte != '\n' && Byte != '\t') || Byte == 0x7F) {
        const char* Digits = "0123456789ABCDEF";
        for (const char C : {'<', 'U', '+', '0', '0', Digits[Byte >> 4], Digits[Byte & 15], '>'})
          Out[Length++] = C;
      } else {
        Out[Length++] = static_cast<char>(Byte);
      }
    }
    WriteAll(To, Out, Length);
  }
  if (AfterC2)
    WriteAll(To, "\xC2", 1);
}

// Stops holding: the real stream is standard error again. Returns the held file, or -1 when
// nothing was held or another caller has taken it.
int GiveBack() {
  const int Held = HeldFd.exchange(-1);
  if (Held < 0)
    return -1;
  const int Real = RealFd.exchange(-1);
  dup2(Real, STDERR_FILENO);
  close(Real);
  RestoreCrashHandlers();
  return Held;
}

// Has every sanitizer runtime in the process (AddressSanitizer's and UndefinedBehaviorSanitizer's
// each keep their own) call Callback before it ends the process after a report.
void SetSanitizerDeathCallbacks(void (*Callback)()) {
  if (!__sanitizer_set_death_callback)
    return;
  __sanitizer_set_death_callback(Callback);
  dl_iterate_phdr(
      [](dl_phdr_info* Object, std::size_t, void* Data) {
        if (!Object->dlpi_name || !*Object->dlpi_name)
          return 0;
        if (void* Handle = dlopen(Object->dlpi_name, RTLD_LAZY | RTLD_NOLOAD)) {
          using Setter = void (*)(void (*)());
          if (void* Set = dlsym(Handle, "__sanitizer_set_death_callback"))
            reinterpret_cast<Setter>(Set)(*static_cast<void (**)()>(Data));
          dlclose(Handle);
        }
        return 0;
      },
      static_cast<void*>(&Callback));
}

int MakeMemoryFile() {
  const int Fd = memfd_create("held-stderr", MFD_CLOEXEC);
  return Fd >= 0 ? Fd : open("/tmp", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
}

} // namespace

StderrCapture::StderrCapture() {
  if (HeldFd >= 0)
    return;
  // What is held must come out at exit too; where that cannot be arranged, nothing is held.
  static const bool AtExit = [] {
    SetSanitizerDeathCallbacks([] { Spill(); });
    return std::atexit([] { Spill(); }) == 0;
  }();
  if (!AtExit)
    return;
  static_cast<void>(std::fflush(stderr)); // what stays buffered goes out later, in order
  const int Real = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
  if (Real < 0)
    return;
  const int Held = MakeMemoryFile();
  if (Held < 0 || dup2(Held, STDERR_FILENO) < 0) {
    if (Held >= 0)
      close(Held);
    close(Real);
    return;
  }
  RealFd = Real;
  HeldFd = Held;
  Holding_ = true;
  SetCrashHandlers();
}

StderrCapture::~StderrCapture() {
  PassOn();
}

std::string StderrCapture::Release() {
  if (!Holding_)
    return {};
  Holding_ = false;
  static_cast<void>(std::fflush(stderr)); // a stream that takes nothing loses nothing here
  const int Held = GiveBack();
  if (Held < 0)
    return {};
  std::string Written;
  if (lseek(Held, 0, SEEK_SET) == 0) {
    char Buffer[4096];
    for (ssize_t Read = 0; (Read = read(Held, Buffer, sizeof Buffer)) != 0;) {
      if (Read < 0 && errno == EINTR)
        continue;
      if (Read < 0)
        break;
      Written.append(Buffer, static_cast<std::size_t>(Read));
    }
  }
  close(Held);
  return Written;
}

void StderrCapture::PassOn() {
  const std::string Written = Release();
  if (Written.empty())
    return;
  const std::string Shown = ForTerminal(Written);
  WriteAll(STDERR_FILENO, Shown.data(), Shown.size());
}

void StderrCapture::Spill() noexcept {
  const int Held = GiveBack();
  if (Held < 0)
    return;
  CopyShown(Held, STDERR_FILENO);
  close(Held);
}
