#include "SystemColors.h"

QPalette::ColorRole SystemColorRole(Graphics::TColor Color) {
  switch (Color) {
  case Graphics::clBtnFace:
    return QPalette::Window;
  case Graphics::clBtnText:
    return QPalette::ButtonText;
  case Graphics::clWindow:
    return QPalette::Base;
  case Graphics::clWindowText:
    return QPalette::WindowText;
  }
  return QPalette::Window;
}
