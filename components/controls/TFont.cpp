#include "TFont.h"

#include "FontFamilies.h"
#include "SystemColors.h"

#include <QWidget>
#include <cstdlib>

void TFont::AssignTo(QWidget& Widget) const {
  QFont Font = Widget.font();
  if (!Name.isEmpty())
    Font.setFamilies(FontFamilies(Name));
  if (Height != 0)
    Font.setPixelSize(std::abs(Height));
  Font.setBold(Style.testFlag(Graphics::fsBold));
  Font.setItalic(Style.testFlag(Graphics::fsItalic));
  Font.setUnderline(Style.testFlag(Graphics::fsUnderline));
  Font.setStrikeOut(Style.testFlag(Graphics::fsStrikeOut));
  Widget.setFont(Font);
  const QPalette::ColorRole Role = SystemColorRole(Color);
  if (Widget.foregroundRole() != Role)
    Widget.setForegroundRole(Role);
}
