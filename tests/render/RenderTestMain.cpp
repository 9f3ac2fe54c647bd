#include <gtest/gtest.h>

#include <QGuiApplication>

#include "support/IsolatedHome.h"

// One GUI application object for all drawing tests: fonts and pictures need it, widgets are
// not used. On the offscreen platform unless the caller chose another, in a home folder of
// the run's own (the font cache, for one, is written under it).
int main(int argc, char** argv) {
  const IsolatedHome home;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
