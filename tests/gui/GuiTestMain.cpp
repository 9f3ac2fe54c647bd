#include <gtest/gtest.h>

#include <QApplication>

// One application object for all widget tests, on the offscreen platform unless the caller
// chose another.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                   : qgetenv("QT_QPA_PLATFORM"));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("DoorTrim");
  return RUN_ALL_TESTS();
}
