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

#include <QAccessible>
#include <QMessageBox>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString Shown(const TControl* Control) {
  return QString::fromStdString(Control->GetText());
}

QString Up() {
  return QString::fromStdString(CurrentQuestionText());
}

// What a screen reader says of a control after its name.
AnsiString Description(QWidget* Control) {
  return QAccessible::queryAccessibleInterface(Control)
      ->text(QAccessible::Description)
      .toStdString();
}

// The entry that is up, as the entry box tells it to a screen reader.
AnsiString ToListenTo() {
  AnsiString Text = CurrentQuestionText();
  for (int Choice = 1; Choice <= ChoiceCount; ++Choice)
    Text += " Choice " + std::to_string(Choice) + ": " + ChoiceText(Choice) + ".";
  return Text;
}

class QuizWindow : public ::testing::Test {
protected:
  void SetUp() override {
    Application->CreateForm(Form1);
    Form1->show();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  }
  // Waits, through timer ticks, until the window shows the entry that is up.
  static bool ShowsWhatIsUp() {
    return QTest::qWaitFor([] {
      return Shown(Form1->Memo1) == Up() &&
             Shown(Form1->Label6) == QString::fromStdString(ChoiceCaption(4));
    });
  }
  static void Confirm(const QString& Text) {
    Form1->Edit1->SetText(Text.toStdString());
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  }
};

} // namespace

TEST_F(QuizWindow, AVerdictStaysOverTheQuestionAnsweredAndOnlyACorrectOneMovesOn) {
  ASSERT_TRUE(ShowsWhatIsUp());
  const QString First = Up();
  int Polls = 0; // a box stays up over several ticks
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    EXPECT_EQ(Shown(Form1->Memo1), First) << "moved on while the box was up";
    return ++Polls % 40 == 0;
  });
  for (const int Wrong : {AnswerKeys[0] % 4 + 1, 0, 5, -1}) {
    Confirm(QString::number(Wrong));
    EXPECT_EQ(Form1->focusWidget(), Form1->Edit1) << "not ready for the next try";
  }
  EXPECT_EQ(Description(Form1->Edit1), ToListenTo());
  Confirm("+0" + QString::number(AnswerKeys[0]));
  EXPECT_EQ(Watcher.Texts(),
            QStringList({"incorrect!", "incorrect!", "incorrect!", "incorrect!", "correct!"}));
  EXPECT_EQ(Shown(Form1->Edit1), "");
  EXPECT_EQ(CurrentQuestion, 1);
  // The entry box has the focus back, and a screen reader reads it now: it tells the next entry
  // already, which the window shows only at the next tick.
  EXPECT_EQ(Form1->focusWidget(), Form1->Edit1);
  EXPECT_EQ(Shown(Form1->Memo1), First);
  EXPECT_EQ(Description(Form1->Edit1), ToListenTo());
  EXPECT_TRUE(ShowsWhatIsUp());
}

TEST_F(QuizWindow, TextThatIsNoNumberIsReportedAndStaysToBeCorrected) {
  MessageBoxWatcher Watcher;
  for (const char* Bad : {"", "abc", "2147483648"}) {
    Confirm(Bad);
    EXPECT_EQ(Watcher.Texts().value(0), QString("'%1' is not a valid integer").arg(Bad));
    EXPECT_EQ(Shown(Form1->Edit1), Bad);
    EXPECT_EQ(Form1->focusWidget(), Form1->Edit1) << "not ready for the correction";
    Watcher.Clear();
  }
  EXPECT_EQ(CurrentQuestion, 0);
}

TEST_F(QuizWindow, AFullRunEndsWithTheWindowClosedAndAnswersAfterTheEndShowNothing) {
  MessageBoxWatcher Watcher;
  QTimer Player; // answers each entry once it shows: wrong, then right
  QObject::connect(&Player, &QTimer::timeout, [&] {
    if (!IsFinished() && Watcher.Texts().size() == 2 * CurrentQuestion && ShowsWhatIsUp()) {
      Confirm(QString::number(AnswerKeys[CurrentQuestion] % 4 + 1));
      Confirm(QString::number(AnswerKeys[CurrentQuestion]));
    }
  });
  Player.start(1);
  Application->Run();
  EXPECT_TRUE(IsFinished());
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(Watcher.Texts().size(), 2 * QuestionCount);
  EXPECT_EQ(Watcher.Texts().count("correct!"), QuestionCount);

  Player.stop();
  Form1->Timer1->SetEnabled(false); // else its tick would close the window again at once
  Form1->show();
  Watcher.Clear();
  Confirm("1");
  Confirm("abc");
  EXPECT_EQ(Watcher.Texts(), QStringList()) << "a box after the end";
}

TEST_F(QuizWindow, ToAScreenReaderTheWindowIsAWindowAndTheEntryBoxTellsTheEntryThatIsUp) {
  QAccessibleInterface* Window = QAccessible::queryAccessibleInterface(Form1);
  EXPECT_EQ(Window->role(), QAccessible::Window);
  EXPECT_EQ(Window->text(QAccessible::Name).toStdString(), "역사 문제들!!!");
  ASSERT_TRUE(ShowsWhatIsUp());
  EXPECT_EQ(Description(Form1->Edit1), ToListenTo());
  EXPECT_NE(Description(Form1->Edit1).find("? Choice 1: 견훤. Choice 2: 궁예."), std::string::npos);
}

TEST_F(QuizWindow, TheMemoIsOnlyRewrittenWhenItShowsSomethingElse) {
  ASSERT_TRUE(ShowsWhatIsUp());
  int Changes = 0;
  QObject::connect(Form1->Memo1->document(), &QTextDocument::contentsChanged, [&] { ++Changes; });
  QTest::qWait(3 * TTimer::MinimumPeriod);
  EXPECT_EQ(Changes, 0) << "rewritten by ticks that changed nothing";
  QTest::keyClicks(Form1->Memo1, "xyz");
  EXPECT_TRUE(ShowsWhatIsUp()) << "what the user typed into it stayed";
}
