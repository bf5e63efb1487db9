#pragma once

#include "TNotifyEvent.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

// Raises OnTimer repeatedly, at most once per Interval milliseconds, while it is enabled, has a
// handler and Interval is above 0; also while a modal box is up.
//
// The first tick comes after Interval, as asked, so that a window its timer fills in shows its
// contents at once. After that the period is never shorter than MinimumPeriod: every tick wakes
// the process (and, on a laptop, the processor), and 50 ms keeps any change on screen well
// inside the tenth of a second under which it looks instant, at 20 wake-ups a second. A tick
// that comes while the handler is still running (because it opened a modal box) is skipped
// rather than run inside it.
//
// A timer owned by a window (a form, or anything on one) follows that window's exposure, as the
// windowing system reports it: while the window is not exposed (hidden, minimised, on a workspace
// not shown, or suspended by the compositor) nothing it draws can be seen, so the timer ticks once
// per HiddenPeriod (or Interval, if longer) on whole seconds, which still lets its handler act on
// what happened meanwhile. When the window is exposed again, a tick that is due comes at once and
// the usual pace follows. A timer owned by no window keeps its usual pace.
//
// A description may set: Interval, Enabled and OnTimer.
class TTimer : public QObject {
  Q_OBJECT
  Q_CLASSINFO("Published", "true")
  Q_PROPERTY(uint Interval READ GetInterval WRITE SetInterval)
  Q_PROPERTY(bool Enabled READ GetEnabled WRITE SetEnabled)
  Q_PROPERTY(TNotifyEvent OnTimer READ GetOnTimer WRITE SetOnTimer)

public:
  static constexpr int MinimumPeriod = 50;
  static constexpr int HiddenPeriod = 1000;

  Q_INVOKABLE explicit TTimer(TComponent* Owner);

  uint GetInterval() const { return Interval_; }
  void SetInterval(uint Milliseconds);
  bool GetEnabled() const { return Enabled_; }
  void SetEnabled(bool Value);
  TNotifyEvent GetOnTimer() const { return OnTimer_; }
  void SetOnTimer(TNotifyEvent Handler);

protected:
  void timerEvent(QTimerEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  bool Exposed() const;
  void WatchWindow();
  void UpdateTimer(int FirstDelay);
  void StartTimer(int Milliseconds, Qt::TimerType Type);

  TNotifyEvent OnTimer_;
  uint Interval_ = 1000;
  bool Enabled_ = true;
  bool FirstTick_ = true;
  bool Running_ = false;
  bool Exposed_ = true;
  int TimerId_ = 0;
  QElapsedTimer SinceTick_;
  QPointer<QWidget> Window_;
  QPointer<QWindow> Handle_;
};
