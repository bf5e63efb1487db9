#include "TControl.h"

#include <QWidget>

void TControl::SetBounds(int Left, int Top, int Width, int Height) {
  Self_.setGeometry(Left, Top, Width, Height);
}
