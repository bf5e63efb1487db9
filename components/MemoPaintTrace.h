#pragma once

// For benchmarks: with BENCH_TRACE_MEMO=1 in the environment, a memo that calls this after each
// paint prints "memo-painted <CLOCK_REALTIME ns> <text>" to standard error whenever it shows a
// text it had not shown before. Header-only, so that the benchmark's bare Qt program traces its
// memo the same way without linking the component layer.

#include <QPlainTextEdit>
#include <cstdio>
#include <cstdlib>
#include <ctime>

class MemoPaintTrace {
public:
  void Painted(const QPlainTextEdit& Memo) {
    static const bool Enabled = [] {
      const char* Value = std::getenv("BENCH_TRACE_MEMO");
      return Value && *Value == '1';
    }();
    if (!Enabled)
      return;
    const QString Text = Memo.toPlainText();
    if (Text == Last_)
      return;
    Last_ = Text;
    timespec Now{};
    clock_gettime(CLOCK_REALTIME, &Now);
    std::fprintf(stderr, "memo-painted %lld %s\n",
                 static_cast<long long>(Now.tv_sec) * 1000000000LL + Now.tv_nsec,
                 Text.simplified().toUtf8().constData());
    std::fflush(stderr);
  }

private:
  QString Last_;
};
