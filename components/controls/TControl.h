#pragma once

#include "AnsiString.h"
#include "Graphics.h"
#include "TFont.h"

class QWidget;

// What every visible component (form, label, edit box, memo, button) has in common: a text
// (its caption, or what it holds), a place in its parent, a colour and a font. Colours are
// system colours (Graphics.h), kept as roles of the desktop's palette (SystemColors.h): a palette
// that changes while the program runs reaches every control.
//
// Each component class publishes, as Q_PROPERTYs under a description's names, those of these
// that a description may set (Left, Top, Width, Height, Color, Font, and Caption or Text);
// their accessors are here.
class TControl {
public:
  // A control that stands on its parent's face (a label) writes in the colour of its parent's
  // font, as in its typeface and size.
  explicit TControl(QWidget& Self);
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  virtual AnsiString GetText() const = 0;
  // Replaces the text; does nothing when it is already equal.
  virtual void SetText(const AnsiString& Value) = 0;
  // Places the control: Left and Top in its parent's client area, Width and Height its size.
  virtual void SetBounds(int Left, int Top, int Width, int Height);

  // One side of the bounds at a time, the others staying as they are, so that they can be set
  // in any order.
  virtual int GetLeft() const;
  virtual int GetTop() const;
  virtual int GetWidth() const;
  virtual int GetHeight() const;
  void SetLeft(int Value) { SetBounds(Value, GetTop(), GetWidth(), GetHeight()); }
  void SetTop(int Value) { SetBounds(GetLeft(), Value, GetWidth(), GetHeight()); }
  void SetWidth(int Value) { SetBounds(GetLeft(), GetTop(), Value, GetHeight()); }
  void SetHeight(int Value) { SetBounds(GetLeft(), GetTop(), GetWidth(), Value); }

  Graphics::TColor GetColor() const { return Color_; }
  // The background the control fills itself with, where it has one of its own (a form, a label).
  // The style draws fields and buttons in their own colours whatever this says.
  void SetColor(Graphics::TColor Value);
  TFont GetFont() const { return Font_; }
  void SetFont(const TFont& Value);
  // What a screen reader says of the control after its name when the control gets the focus.
  // Does nothing when it is already equal.
  void SetDescription(const AnsiString& Value);
  // The place in the window's tab order; -1: none given.
  int GetTabOrder() const { return TabOrder_; }
  void SetTabOrder(int Value) { TabOrder_ = Value; }

  // Whether a modal window that is up blocks the control's window: an application-modal one
  // blocks every window but itself and those opened from it, a window-modal one the windows it
  // was opened from. A blocked control raises no events, whatever the path: the window system
  // delivers no input to it, and what reaches it around that (an accessibility action, a call)
  // is dropped. So no second click can start while a first waits for its box to close.
  bool IsBlockedByModal() const;

protected:
  QWidget& Self_;

private:
  Graphics::TColor Color_ = Graphics::clBtnFace;
  TFont Font_;
  int TabOrder_ = -1;
};

// The description's names for the bounds, colour and font of a control, published by each
// control class.
#define T_CONTROL_PROPERTIES                                                                       \
  Q_PROPERTY(int Left READ GetLeft WRITE SetLeft)                                                  \
  Q_PROPERTY(int Top READ GetTop WRITE SetTop)                                                     \
  Q_PROPERTY(int Width READ GetWidth WRITE SetWidth)                                               \
  Q_PROPERTY(int Height READ GetHeight WRITE SetHeight)                                            \
  Q_PROPERTY(Graphics::TColor Color READ GetColor WRITE SetColor)                                  \
  Q_PROPERTY(TFont Font READ GetFont WRITE SetFont)
