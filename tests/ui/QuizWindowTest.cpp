// The quiz window as a person uses it, driven through its controls.
#include "MessageBoxWatcher.h"
#include "QuizWindowFixture.h"

#include <QAccessible>
#include <QMenu>
#include <QTextDocument>
#include <algorithm>
#include <memory>

namespace {

QString Shown(const TControl* Control) {
  return QString::fromStdString(Control->GetText());
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

} // namespace

TEST_F(QuizWindow,
       StandsAsDesignedTabGoesFromTheEntryBoxToTheMemoToTheButtonAndTheMemoTakesTyping) {
  // Of the window only the size: where it opens depends on the screen (QuizWindowPlacementTest);
  // of a label only the place: it sizes itself to its caption.
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
  EXPECT_EQ(Form1->frameGeometry().size(), QSize(Form1->GetWidth(), Form1->GetHeight()))
      << "the size on screen is not the designed one, frame included";
  EXPECT_EQ(QStringList(
                {Shown(Form1), Shown(Form1->Label1), Shown(Form1->Label2), Shown(Form1->Button1)}),
            QStringList({"역사 문제들!!!", "답은       번", "문제:", "확 인"}));
  // To a screen reader the window is a window named by its title, and the entry box tells the
  // entry that is up.
  const QAccessibleInterface* Window = QAccessible::queryAccessibleInterface(Form1);
  EXPECT_TRUE(Window->role() == QAccessible::Window &&
              Window->text(QAccessible::Name) == Form1->windowTitle());
  ASSERT_TRUE(ShowsWhatIsUp());
  EXPECT_NE(Description(Form1->Edit1).find("? Choice 1: 견훤. Choice 2: 궁예."), std::string::npos);
  for (QWidget* Next :
       std::initializer_list<QWidget*>{Form1->Edit1, Form1->Memo1, Form1->Button1, Form1->Edit1}) {
    EXPECT_EQ(QApplication::focusWidget(), Next);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }

  // The memo is not rewritten by ticks that change nothing, takes typing, and gets the question
  // back at the next tick.
  int Changes = 0;
  QObject::connect(Form1->Memo1->document(), &QTextDocument::contentsChanged, [&] { ++Changes; });
  QTest::qWait(3 * TTimer::MinimumPeriod);
  EXPECT_EQ(Changes, 0) << "rewritten by ticks that changed nothing";
  QTest::keyClicks(Form1->Memo1, "xyz");
  EXPECT_TRUE(Shown(Form1->Memo1).contains("xyz")) << "took no typing";
  EXPECT_TRUE(ShowsWhatIsUp()) << "what the user typed into it stayed";
}

// Text that is no number is reported and stays in the entry box to be corrected; a number gets
// its verdict, and the entry box is emptied once the box is closed.
TEST_F(QuizWindow, EachAnswerGetsItsVerdictOverTheQuestionAnsweredAndOnlyACorrectOneMovesOn) {
  ASSERT_TRUE(ShowsWhatIsUp());
  const QString First = Shown(Form1->Memo1);
  QString Typed;
  int Polls = 0; // a box stays up over several ticks
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    EXPECT_EQ(Shown(Form1->Memo1), First) << "moved on while the box was up";
    EXPECT_EQ(Shown(Form1->Edit1), Typed) << "the answer went before its box was closed";
    return ++Polls % 40 == 0;
  });
  const QString Key = QString::number(AnswerKeys[0]),
                Wrong = QString::number(AnswerKeys[0] % 4 + 1);
  for (const QString& Answer :
       {Wrong, QString("0"), QString("5"), QString("-1"), QString(""), QString("abc"),
        QString("2147483648"), QString("<b>3</b>"), "+0" + Key}) {
    Confirm(Typed = Answer);
    const bool Number = Answer.toInt() != 0 || Answer == "0";
    EXPECT_EQ(Shown(Form1->Edit1), Number ? "" : Answer) << Answer.toStdString();
    // The entry box has the focus back, and a screen reader that reads it now hears the entry
    // that is up, the next one already after a correct answer.
    EXPECT_EQ(Form1->focusWidget(), Form1->Edit1) << "not ready for the next try";
    EXPECT_EQ(Description(Form1->Edit1), ToListenTo());
  }
  const QString NoNumber = "(error) '%1' is not a valid integer";
  EXPECT_EQ(Watcher.Texts(),
            QStringList({"incorrect!", "incorrect!", "incorrect!", "incorrect!", NoNumber.arg(""),
                         NoNumber.arg("abc"), NoNumber.arg("2147483648"), NoNumber.arg("<b>3</b>"),
                         "correct!"}));
  EXPECT_EQ(CurrentQuestion, 1);
  EXPECT_EQ(Shown(Form1->Memo1), First) << "moved on before the next tick";
  EXPECT_TRUE(ShowsWhatIsUp());
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
  bool Stuck = false; // a run that is stuck ends, and fails
  QTimer::singleShot(30000, Form1, [&] { Stuck = true, Form1->Close(); });
  Application->Run();
  EXPECT_FALSE(Stuck) << "the window stayed open";
  EXPECT_TRUE(IsFinished());
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(Watcher.Texts().count("correct!"), QuestionCount);
  std::sort(Waits.begin(), Waits.end());
  EXPECT_LE(Waits.value(Waits.size() / 2), 2 * TTimer::MinimumPeriod) << "slow to move on";

  Player.stop();
  Form1->Timer1->SetEnabled(false); // else its tick would close the window again at once
  Form1->show();
  Confirm("1");
  Confirm("abc");
  EXPECT_EQ(Watcher.Texts().size(), 2 * QuestionCount) << "a box after the end, or one missing";
}

