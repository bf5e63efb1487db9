#include "Exception.h"
#include "MessageBoxWatcher.h"
#include "ShowMessage.h"
#include "TApplication.h"
#include "TTestForm.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Each test runs in a process of its own, so the form created here is the main form.
class EventLoop : public ::testing::Test {
protected:
  void SetUp() override {
    Application->CreateForm(Form);
    Form->show();
  }

  TTestForm* Form = nullptr;
};

} // namespace

TEST_F(EventLoop, AnExceptionLeavingAHandlerIsReportedAndEventsGoOn) {
  MessageBoxWatcher Watcher;
  Form->OnClickDo = [] { throw Exception("무언가 잘못됨"); };
  QTest::mouseClick(Form->Button1, Qt::LeftButton);
  Form->OnClickDo = [] { throw std::runtime_error("standard failure"); };
  QTest::mouseClick(Form->Button1, Qt::LeftButton);
  Form->OnClickDo = [] { throw 42; };
  QTest::mouseClick(Form->Button1, Qt::LeftButton);
  Form->OnClickDo = nullptr;
  QTest::mouseClick(Form->Button1, Qt::LeftButton);

  EXPECT_EQ(Form->Clicks, 4);
  EXPECT_EQ(Watcher.Texts(), QStringList({"무언가 잘못됨", "standard failure", ""}));
}

TEST_F(EventLoop, ShowMessageWaitsForOkWhileTimerEventsKeepArriving) {
  Form->Timer1->SetEnabled(true);
  int TicksWhenShown = -1;
  MessageBoxWatcher Watcher([&](QMessageBox& Box) {
    EXPECT_EQ(Box.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(Box.standardButtons(), QMessageBox::Ok);
    if (TicksWhenShown < 0)
      TicksWhenShown = Form->Ticks;
    return Form->Ticks >= TicksWhenShown + 3;
  });
  bool Returned = false;
  Form->OnClickDo = [&] {
    ShowMessage("안녕하세요");
    Returned = true;
  };
  QTest::mouseClick(Form->Button1, Qt::LeftButton);
  EXPECT_TRUE(Returned);
  EXPECT_EQ(Watcher.Texts(), QStringList{"안녕하세요"});
  EXPECT_EQ(Watcher.Stuck(), 0);
}

TEST_F(EventLoop, WhileABoxIsUpTheOtherWindowsTakeNoInput) {
  int Polls = 0;
  // Input goes to the window as the window system would deliver it, not straight to a widget.
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    QTest::mouseClick(Form->windowHandle(), Qt::LeftButton, {}, Form->Button1->geometry().center());
    QTest::keyClick(Form->windowHandle(), Qt::Key_9);
    return ++Polls == 3;
  });
  Form->activateWindow();
  Form->Edit1->setFocus();
  Form->OnClickDo = [] { ShowMessage("modal"); };
  QTest::mouseClick(Form->Button1, Qt::LeftButton);
  EXPECT_EQ(Form->Clicks, 1);
  EXPECT_EQ(Form->Edit1->GetText(), "7");

  // The same input once the box is gone does arrive.
  Form->OnClickDo = nullptr;
  QTest::mouseClick(Form->windowHandle(), Qt::LeftButton, {}, Form->Button1->geometry().center());
  EXPECT_EQ(Form->Clicks, 2);
}

TEST_F(EventLoop, ATimerHandlerIsNotReenteredWhileItsBoxIsUp) {
  int TicksWhileUp = 0;
  QElapsedTimer Up;
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    if (!Up.isValid())
      Up.start();
    TicksWhileUp = Form->Ticks;
    return Up.elapsed() > 4 * TTimer::MinimumPeriod;
  });
  Form->OnTickDo = [&] {
    if (Form->Ticks == 1)
      ShowMessage("from the timer");
  };
  Form->Timer1->SetEnabled(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->Ticks >= 3; }));
  EXPECT_EQ(TicksWhileUp, 1);
  EXPECT_EQ(Watcher.Texts(), QStringList{"from the timer"});
}

TEST_F(EventLoop, RunReturnsOnceTheMainFormHasClosed) {
  QTimer::singleShot(0, Form, [this] { Form->Close(); });
  Application->Run();
  EXPECT_FALSE(Form->isVisible());
}

TEST_F(EventLoop, ClosingTheMainFormWhileABoxIsUpEndsRun) {
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    Form->Close();
    return false;
  });
  bool Returned = false;
  Form->OnClickDo = [&] {
    ShowMessage("still up");
    Returned = true;
  };
  QTimer::singleShot(0, Form, [this] { QTest::mouseClick(Form->Button1, Qt::LeftButton); });
  Application->Run();
  EXPECT_TRUE(Returned);
  EXPECT_FALSE(Form->isVisible());
  EXPECT_EQ(Watcher.Stuck(), 0);
}

TEST_F(EventLoop, ShowExceptionShowsTheMessage) {
  MessageBoxWatcher Watcher;
  QTimer::singleShot(0, Form, [this] {
    Application->ShowException(Exception("보고"));
    Form->Close();
  });
  Application->Run();
  EXPECT_EQ(Watcher.Texts(), QStringList{"보고"});
}
