// The quiz window as a person uses it, driven through its controls.
#include "MessageBoxWatcher.h"
#include "QuizWindowFixture.h"
#include "ShortestRun.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace {

QString Shown(const TControl* Control) {
  return QString::fromStdString(Control->GetText());
}

// What a screen reader says of a control after its name.
QString Description(QWidget* Control) {
  return QAccessible::queryAccessibleInterface(Control)->text(QAccessible::Description);
}

// What the memo holds as the user sees it: its lines, one a line.
QString OnScreen(const TMemo* Memo) {
  QStringList Lines;
  for (QTextBlock Line = Memo->document()->begin(); Line.isValid(); Line = Line.next())
    Lines << Line.text();
  return Lines.join(QLatin1Char('\n'));
}

const QString FirstQuestion = "1.후고구려는 누가 세웠나요?";
const QString SecondQuestion = "2.고려의 첫 국왕은 누구였나요?";

class QuizWindow : public QuizWindowFixture {
protected:
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

// Answers each box once it has been up over a few ticks, checking meanwhile that the window still
// shows the question answered and the answer typed.
class Answering : public QuizWindow {
protected:
  void Answer(const QString& Text) {
    Typed_ = Text;
    Confirm(Text);
  }
  MessageBoxWatcher Watcher_{[this](QMessageBox&) {
    EXPECT_EQ(Shown(Form1->Memo1), FirstQuestion) << "moved on while the box was up";
    EXPECT_EQ(Shown(Form1->Edit1), Typed_) << "the answer went before its box was closed";
    return ++Polls_ % 40 == 0;
  }};

private:
  QString Typed_;
  int Polls_ = 0;
};

} // namespace

TEST_F(QuizWindow, StandsAsDesignedAndShowsTheFirstQuestionAtTheFirstTick) {
  // Of a label only the place: it sizes itself to its caption. Where the window opens, frame
  // included, QuizWindowPlacementTest checks.
  QString Bounds = QString(" %1x%2").arg(Form1->GetWidth()).arg(Form1->GetHeight());
  for (const TControl* C : std::initializer_list<const TControl*>{
           Form1->Edit1, Form1->Memo1, Form1->Button1, Form1->Label1, Form1->Label2, Form1->Label3,
           Form1->Label4, Form1->Label5, Form1->Label6})
    Bounds +=
        QString(" %1,%2").arg(C->GetLeft()).arg(C->GetTop()) +
        (dynamic_cast<const TLabel*>(C) ? ""
                                        : QString(" %1x%2").arg(C->GetWidth()).arg(C->GetHeight()));
  EXPECT_EQ(Bounds, " 651x508 72,336 25x33 24,64 569x121 136,336 75x25 35,338 24,32 "
                    "64,264 176,264 296,264 416,264");
  EXPECT_EQ(QStringList(
                {Shown(Form1), Shown(Form1->Label1), Shown(Form1->Label2), Shown(Form1->Button1)}),
            QStringList({"역사 문제들!!!", "답은       번", "문제:", "확 인"}));
  const QAccessibleInterface* Window = QAccessible::queryAccessibleInterface(Form1);
  EXPECT_EQ(Window->role(), QAccessible::Window);
  EXPECT_EQ(Window->text(QAccessible::Name), "역사 문제들!!!");
  ASSERT_TRUE(QTest::qWaitFor([] { return !Shown(Form1->Memo1).isEmpty(); }));
  EXPECT_EQ(OnScreen(Form1->Memo1), FirstQuestion);
  EXPECT_EQ(QStringList({Shown(Form1->Label3), Shown(Form1->Label4), Shown(Form1->Label5),
                         Shown(Form1->Label6)}),
            QStringList({"1:견훤", "2:궁예", "3:왕건", "4:금강"}));
  EXPECT_EQ(Description(Form1->Edit1),
            FirstQuestion + " Choice 1: 견훤. Choice 2: 궁예. Choice 3: 왕건. Choice 4: 금강.");
}