// The words around the quiz in the user's language. CTest runs this once per locale setting and
// names the language they must come out in (QUIZ_EXPECTED_LANGUAGE: ko, en, or de for a language
// only Qt has a catalogue for); the quiz's own texts are the same in all of them.
using QuizWindowLanguage = QuizWindow;

TEST_F(QuizWindowLanguage, WordsAroundTheQuizSpeakTheUsersLanguageAndItsOwnStayAsTheyAre) {
  const QString Language = qEnvironmentVariable("QUIZ_EXPECTED_LANGUAGE");
  if (Language.isEmpty())
    GTEST_SKIP() << "run by CTest under a locale, with QUIZ_EXPECTED_LANGUAGE set";
  const QStringList Typed = {"abc", "3번", "", "2147483648", "2", "3"};
  // The reports for the first four, the boxes' OK, the first entry of the context menu.
  QStringList Expected;
  for (const QString& Text : Typed.mid(0, 4))
    Expected << QString("(error) '%1' is not a valid integer").arg(Text);
  Expected << "OK" << (Language == "de" ? "&Rückgängig" : "&Undo");
  if (Language == "ko")
    Expected = QString("(error) 'abc'는 올바른 정수가 아닙니다|(error) '3번'은 올바른 정수가 "
                       "아닙니다|(error) 빈 값은 올바른 정수가 아닙니다|(error) '2147483648'은 "
                       "올바른 정수가 아닙니다|확인|실행 취소(&U)")
                   .split('|');

  ASSERT_TRUE(QTest::qWaitFor([] { return !Form1->Memo1->toPlainText().isEmpty(); }));
  EXPECT_EQ(Form1->windowTitle(), "역사 문제들!!!");
  EXPECT_EQ(Form1->Memo1->toPlainText(), "1.후고구려는 누가 세웠나요?");
  EXPECT_EQ(Form1->Label3->text(), "1:견훤");
  EXPECT_EQ(Form1->Button1->text(), "확 인");
  QStringList Buttons;
  MessageBoxWatcher Watcher([&](QMessageBox& Box) {
    Buttons << Box.button(QMessageBox::Ok)->text();
    return true;
  });
  for (const QString& Text : Typed)
    Confirm(Text);
  EXPECT_EQ(Watcher.Texts(), Expected.mid(0, 4) + QStringList({"incorrect!", "correct!"}));
  EXPECT_EQ(Buttons, QStringList(Typed.size(), Expected[4]));
  const std::unique_ptr<QMenu> Menu(Form1->Edit1->createStandardContextMenu());
  ASSERT_FALSE(Menu->actions().isEmpty());
  EXPECT_EQ(Menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0), Expected[5]);
}
