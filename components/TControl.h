#pragma once

#include "AnsiString.h"

class QWidget;

// What every visible component (form, label, edit box, memo, button) has in common: a text
// (its caption, or what it holds) and a place in its parent.
class TControl {
public:
  explicit TControl(QWidget& Self) : Self_(Self) {}
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  virtual AnsiString GetText() const = 0;
  // Replaces the text; does nothing when it is already equal.
  virtual void SetText(const AnsiString& Value) = 0;
  // Places the control: Left and Top in its parent's client area, Width and Height its size.
  virtual void SetBounds(int Left, int Top, int Width, int Height);

protected:
  QWidget& Self_;
};
