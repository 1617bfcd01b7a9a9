// The main of every test program. On Windows it first puts the message-box recorder in
// place, so that no error report ever waits for a click.
#include <gtest/gtest.h>

#ifdef _WIN32
#include "tests/support/win32_support.h"
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#ifdef _WIN32
  test::InstallMessageBoxRecorder();
#endif
  return RUN_ALL_TESTS();
}
