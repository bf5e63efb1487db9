// Focus and keys on the test form, whose tab order differs from its creation order; its memo.
#include "FormReader.h"
#include "TTestForm.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

class Controls : public ::testing::Test {
protected:
  void SetUp() override {
    ReadForm(Form);
    Form.show();
    Form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  }

  TTestForm Form{nullptr};
};

} // namespace

TEST_F(Controls, FocusFollowsTabOrderAndTabIsNeverTypedIntoTheMemo) {
  for (QWidget* Expected :
       std::initializer_list<QWidget*>{Form.Edit1, Form.Button1, Form.Memo1, Form.Edit1}) {
    EXPECT_EQ(QApplication::focusWidget(), Expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(Form.Memo1->GetText(), "첫 줄\n둘째 줄") << "Tab typed into the memo";
}

TEST_F(Controls, OnlyAClickOrSpacePressesTheButtonNotEnterNorAPressLetGoBesideIt) {
  QTest::keyClick(Form.Edit1, Qt::Key_Return);
  Form.Button1->setFocus();
  QTest::keyClick(Form.Button1, Qt::Key_Return);
  EXPECT_EQ(Form.Clicks, 0) << "Enter pressed the button";
  QTest::keyClick(Form.Button1, Qt::Key_Space);
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  QTest::mousePress(Form.Button1, Qt::LeftButton);
  QTest::mouseRelease(Form.Button1, Qt::LeftButton, {}, QPoint(-5, -5)); // let go beside it
  EXPECT_EQ(Form.Clicks, 2);
}

// The memo wraps a long line at its spaces, within its width, and shows no scroll bar even when
// the text runs past its foot.
TEST_F(Controls, TheMemoWrapsAtSpacesWithoutScrollBars) {
  const QString Long = QString("옛 왕들의 이름과 나라를 차례대로 배워 봅시다 ").repeated(6);
  Form.Memo1->SetText(Long.toStdString());
  QApplication::processEvents(); // scroll bars come and go as events are handled
  const QTextBlock Block = Form.Memo1->document()->firstBlock();
  Form.Memo1->document()->documentLayout()->blockBoundingRect(Block); // lays it out
  const QTextLayout* Lines = Block.layout();
  EXPECT_GT(Lines->lineCount() * Form.Memo1->fontMetrics().lineSpacing(),
            Form.Memo1->viewport()->height());
  for (int I = 0; I < Lines->lineCount(); ++I) {
    EXPECT_LE(Lines->lineAt(I).naturalTextWidth(), Form.Memo1->viewport()->width());
    EXPECT_TRUE(I == 0 || Long[Lines->lineAt(I).textStart() - 1] == ' ') << "line " << I;
  }
  EXPECT_FALSE(Form.Memo1->verticalScrollBar()->isVisible() ||
               Form.Memo1->horizontalScrollBar()->isVisible());
}
