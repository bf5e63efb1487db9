// Focus and keys on the test form, whose tab order differs from its creation order.
#include "FormReader.h"
#include "TTestForm.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(Controls, FocusStartsFirstInTabOrderTabFollowsItAndOnlyClickOrSpacePress) {
  TTestForm Form(nullptr);
  ReadForm(Form);
  Form.show();
  Form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  for (QWidget* Expected :
       std::initializer_list<QWidget*>{Form.Edit1, Form.Button1, Form.Memo1, Form.Edit1}) {
    EXPECT_EQ(QApplication::focusWidget(), Expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(Form.Memo1->GetText(), "첫 줄\n둘째 줄") << "Tab typed into the memo";

  QTest::keyClick(Form.Edit1, Qt::Key_Return);
  Form.Button1->setFocus();
  QTest::keyClick(Form.Button1, Qt::Key_Return);
  EXPECT_EQ(Form.Clicks, 0) << "Enter pressed the button";
  QTest::keyClick(Form.Button1, Qt::Key_Space);
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(Form.Clicks, 2);
}
