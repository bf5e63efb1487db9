#pragma once

#include "TControl.h"
#include "TObject.h"

#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

// A top-level window built from a form description (see FormReader). Its caption is the window
// title. Left and Top are its position on the screen, Width and Height its outer size including
// the frame a window manager draws. It opens where Left and Top put it when it fits there in the
// available area of its screen (the screen less panels); otherwise it moves just enough to fit,
// or, when larger than the area either way, to the area's top-left corner. Its size stays as
// designed. When shown, and again whenever a message box over it has closed, the first control in
// tab order gets the focus. Closing the application's main form ends TApplication::Run. To
// assistive technology (a screen reader) it is a window named by its caption. It never grows
// past what its screens together can show, or its designed size where that is larger, whoever
// asks it to (another program, the window manager): asked for more, it takes that much.
//
// A description may set: the control properties (TControl.h), Caption, and the design-time
// OldCreateOrder, PixelsPerInch and TextHeight, which are kept but change nothing. It lists the
// form's components under Components (see FormReader).
class TCustomForm : public QWidget, public TControl {
  Q_OBJECT
  Q_CLASSINFO("Published", "true")
  T_CONTROL_PROPERTIES
  Q_PROPERTY(AnsiString Caption READ GetText WRITE SetText)
  Q_PROPERTY(bool OldCreateOrder MEMBER OldCreateOrder_)
  Q_PROPERTY(int PixelsPerInch MEMBER PixelsPerInch_)
  Q_PROPERTY(int TextHeight MEMBER TextHeight_)

public:
  explicit TCustomForm(TComponent* Owner);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;
  void SetBounds(int Left, int Top, int Width, int Height) override;
  // Left and Top of the frame, Width and Height as set (the outer size).
  int GetLeft() const override;
  int GetTop() const override;
  int GetWidth() const override;
  int GetHeight() const override;
  void Close();
  // Tab moves the focus through Controls in this order, and the first has the focus when the
  // form is shown.
  void SetTabOrder(const std::vector<QWidget*>& Controls);
  // Gives the focus to the first control in tab order. While the window is not the active one
  // (a message box is up), the control gets the focus when the window is active again.
  void FocusFirstControl();
  void setVisible(bool Visible) override;

signals:
  // The window has closed. For the application's main form, this ends TApplication::Run.
  void Closed();

protected:
  void showEvent(QShowEvent* Event) override;
  void moveEvent(QMoveEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

private:
  void KeepOnScreen();
  void FitOuterSize();
  void KeepWithinScreens();

  QPointer<QWidget> FirstInTabOrder_;
  QSize OuterSize_;
  QSize Largest_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX}; // the largest client area (KeepWithinScreens)
  std::optional<QPoint> OpenAt_;                    // where the window was placed to open
  bool OuterSizeFitted_ = false;
  bool Shown_ = false;
  bool OldCreateOrder_ = false;
  int PixelsPerInch_ = 96;
  int TextHeight_ = 0;
};
