#include <memory>

#include "io/DoorFileReader.h"
#include "io/DoorFileWriter.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"

DoorFileResult TBoard::LoadFromFile(const std::string& path, ViewSettings* view) {
  // Read into a scratch door, so that a file that fails half-way changes nothing here.
  const auto parsed = std::make_unique<TBoard>();
  ViewSettings settings;
  DoorFileResult result = DoorFileReader::ReadFile(path, *parsed, settings);
  if (!result.Ok) return result;

  Hydro = parsed->Hydro;
  Ground = parsed->Ground;
  KeelGeom = parsed->KeelGeom;
  for (const EditableField& field : kMainParams)
    this->*field.Field = (*parsed).*field.Field;
  Ranges = parsed->Ranges;
  for (const EditableField& field : kEnvironmentFields)
    this->*field.Field = (*parsed).*field.Field;
  Bottom = parsed->Bottom;
  FrontPicture = std::move(parsed->FrontPicture);
  PlanPicture = std::move(parsed->PlanPicture);
  SidePicture = std::move(parsed->SidePicture);
  ComputeGeometry();
  if (view) *view = settings;
  return result;
}

DoorFileResult TBoard::SaveToFile(const std::string& path, const ViewSettings& view) const {
  return DoorFileWriter().Save(path, *this, view);
}
