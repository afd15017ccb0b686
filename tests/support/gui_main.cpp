// Test main for the tests that use windows or drawing: starts the headless window system first.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/app.h"

int main(int argc, char** argv) {
  // Test discovery runs this program too, outside the test command's environment.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  testing::InitGoogleTest(&argc, argv);
  if (!platform::Start(argc, argv)) return 2;
  return RUN_ALL_TESTS();
}
