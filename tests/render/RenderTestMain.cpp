#include <gtest/gtest.h>

#include <QGuiApplication>

// One GUI application object for all drawing tests: fonts and pictures need it, widgets are
// not used. On the offscreen platform unless the caller chose another.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
