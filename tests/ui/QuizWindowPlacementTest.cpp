// Where the quiz window opens: at its designed place when that lies within the screen less its
// panels, else moved just enough to lie within, or to the area's top-left corner when it is
// larger; never resized. CTest runs this on screens of several sizes, places and scales, each with
// the place worked out by hand in QUIZ_EXPECTED_PLACE.
#include "QuizWindowFixture.h"

#include <QScreen>

using QuizWindowPlacement = QuizWindowFixture;

TEST_F(QuizWindowPlacement, OpensAtItsDesignedPlaceOrAsNearAsTheScreenAllows) {
  const QRect Area = Form1->screen()->availableGeometry();
  const QStringList Place = qEnvironmentVariable("QUIZ_EXPECTED_PLACE").split(',');
  if (Place.size() != 2)
    GTEST_SKIP() << "run by CTest on a screen of its own, with QUIZ_EXPECTED_PLACE set";
  EXPECT_EQ(Form1->frameGeometry(), QRect(Place[0].toInt(), Place[1].toInt(), 651, 508))
      << "on a screen of " << Area.width() << "x" << Area.height() << " at " << Area.x() << ","
      << Area.y();
}
