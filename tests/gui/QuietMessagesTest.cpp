#include "QuietMessages.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QWidget>
#include <cstdio>
#include <string>

#include "MessageBoxes.h"
#include "gui/MessageBoxScript.h"

// With nobody at the screen, the program's messages become lines of a log, and a question takes
// the answer that changes nothing.
namespace {

// Everything written to the stream so far.
std::string Written(std::FILE* stream) {
  std::fflush(stream);
  std::rewind(stream);
  std::string text;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, stream) != nullptr)
    text += buffer;
  return text;
}

TEST(QuietMessages, EveryMessageIsOneLineOfTheLogAndNoBox) {
  std::FILE* log = std::tmpfile();
  ASSERT_NE(log, nullptr);
  MessageBoxScript boxes;  // would see any box that still came
  {
    QuietMessages quiet(log);
    QWidget parent;
    MessageBoxes::Critical(&parent, "Error",
                           "Density of Water\r\rPanel1 : Edit1Value is out of range");
    MessageBoxes::Information(&parent, "Language", "Door.lru: line 7: the file ends");
    EXPECT_EQ(quiet.Taken(), QStringList({"Density of Water Panel1 : Edit1Value is out of range",
                                          "Door.lru: line 7: the file ends"}));
  }
  EXPECT_TRUE(boxes.Asked().empty());
  EXPECT_EQ(Written(log),
            "doortrim: Error: Density of Water Panel1 : Edit1Value is out of range\n"
            "doortrim: Language: Door.lru: line 7: the file ends\n");
  std::fclose(log);
  // Gone with the quiet answerer: the boxes come again.
  MessageBoxes::Warning(nullptr, "Title", "shown");
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"shown"});
}

struct QuestionCase {
  const char* Name;
  QMessageBox::StandardButtons Buttons;
  QMessageBox::StandardButton Default;
  QMessageBox::StandardButton Expected;
};

class QuietQuestions : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(QuietQuestions, TakeTheAnswerThatChangesNothing) {
  const QuestionCase c = GetParam();
  QuietMessages quiet(nullptr);
  EXPECT_EQ(MessageBoxes::Question(nullptr, "DoorTrim", "Save Data?", c.Buttons, c.Default),
            c.Expected);
  EXPECT_EQ(quiet.Taken().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuietQuestions,
    ::testing::Values(
        QuestionCase{"CancelOverYes", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                     QMessageBox::Yes, QMessageBox::Cancel},
        QuestionCase{"NoOverADefaultYes", QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                     QMessageBox::No},
        QuestionCase{"OkAlone", QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::Ok}),
    [](const auto& info) { return std::string(info.param.Name); });

// A notice that does not wait for a button is logged, but holds nobody up: it is not among
// the messages a macro answers with.
TEST(QuietMessages, ANoticeShownWithoutWaitingIsLoggedOnly) {
  std::FILE* log = std::tmpfile();
  ASSERT_NE(log, nullptr);
  {
    QuietMessages quiet(log);
    MessageBoxRequest notice;
    notice.Title = "DoorTrim";
    notice.Text = "This conversation is finished!";
    EXPECT_EQ(MessageBoxes::ShowWithoutWaiting(notice), nullptr);
    EXPECT_TRUE(quiet.Taken().isEmpty());
  }
  EXPECT_EQ(Written(log), "doortrim: DoorTrim: This conversation is finished!\n");
  std::fclose(log);
}

}  // namespace
