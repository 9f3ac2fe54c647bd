#include "DoorDocument.h"

#include "io/DoorFileReader.h"
#include "io/DoorFileWriter.h"
#include "model/ViewSettings.h"

DoorDocument::DoorDocument(QObject* parent) : QObject(parent) {
  setObjectName("DoorDocument");
}

void DoorDocument::SetModified(bool modified) {
  if (modified == modified_) return;
  modified_ = modified;
  emit modifiedChanged(modified_);
}

void DoorDocument::MarkModified() {
  SetModified(true);
  emit changed();
}

DoorFileResult DoorDocument::Load(const std::string& path, ViewSettings* view) {
  DoorInputs inputs = board_.Inputs();
  DoorFileResult result = DoorFileReader::Load(path, inputs, view);
  if (!result) return result;
  board_.SetInputs(inputs);
  SetModified(false);
  emit changed();
  emit fileUsed(QString::fromStdString(path));
  return result;
}

DoorFileResult DoorDocument::Save(const std::string& path, const ViewSettings& view) {
  DoorFileResult result = DoorFileWriter().Save(path, board_.Inputs(), view);
  if (!result) return result;
  SetModified(false);
  emit fileUsed(QString::fromStdString(path));
  return result;
}