TEST_F(QuizWindow, TabGoesFromTheEntryBoxToTheMemoToTheButtonAndRoundAgain) {
  for (QWidget* Next :
       std::initializer_list<QWidget*>{Form1->Edit1, Form1->Memo1, Form1->Button1, Form1->Edit1}) {
    EXPECT_EQ(QApplication::focusWidget(), Next);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
}

// Ticks that change nothing leave the memo alone (a screen reader would hear every rewrite); what
// is typed into it goes at the next tick.
TEST_F(QuizWindow, TheMemoIsRewrittenOnlyToPutTheQuestionBack) {
  ASSERT_TRUE(ShowsWhatIsUp());
  int Changes = 0;
  QObject::connect(Form1->Memo1->document(), &QTextDocument::contentsChanged, [&] { ++Changes; });
  QTest::qWait(3 * TTimer::MinimumPeriod);
  EXPECT_EQ(Changes, 0) << "rewritten by ticks that changed nothing";
  QTest::keyClicks(Form1->Memo1, "xyz");
  EXPECT_TRUE(OnScreen(Form1->Memo1).contains("xyz")) << "took no typing";
  EXPECT_TRUE(QTest::qWaitFor([] { return OnScreen(Form1->Memo1) == FirstQuestion; }));
}

// A number that is not the key gets "incorrect!" and leaves the entry box empty; text that is no
// number is reported as an error, quoted apart from the words around it, and stays to be
// corrected. Either way the entry box has the focus back and the question stays.
TEST_F(Answering, AnythingButTheKeyLeavesTheQuestionUp) {
  ASSERT_TRUE(ShowsWhatIsUp());
  const QStringList Typed = {"2", "0", "5", "-1", "", "abc", "<b>3</b>"};
  for (int I = 0; I < Typed.size(); ++I) {
    Answer(Typed[I]);
    EXPECT_EQ(Shown(Form1->Edit1), I < 4 ? "" : Typed[I]);
    EXPECT_EQ(Form1->focusWidget(), Form1->Edit1) << "not ready for the next try";
  }
  const QString Report = "(error) '%1' is not a valid integer";
  EXPECT_EQ(Watcher_.Texts(), QStringList(4, "incorrect!") +
                                  QStringList({Report.arg(""), Report.arg("\u2068abc\u2069"),
                                               Report.arg("\u2068<b>3</b>\u2069")}));
  EXPECT_EQ(CurrentQuestion, 0);
  EXPECT_TRUE(Description(Form1->Edit1).startsWith(FirstQuestion + " Choice 1:"));
}

// The key, typed with a sign and a leading zero, gets "correct!" over the question answered; the
// quiz moves on once the box is closed and the window shows it at the next tick. The entry box,
// which has the focus back, tells a screen reader the next question already.
TEST_F(Answering, TheKeyIsCorrectAndTheQuizMovesOnOnceItsBoxIsClosed) {
  ASSERT_TRUE(ShowsWhatIsUp());
  Answer("+03");
  EXPECT_EQ(Watcher_.Texts(), QStringList{"correct!"});
  EXPECT_EQ(CurrentQuestion, 1);
  EXPECT_EQ(Form1->focusWidget(), Form1->Edit1);
  EXPECT_TRUE(Description(Form1->Edit1).startsWith(SecondQuestion + " Choice 1:"));
  EXPECT_EQ(Shown(Form1->Memo1), FirstQuestion) << "moved on before the next tick";
  EXPECT_TRUE(QTest::qWaitFor([] { return OnScreen(Form1->Memo1) == SecondQuestion; }))
      << OnScreen(Form1->Memo1).toStdString();
}

TEST_F(QuizWindow, AFullRunEndsWithTheWindowClosedAfterTwentyOneCorrectAnswers) {
  MessageBoxWatcher Watcher;
  QTimer Player; // answers each entry once it shows: wrong, then right
  QObject::connect(&Player, &QTimer::timeout, [&] {
    if (IsFinished() || Watcher.Texts().size() != 2 * CurrentQuestion || !Showing())
      return;
    const int Key = ShortestRun[CurrentQuestion];
    Confirm(QString::number(Key % 4 + 1));
    Confirm(QString::number(Key));
  });
  Player.start(1);
  bool Stuck = false; // a run that is stuck ends, and fails
  QTimer::singleShot(30000, Form1, [&] { Stuck = true, Form1->Close(); });
  Application->Run();
  EXPECT_FALSE(Stuck) << "the window stayed open";
  EXPECT_TRUE(IsFinished());
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(Watcher.Texts().count("correct!"), QuestionCount);
  EXPECT_EQ(Watcher.Texts().count("incorrect!"), QuestionCount);
}

// Hidden, the window is refreshed only once a second, yet shown again it puts back at once the
// question typed over meanwhile; and a quiz that ends while it is hidden still closes it.
TEST_F(QuizWindow, HiddenItCatchesUpAtOnceWhenShownAndStillClosesWhenTheQuizEnds) {
  ASSERT_TRUE(ShowsWhatIsUp());
  QWindow* const Window = Form1->windowHandle();
  Form1->hide();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Window->isExposed(); }));
  Form1->Memo1->setPlainText("xyz");
  Form1->show();
  QElapsedTimer Showing;
  Showing.start();
  while (Shown(Form1->Memo1) != FirstQuestion && Showing.elapsed() < TTimer::HiddenPeriod / 2)
    QCoreApplication::processEvents();
  EXPECT_EQ(Shown(Form1->Memo1), FirstQuestion);

  Form1->hide();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Window->isExposed(); }));
  CurrentQuestion = QuestionCount;
  bool Stuck = false;
  QTimer::singleShot(10 * TTimer::HiddenPeriod, Form1, [&] { Stuck = true, Form1->Close(); });
  Application->Run();
  EXPECT_FALSE(Stuck) << "the hidden window stayed open after the quiz ended";
}

