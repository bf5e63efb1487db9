// Runs a GUI test binary on Qt's offscreen platform (no display needed) with the application
// object started, as the program starts it.
#include "TApplication.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  Application->Initialize();
  const int Result = RUN_ALL_TESTS();
  Application->Finalize();
  return Result;
}
