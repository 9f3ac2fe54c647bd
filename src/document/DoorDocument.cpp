#include "DoorDocument.h"

#include <memory>
#include <utility>

#include "DoorCommand.h"
#include "io/DoorFileReader.h"
#include "io/DoorFileWriter.h"
#include "model/ViewSettings.h"

DoorDocument::DoorDocument(QObject* parent) : QObject(parent) {
  setObjectName("DoorDocument");
  history_.setObjectName("DoorHistory");
  history_.setUndoLimit(kHistoryLimit);
  file_.Saved = state_;
}

DoorDocument::~DoorDocument() {
  // The commands apply themselves through this document: they go first.
  history_.clear();
}

bool DoorDocument::IsModified() const {
  return !(state_ == file_.Saved);
}

bool DoorDocument::Edit(const QString& text, const DoorInputs& door) {
  DoorState after = state_;
  after.Door = door;
  return Push(text, after);
}

bool DoorDocument::Edit(const QString& text, const DoorState& state) {
  return Push(text, state);
}

bool DoorDocument::SetAngles(const QString& text, const BalanceAngles& angles) {
  DoorState after = state_;
  after.Angles = angles;
  return Push(text, after);
}

bool DoorDocument::Push(const QString& text, const DoorState& after) {
  DoorDelta delta = DoorDelta::Between(state_, after);
  if (delta.Empty()) return false;
  history_.push(new DoorCommand(
      text, std::move(delta),
      [this](const DoorCommand& command, bool forward) { Apply(command, forward); }));
  return true;
}

void DoorDocument::Apply(const DoorCommand& command, bool forward) {
  DoorState state = state_;
  command.Delta().Apply(state, forward);
  const DoorFile* file = command.File(forward);
  Take(state, file != nullptr ? *file : file_, file != nullptr ? Change::Replaced : Change::Edited);
}

void DoorDocument::Take(const DoorState& state, const DoorFile& file, Change change) {
  const bool wasModified = IsModified();
  const bool renamed = file.Path != file_.Path;
  state_ = state;
  file_ = file;
  if (renamed) emit fileNameChanged(file_.Path);
  if (IsModified() != wasModified) emit modifiedChanged(IsModified());
  if (change == Change::Replaced) emit replaced();
  if (change != Change::FileOnly) emit changed();
}

DoorFileResult DoorDocument::Read(const QString& path, DoorState& state, ViewSettings* view) const {
  state = state_;
  ViewSettings settings;
  DoorFileResult result = DoorFileReader::Load(path.toStdString(), state.Door, &settings);
  if (!result) return result;
  state.Angles = {settings.Angles[0], settings.Angles[1], settings.Angles[2]};
  if (view) *view = settings;
  return result;
}

DoorFileResult DoorDocument::Load(const QString& path, ViewSettings* view) {
  DoorState read;
  DoorFileResult result = Read(path, read, view);
  if (!result) return result;
  history_.clear();
  Take(read, DoorFile{path, read}, Change::Replaced);
  history_.setClean();
  emit fileUsed(path);
  return result;
}

DoorFileResult DoorDocument::LoadAsStep(const QString& path, const QString& text,
                                        ViewSettings* view) {
  DoorState read;
  DoorFileResult result = Read(path, read, view);
  if (!result) return result;
  history_.push(new DoorCommand(
      text, DoorDelta::Between(state_, read), file_, DoorFile{path, read},
      [this](const DoorCommand& command, bool forward) { Apply(command, forward); }));
  emit fileUsed(path);
  return result;
}

DoorFileResult DoorDocument::Save(const QString& path, ViewSettings view) {
  view.Angles = {state_.Angles.X, state_.Angles.Y, state_.Angles.Z};
  DoorFileResult result = DoorFileWriter().Save(path.toStdString(), state_.Door, view);
  if (!result) return result;
  Take(state_, DoorFile{path, state_}, Change::FileOnly);
  history_.setClean();
  emit fileUsed(path);
  return result;
}
