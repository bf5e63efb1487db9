#pragma once

#include "TControl.h"
#include "TObject.h"

#include <QPointer>
#include <QWidget>
#include <vector>

// A top-level window built from a form description (see FormReader). Its caption is the window
// title. Left and Top are its position on the screen, Width and Height its outer size including
// the frame a window manager draws. When shown, the first control in tab order gets the focus.
// Closing the application's main form ends TApplication::Run.
class TCustomForm : public QWidget, public TControl {
  Q_OBJECT

public:
  explicit TCustomForm(TComponent* Owner);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;
  void SetBounds(int Left, int Top, int Width, int Height) override;
  void Close();
  // Tab moves the focus through Controls in this order, and the first has the focus when the
  // form is shown.
  void SetTabOrder(const std::vector<QWidget*>& Controls);

protected:
  void showEvent(QShowEvent* Event) override;
  void moveEvent(QMoveEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

private:
  void FitOuterSize();

  QPointer<QWidget> FirstInTabOrder_;
  QSize OuterSize_;
  bool OuterSizeFitted_ = false;
  bool Shown_ = false;
};
