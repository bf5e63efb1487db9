// The quiz window while a verdict box is up, as a screen reader's user meets it.
#include "MessageBoxWatcher.h"
#include "QuizWindowFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using QuizWindowUnderABox = QuizWindowFixture;

// Pressing the confirm button again and again through the screen reader's action while
// "correct!" is up moves the quiz on once, not once per press.
TEST_F(QuizWindowUnderABox, PressesOfTheButtonThroughAScreenReaderCountForNothing) {
  const int Start = CurrentQuestion;
  QAccessibleActionInterface* Press =
      QAccessible::queryAccessibleInterface(Form1->Button1)->actionInterface();
  ASSERT_TRUE(Press);
  int Presses = 0;
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    if (Presses == 3)
      return true;
    ++Presses;
    Form1->Edit1->SetText(std::to_string(AnswerKeys[Start]));
    Press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([] { return !Form1->Button1->isDown(); }));
    return false;
  });
  Form1->Edit1->SetText(std::to_string(AnswerKeys[Start]));
  QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  EXPECT_EQ(Presses, 3);
  EXPECT_EQ(Watcher.Texts(), QStringList{"correct!"});
  EXPECT_EQ(CurrentQuestion, Start + 1);
}
