// Where the quiz window opens: at its designed place (192,125, 651x508 with the frame) when that
// lies within the screen less its panels, else moved just enough to lie within, or to the area's
// top-left corner when it is larger; never resized. CTest runs this on screens of several sizes,
// places and scales, each with the place worked out by hand in QUIZ_EXPECTED_PLACE.
#include "QuizWindowFixture.h"

#include <QScreen>
#include <cstdlib>

using QuizWindowPlacement = QuizWindowFixture;

TEST_F(QuizWindowPlacement, OpensAtItsDesignedPlaceOrAsNearAsTheScreenAllows) {
  const QRect Designed(192, 125, 651, 508);
  const QRect Area = Form1->screen()->availableGeometry();
  const QRect Frame = Form1->frameGeometry();
  const std::string Where = "on a screen of " + std::to_string(Area.width()) + "x" +
                            std::to_string(Area.height()) + " at " + std::to_string(Area.x()) +
                            "," + std::to_string(Area.y());
  EXPECT_EQ(Frame.size(), Designed.size()) << Where;
  if (const char* Expected = std::getenv("QUIZ_EXPECTED_PLACE")) {
    const QStringList XY = QString(Expected).split(',');
    ASSERT_EQ(XY.size(), 2);
    EXPECT_EQ(Frame.topLeft(), QPoint(XY[0].toInt(), XY[1].toInt())) << Where;
  }
  if (Area.contains(Designed))
    EXPECT_EQ(Frame.topLeft(), Designed.topLeft()) << Where;
  else if (Area.width() >= Designed.width() && Area.height() >= Designed.height())
    EXPECT_TRUE(Area.contains(Frame)) << "the window runs off the screen " << Where;
  else
    EXPECT_EQ(Frame.topLeft(), Area.topLeft()) << Where;
}
