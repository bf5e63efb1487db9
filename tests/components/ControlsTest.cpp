// The test form's controls, shown: focus and keys (its tab order differs from its creation order),
// its memo, and its button under a modal box.
#include "MessageBoxWatcher.h"
#include "ShowMessage.h"
#include "TTestForm.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using Controls = ShownTestForm;

TEST_F(Controls, FocusFollowsTabOrderThroughTheMemo) {
  for (QWidget* Expected :
       std::initializer_list<QWidget*>{Form->Edit1, Form->Button1, Form->Memo1, Form->Edit1}) {
    EXPECT_EQ(QApplication::focusWidget(), Expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
}

TEST_F(Controls, OnlyAClickOrSpacePressesTheButtonNotEnterNorAPressLetGoBesideIt) {
  QTest::keyClick(Form->Edit1, Qt::Key_Return);
  Form->Button1->setFocus();
  QTest::keyClick(Form->Button1, Qt::Key_Return);
  EXPECT_EQ(Form->Clicks, 0) << "Enter pressed the button";
  QTest::keyClick(Form->Button1, Qt::Key_Space);
  Click();
  QTest::mousePress(Form->Button1, Qt::LeftButton);
  QTest::mouseRelease(Form->Button1, Qt::LeftButton, {}, QPoint(-5, -5)); // let go beside it
  EXPECT_EQ(Form->Clicks, 2);
}

// The memo holds each line as a line of its own, Clear and AppendLine put one line in place of
// them all, and the user may type into it.
TEST_F(Controls, TheMemoKeepsItsLinesApartAndTakesTyping) {
  TMemo* const Memo = Form->Memo1;
  Memo->AppendLine("셋째 줄");
  EXPECT_EQ(Memo->toPlainText(), "첫 줄\n둘째 줄\n셋째 줄");
  Memo->Clear();
  Memo->AppendLine("한 줄");
  EXPECT_EQ(Memo->document()->blockCount(), 1);
  EXPECT_EQ(Memo->toPlainText(), "한 줄");
  Memo->setFocus();
  QTest::keyClicks(Memo, "ab");
  EXPECT_EQ(Memo->GetText(), "ab한 줄") << "took no typing";
}

// The entry box keeps a paste of any length whole.
TEST_F(Controls, TheEntryBoxKeepsALongPasteWhole) {
  const QString Long = QString("1234567890").repeated(10000);
  QApplication::clipboard()->setText(Long);
  Form->Edit1->clear();
  Form->Edit1->paste();
  EXPECT_EQ(Form->Edit1->text().size(), Long.size());
}

// A long line wraps at its spaces within the memo; no scroll bar, even past its foot.
TEST_F(Controls, TheMemoWrapsAtSpacesWithoutScrollBars) {
  const QString Long = QString("옛 왕들의 이름과 나라를 차례대로 배워 봅시다 ").repeated(6);
  Form->Memo1->SetText(Long.toStdString());
  QApplication::processEvents(); // scroll bars come and go as events are handled
  const QTextBlock Block = Form->Memo1->document()->firstBlock();
  Form->Memo1->document()->documentLayout()->blockBoundingRect(Block); // lays it out
  ASSERT_GT(Block.layout()->lineCount() * Form->Memo1->fontMetrics().lineSpacing(),
            Form->Memo1->viewport()->height());
  for (int I = 1; I < Block.layout()->lineCount(); ++I)
    EXPECT_EQ(Long[Block.layout()->lineAt(I).textStart() - 1], ' ') << "line " << I;
  EXPECT_FALSE(Form->Memo1->verticalScrollBar()->isVisible() ||
               Form->Memo1->horizontalScrollBar()->isVisible());
}

// Under a box, no input reaches the window, nor makes the button raise events by any other path
// (a screen reader's action, a call, keys and clicks to the widget); after it, they count again.
TEST_F(Controls, AButtonUnderABoxTakesNoClickByAnyPath) {
  Form->OnClickDo = [this] { Form->Clicks == 1 ? ShowMessage("첫 클릭") : void(); };
  auto PressForAScreenReader = [this] { // and wait until it is let go
    QAccessible::queryAccessibleInterface(Form->Button1)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Form->Button1->isDown(); }));
  };
  bool Tried = false;
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    Form->Edit1->setFocus();
    QTest::mouseClick(Form->windowHandle(), Qt::LeftButton, {}, Form->Button1->geometry().center());
    QTest::keyClick(Form->windowHandle(), Qt::Key_9);
    PressForAScreenReader();
    PressForAScreenReader();
    Form->Button1->click();
    Form->Button1->animateClick();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Form->Button1->isDown(); }));
    Form->Button1->setFocus();
    QTest::keyClick(Form->Button1, Qt::Key_Space);
    Click();
    return Tried = true;
  });
  Click();
  EXPECT_TRUE(Tried) << "the box never came up";
  EXPECT_EQ(Form->Clicks, 1) << "a click started while the box was up";
  EXPECT_EQ(Form->Edit1->GetText(), "7") << "the window behind the box took a key";
  PressForAScreenReader();
  Form->Button1->click();
  EXPECT_EQ(Form->Clicks, 3);
}
