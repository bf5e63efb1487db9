// The system colours of a description follow the desktop's palette, also when it changes while the
// window is up, as in a bare Qt window; read back from what the test form paints.
#include "FormReader.h"
#include "PaintedColours.h"
#include "TTestForm.h"

#include <QTest>
#include <memory>

namespace {

class Palette : public PaletteSwitch {
protected:
  // The test form (its Color is clBtnFace), shown, built under the palette the test starts with.
  std::unique_ptr<TTestForm> Shown(const QByteArray& Description = {}) {
    auto Form = std::make_unique<TTestForm>(nullptr);
    if (Description.isEmpty())
      ReadForm(*Form);
    else
      ReadForm(*Form, Description, "a test description");
    Form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    return Form;
  }
};

void ExpectFormPaintedIn(TTestForm& Form, const DesktopPalette& Palette) {
  ExpectPaintedIn(Form, Palette, {Form.Label1, Form.Label2}, {Form.Edit1, Form.Memo1},
                  {Form.Button1});
}

} // namespace

TEST_F(Palette, EveryComponentFollowsThePaletteAtStartAndThroughEachSwitch) {
  SwitchTo(LightPalette);
  const auto Form = Shown();
  ExpectFormPaintedIn(*Form, LightPalette);
  for (const DesktopPalette* Next : {&DarkPalette, &HighContrastPalette, &LightPalette}) {
    SwitchTo(*Next);
    ExpectFormPaintedIn(*Form, *Next);
  }
  // A window built under a dark palette is as much at home in it.
  const auto Dark = (SwitchTo(DarkPalette), Shown());
  ExpectFormPaintedIn(*Dark, DarkPalette);
}

// Where the desktop draws buttons lighter than windows, the form has the window's face and the
// button stands out from it.
TEST_F(Palette, TheFormHasTheWindowsFaceAndTheButtonItsOwn) {
  SwitchTo(DarkPalette);
  const auto Form = Shown();
  SwitchTo(BreezeLightPalette);
  ExpectFormPaintedIn(*Form, BreezeLightPalette);
  const QRect Button = InWindow(*Form->Button1);
  const QColor Face = PaintedIn(*Form, Button.adjusted(3, 3, -3, -3)).Ground;
  const QColor Beside = PaintedIn(*Form, Button.translated(0, Button.height() + 2)).Ground;
  EXPECT_EQ(Beside, BreezeLightPalette.Window);
  EXPECT_LT(std::abs(Face.lightness() - BreezeLightPalette.Button.lightness()),
            std::abs(Face.lightness() - BreezeLightPalette.Window.lightness()))
      << "the button's face " << Named(Face) << " is the window's, not the button's";
}

// The other system colours a description may give are roles of the palette too: a form filled
// as a field, with button text, and its labels in its font's colour.
TEST_F(Palette, OtherSystemColoursOfADescriptionFollowThePaletteToo) {
  SwitchTo(LightPalette);
  const QByteArray Description = R"({"Name": "TestForm", "Class": "TTestForm",
    "Width": 300, "Height": 200, "Color": "clWindow", "Font.Color": "clBtnText",
    "Components": [
      {"Name": "Label1", "Class": "TLabel", "Left": 10, "Top": 10, "Caption": "1:"},
      {"Name": "Label2", "Class": "TLabel", "Left": 50, "Top": 10, "Caption": "2:",
       "Font.Color": "clWindowText"},
      {"Name": "Memo1", "Class": "TMemo", "Left": 10, "Top": 50},
      {"Name": "Edit1", "Class": "TEdit", "Left": 10, "Top": 100},
      {"Name": "Button1", "Class": "TButton", "Left": 150, "Top": 100},
      {"Name": "Timer1", "Class": "TTimer"}]})";
  const auto Form = Shown(Description);
  const DesktopPalette Colourful{
      "colourful",      QColor(200, 220, 240), QColor(90, 0, 0), QColor(255, 250, 200),
      QColor(0, 70, 0), QColor(210, 210, 255), QColor(0, 0, 120)};
  for (const DesktopPalette* Palette : {&Colourful, &DarkPalette}) {
    SwitchTo(*Palette);
    const std::string In = std::string(" under the ") + Palette->Name + " palette";
    EXPECT_EQ(PaintedIn(*Form, QRect(0, 0, 8, 8)).Ground, Palette->Base) << In;
    const Painted Own = PaintedIn(*Form, InWindow(*Form->Label1));
    EXPECT_TRUE(Own.Ground == Palette->Base && Near(Own.Ink, Palette->ButtonText))
        << "the label in the form's font colour paints " << Named(Own.Ink) << " on "
        << Named(Own.Ground) << In;
    EXPECT_TRUE(Near(PaintedIn(*Form, InWindow(*Form->Label2)).Ink, Palette->WindowText))
        << "a label's own font colour was lost" << In;
  }
}
