#include "TTimer.h"

#include <QEvent>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <limits>
#include <utility>

TTimer::TTimer(TComponent* Owner) : QObject(Owner) {
  for (QObject* Object = Owner; Object != nullptr; Object = Object->parent()) {
    if (auto* Widget = qobject_cast<QWidget*>(Object)) {
      Window_ = Widget->window();
      break;
    }
  }
  if (Window_ != nullptr)
    Window_->installEventFilter(this); // its native window comes and goes with it
  WatchWindow();
}

void TTimer::SetInterval(uint Milliseconds) {
  // Qt's timers take an int; nobody waits longer than 24 days for a tick.
  Interval_ = std::min<uint>(Milliseconds, std::numeric_limits<int>::max());
  UpdateTimer(static_cast<int>(Interval_));
}

void TTimer::SetEnabled(bool Value) {
  Enabled_ = Value;
  UpdateTimer(static_cast<int>(Interval_));
}

void TTimer::SetOnTimer(TNotifyEvent Handler) {
  OnTimer_ = std::move(Handler);
  UpdateTimer(static_cast<int>(Interval_));
}

bool TTimer::Exposed() const {
  if (Window_ == nullptr)
    return true; // no window to be seen in: nothing to save
  return Handle_ != nullptr && Handle_->isExposed();
}

void TTimer::WatchWindow() {
  QWindow* Handle = Window_ != nullptr ? Window_->windowHandle() : nullptr;
  if (Handle != Handle_) {
    if (Handle_ != nullptr)
      Handle_->removeEventFilter(this);
    Handle_ = Handle;
    if (Handle != nullptr)
      Handle->installEventFilter(this);
  }
  const bool Now = Exposed();
  if (Now == Exposed_)
    return;
  Exposed_ = Now;
  if (!Now) {
    UpdateTimer(0);
    return;
  }
  // Shown again: what the handler has to show comes at once, unless it ticked too recently.
  const qint64 Since = SinceTick_.isValid() ? SinceTick_.elapsed() : Interval_;
  UpdateTimer(static_cast<int>(std::max<qint64>(0, qint64{Interval_} - Since)));
}

bool TTimer::eventFilter(QObject* Watched, QEvent* Event) {
  // Qt has set the window's exposure before its expose event arrives.
  const QEvent::Type Type = Event->type();
  if ((Watched == Handle_ && Type == QEvent::Expose) ||
      (Watched == Window_ &&
       (Type == QEvent::Show || Type == QEvent::Hide || Type == QEvent::WinIdChange)))
    WatchWindow();
  return false;
}

void TTimer::StartTimer(int Milliseconds, Qt::TimerType Type) {
  if (TimerId_ != 0)
    killTimer(TimerId_);
  TimerId_ = startTimer(Milliseconds, Type);
}

void TTimer::UpdateTimer(int FirstDelay) {
  if (TimerId_ != 0) {
    killTimer(TimerId_);
    TimerId_ = 0;
  }
  if (!Enabled_ || Interval_ == 0 || !OnTimer_)
    return;
  if (!Exposed_) {
    // On whole seconds, where the system wakes for its other slow timers anyway; a precise one
    // would now and then wake twice for one tick.
    FirstTick_ = false;
    StartTimer(std::max(HiddenPeriod, static_cast<int>(Interval_)), Qt::VeryCoarseTimer);
    return;
  }
  // The first tick comes after the delay asked for; the period then settles at its real value.
  FirstTick_ = true;
  StartTimer(FirstDelay, Qt::PreciseTimer);
}

void TTimer::timerEvent(QTimerEvent* Event) {
  if (Event->timerId() != TimerId_)
    return;
  if (FirstTick_) {
    FirstTick_ = false;
    if (Interval_ < uint{MinimumPeriod})
      StartTimer(MinimumPeriod, Qt::CoarseTimer);
    else
      StartTimer(static_cast<int>(Interval_), Qt::PreciseTimer);
  }
  if (Running_)
    return;
  SinceTick_.start();
  const QPointer<TTimer> Self(this); // the handler may end up deleting this timer
  Running_ = true;
  CallEvent(OnTimer_, this);
  if (Self)
    Running_ = false;
}
