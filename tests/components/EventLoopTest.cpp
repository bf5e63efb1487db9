// The event loop as the application object runs it: handlers' exceptions, modal boxes, timers.
#include "Exception.h"
#include "MessageBoxWatcher.h"
#include "ShowMessage.h"
#include "TTestForm.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>
#include <stdexcept>
#include <string>

using EventLoop = ShownTestForm;

// An exception leaving a handler is reported (the focus back on the first control) and events go
// on; a handler may drop its own binding while it runs, and keeps what it holds.
TEST_F(EventLoop, HandlersMayThrowOrUnbindThemselves) {
  MessageBoxWatcher Watcher;
  Form->OnClickDo = [] { throw Exception("무언가 잘못됨"); };
  Click();
  EXPECT_EQ(Form->focusWidget(), Form->Edit1);
  Form->OnClickDo = [] { throw std::runtime_error("standard failure"); };
  Click();
  Form->OnClickDo = [] { throw std::string("neither"); };
  Click();
  EXPECT_EQ(Watcher.Texts(),
            QStringList({"(error) 무언가 잘못됨", "(error) standard failure", "(error) "}));
  const std::string Word(100, 'x'); // on the heap
  std::string Seen;
  Form->Button1->SetOnClick([&, Word](TObject*) {
    Form->Button1->SetOnClick(nullptr);
    Seen += Word;
  });
  Click();
  Click();
  EXPECT_EQ(Seen, Word);
}

// The box waits for OK while timers tick on.
TEST_F(EventLoop, ABoxWaitsForOkWhileTimersTickOn) {
  Form->Timer1->SetEnabled(true);
  int TicksWhenShown = -1;
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    if (TicksWhenShown < 0)
      TicksWhenShown = Form->Ticks;
    return Form->Ticks >= TicksWhenShown + 3;
  });
  Form->OnClickDo = [] { ShowMessage("안녕하세요"); };
  Click();
  EXPECT_EQ(Watcher.Texts(), QStringList{"안녕하세요"});
}

TEST_F(EventLoop, ATimerTicksOnlyWhileEnabledAtItsIntervalOrMinimumPeriodAndIsNotReentered) {
  // Ticks in 16 MinimumPeriods: none at interval 0 or while disabled, 4 at an interval of 4
  // MinimumPeriods, 16 at interval 1 (the period settles at MinimumPeriod), which stays; at most
  // that pace over the time that really passed, however long a loaded machine took.
  const int Runs[][3] = {{0, 1, 0}, {1, 0, 0}, {4 * TTimer::MinimumPeriod, 1, 4}, {1, 1, 16}};
  for (const auto& [Interval, Enabled, Pace] : Runs) {
    Form->Ticks = 0;
    Form->Timer1->SetEnabled(Enabled); // a new interval counts at once
    Form->Timer1->SetInterval(Interval);
    QElapsedTimer Waited;
    Waited.start();
    QTest::qWait(16 * TTimer::MinimumPeriod);
    Form->Timer1->SetEnabled(false);
    const qint64 Most = Waited.elapsed() * Pace / (16 * TTimer::MinimumPeriod) + (Pace > 0);
    EXPECT_TRUE(Form->Ticks >= Pace / 4 && Form->Ticks <= Most)
        << "interval " << Interval << (Enabled ? "" : ", disabled") << ": " << Form->Ticks;
  }
  Form->Ticks = 0;
  int TicksWhileUp = 0, Polls = 0;
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    TicksWhileUp = Form->Ticks;
    return ++Polls == 2 * TTimer::MinimumPeriod; // polled every 2 ms: four periods at least
  });
  Form->OnTickDo = [&] { Form->Ticks == 1 ? ShowMessage("from the timer") : void(); };
  Form->Timer1->SetEnabled(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->Ticks >= 3; }));
  EXPECT_EQ(TicksWhileUp, 1) << "the handler was re-entered while its box was up";
}

TEST_F(EventLoop, RunReturnsOnceTheMainFormHasClosedEvenUnderABox) {
  MessageBoxWatcher Watcher([&](QMessageBox&) { return Form->Close(), false; });
  Form->OnClickDo = [] { ShowMessage("still up"); };
  QTimer::singleShot(0, Form, [this] { Click(); });
  Application->Run();
  EXPECT_FALSE(Form->isVisible());
}

// The first tick comes after the interval the description gives (so that a window its timer
// fills in shows its contents in its first paint), the ones after it at the settled period.
TEST_F(EventLoop, TheFirstTickComesAfterTheDescribedInterval) {
  auto Periods = [this] {
    QList<int> Found;
    for (const auto& Timer : QAbstractEventDispatcher::instance()->registeredTimers(Form->Timer1))
      Found << Timer.interval;
    return Found;
  };
  Form->Timer1->SetEnabled(true);
  EXPECT_EQ(Periods(), QList<int>{static_cast<int>(Form->Timer1->GetInterval())});
  ASSERT_TRUE(QTest::qWaitFor([this] { return Form->Ticks > 0; }));
  EXPECT_EQ(Periods(), QList<int>{TTimer::MinimumPeriod});
}

// While its form is not exposed a timer keeps ticking, at most once a HiddenPeriod over the time
// that really passed; exposed again, it ticks at once and then at its usual pace again.
TEST_F(EventLoop, ATimerSlowsDownWhileItsFormIsNotExposedAndTicksAtOnceWhenItIs) {
  QWindow* Window = Form->windowHandle();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Window));
  Form->Timer1->SetEnabled(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->Ticks >= 2; }));
  Form->hide();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Window->isExposed(); }));
  Form->Ticks = 0;
  QElapsedTimer Waited;
  Waited.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->Ticks >= 2; }, 10 * TTimer::HiddenPeriod))
      << "the timer stopped while its form was hidden";
  EXPECT_LE(Form->Ticks, Waited.elapsed() / TTimer::HiddenPeriod + 1);

  // Shown right after a slow tick, so that the next slow one is a HiddenPeriod off: the tick that
  // follows the exposure comes long before it.
  const int Before = Form->Ticks;
  Form->show();
  QElapsedTimer Showing;
  Showing.start();
  while (!Window->isExposed() && Showing.elapsed() < 10 * TTimer::HiddenPeriod)
    QCoreApplication::processEvents();
  ASSERT_TRUE(Window->isExposed());
  Showing.start();
  while (Form->Ticks == Before && Showing.elapsed() < TTimer::HiddenPeriod / 2)
    QCoreApplication::processEvents();
  EXPECT_GT(Form->Ticks, Before) << "no tick at once on exposure";
  Form->Ticks = 0;
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->Ticks >= 8; }, 4 * TTimer::HiddenPeriod))
      << "the usual pace did not come back";
}
