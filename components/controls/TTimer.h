#pragma once

#include "TNotifyEvent.h"

#include <QObject>

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
// A description may set: Interval, Enabled and OnTimer.
class TTimer : public QObject {
  Q_OBJECT
  Q_CLASSINFO("Published", "true")
  Q_PROPERTY(uint Interval READ GetInterval WRITE SetInterval)
  Q_PROPERTY(bool Enabled READ GetEnabled WRITE SetEnabled)
  Q_PROPERTY(TNotifyEvent OnTimer READ GetOnTimer WRITE SetOnTimer)

public:
  static constexpr int MinimumPeriod = 50;

  Q_INVOKABLE explicit TTimer(TComponent* Owner);

  uint GetInterval() const { return Interval_; }
  void SetInterval(uint Milliseconds);
  bool GetEnabled() const { return Enabled_; }
  void SetEnabled(bool Value);
  TNotifyEvent GetOnTimer() const { return OnTimer_; }
  void SetOnTimer(TNotifyEvent Handler);

protected:
  void timerEvent(QTimerEvent* Event) override;

private:
  void UpdateTimer();

  TNotifyEvent OnTimer_;
  uint Interval_ = 1000;
  bool Enabled_ = true;
  bool FirstTick_ = true;
  bool Running_ = false;
  int TimerId_ = 0;
};
