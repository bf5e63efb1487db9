// The executable a user starts. Before the program's first statement can run, the dynamic loader
// spends tens of milliseconds loading the toolkit's libraries, and a quit signal that came
// meanwhile (a desktop logging out, a Ctrl+C just after Enter) would end the process by its
// default action. This small program needs nothing but the C library, so it runs within a
// millisecond or two of being started: it holds SIGTERM, SIGINT and SIGHUP back (blocked, not
// ignored: a signal ignored stays ignored) and starts the program in its own place. The block
// and any signal pending meanwhile carry over into the program, which catches them before its
// toolkit starts and then acts on one that came: a normal exit, as when the window is closed.
//
// Started with less address space (ulimit -v) than QUIZ_LEAST_ADDRESS_SPACE MB, the least the
// program needs with a margin, it says so and ends with status 1 before the toolkit's libraries
// are loaded: with a little less, they load and then fail at any point, often with no word.
//
// The program lies at QUIZ_PROGRAM, a path relative to this executable's directory (its install
// place in the build tree too), else at its installed place QUIZ_PROGRAM_INSTALLED. Its
// arguments, the name it was started by among them, pass on unchanged.
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <pthread.h>
#include <sys/resource.h>
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

// Whether the user reads Korean before English, as the program chooses its catalogue: the
// entries of LANGUAGE when it has any, else the locale of LC_ALL, LC_MESSAGES or LANG, the first
// that is set. English or the C locale ends the search; other languages are passed over.
bool ReadsKorean() {
  const char* Listed = std::getenv("LANGUAGE"); // NOLINT(concurrency-mt-unsafe): one thread
  const char* Single = nullptr;
  if (Listed == nullptr || Listed[0] == '\0' || std::strspn(Listed, ":") == std::strlen(Listed)) {
    Listed = nullptr;
    for (const char* Name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
      Single = std::getenv(Name); // NOLINT(concurrency-mt-unsafe): one thread
      if (Single != nullptr && Single[0] != '\0')
        break;
      Single = nullptr;
    }
    if (Single == nullptr)
      return false;
  }
  for (const char* Entry = Listed != nullptr ? Listed : Single; *Entry != '\0';) {
    const std::size_t Length = std::strcspn(Entry, ":");
    const std::size_t Language = std::strcspn(Entry, ":_-.@");
    const auto Is = [&](const char* Code) {
      return Language == std::strlen(Code) && std::strncmp(Entry, Code, Language) == 0;
    };
    if (Is("ko"))
      return true;
    if (Is("en") || Is("C") || Is("POSIX"))
      return false;
    if (Listed == nullptr)
      return false;
    Entry += Length + (Entry[Length] == ':');
  }
  return false;
}

// The program's own line for too little address space, in the user's language.
void RefuseAddressSpace(const char* Name, rlim_t Megabytes) {
  const char* const Slash = std::strrchr(Name, '/');
  PutShown(Slash != nullptr ? Slash + 1 : Name);
  const auto Shown = static_cast<unsigned long long>(Megabytes);
  if (ReadsKorean())
    static_cast<void>(std::fprintf(stderr,
                                   ": 메모리가 부족합니다. 주소 공간이 %lluMB로 제한되어 "
                                   "있습니다(ulimit -v). 이 제한을 늘리세요\n",
                                   Shown));
  else
    static_cast<void>(std::fprintf(stderr,
                                   ": too little memory: the address space is limited to %llu MB "
                                   "(ulimit -v); raise that limit\n",
                                   Shown));
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

  rlimit Limit{};
  if (getrlimit(RLIMIT_AS, &Limit) == 0 && Limit.rlim_cur != RLIM_INFINITY &&
      Limit.rlim_cur < rlim_t{QUIZ_LEAST_ADDRESS_SPACE} << 20) {
    RefuseAddressSpace(Arguments[0], Limit.rlim_cur >> 20);
    return 1;
  }

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
