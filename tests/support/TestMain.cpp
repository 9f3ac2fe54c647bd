#include <gtest/gtest.h>

#include "support/IsolatedHome.h"

// The main of the test programs without a Qt application of their own: GoogleTest's, in a
// home folder of the run's own.
int main(int argc, char** argv) {
  const IsolatedHome home;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
