#pragma once

#include "TControl.h"
#include "TNotifyEvent.h"

#include <QPushButton>
#include <utility>

// A push button. OnClick is raised by a mouse click, or by Space while the button has the focus,
// and by the accessibility action Press, but never while a modal box blocks the button's window
// (TControl::IsBlockedByModal). It is never a default button: Enter elsewhere in the window does
// not press it.
//
// A description may set: the control properties (TControl.h), Caption, TabOrder and OnClick.
class TButton : public QPushButton, public TControl {
  Q_OBJECT
  Q_CLASSINFO("Published", "true")
  T_CONTROL_PROPERTIES
  Q_PROPERTY(AnsiString Caption READ GetText WRITE SetText)
  Q_PROPERTY(int TabOrder READ GetTabOrder WRITE SetTabOrder)
  Q_PROPERTY(TNotifyEvent OnClick READ GetOnClick WRITE SetOnClick)

public:
  Q_INVOKABLE explicit TButton(TComponent* Owner);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;

  TNotifyEvent GetOnClick() const { return OnClick_; }
  void SetOnClick(TNotifyEvent Handler) { OnClick_ = std::move(Handler); }

private:
  TNotifyEvent OnClick_;
};
