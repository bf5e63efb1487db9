#include "TControl.h"

#include "SystemColors.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace {

// Whether Outer is Inner or one of the widgets it was opened from, across windows.
bool Encloses(const QWidget* Outer, const QWidget* Inner) {
  for (; Inner; Inner = Inner->parentWidget())
    if (Inner == Outer)
      return true;
  return false;
}

} // namespace

TControl::TControl(QWidget& Self) : Self_(Self) {
  const QWidget* Parent = Self.parentWidget();
  if (Parent && Self.backgroundRole() == Parent->backgroundRole() &&
      Self.foregroundRole() != Parent->foregroundRole())
    Self.setForegroundRole(Parent->foregroundRole());
}

void TControl::SetBounds(int Left, int Top, int Width, int Height) {
  Self_.setGeometry(Left, Top, Width, Height);
}

int TControl::GetLeft() const {
  return Self_.x();
}

int TControl::GetTop() const {
  return Self_.y();
}

int TControl::GetWidth() const {
  return Self_.width();
}

int TControl::GetHeight() const {
  return Self_.height();
}

void TControl::SetColor(Graphics::TColor Value) {
  Color_ = Value;
  const QPalette::ColorRole Role = SystemColorRole(Value);
  if (Role == Self_.backgroundRole())
    return; // what Qt paints already
  Self_.setBackgroundRole(Role);
  Self_.setAutoFillBackground(true);
}

void TControl::SetFont(const TFont& Value) {
  Font_ = Value;
  Value.AssignTo(Self_);
}

void TControl::SetDescription(const AnsiString& Value) {
  const QString Description = QString::fromStdString(Value);
  if (Description != Self_.accessibleDescription())
    Self_.setAccessibleDescription(Description);
}

bool TControl::IsBlockedByModal() const {
  const QWidget* Window = Self_.window();
  const QWidgetList Windows = QApplication::topLevelWidgets();
  return std::any_of(Windows.begin(), Windows.end(), [Window](const QWidget* Modal) {
    if (!Modal->isVisible() || Modal->windowModality() == Qt::NonModal || Encloses(Modal, Window))
      return false;
    return Modal->windowModality() == Qt::ApplicationModal || Encloses(Window, Modal);
  });
}
