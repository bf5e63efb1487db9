// The words around the quiz in the user's language. CTest runs these once per locale setting and
// names the language they must come out in (QUIZ_EXPECTED_LANGUAGE: ko, en, or de for a language
// only Qt has a catalogue for); the quiz's own texts are the same in all of them.
#include "MessageBoxWatcher.h"
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Language {
  QString Code;
  QStringList Reports; // for abc, 3번, the empty text and 2147483648
  QString Button;      // the message boxes' OK
  QString Undo;        // the first entry of the entry box's context menu
};

const Language English = {"en",
                          {"'abc' is not a valid integer", "'3번' is not a valid integer",
                           "'' is not a valid integer", "'2147483648' is not a valid integer"},
                          "OK",
                          "&Undo"};

const Language Languages[] = {
    {"ko",
     {"'abc'는 올바른 정수가 아닙니다", "'3번'은 올바른 정수가 아닙니다",
      "빈 값은 올바른 정수가 아닙니다", "'2147483648'은 올바른 정수가 아닙니다"},
     "확인",
     "실행 취소(&U)"},
    English,
    {"de", English.Reports, "OK", "&Rückgängig"},
};

const Language* Expected() {
  const QString Code = qEnvironmentVariable("QUIZ_EXPECTED_LANGUAGE");
  for (const Language& L : Languages)
    if (L.Code == Code)
      return &L;
  return nullptr;
}

class QuizWindowLanguage : public ::testing::Test {
protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QUIZ_EXPECTED_LANGUAGE"))
      GTEST_SKIP() << "run by CTest under a locale, with QUIZ_EXPECTED_LANGUAGE set";
    ASSERT_TRUE(Expected()) << "no texts for that language";
    Application->CreateForm(Form1);
    Form1->show();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  }
};

} // namespace

TEST_F(QuizWindowLanguage, WordsAroundTheQuizSpeakTheUsersLanguageAndItsOwnStayAsTheyAre) {
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
  for (const char* Typed : {"abc", "3번", "", "2147483648", "2", "3"}) {
    Form1->Edit1->SetText(Typed);
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  }
  EXPECT_EQ(Watcher.Texts(), Expected()->Reports + QStringList({"incorrect!", "correct!"}));
  EXPECT_EQ(Buttons, QStringList(6, Expected()->Button));

  const std::unique_ptr<QMenu> Menu(Form1->Edit1->createStandardContextMenu());
  ASSERT_FALSE(Menu->actions().isEmpty());
  EXPECT_EQ(Menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0), Expected()->Undo);
}
