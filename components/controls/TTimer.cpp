#include "TTimer.h"

#include <QPointer>
#include <QTimerEvent>
#include <algorithm>
#include <limits>
#include <utility>

TTimer::TTimer(TComponent* Owner) : QObject(Owner) {}

void TTimer::SetInterval(uint Milliseconds) {
  // Qt's timers take an int; nobody waits longer than 24 days for a tick.
  Interval_ = std::min<uint>(Milliseconds, std::numeric_limits<int>::max());
  UpdateTimer();
}

void TTimer::SetEnabled(bool Value) {
  Enabled_ = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Handler) {
  OnTimer_ = std::move(Handler);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (TimerId_ != 0) {
    killTimer(TimerId_);
    TimerId_ = 0;
  }
  // The first tick comes after the interval asked for; the period then settles at its real value.
  FirstTick_ = true;
  if (Enabled_ && Interval_ > 0 && OnTimer_)
    TimerId_ = startTimer(static_cast<int>(Interval_), Qt::PreciseTimer);
}

void TTimer::timerEvent(QTimerEvent* Event) {
  if (Event->timerId() != TimerId_)
    return;
  if (FirstTick_) {
    FirstTick_ = false;
    if (Interval_ < uint{MinimumPeriod}) {
      killTimer(TimerId_);
      TimerId_ = startTimer(MinimumPeriod, Qt::CoarseTimer);
    }
  }
  if (Running_)
    return;
  const QPointer<TTimer> Self(this); // the handler may end up deleting this timer
  Running_ = true;
  CallEvent(OnTimer_, this);
  if (Self)
    Running_ = false;
}
