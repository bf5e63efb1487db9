#pragma once

#include "TControl.h"
#include "TObject.h"

#include <QLabel>

// A caption that sizes itself to its text, and keeps to its row and its window:
// - Labels on one row never overlap: when a caption grows into the next label on its right,
//   that label moves along to keep two spaces' width between them, and it goes back to its
//   designed place when there is room again.
// - A row that would run into the window's right margin (as wide as its left one: up to the
//   leftmost control) first has its gaps shrunk, to no less than one space, and only then
//   moves left, never past the left margin.
// - A label whose focus control sits on top of it, in a run of spaces of its caption (an entry
//   box standing inside a sentence), is placed so that the run of spaces lies around the control
//   in whatever font the window got.
//
// A description may set: the control properties (TControl.h), Caption, and FocusControl, the
// control the label stands for (a screen reader reads the label as that control's name).
class TLabel : public QLabel, public TControl {
  Q_OBJECT
  Q_CLASSINFO("Published", "true")
  T_CONTROL_PROPERTIES
  Q_PROPERTY(AnsiString Caption READ GetText WRITE SetText)
  Q_PROPERTY(QWidget* FocusControl READ buddy WRITE SetFocusControl)

public:
  Q_INVOKABLE explicit TLabel(TComponent* Owner);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;
  void SetBounds(int Left, int Top, int Width, int Height) override;
  // The designed place; the label may stand elsewhere to keep its row in order.
  int GetLeft() const override { return DesignLeft_; }
  void SetFocusControl(QWidget* Control);

protected:
  void changeEvent(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void FitToCaption();
  int WantedLeft() const;
  void ArrangeRow();
  static int LeftMargin(const QWidget& Parent);

  int DesignLeft_ = 0;
};
