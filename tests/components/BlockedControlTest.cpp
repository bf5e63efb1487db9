// A control of a window that a modal box blocks raises no events, whichever way input reaches
// it: the window system's, straight to the widget, a call, or an accessibility action.
#include "FormReader.h"
#include "MessageBoxWatcher.h"
#include "ShowMessage.h"
#include "TTestForm.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

namespace {

// Presses Button through the action a screen reader uses ("Press"), and waits until the press
// is over: the button is shown pressed for a moment first, then let go.
void PressForAScreenReader(QAbstractButton* Button) {
  QAccessibleInterface* Accessible = QAccessible::queryAccessibleInterface(Button);
  ASSERT_TRUE(Accessible && Accessible->actionInterface());
  Accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([Button] { return !Button->isDown(); }));
}

} // namespace

TEST(BlockedControl, AButtonUnderABoxTakesNoClickByAnyPathAndTakesThemAgainOnceItHasClosed) {
  TTestForm Form(nullptr);
  ReadForm(Form);
  Form.show();
  Form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  Form.OnClickDo = [&Form] {
    if (Form.Clicks == 1)
      ShowMessage("첫 클릭");
  };
  bool Tried = false;
  MessageBoxWatcher Watcher([&](QMessageBox&) {
    TButton* Button = Form.Button1;
    PressForAScreenReader(Button);
    PressForAScreenReader(Button); // once more, as in a screen reader's user pressing again
    Button->click();
    Button->animateClick();
    EXPECT_TRUE(QTest::qWaitFor([Button] { return !Button->isDown(); }));
    Button->setFocus();
    QTest::keyClick(Button, Qt::Key_Space); // straight to the widget, past the window system
    QTest::mouseClick(Button, Qt::LeftButton);
    Tried = true;
    return true;
  });
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(Watcher.Texts(), QStringList{"첫 클릭"});
  EXPECT_EQ(Form.Clicks, 1) << "a click started while the box was up";
  EXPECT_TRUE(Tried) << "the box never came up";

  // With the box closed, they count again.
  PressForAScreenReader(Form.Button1);
  Form.Button1->click();
  EXPECT_EQ(Form.Clicks, 3);
}
