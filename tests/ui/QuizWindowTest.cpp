// The quiz window as a person uses it: the real TForm1 built from its real description, driven
// through its controls on the offscreen platform. Each test runs in a process of its own.
#include "MessageBoxWatcher.h"
#include "QuizProgress.h"
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TTimer.h"
#include "Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString Shown(const TControl* Control) {
  return QString::fromStdString(Control->GetText());
}

class QuizWindow : public ::testing::Test {
protected:
  void SetUp() override {
    Application->CreateForm(Form1);
    Form1->show();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  }
  // The memo shows the entry that is up, and each choice's own label its caption.
  static bool Showing() {
    const TLabel* Labels[] = {Form1->Label3, Form1->Label4, Form1->Label5, Form1->Label6};
    bool Shows = Shown(Form1->Memo1) == QString::fromStdString(CurrentQuestionText());
    for (int Choice = 1; Choice <= ChoiceCount; ++Choice)
      Shows = Shows && Shown(Labels[Choice - 1]) == QString::fromStdString(ChoiceCaption(Choice));
    return Shows;
  }
  static bool ShowsWhatIsUp() { return QTest::qWaitFor(Showing); }
  static void Confirm(const QString& Text) {
    Form1->Edit1->SetText(Text.toStdString());
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  }
};

} // namespace

TEST_F(QuizWindow, StandsAsDesignedAndTabGoesFromTheEntryBoxToTheMemoToTheButton) {
  const auto Bounds = [](const TControl* C) {
    return QRect(C->GetLeft(), C->GetTop(), C->GetWidth(), C->GetHeight());
  };
  EXPECT_EQ(Bounds(Form1), QRect(192, 125, 651, 508));
  EXPECT_EQ(Bounds(Form1->Edit1), QRect(72, 336, 25, 33));
  EXPECT_EQ(Bounds(Form1->Memo1), QRect(24, 64, 569, 121));
  EXPECT_EQ(Bounds(Form1->Button1), QRect(136, 336, 75, 25));
  QList<QPoint> Places; // a label's size follows its caption
  for (const TLabel* Label :
       {Form1->Label1, Form1->Label2, Form1->Label3, Form1->Label4, Form1->Label5, Form1->Label6})
    Places << QPoint(Label->GetLeft(), Label->GetTop());
  EXPECT_EQ(Places,
            QList<QPoint>({{35, 338}, {24, 32}, {64, 264}, {176, 264}, {296, 264}, {416, 264}}));
  EXPECT_EQ(QStringList(
                {Shown(Form1), Shown(Form1->Label1), Shown(Form1->Label2), Shown(Form1->Button1)}),
            QStringList({"역사 문제들!!!", "답은       번", "문제:", "확 인"}));
  EXPECT_EQ(QApplication::focusWidget(), Form1->Edit1);
  for (QWidget* Next :
       std::initializer_list<QWidget*>{Form1->Memo1, Form1->Button1, Form1->Edit1}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Next);
  }
}

TEST_F(QuizWindow, AVerdictStaysOverTheQuestionAnsweredAndOnlyACorrectOneMovesOn) {
  ASSERT_TRUE(ShowsWhatIsUp());
  const QString First = Shown(Form1->Memo1);
  QString Typed;
  int Polls = 0; // a box stays up over several ticks
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    EXPECT_EQ(Shown(Form1->Memo1), First) << "moved on while the box was up";
    EXPECT_EQ(Shown(Form1->Edit1), Typed) << "the answer went before its verdict was closed";
    return ++Polls % 40 == 0;
  });
  const QString Key = QString::number(AnswerKeys[0]);
  for (const QString& Answer : {QString::number(AnswerKeys[0] % 4 + 1), QString("0"), QString("5"),
                                QString("-1"), "+0" + Key}) {
    Confirm(Typed = Answer);
    EXPECT_EQ(Shown(Form1->Edit1), "")
        << "left in the entry box after the verdict on " << Answer.toStdString();
  }
  EXPECT_EQ(Watcher.Texts(),
            QStringList({"incorrect!", "incorrect!", "incorrect!", "incorrect!", "correct!"}));
  EXPECT_EQ(CurrentQuestion, 1);
  EXPECT_TRUE(ShowsWhatIsUp());
}

TEST_F(QuizWindow, TextThatIsNoNumberIsReportedAndStaysToBeCorrected) {
  MessageBoxWatcher Watcher;
  for (const char* Bad : {"", "abc", "2147483648", "<b>3</b>"}) {
    Confirm(Bad);
    EXPECT_EQ(Watcher.Texts().value(0), QString("'%1' is not a valid integer").arg(Bad));
    EXPECT_EQ(Shown(Form1->Edit1), Bad);
    Watcher.Clear();
  }
  EXPECT_EQ(CurrentQuestion, 0);
}

TEST_F(QuizWindow, AFullRunEndsWithTheWindowClosedAndAnswersAfterTheEndShowNothing) {
  MessageBoxWatcher Watcher;
  QElapsedTimer SinceAdvance;
  QList<qint64> Waits; // from a correct answer's box closing to the next entry showing
  QTimer Player;       // answers each entry once it shows: wrong, then right
  QObject::connect(&Player, &QTimer::timeout, [&] {
    if (IsFinished() || Watcher.Texts().size() != 2 * CurrentQuestion || !Showing())
      return;
    if (SinceAdvance.isValid())
      Waits << SinceAdvance.elapsed();
    Confirm(QString::number(AnswerKeys[CurrentQuestion] % 4 + 1));
    Confirm(QString::number(AnswerKeys[CurrentQuestion]));
    SinceAdvance.start();
  });
  Player.start(1);
  Application->Run();
  EXPECT_TRUE(IsFinished());
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(Watcher.Texts().size(), 2 * QuestionCount);
  EXPECT_EQ(Watcher.Texts().count("correct!"), QuestionCount);
  std::sort(Waits.begin(), Waits.end());
  EXPECT_LE(Waits.value(Waits.size() / 2), 2 * TTimer::MinimumPeriod) << "slow to move on";

  Player.stop();
  Form1->Timer1->SetEnabled(false); // else its tick would close the window again at once
  Form1->show();
  Watcher.Clear();
  Confirm("1");
  Confirm("abc");
  EXPECT_EQ(Watcher.Texts(), QStringList()) << "a box after the end";
}

TEST_F(QuizWindow, TheMemoTakesTypingButTheNextTickPutsTheQuestionBack) {
  ASSERT_TRUE(ShowsWhatIsUp());
  int Changes = 0;
  QObject::connect(Form1->Memo1->document(), &QTextDocument::contentsChanged, [&] { ++Changes; });
  QTest::qWait(3 * TTimer::MinimumPeriod);
  EXPECT_EQ(Changes, 0) << "rewritten by ticks that changed nothing";
  QTest::keyClicks(Form1->Memo1, "xyz");
  EXPECT_TRUE(Shown(Form1->Memo1).contains("xyz")) << "took no typing";
  EXPECT_TRUE(ShowsWhatIsUp()) << "what the user typed into it stayed";
}
