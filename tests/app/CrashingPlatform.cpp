// A platform plugin that never starts a platform: as the toolkit loads it, after a message through
// Qt and a line straight to stderr, it does what QUIZ_CRASH_PLATFORM says, as a broken library
// would: segv, abort (crash), exit (status 3), threads (four threads say 250 messages each at
// once, then loading fails, so that the toolkit tries the next platform named).
#include <QObject>
#include <QtPlugin>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

class CrashingPlatform : public QObject {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3" FILE
                        "CrashingPlatform.json")
};

namespace {
int* volatile Nowhere = nullptr;
const bool Loaded = [] {
  const char* What = std::getenv("QUIZ_CRASH_PLATFORM");
  const std::string Asked = What ? What : "";
  qWarning("crashing platform: loaded to %s", Asked.c_str());
  std::fputs("crashing platform: a line of its own\n", stderr);
  if (Asked == "segv")
    *Nowhere = 1;
  if (Asked == "abort" || Asked == "exit")
    Asked == "abort" ? std::abort() : std::exit(3);
  std::vector<std::thread> Threads;
  for (int T = 0; Asked == "threads" && T < 4; ++T)
    Threads.emplace_back([T] {
      for (int I = 0; I < 250; ++I)
        qWarning("crashing platform: thread %d, message %d", T, I);
    });
  for (std::thread& Thread : Threads)
    Thread.join();
  return true;
}();
} // namespace

#include "CrashingPlatform.moc"
