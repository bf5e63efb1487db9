#include "TControl.h"

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
  QPalette Palette = Self_.palette();
  Palette.setColor(Self_.backgroundRole(), Palette.color(ColorRole(Value)));
  Self_.setPalette(Palette);
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

QPalette::ColorRole TControl::ColorRole(Graphics::TColor Color) {
  switch (Color) {
  case Graphics::clBtnFace:
    return QPalette::Button;
  case Graphics::clBtnText:
    return QPalette::ButtonText;
  case Graphics::clWindow:
    return QPalette::Base;
  case Graphics::clWindowText:
    return QPalette::WindowText;
  }
  return QPalette::Window;
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
