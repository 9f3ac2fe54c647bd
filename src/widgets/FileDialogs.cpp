#include "FileDialogs.h"

#include <QFileDialog>

namespace {

FileDialogAnswerer* g_answerer = nullptr;

}  // namespace

std::optional<QString> FileDialogs::Choose(const FileDialogRequest& request) {
  if (g_answerer != nullptr) return g_answerer->Choose(request);
  QFileDialog dialog(request.Parent, request.Title, request.Directory, request.NameFilter);
  dialog.setObjectName(request.ObjectName);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const bool save = request.Kind == FileDialogRequest::Mode::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.DefaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.DefaultSuffix);
  if (!request.SelectedFile.isEmpty()) dialog.selectFile(request.SelectedFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

FileDialogAnswerer* FileDialogs::SetAnswerer(FileDialogAnswerer* answerer) {
  FileDialogAnswerer* previous = g_answerer;
  g_answerer = answerer;
  return previous;
}
