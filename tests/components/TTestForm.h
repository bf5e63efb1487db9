#pragma once
// A form of the tests' own (TTestForm.json): handlers that count calls and run what a test asks.
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TTimer.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

class TTestForm : public TForm {
  Q_OBJECT
  Q_PROPERTY(TLabel* Label1 MEMBER Label1)
  Q_PROPERTY(TLabel* Label2 MEMBER Label2)
  Q_PROPERTY(TMemo* Memo1 MEMBER Memo1)
  Q_PROPERTY(TEdit* Edit1 MEMBER Edit1)
  Q_PROPERTY(TButton* Button1 MEMBER Button1)
  Q_PROPERTY(TTimer* Timer1 MEMBER Timer1)

public:
  explicit TTestForm(TComponent* Owner) : TForm(Owner) {}
  TLabel *Label1 = nullptr, *Label2 = nullptr;
  TMemo* Memo1 = nullptr;
  TEdit* Edit1 = nullptr;
  TButton* Button1 = nullptr;
  TTimer* Timer1 = nullptr;
  int Clicks = 0, Ticks = 0;
  std::function<void()> OnClickDo, OnTickDo;

  Q_INVOKABLE void Button1Click(TObject*) { ++Clicks, OnClickDo ? OnClickDo() : void(); }
  Q_INVOKABLE void Timer1Timer(TObject*) { ++Ticks, OnTickDo ? OnTickDo() : void(); }
  Q_INVOKABLE void Refresh() {} // not a handler: it does not take the sender
};

// Each test has the test form as its main form, shown and active, gone with its timer at the end.
class ShownTestForm : public ::testing::Test {
protected:
  void SetUp() override {
    Application->CreateForm(Form);
    ASSERT_EQ(Application->MainForm(), Form);
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form));
  }
  void TearDown() override { delete Form; }
  void Click() { QTest::mouseClick(Form->Button1, Qt::LeftButton); }

  TTestForm* Form = nullptr;
};
