#include "support/DoorLoad.h"

#include <gtest/gtest.h>

#include "io/DoorFileReader.h"

DoorInputs LoadedInputs(const std::string& path, ViewSettings* view) {
  DoorInputs door;
  const DoorFileResult read = DoorFileReader::Load(path, door, view);
  EXPECT_TRUE(read.Ok) << read.Message;
  return door;
}
