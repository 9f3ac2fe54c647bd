#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "io/DoorFileResult.h"
#include "model/TBoard.h"

struct ViewSettings;

// The door the program works on: the one door model, and whether it holds changes that are
// not in a file yet. Windows read and write the door's fields directly; a window that wrote
// changes the user made tells the document so (MarkModified), and reading or writing a file
// goes through it. It is the only place that keeps the modified flag, and it signals every
// change to the windows that listen.
class DoorDocument : public QObject {
  Q_OBJECT

 public:
  explicit DoorDocument(QObject* parent = nullptr);

  TBoard& Board() { return board_; }
  const TBoard& Board() const { return board_; }

  // Whether the door holds changes that were made since it was created, read or saved.
  bool IsModified() const { return modified_; }
  // A window wrote the user's changes into the door: it is modified, and changed() follows.
  void MarkModified();
  // Sets the flag itself, as a file read or written does (false); modifiedChanged() follows a
  // change of it.
  void SetModified(bool modified);

  // Reads a door data file into the door, all or nothing (TBoard::LoadFromFile); a door read
  // is unmodified, and changed() follows. A failed read changes nothing.
  DoorFileResult Load(const std::string& path, ViewSettings* view = nullptr);
  // Writes the door and the window settings to the file; a door written is unmodified. A failed
  // write changes nothing.
  DoorFileResult Save(const std::string& path, const ViewSettings& view);

 signals:
  // The door's data changed through the document: a window's changes, a file read.
  void changed();
  void modifiedChanged(bool modified);
  // A door file was read or written successfully: the file the user works with.
  void fileUsed(const QString& path);

 private:
  TBoard board_;
  bool modified_ = false;
};
