#pragma once

// A small form of the tests' own: two labels on one row, an entry box, a memo, a button and a
// timer, whose handlers count their calls and do whatever the test asks of them.

#include "TButton.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TTimer.h"

#include <functional>

class TTestForm : public TForm {
  Q_OBJECT
  Q_PROPERTY(TLabel* Label1 MEMBER Label1)
  Q_PROPERTY(TLabel* Label2 MEMBER Label2)
  Q_PROPERTY(TMemo* Memo1 MEMBER Memo1)
  Q_PROPERTY(TEdit* Edit1 MEMBER Edit1)
  Q_PROPERTY(TButton* Button1 MEMBER Button1)
  Q_PROPERTY(TTimer* Timer1 MEMBER Timer1)

public:
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TMemo* Memo1 = nullptr;
  TEdit* Edit1 = nullptr;
  TButton* Button1 = nullptr;
  TTimer* Timer1 = nullptr;

  int Clicks = 0;
  int Ticks = 0;
  std::function<void()> OnClickDo;
  std::function<void()> OnTickDo;

  Q_INVOKABLE void Button1Click(TObject* /*Sender*/) {
    ++Clicks;
    if (OnClickDo)
      OnClickDo();
  }
  Q_INVOKABLE void Timer1Timer(TObject* /*Sender*/) {
    ++Ticks;
    if (OnTickDo)
      OnTickDo();
  }
  // Not a handler: it does not take the sender.
  Q_INVOKABLE void Refresh() {}

  explicit TTestForm(TComponent* Owner) : TForm(Owner) {}
};
