#include <gtest/gtest.h>

#include <QApplication>

#include "gui/ModalAnswer.h"
#include "gui/TestHangWatchdog.h"
#include "support/IsolatedHome.h"

namespace {
// Ends the modal-window watches a test left running when it finished.
class ModalWatchCleaner : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override { CancelModalAnswers(); }
};
}  // namespace

// One application object for all widget tests, on the offscreen platform unless the caller
// chose another. The program keeps the recent doors, the language and the solver choice in
// the user's settings: the tests run in a home folder of their own, made before the
// application object, so the user's own settings are never read or written, by the tests
// nor by a program they start.
int main(int argc, char** argv) {
  const IsolatedHome home;
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  // Named as the program names itself, so that its settings path is the program's from the
  // first test on, whichever test a process runs alone.
  QApplication::setOrganizationName("DoorTrim");
  QApplication::setApplicationName("DoorTrim");
  auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
  listeners.Append(new ModalWatchCleaner);
  // Far above the slowest test (a few seconds, several times that under the sanitizers).
  const int hangSeconds = qEnvironmentVariableIntValue("DOORTRIM_TEST_HANG_SECONDS");
  listeners.Append(new TestHangWatchdog(std::chrono::seconds(hangSeconds > 0 ? hangSeconds : 150)));
  return RUN_ALL_TESTS();
}
