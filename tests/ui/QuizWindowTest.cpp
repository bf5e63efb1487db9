// The quiz window as a person uses it: the real TForm1 built from its real description, driven
// through its controls on the offscreen platform.
#include "MessageBoxWatcher.h"
#include "QuizProgress.h"
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "Unit1.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString Question1 = "1.후고구려는 누가 세웠나요?";
const QString Question2 = "2.고려의 첫 국왕은 누구였나요?";

QString Shown(const TControl* Control) {
  return QString::fromStdString(Control->GetText());
}

// Each test runs in a process of its own: a new quiz, and Form1 as the main form.
class QuizWindow : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(CurrentQuestion, 0);
    Application->CreateForm(Form1);
  }

  void ShowActive() {
    Form1->show();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  }

  // Waits, through timer ticks, until the memo shows Question.
  static bool WaitForQuestion(const QString& Question) {
    return QTest::qWaitFor([&] { return Shown(Form1->Memo1) == Question; }, 5000);
  }

  // Types Text into Widget: ASCII from the keyboard, anything else as a Korean input method
  // hands it over, committed text.
  static void Type(QWidget* Widget, const QString& Text) {
    for (const QChar Character : Text) {
      if (Character.unicode() >= 0x20 && Character.unicode() < 0x7F) {
        QTest::keyClicks(Widget, QString(Character));
      } else {
        QInputMethodEvent Commit;
        Commit.setCommitString(QString(Character));
        QCoreApplication::sendEvent(Widget, &Commit);
      }
    }
  }

  // Types Text into the entry box and clicks the confirm button.
  static void Confirm(const QString& Text) {
    Form1->Edit1->SetText("");
    Type(Form1->Edit1, Text);
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  }

  static QStringList ChoiceCaptions() {
    return {Shown(Form1->Label3), Shown(Form1->Label4), Shown(Form1->Label5), Shown(Form1->Label6)};
  }
};

} // namespace

TEST_F(QuizWindow, BeforeTheFirstTickOnlyTheLayoutShowsThenTheFirstQuestion) {
  EXPECT_EQ(Shown(Form1), "역사 문제들!!!");
  EXPECT_EQ(Shown(Form1->Memo1), "");
  EXPECT_EQ(ChoiceCaptions(), QStringList({"1:", "2:", "3:", "4:"}));
  EXPECT_EQ(Shown(Form1->Label1), "답은       번");
  EXPECT_EQ(Shown(Form1->Button1), "확 인");

  ShowActive();
  ASSERT_TRUE(WaitForQuestion(Question1));
  EXPECT_EQ(ChoiceCaptions(), QStringList({"1:견훤", "2:궁예", "3:왕건", "4:금강"}));
}

TEST_F(QuizWindow, CorrectAnswerShowsTheVerdictOverTheSameQuestionThenMovesOn) {
  ShowActive();
  ASSERT_TRUE(WaitForQuestion(Question1));
  int Polls = 0;
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    // Ticks keep coming while the box is up, and keep showing the question just answered.
    EXPECT_EQ(Shown(Form1->Memo1), Question1);
    EXPECT_EQ(CurrentQuestion, 0);
    return ++Polls == 25;
  });
  Confirm("3");
  EXPECT_EQ(Watcher.Texts(), QStringList{"correct!"});
  EXPECT_EQ(CurrentQuestion, 1);
  EXPECT_EQ(Shown(Form1->Edit1), "");
  EXPECT_TRUE(WaitForQuestion(Question2));
  EXPECT_EQ(ChoiceCaptions(), QStringList({"1:왕건", "2:궁예", "3:태종", "4:정조"}));
}

TEST_F(QuizWindow, IncorrectAnswersKeepTheQuestion) {
  ShowActive();
  ASSERT_TRUE(WaitForQuestion(Question1));
  MessageBoxWatcher Watcher;
  for (const char* Wrong : {"2", "0", "5", "-1", "-0", "2147483647"}) {
    Confirm(Wrong);
    EXPECT_EQ(Watcher.Texts().value(0), "incorrect!") << Wrong;
    EXPECT_EQ(Shown(Form1->Edit1), "") << Wrong;
    Watcher.Clear();
  }
  EXPECT_EQ(CurrentQuestion, 0);
  QTest::qWait(50);
  EXPECT_EQ(Shown(Form1->Memo1), Question1);
}

TEST_F(QuizWindow, TextThatIsNoNumberIsReportedAndStaysInTheBox) {
  ShowActive();
  ASSERT_TRUE(WaitForQuestion(Question1));
  MessageBoxWatcher Watcher;
  for (const QString& Bad :
       {QString(), QString("   "), QString("abc"), QString("3abc"), QString("2147483648"),
        QString("-2147483649"), QString("99999999999999999999"), QString("삼"), QString("3\t4"),
        QString("\x01\x1b")}) {
    Form1->Edit1->SetText(Bad.toStdString());
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
    ASSERT_EQ(Watcher.Texts().size(), 1) << Bad.toStdString();
    EXPECT_TRUE(Watcher.Texts().first().contains("is not a valid integer"));
    EXPECT_EQ(Shown(Form1->Edit1), Bad) << "the text stays, to be corrected";
    Watcher.Clear();
  }

  // A huge paste: reported with the text cut short, and kept.
  QApplication::clipboard()->setText(QString(100000, QLatin1Char('9')));
  Form1->Edit1->SetText("");
  Form1->Edit1->paste();
  QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  ASSERT_EQ(Watcher.Texts().size(), 1);
  EXPECT_LT(Watcher.Texts().first().size(), 80);
  EXPECT_GT(Shown(Form1->Edit1).size(), 1000);

  EXPECT_EQ(CurrentQuestion, 0);
  EXPECT_EQ(Shown(Form1->Memo1), Question1);
}

