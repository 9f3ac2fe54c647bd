#include "DoorDocument.h"

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
  DoorFileResult result = board_.LoadFromFile(path, view);
  if (!result) return result;
  SetModified(false);
  emit changed();
  emit fileUsed(QString::fromStdString(path));
  return result;
}

DoorFileResult DoorDocument::Save(const std::string& path, const ViewSettings& view) {
  DoorFileResult result = board_.SaveToFile(path, view);
  if (!result) return result;
  SetModified(false);
  emit fileUsed(QString::fromStdString(path));
  return result;
}
