#include "TCustomForm.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

// Qt would present a form as a bare widget (a "filler"); a screen reader then knows of no window
// and cannot say its title.
QAccessibleInterface* FormAccessible(const QString& ClassName, QObject* Object) {
  auto* Form = qobject_cast<TCustomForm*>(Object);
  if (!Form || ClassName != QLatin1String(TCustomForm::staticMetaObject.className()))
    return nullptr;
  return new QAccessibleWidget(Form, QAccessible::Window);
}

} // namespace

TCustomForm::TCustomForm(TComponent* Owner)
    : QWidget(qobject_cast<QWidget*>(Owner), Qt::Window), TControl(static_cast<QWidget&>(*this)) {
  static const bool AccessibleAsWindow = (QAccessible::installFactory(FormAccessible), true);
  (void)AccessibleAsWindow;
  // The screens' extent changes as screens come, go or change their size.
  const auto Watch = [this](QScreen* Screen) {
    connect(Screen, &QScreen::virtualGeometryChanged, this, &TCustomForm::KeepWithinScreens);
  };
  const QList<QScreen*> Screens = QGuiApplication::screens();
  std::for_each(Screens.begin(), Screens.end(), Watch);
  connect(qApp, &QGuiApplication::screenAdded, this, [this, Watch](QScreen* Screen) {
    Watch(Screen);
    KeepWithinScreens();
  });
  connect(qApp, &QGuiApplication::screenRemoved, this, &TCustomForm::KeepWithinScreens,
          Qt::QueuedConnection);
  KeepWithinScreens();
}

AnsiString TCustomForm::GetText() const {
  return windowTitle().toStdString();
}

void TCustomForm::SetText(const AnsiString& Value) {
  setWindowTitle(QString::fromStdString(Value));
}

void TCustomForm::SetBounds(int Left, int Top, int Width, int Height) {
  OuterSize_ = QSize(Width, Height);
  OuterSizeFitted_ = false;
  KeepWithinScreens();
  move(Left, Top);
  resize(OuterSize_);
  FitOuterSize();
}

int TCustomForm::GetLeft() const {
  return pos().x();
}

int TCustomForm::GetTop() const {
  return pos().y();
}

int TCustomForm::GetWidth() const {
  return OuterSize_.isValid() ? OuterSize_.width() : frameGeometry().width();
}

int TCustomForm::GetHeight() const {
  return OuterSize_.isValid() ? OuterSize_.height() : frameGeometry().height();
}

void TCustomForm::Close() {
  close();
}

void TCustomForm::SetTabOrder(const std::vector<QWidget*>& Controls) {
  for (std::size_t I = 1; I < Controls.size(); ++I)
    QWidget::setTabOrder(Controls[I - 1], Controls[I]);
  FirstInTabOrder_ = Controls.empty() ? nullptr : Controls.front();
}

void TCustomForm::FocusFirstControl() {
  if (FirstInTabOrder_)
    FirstInTabOrder_->setFocus(Qt::OtherFocusReason);
}

// Placed before the window exists on the screen: a position given then is the frame's, which
// afterwards, until the window manager has framed it, would be taken as the client area's.
void TCustomForm::setVisible(bool Visible) {
  if (Visible && !Shown_)
    KeepOnScreen();
  QWidget::setVisible(Visible);
}

void TCustomForm::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  FitOuterSize();
  KeepWithinScreens();
  if (Shown_)
    return;
  Shown_ = true;
  if (FirstInTabOrder_)
    FirstInTabOrder_->setFocus(Qt::TabFocusReason);
}

void TCustomForm::moveEvent(QMoveEvent* Event) {
  QWidget::moveEvent(Event);
  FitOuterSize();
}

void TCustomForm::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  // Another client's request, or the window manager's, may make the window any size the window
  // system allows. Painted at such a size, it would take gigabytes; it goes back before its next
  // paint.
  const QSize Bounded = size().boundedTo(Largest_);
  if (Bounded != size())
    resize(Bounded);
}

void TCustomForm::closeEvent(QCloseEvent* Event) {
  QWidget::closeEvent(Event);
  if (Event->isAccepted())
    emit Closed();
}

// The designed rectangle is the outer one, frame included, so it is known before a window manager
// has framed the window. A window too large for the area shows at least its title bar and its
// left edge.
//
// The frame's sides are whole physical pixels, which Qt rounds to scaled ones. At a scale such as
// 1.5 they may round down, and the outer size fitted to them (FitOuterSize) then comes out a
// physical pixel larger than designed; a window moved against the area's far edges keeps a scaled
// pixel from them for that. Not at scales where every physical length is a whole or half number
// of scaled pixels (1 and 2), whose halves round up.
void TCustomForm::KeepOnScreen() {
  if (!OuterSize_.isValid())
    return;
  const QPoint Designed(GetLeft(), GetTop());
  QScreen* Screen = QGuiApplication::screenAt(Designed);
  if (!Screen)
    Screen = screen();
  if (!Screen)
    return;
  const QRect Area = Screen->availableGeometry();
  const qreal HalvesPerPixel = 2 / Screen->devicePixelRatio();
  const int Slack = std::abs(HalvesPerPixel - std::round(HalvesPerPixel)) < 1e-6 ? 0 : 1;
  QPoint Placed = Area.topLeft();
  if (OuterSize_.width() <= Area.width() && OuterSize_.height() <= Area.height())
    Placed =
        QPoint(std::clamp(Designed.x(), Area.left(),
                          std::max(Area.left(), Area.right() + 1 - OuterSize_.width() - Slack)),
               std::clamp(Designed.y(), Area.top(),
                          std::max(Area.top(), Area.bottom() + 1 - OuterSize_.height() - Slack)));
  OpenAt_ = Placed;
  if (Placed != Designed)
    move(Placed);
}

// The largest client area the screens together can show (the bounding rectangle of all of them,
// less the frame), or the designed one where that is larger.
void TCustomForm::KeepWithinScreens() {
  const QScreen* Screen = screen();
  if (Screen == nullptr)
    return;
  const QSize Frame = (frameGeometry().size() - size()).expandedTo(QSize(0, 0));
  QSize Largest = Screen->virtualSize() - Frame;
  if (OuterSize_.isValid())
    Largest = Largest.expandedTo(OuterSize_ - Frame);
  Largest_ = Largest.expandedTo(QSize(1, 1));
}

// Width and Height include the window frame; the frame is only known once a window manager has
// decorated the window, so the client area is shrunk by it then. Without a window manager there
// is no frame and nothing to do.
void TCustomForm::FitOuterSize() {
  if (OuterSizeFitted_ || OuterSize_.isEmpty() || !isVisible())
    return;
  const QSize Frame = frameGeometry().size() - size();
  if (Frame.width() <= 0 && Frame.height() <= 0)
    return;
  OuterSizeFitted_ = true;
  KeepWithinScreens();
  resize(OuterSize_ - Frame);
  // A window manager may have moved the window as it first framed it, at its first size, to keep
  // more of it on the screen.
  if (OpenAt_ && pos() != *OpenAt_)
    move(*OpenAt_);
}
