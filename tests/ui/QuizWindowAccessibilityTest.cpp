// The quiz window as a screen reader reads it, through Qt's accessibility interfaces.
#include "MessageBoxWatcher.h"
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "Unit1.h"

#include <QAccessible>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Read(QObject* Object, QAccessible::Text What) {
  QAccessibleInterface* Interface = QAccessible::queryAccessibleInterface(Object);
  return Interface ? Interface->text(What) : QString("(not accessible)");
}

// All the text a screen reader finds in Object and below it.
QString ReadAll(QAccessibleInterface* Interface) {
  if (!Interface)
    return {};
  QString All = Interface->text(QAccessible::Name) + ' ' + Interface->text(QAccessible::Value) +
                ' ' + Interface->text(QAccessible::Description);
  if (QAccessibleTextInterface* Text = Interface->textInterface())
    All += ' ' + Text->text(0, Text->characterCount());
  for (int I = 0; I < Interface->childCount(); ++I)
    All += ' ' + ReadAll(Interface->child(I));
  return All;
}

class QuizWindowAccessibility : public ::testing::Test {
protected:
  void SetUp() override {
    Application->CreateForm(Form1);
    Form1->show();
    ASSERT_TRUE(QTest::qWaitFor([] { return !Form1->Memo1->GetText().empty(); }));
  }
};

} // namespace

TEST_F(QuizWindowAccessibility, EveryPartHasANameAndItsText) {
  EXPECT_EQ(Read(Form1, QAccessible::Name), "역사 문제들!!!");

  QAccessibleInterface* Memo = QAccessible::queryAccessibleInterface(Form1->Memo1);
  ASSERT_TRUE(Memo && Memo->textInterface());
  EXPECT_EQ(Memo->text(QAccessible::Name), "문제:");
  EXPECT_EQ(Memo->textInterface()->text(0, Memo->textInterface()->characterCount()),
            "1.후고구려는 누가 세웠나요?");

  EXPECT_EQ(Read(Form1->Edit1, QAccessible::Name), "답은       번");
  EXPECT_EQ(Read(Form1->Button1, QAccessible::Name), "확 인");
  EXPECT_EQ(Read(Form1->Label3, QAccessible::Name), "1:견훤");
  EXPECT_EQ(Read(Form1->Label6, QAccessible::Name), "4:금강");
}

TEST_F(QuizWindowAccessibility, TheVerdictBoxReadsItsVerdict) {
  QString BoxText;
  MessageBoxWatcher Watcher([&](QMessageBox& Box) {
    BoxText = ReadAll(QAccessible::queryAccessibleInterface(&Box));
    return true;
  });
  Form1->Edit1->SetText("2");
  QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  EXPECT_TRUE(BoxText.contains("incorrect!")) << BoxText.toStdString();
}
