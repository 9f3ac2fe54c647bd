#pragma once

#include <QString>
#include <optional>

class QWidget;

// What a file dialog asks for: an existing file to open, or a name to save under.
struct FileDialogRequest {
  enum class Mode { Open, Save };

  QWidget* Parent = nullptr;
  QString ObjectName;  // the dialog's object name ("OpenDialog1")
  QString Title;
  QString Directory;      // where it opens; a file path there selects that file
  QString SelectedFile;   // a file offered beside the directory (empty: none)
  QString NameFilter;     // "Bitmap (*.bmp);;All files (*)"
  QString DefaultSuffix;  // added to a name typed without one
  Mode Kind = Mode::Open;
};

// Chooses files in place of the user, without showing a dialog. Tests install one to give
// the path before the action and to see which dialogs were asked for.
class FileDialogAnswerer {
 public:
  virtual ~FileDialogAnswerer() = default;
  // The file chosen, or nothing for a dismissed dialog.
  virtual std::optional<QString> Choose(const FileDialogRequest& request) = 0;
};

// Every file dialog of the program goes through here. Without an answerer it shows the real
// modal dialog (Qt's own, not the desktop's, so it looks and behaves the same everywhere).
class FileDialogs {
 public:
  // The file the user chose, or nothing when the dialog was dismissed.
  static std::optional<QString> Choose(const FileDialogRequest& request);

  // Installs the answerer, or with nullptr goes back to showing the dialogs; returns the one
  // installed before.
  static FileDialogAnswerer* SetAnswerer(FileDialogAnswerer* answerer);
};
