#include "gui/FileDialogScript.h"

FileDialogScript::FileDialogScript() : previous_(FileDialogs::SetAnswerer(this)) {}

FileDialogScript::~FileDialogScript() {
  FileDialogs::SetAnswerer(previous_);
}

void FileDialogScript::Choose(std::optional<QString> path) {
  choices_.push_back(path ? Choice{true, *path} : Choice{});
}

std::optional<QString> FileDialogScript::Choose(const FileDialogRequest& request) {
  asked_.push_back(request);
  if (choices_.empty()) return std::nullopt;
  const Choice choice = choices_.front();
  choices_.pop_front();
  if (!choice.Chosen) return std::nullopt;
  return choice.Path;
}
