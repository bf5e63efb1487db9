#pragma once

#include "TControl.h"
#include "TNotifyEvent.h"

#include <QPushButton>

// A push button. OnClick is raised by a mouse click, or by Space while the button has the focus.
// It is never a default button: Enter elsewhere in the window does not press it.
class TButton : public QPushButton, public TControl {
  Q_OBJECT

public:
  explicit TButton(QWidget* Parent);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;

  TNotifyEvent OnClick;
};
