#pragma once

#include "TControl.h"

#include <QLabel>

// A caption that sizes itself to its text. Labels on one row never overlap: when a caption grows
// into the next label on its right, that label moves along to keep two spaces' width between
// them, and it goes back to its designed place when there is room again.
class TLabel : public QLabel, public TControl {
  Q_OBJECT

public:
  explicit TLabel(QWidget* Parent);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;
  void SetBounds(int Left, int Top, int Width, int Height) override;

protected:
  void changeEvent(QEvent* Event) override;

private:
  void FitToCaption();
  void ArrangeRow();

  int DesignLeft_ = 0;
  AnsiString Caption_;
};
