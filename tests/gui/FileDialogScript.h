#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "FileDialogs.h"

// Chooses files in the program's file dialogs for a test without showing them: the paths are
// given before the action, in the order the dialogs will come (an empty optional dismisses a
// dialog), and every dialog asked for is kept. A dialog that comes with no path left is
// dismissed and kept among the asked. A path is returned as given: the dialog's default
// suffix is not added.
//
// Installed for its lifetime; the real dialogs come back when it ends.
class FileDialogScript : public FileDialogAnswerer {
 public:
  FileDialogScript();
  ~FileDialogScript() override;
  FileDialogScript(const FileDialogScript&) = delete;
  FileDialogScript& operator=(const FileDialogScript&) = delete;

  // The file the next dialog chooses (nothing: it is dismissed).
  void Choose(std::optional<QString> path);

  // Every dialog asked for, in order.
  const std::vector<FileDialogRequest>& Asked() const { return asked_; }

  std::optional<QString> Choose(const FileDialogRequest& request) override;

 private:
  struct Choice {
    bool Chosen = false;  // false: the dialog is dismissed
    QString Path;
  };
  std::deque<Choice> choices_;
  std::vector<FileDialogRequest> asked_;
  FileDialogAnswerer* previous_;
};
