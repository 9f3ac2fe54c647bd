#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "DoorFile.h"
#include "DoorState.h"
#include "io/DoorFileResult.h"

class DoorCommand;
struct ViewSettings;

// The door the program works on: its inputs and balance angles, the file it is kept in, and
// the history of its changes. Every change of the door goes through here as one command of the
// history, which names what changed and can be undone and redone; windows hold working copies
// only while a dialog is open and follow the door through changed().
//
// The door holds unsaved changes (IsModified) exactly when it differs from what its file held
// when it was last read or written there: undoing back to the saved door clears it, and an
// edit that puts the old values back does too.
class DoorDocument : public QObject {
  Q_OBJECT

 public:
  // At most this many steps are kept for Undo.
  static constexpr int kHistoryLimit = 1000;

  explicit DoorDocument(QObject* parent = nullptr);
  ~DoorDocument() override;

  const DoorState& State() const { return state_; }
  const DoorInputs& Door() const { return state_.Door; }
  const BalanceAngles& Angles() const { return state_.Angles; }

  // Changes the door to `door` (the angles stay) or `state` as one step of the history named
  // `text`. A change that changes nothing is no step: false, and nothing is signalled.
  bool Edit(const QString& text, const DoorInputs& door);
  bool Edit(const QString& text, const DoorState& state);
  bool SetAngles(const QString& text, const BalanceAngles& angles);

  // The file the door was last read from or written to; empty for a new door.
  const QString& FileName() const { return file_.Path; }
  // Whether the door differs from what its file holds (from the default door for a new one).
  bool IsModified() const;

  // Reads a door data file in place of the door, all or nothing: the door becomes the file's,
  // unmodified, with a history of its own. A failed read changes nothing. The window settings
  // of the file go to *view (its balance angles are the door's).
  DoorFileResult Load(const QString& path, ViewSettings* view = nullptr);
  // The same as one step of the history, for a reader that cannot ask first whether the door
  // it replaces should be saved: undoing it brings that door back, with its file.
  DoorFileResult LoadAsStep(const QString& path, const QString& text, ViewSettings* view = nullptr);
  // Writes the door with the given window settings (their angles are taken from the door); a
  // door written is unmodified and the file is its file. A failed write changes nothing.
  DoorFileResult Save(const QString& path, ViewSettings view);

  // The history, for Undo and Redo commands and their texts.
  QUndoStack& History() { return history_; }
  const QUndoStack& History() const { return history_; }

 signals:
  // The door differs from before: an edit, an undo or redo, a file read.
  void changed();
  // Another door took the place of this one (a file read): what was worked out for the old
  // door no longer applies. changed() follows.
  void replaced();
  void modifiedChanged(bool modified);
  void fileNameChanged(const QString& path);
  // A door file was read or written successfully: the file the user works with.
  void fileUsed(const QString& path);

 private:
  // Pushes one step; false when it would change nothing.
  bool Push(const QString& text, const DoorState& after);
  void Apply(const DoorCommand& command, bool forward);
  // What Take signals besides the file and the modified flag.
  enum class Change { Edited, Replaced, FileOnly };
  // Makes `state` and `file` the door's and says what changed.
  void Take(const DoorState& state, const DoorFile& file, Change change);
  DoorFileResult Read(const QString& path, DoorState& state, ViewSettings* view) const;

  DoorState state_;
  DoorFile file_;
  QUndoStack history_;
};
