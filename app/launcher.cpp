// The executable a user starts. Before the program's first statement can run, the dynamic loader
// spends tens of milliseconds loading the toolkit's libraries, and a quit signal that came
// meanwhile (a desktop logging out, a Ctrl+C just after Enter) would end the process by its
// default action. This small program needs nothing but the C library, so it runs within a
// millisecond or two of being started: it holds SIGTERM, SIGINT and SIGHUP back (blocked, not
// ignored: a signal ignored stays ignored) and starts the program in its own place. The block
// and any signal pending meanwhile carry over into the program, which catches them before its
// toolkit starts and then acts on one that came: a normal exit, as when the window is closed.
//
// The program lies at QUIZ_PROGRAM, a path relative to this executable's directory (its install
// place in the build tree too), else at its installed place QUIZ_PROGRAM_INSTALLED. Its
// arguments, the name it was started by among them, pass on unchanged.
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <pthread.h>
#include <unistd.h>

namespace {

// Writes Text to standard error with control characters shown by their codes, as every report
// of the program's does (a path may hold anything).
void PutShown(const char* Text) {
  for (const char* C = Text; *C != '\0'; ++C) {
    const auto Byte = static_cast<unsigned char>(*C);
    if (Byte < 0x20 || Byte == 0x7F)
      static_cast<void>(std::fprintf(stderr, "<U+%04X>", Byte));
    else
      static_cast<void>(std::fputc(Byte, stderr));
  }
}

} // namespace

int main(int /*argc*/, char** argv) {
  sigset_t Quit;
  sigemptyset(&Quit);
  sigaddset(&Quit, SIGTERM);
  sigaddset(&Quit, SIGINT);
  sigaddset(&Quit, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &Quit, nullptr);

  // Started with no arguments at all, not even its name: the program is given its usual name.
  char Name[] = "korean-history-quiz";
  char* Unnamed[] = {Name, nullptr};
  char** Arguments = argv[0] != nullptr ? argv : Unnamed;

  char Path[PATH_MAX];
  const ssize_t Length = readlink("/proc/self/exe", Path, sizeof Path);
  if (Length > 0 && static_cast<std::size_t>(Length) < sizeof Path) {
    Path[Length] = '\0';
    char* const Slash = std::strrchr(Path, '/');
    const std::size_t Directory = Slash != nullptr ? static_cast<std::size_t>(Slash - Path) : 0;
    if (Directory + 1 + std::strlen(QUIZ_PROGRAM) < sizeof Path) {
      static_cast<void>(
          std::snprintf(Path + Directory, sizeof Path - Directory, "/%s", QUIZ_PROGRAM));
      execv(Path, Arguments);
    }
  }
  execv(QUIZ_PROGRAM_INSTALLED, Arguments);
  const int Error = errno;
  PutShown(Arguments[0]);
  static_cast<void>(std::fputs(": cannot start the program ", stderr));
  PutShown(QUIZ_PROGRAM_INSTALLED);
  static_cast<void>(std::fprintf(stderr, ": %s; reinstall the package\n", strerrordesc_np(Error)));
  return 1;
}
