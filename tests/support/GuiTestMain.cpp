// Runs a GUI test binary on Qt's offscreen platform with the application object started, as the
// program starts it; in English whatever the caller's locale, unless QUIZ_OWN_LOCALE is set.
#include "TApplication.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (!getenv("QUIZ_OWN_LOCALE")) {
    setenv("LC_ALL", "C.UTF-8", 1); // over LANG and every LC_ variable
    unsetenv("LANGUAGE");
  }
  ::testing::InitGoogleTest(&argc, argv);
  Application->Initialize();
  const int Result = RUN_ALL_TESTS();
  Application->Finalize();
  return Result;
}