TEST_F(QuizWindow, NumbersAreReadAsAPersonMeansThem) {
  ShowActive();
  MessageBoxWatcher Watcher;
  // Each answers the question that is up with its key, in another way of writing it.
  for (const char* Format : {"+%1", "0%1", " %1 ", "FULLWIDTH"}) {
    const int Key = AnswerKeys[CurrentQuestion];
    const QString Text =
        QString(Format) == "FULLWIDTH" ? QString(QChar(0xFF10 + Key)) : QString(Format).arg(Key);
    Confirm(Text);
    EXPECT_EQ(Watcher.Texts().value(0), "correct!") << Text.toStdString();
    Watcher.Clear();
  }
  EXPECT_EQ(CurrentQuestion, 4);
}

TEST_F(QuizWindow, AFullRunWithWrongAndBadAnswersEndsWithTheWindowClosed) {
  MessageBoxWatcher Watcher;
  bool Busy = false;
  int Answered = 0;
  // Plays as a person would: for each question shown, a wrong answer, a bad one, then the right
  // one. Each confirm returns once its box has been answered.
  QTimer Player;
  QObject::connect(&Player, &QTimer::timeout, [&] {
    if (Busy || IsFinished() ||
        Shown(Form1->Memo1) != QString::fromStdString(CurrentQuestionText()))
      return;
    Busy = true;
    const int Key = AnswerKeys[CurrentQuestion];
    Confirm(QString::number(Key % 4 + 1));
    Confirm("x");
    Confirm(QString::number(Key));
    ++Answered;
    Busy = false;
  });
  Player.start(1);
  Application->Run();

  EXPECT_TRUE(IsFinished());
  EXPECT_EQ(Answered, QuestionCount);
  EXPECT_FALSE(Form1->isVisible());
  ASSERT_EQ(Watcher.Texts().size(), 3 * QuestionCount);
  for (int Entry = 0; Entry < QuestionCount; ++Entry) {
    EXPECT_EQ(Watcher.Texts()[3 * Entry], "incorrect!");
    EXPECT_TRUE(Watcher.Texts()[3 * Entry + 1].contains("'x'"));
    EXPECT_EQ(Watcher.Texts()[3 * Entry + 2], "correct!");
  }
  EXPECT_EQ(Watcher.Stuck(), 0);
}

TEST_F(QuizWindow, TheClosingEntryClosesTheWindowOnceConfirmed) {
  CurrentQuestion = QuestionCount - 1;
  MessageBoxWatcher Watcher;
  QTimer::singleShot(0, Form1, [] {
    ASSERT_TRUE(WaitForQuestion("축하합니다!!"));
    EXPECT_EQ(ChoiceCaptions(), QStringList({"1:축하", "2:합", "3:니", "4:다!"}));
    Confirm("2");
    Confirm("1");
  });
  Application->Run();
  EXPECT_EQ(Watcher.Texts(), QStringList({"incorrect!", "correct!"}));
  EXPECT_TRUE(IsFinished());
  EXPECT_FALSE(Form1->isVisible());
}

TEST_F(QuizWindow, AnAnswerConfirmedAfterTheEndIsIgnored) {
  CurrentQuestion = QuestionCount;
  MessageBoxWatcher Watcher;
  Confirm("1");
  Confirm("abc");
  QTest::qWait(20);
  EXPECT_TRUE(Watcher.Texts().isEmpty());
  EXPECT_EQ(CurrentQuestion, QuestionCount);
}

TEST_F(QuizWindow, ClosingTheWindowByHandEndsRunWherever) {
  QTimer::singleShot(0, Form1, [] {
    ASSERT_TRUE(WaitForQuestion(Question1));
    Form1->close(); // as the close box does
  });
  Application->Run();
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(CurrentQuestion, 0);
}

TEST_F(QuizWindow, TextTypedIntoTheMemoIsGoneAtTheNextTick) {
  ShowActive();
  ASSERT_TRUE(WaitForQuestion(Question1));
  Type(Form1->Memo1, " 낙서");
  ASSERT_NE(Shown(Form1->Memo1), Question1);
  EXPECT_TRUE(WaitForQuestion(Question1));
}

TEST_F(QuizWindow, FocusStartsInTheEntryBoxAndOnlyTheButtonConfirms) {
  ShowActive();
  EXPECT_EQ(QApplication::focusWidget(), Form1->Edit1);
  QTest::keyClick(Form1->Edit1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Form1->Memo1);
  QTest::keyClick(Form1->Memo1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Form1->Button1);

  MessageBoxWatcher Watcher;
  QTest::keyClicks(Form1->Edit1, "3");
  QTest::keyClick(Form1->Edit1, Qt::Key_Return);
  QTest::qWait(20);
  EXPECT_TRUE(Watcher.Texts().isEmpty()) << "Enter confirms nothing";
  EXPECT_EQ(Shown(Form1->Edit1), "3");

  Form1->Button1->setFocus();
  QTest::keyClick(Form1->Button1, Qt::Key_Space);
  EXPECT_EQ(Watcher.Texts(), QStringList{"correct!"});
  EXPECT_EQ(CurrentQuestion, 1);
}
