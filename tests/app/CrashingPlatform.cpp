// A platform plugin that never starts a platform. As the toolkit loads it, after a message through
// Qt and a line straight to stderr, it does what QUIZ_CRASH_PLATFORM says: segv, abort or exit
// (with 3).
#include <QObject>
#include <cstdio>
#include <cstdlib>

class CrashingPlatform : public QObject {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3" FILE
                        "CrashingPlatform.json")
};

namespace {
int* volatile Nowhere = nullptr;
const bool Loaded = [] {
  const QByteArray Asked = qgetenv("QUIZ_CRASH_PLATFORM");
  qWarning("crashing platform: loaded to %s", Asked.constData());
  std::fputs("crashing platform: a line of its own\n", stderr);
  if (Asked == "segv")
    *Nowhere = 1;
  if (Asked == "abort" || Asked == "exit")
    Asked == "abort" ? std::abort() : std::exit(3);
  return true;
}();
} // namespace

#include "CrashingPlatform.moc"
