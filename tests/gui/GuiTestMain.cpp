#include <gtest/gtest.h>

#include <QApplication>

#include "gui/ModalAnswer.h"

namespace {
// Ends the modal-window watches a test left running when it finished.
class ModalWatchCleaner : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override { CancelModalAnswers(); }
};
}  // namespace

// One application object for all widget tests, on the offscreen platform unless the caller
// chose another.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                   : qgetenv("QT_QPA_PLATFORM"));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("DoorTrim");
  ::testing::UnitTest::GetInstance()->listeners().Append(new ModalWatchCleaner);
  return RUN_ALL_TESTS();
}
