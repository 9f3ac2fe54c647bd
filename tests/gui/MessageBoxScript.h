#pragma once

#include <QMessageBox>
#include <QString>
#include <deque>
#include <vector>

#include "MessageBoxes.h"

// Answers the program's message boxes for a test without showing them. The answers are given
// before the action, in the order the boxes will come; every box asked for is kept, so a test
// asserts what was said and that no other box came, at once and without waiting. A box that
// comes with no answer left is answered as its window's close button would (Cancel, else No,
// else its only button) and kept among the asked, which the test then sees.
//
//   MessageBoxScript boxes;
//   boxes.Answer(QMessageBox::No);
//   main.close();
//   ASSERT_EQ(boxes.Asked().size(), 1u);
//   EXPECT_EQ(boxes.Asked()[0].Text, "Save Data?");
//
// Installed for its lifetime; the real boxes come back when it ends.
class MessageBoxScript : public MessageBoxAnswerer {
 public:
  MessageBoxScript();
  ~MessageBoxScript() override;
  MessageBoxScript(const MessageBoxScript&) = delete;
  MessageBoxScript& operator=(const MessageBoxScript&) = delete;

  // The button to press on the next box that has no answer yet.
  void Answer(QMessageBox::StandardButton button);

  // Every box asked for, in order.
  const std::vector<MessageBoxRequest>& Asked() const { return asked_; }
  // The texts of the boxes asked for, in order.
  std::vector<QString> Texts() const;
  // Answers given but not used by a box.
  std::size_t Unused() const { return answers_.size(); }

  QMessageBox::StandardButton Answer(const MessageBoxRequest& request) override;

 private:
  std::deque<QMessageBox::StandardButton> answers_;
  std::vector<MessageBoxRequest> asked_;
  MessageBoxAnswerer* previous_;
};
