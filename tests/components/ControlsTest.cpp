#include "FormReader.h"
#include "TTestForm.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

class Controls : public ::testing::Test {
protected:
  void SetUp() override { ReadForm(Form); }

  void ShowActive() {
    Form.show();
    Form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  }

  TTestForm Form{nullptr};
};

} // namespace

TEST_F(Controls, MemoClearAndAppendLineReplaceWhatItShows) {
  TMemo& Memo = *Form.Memo1;
  Memo.Clear();
  Memo.AppendLine("하나");
  EXPECT_EQ(Memo.GetText(), "하나");
  EXPECT_EQ(Memo.toPlainText(), "하나");
  Memo.AppendLine("둘");
  EXPECT_EQ(Memo.toPlainText(), "하나\n둘");
}

TEST_F(Controls, MemoClearAloneTakesEffectBackInTheEventLoop) {
  TMemo& Memo = *Form.Memo1;
  Memo.Clear();
  EXPECT_EQ(Memo.GetText(), "");
  QCoreApplication::processEvents();
  EXPECT_EQ(Memo.toPlainText(), "");
}

TEST_F(Controls, MemoPuttingBackTheSameTextTouchesNothingButTypingIsUndone) {
  TMemo& Memo = *Form.Memo1;
  Memo.SetText("질문");
  int Changes = 0;
  QObject::connect(Memo.document(), &QTextDocument::contentsChanged, [&] { ++Changes; });
  for (int Tick = 0; Tick < 5; ++Tick) {
    Memo.Clear();
    Memo.AppendLine("질문");
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(Changes, 0);

  QTest::keyClicks(&Memo, "abc");
  EXPECT_NE(Memo.GetText(), "질문");
  Memo.Clear();
  Memo.AppendLine("질문");
  EXPECT_EQ(Memo.toPlainText(), "질문");
}

TEST_F(Controls, MemoIsEditableWrapsAndHasNoScrollBars) {
  TMemo& Memo = *Form.Memo1;
  EXPECT_FALSE(Memo.isReadOnly());
  EXPECT_EQ(Memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(Memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  Form.show();
  Memo.SetText("가나다 라마바 사아자 차카타 파하 가나다 라마바 사아자 차카타 파하 가나다 라마바");
  EXPECT_GT(Memo.document()->documentLayout()->documentSize().height(), 1) << "wraps to more lines";
}

TEST_F(Controls, LabelSizesToItsCaption) {
  TLabel& Label = *Form.Label1;
  EXPECT_EQ(Label.size(), Label.sizeHint());
  Label.SetText("1:훨씬 더 긴 보기");
  EXPECT_EQ(Label.size(), Label.sizeHint());
  EXPECT_GT(Label.width(), 100);
}

TEST_F(Controls, LabelsOnOneRowNeverOverlap) {
  TLabel& Left = *Form.Label1;
  TLabel& Right = *Form.Label2;
  Left.SetText("1:오관회, 연등회, 팔관회");
  EXPECT_GT(Right.x(), Left.x() + Left.width()) << "pushed along";
  Left.SetText("1:왕건");
  EXPECT_EQ(Right.pos(), QPoint(100, 10)) << "back in its place";
}

TEST_F(Controls, FocusStartsFirstInTabOrderAndTabFollowsIt) {
  ShowActive();
  ASSERT_TRUE(QApplication::focusWidget());
  EXPECT_EQ(QApplication::focusWidget(), Form.Edit1)
      << QApplication::focusWidget()->objectName().toStdString();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Form.Button1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Form.Memo1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // moves on, types no tab
  EXPECT_EQ(QApplication::focusWidget(), Form.Edit1);
  EXPECT_EQ(Form.Memo1->GetText(), "첫 줄");
}

TEST_F(Controls, OnlyAClickOrSpaceOnTheButtonPressesIt) {
  ShowActive();
  QTest::keyClick(Form.Edit1, Qt::Key_Return);
  QTest::keyClick(Form.Edit1, Qt::Key_Enter);
  QTest::keyClick(Form.Edit1, Qt::Key_Space);
  EXPECT_EQ(Form.Clicks, 0);

  Form.Button1->setFocus();
  QTest::keyClick(Form.Button1, Qt::Key_Return);
  EXPECT_EQ(Form.Clicks, 0) << "Enter does not press a focused button either";
  QTest::keyClick(Form.Button1, Qt::Key_Space);
  EXPECT_EQ(Form.Clicks, 1);
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(Form.Clicks, 2);
}
