// The system colours of a description follow the desktop's palette, also when it changes while the
// window is up, as in a bare Qt window; read back from what the test form paints.
#include "FormReader.h"
#include "PaintedColours.h"
#include "TTestForm.h"

#include <QTest>
#include <memory>

namespace {

// The test form (Color clBtnFace), built under Under and shown.
std::unique_ptr<TTestForm> Shown(const DesktopPalette& Under) {
  SwitchPalette(Under);
  auto Form = std::make_unique<TTestForm>(nullptr);
  ReadForm(*Form);
  Form->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  return Form;
}

} // namespace

// Built under one palette, every component follows each switch; where the desktop draws buttons
// lighter than windows, the form has the window's face and the button stands out from it.
TEST(Palette, EveryComponentFollowsThePaletteAtStartAndThroughEachSwitch) {
  const auto Kept = PaletteKept();
  const auto Light = Shown(LightPalette);
  for (const DesktopPalette* Next :
       {&LightPalette, &DarkPalette, &HighContrastPalette, &BreezeLightPalette}) {
    SwitchPalette(*Next);
    ExpectPaintedIn(*Light, *Next);
  }
  const auto Dark = Shown(DarkPalette);
  ExpectPaintedIn(*Dark, DarkPalette);
  SwitchPalette(BreezeLightPalette);
  const QRect Button = InWindow(*Dark->Button1);
  const QColor Face = PaintedIn(*Dark, Button.adjusted(3, 3, -3, -3)).Ground;
  EXPECT_LT(std::abs(Face.lightness() - BreezeLightPalette.Button.lightness()),
            std::abs(Face.lightness() - BreezeLightPalette.Window.lightness()))
      << "the button's face " << Face.name().toStdString() << " is the window's";
}
