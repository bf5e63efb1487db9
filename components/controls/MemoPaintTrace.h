#pragma once

// A trace of the texts a memo paints, to measure how soon a change reaches the screen. With the
// logging category components.memo.paint switched on
// (QT_LOGGING_RULES=components.memo.paint.debug=true), a memo that calls Painted after each
// paint logs "memo-painted <CLOCK_REALTIME ns> <text>" whenever it shows a text it had not shown
// before; switched off (the default), a paint costs one test. Header-only, so that the
// benchmark's bare Qt window traces its memo the same way without linking the component layer.

#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <ctime>

inline const QLoggingCategory& MemoPaintCategory() {
  static const QLoggingCategory Category("components.memo.paint", QtWarningMsg);
  return Category;
}

class MemoPaintTrace {
public:
  void Painted(const QPlainTextEdit& Memo) {
    if (!MemoPaintCategory().isDebugEnabled())
      return;
    const QString Text = Memo.toPlainText();
    if (Text == Last_)
      return;
    Last_ = Text;
    timespec Now{};
    if (clock_gettime(CLOCK_REALTIME, &Now) != 0)
      return; // a line without its time would mislead the measurement
    qCDebug(MemoPaintCategory, "memo-painted %lld %s",
            static_cast<long long>(Now.tv_sec) * 1000000000LL + Now.tv_nsec,
            Text.simplified().toUtf8().constData());
  }

private:
  QString Last_;
};
