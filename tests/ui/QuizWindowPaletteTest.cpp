// Every text of the quiz window stays readable in the desktop's colours, whichever palette the
// desktop starts with and whichever it switches to while the quiz runs.
#include "PaintedColours.h"
#include "QuizWindowFixture.h"

namespace {

class QuizWindowPalette : public PaletteSwitch,
                          public ::testing::WithParamInterface<const DesktopPalette*> {
protected:
  void TearDown() override {
    delete Form1;
    Form1 = nullptr;
    CurrentQuestion = 0;
    PaletteSwitch::TearDown();
  }
  static void ExpectReadable(const DesktopPalette& Palette) {
    ExpectPaintedIn(
        *Form1, Palette,
        {Form1->Label1, Form1->Label2, Form1->Label3, Form1->Label4, Form1->Label5, Form1->Label6},
        {Form1->Edit1, Form1->Memo1}, {Form1->Button1});
  }
};

} // namespace

TEST_P(QuizWindowPalette, EveryTextIsReadableAtStartAndAfterEachSwitch) {
  SwitchTo(*GetParam());
  Application->CreateForm(Form1);
  Form1->show();
  Form1->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  ASSERT_TRUE(QTest::qWaitFor([] { return !Form1->Memo1->GetText().empty(); }));
  Form1->Edit1->SetText("3");
  ExpectReadable(*GetParam());
  for (const DesktopPalette* Next : {&LightPalette, &DarkPalette, &HighContrastPalette})
    if (Next != GetParam()) {
      SwitchTo(*Next);
      ExpectReadable(*Next);
    }
}

INSTANTIATE_TEST_SUITE_P(StartingFrom, QuizWindowPalette,
                         ::testing::Values(&LightPalette, &DarkPalette, &HighContrastPalette),
                         [](const auto& Info) {
                           std::string Name = Info.param->Name;
                           Name.erase(std::remove(Name.begin(), Name.end(), ' '), Name.end());
                           return Name;
                         });
