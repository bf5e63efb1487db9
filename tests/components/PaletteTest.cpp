// The system colours of a description follow the desktop's palette, also when it changes while the
// window is up, as in a bare Qt window; read back from what the test form paints.
#include "FormReader.h"
#include "PaintedColours.h"
#include "TTestForm.h"

#include <QTest>
#include <memory>

namespace {

// The test form (Color clBtnFace) or another description of it, built under Under and shown.
std::unique_ptr<TTestForm> Shown(const DesktopPalette& Under, const char* Other = nullptr) {
  SwitchPalette(Under);
  auto Form = std::make_unique<TTestForm>(nullptr);
  Other ? ReadForm(*Form, Other, "a test description") : ReadForm(*Form);
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

// The other system colours a description may give are roles of the palette too: a form filled
// as a field, with button text, and its labels in its font's colour unless they have their own.
TEST(Palette, OtherSystemColoursOfADescriptionFollowThePaletteToo) {
  const auto Kept = PaletteKept();
  const auto Form = Shown(LightPalette, R"({"Name": "TestForm", "Class": "TTestForm",
    "Width": 300, "Height": 200, "Color": "clWindow", "Font.Color": "clBtnText", "Components": [
      {"Name": "Label1", "Class": "TLabel", "Left": 10, "Top": 10, "Caption": "1:"},
      {"Name": "Label2", "Class": "TLabel", "Left": 50, "Top": 10, "Caption": "2:",
       "Font.Color": "clWindowText"}, {"Name": "Memo1", "Class": "TMemo", "Left": 10, "Top": 50},
      {"Name": "Edit1", "Class": "TEdit", "Left": 10, "Top": 100},
      {"Name": "Button1", "Class": "TButton", "Left": 150, "Top": 100},
      {"Name": "Timer1", "Class": "TTimer"}]})");
  const DesktopPalette Colourful{"colourful", "#c8dcf0", "#5a0000", "#fffac8",
                                 "#004600",   "#d2d2ff", "#000078"};
  for (const DesktopPalette* Palette : {&Colourful, &DarkPalette}) {
    SwitchPalette(*Palette);
    const Painted Face = PaintedIn(*Form, QRect(0, 0, 8, 8)),
                  One = PaintedIn(*Form, InWindow(*Form->Label1)),
                  Two = PaintedIn(*Form, InWindow(*Form->Label2));
    EXPECT_TRUE(Face.Ground == Palette->Base && One.Ground == Palette->Base &&
                Near(One.Ink, Palette->ButtonText) && Near(Two.Ink, Palette->WindowText))
        << "the form, its labels paint " << Face.Text() << ", " << One.Text() << ", " << Two.Text()
        << " under the " << Palette->Name << " palette";
  }
}