// In the moment between the last correct answer and the window closing there is nothing left to
// judge: no verdict, no error report.
TEST_F(QuizWindow, AnswersAfterTheEndShowNothing) {
  MessageBoxWatcher Watcher;
  Form1->Timer1->SetEnabled(false); // else its tick would close the window at once
  CurrentQuestion = QuestionCount;
  Confirm("1");
  Confirm("abc");
  EXPECT_TRUE(Watcher.Texts().isEmpty()) << Watcher.Texts().join(", ").toStdString();
}

// The words around the quiz in the user's language. CTest runs this once per locale setting and
// names the language they must come out in (QUIZ_EXPECTED_LANGUAGE: ko, en, or de for a language
// only Qt has a catalogue for); the quiz's own texts are the same in all of them.
using QuizWindowLanguage = QuizWindow;

TEST_F(QuizWindowLanguage, WordsAroundTheQuizSpeakTheUsersLanguageAndItsOwnStayAsTheyAre) {
  const QString Language = qEnvironmentVariable("QUIZ_EXPECTED_LANGUAGE");
  if (Language.isEmpty())
    GTEST_SKIP() << "run by CTest under a locale, with QUIZ_EXPECTED_LANGUAGE set";
  const QStringList Typed = {"abc", "3번", "", "3"};
  // The reports for the first three, the boxes' OK, the first entry of the context menu.
  QStringList Expected =
      QString(Language == "ko"
                  ? "'\u2068abc\u2069'은(는) 올바른 정수가 아닙니다|'\u20683번\u2069'은 "
                    "올바른 정수가 아닙니다|빈 값은 올바른 정수가 아닙니다|확인|실행 취소(&U)"
                  : "'\u2068abc\u2069' is not a valid integer|'\u20683번\u2069' is not a "
                    "valid integer|'' is not a valid integer|OK|&Undo")
          .split('|');
  if (Language == "de")
    Expected[4] = "&Rückgängig";
  for (int I = 0; I < 3; ++I)
    Expected[I].prepend("(error) ");
  ASSERT_TRUE(QTest::qWaitFor([] { return !Form1->Memo1->toPlainText().isEmpty(); }));
  EXPECT_EQ(
      QStringList({Shown(Form1), Shown(Form1->Memo1), Shown(Form1->Label3), Shown(Form1->Button1)}),
      QStringList({"역사 문제들!!!", FirstQuestion, "1:견훤", "확 인"}));
  QStringList Buttons;
  MessageBoxWatcher Watcher([&](QMessageBox& Box) {
    Buttons << Box.button(QMessageBox::Ok)->text();
    return true;
  });
  for (const QString& Text : Typed)
    Confirm(Text);
  EXPECT_EQ(Watcher.Texts(), Expected.mid(0, 3) + QStringList({"correct!"}));
  EXPECT_EQ(Buttons, QStringList(Typed.size(), Expected[3]));
  const std::unique_ptr<QMenu> Menu(Form1->Edit1->createStandardContextMenu());
  ASSERT_FALSE(Menu->actions().isEmpty());
  EXPECT_EQ(Menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0), Expected[4]);
}
