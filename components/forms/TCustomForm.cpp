#include "TCustomForm.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

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

void TCustomForm::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  if (!Shown_)
    KeepOnScreen(); // before the window manager has it
  FitOuterSize();
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

void TCustomForm::closeEvent(QCloseEvent* Event) {
  QWidget::closeEvent(Event);
  if (Event->isAccepted())
    emit Closed();
}

// The designed rectangle is the outer one, frame included, so it is known before a window manager
// has framed the window. A window too large for the area shows at least its title bar and its
// left edge.
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
  QPoint Placed = Area.topLeft();
  if (OuterSize_.width() <= Area.width() && OuterSize_.height() <= Area.height())
    Placed = QPoint(std::clamp(Designed.x(), Area.left(), Area.right() + 1 - OuterSize_.width()),
                    std::clamp(Designed.y(), Area.top(), Area.bottom() + 1 - OuterSize_.height()));
  if (Placed != Designed)
    move(Placed);
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
  resize(OuterSize_ - Frame);
}
