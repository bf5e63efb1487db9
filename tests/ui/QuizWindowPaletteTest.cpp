// Every text of the quiz window stays readable in the desktop's colours, whichever palette the
// desktop switches to while the quiz runs.
#include "PaintedColours.h"
#include "QuizWindowFixture.h"

using QuizWindowPalette = QuizWindowFixture;

TEST_F(QuizWindowPalette, EveryTextIsReadableAfterEachSwitch) {
  const auto Kept = PaletteKept();
  ASSERT_TRUE(QTest::qWaitFor([] { return !Form1->Memo1->GetText().empty(); }));
  Form1->Edit1->SetText("3");
  for (const DesktopPalette* Next : {&DarkPalette, &HighContrastPalette, &LightPalette}) {
    SwitchPalette(*Next);
    ExpectPaintedIn(*Form1, *Next);
  }
}
