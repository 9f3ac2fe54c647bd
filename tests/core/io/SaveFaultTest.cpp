// The last step of every safe save is the rename of the finished temporary file over the
// target. When the system refuses it (another device, a busy or protected target), the
// previous file must stay exactly as it was, no temporary file may be left behind, and the
// user must be told why. Root ignores permissions, so the refusal is played through the seam.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "io/AtomicFileWriter.h"
#include "io/DoorFileWriter.h"
#include "model/DoorInputs.h"
#include "report/CalcLog.h"
#include "support/TempFolder.h"

namespace {

constexpr const char* kOldText = "the previous file\n";

// Writes and flushes as the system does, then refuses the rename with `error`.
AtomicFileWriter::DiskIo RefusingRename(int error, int* renames) {
  AtomicFileWriter::DiskIo io;
  io.Write = [](int fd, const char* data, std::size_t size) -> long {
    return static_cast<long>(::write(fd, data, size));
  };
  io.Sync = [](int fd) { return ::fsync(fd); };
  io.Rename = [error, renames](const char*, const char*) {
    ++*renames;
    errno = error;
    return -1;
  };
  return io;
}

TEST(SaveFault, RefusedRenameKeepsThePreviousDoorFile) {
  const TempFolder folder;
  const std::string path = folder.File("door.brd");
  TempFolder::WriteBytes(path, kOldText);
  int renames = 0;
  const DoorFileResult result =
      DoorFileWriter(RefusingRename(EXDEV, &renames)).Save(path, DoorInputs(), ViewSettings{});
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(renames, 1);
  EXPECT_EQ(result.Message, path + ": not saved: cannot replace '" + path +
                                "': " + std::strerror(EXDEV) + "; the previous file is unchanged");
  EXPECT_EQ(TempFolder::ReadBytes(path), kOldText);
  EXPECT_EQ(folder.Listing(), "door.brd\n");
}

TEST(SaveFault, RefusedRenameOfANewDoorFileLeavesNothing) {
  const TempFolder folder;
  const std::string path = folder.File("new.brd");
  int renames = 0;
  const DoorFileResult result =
      DoorFileWriter(RefusingRename(EBUSY, &renames)).Save(path, DoorInputs(), ViewSettings{});
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Message.find(std::strerror(EBUSY)), std::string::npos) << result.Message;
  // There was no previous file, so the message does not promise one.
  EXPECT_EQ(result.Message.find("previous file"), std::string::npos) << result.Message;
  EXPECT_EQ(folder.Listing(), "");
}

TEST(SaveFault, AFileInPlaceOfTheFolderIsReported) {
  const TempFolder folder;
  const std::string notAFolder = folder.File("notes.txt");
  TempFolder::WriteBytes(notAFolder, kOldText);
  const std::string path = notAFolder + "/door.brd";
  const DoorFileResult result = DoorFileWriter().Save(path, DoorInputs(), ViewSettings{});
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Message.find(std::strerror(ENOTDIR)), std::string::npos) << result.Message;
  EXPECT_EQ(TempFolder::ReadBytes(notAFolder), kOldText);
  EXPECT_EQ(folder.Listing(), "notes.txt\n");
}

TEST(SaveFault, RefusedRenameKeepsTheCalculationLog) {
  const TempFolder folder;
  const std::string path = folder.File(kCalcLogName);
  TempFolder::WriteBytes(path, kOldText);
  int renames = 0;
  const CalcLogResult result =
      AppendToCalcLog(path, "a new report\n", AtomicFileWriter(RefusingRename(EACCES, &renames)));
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(renames, 1);
  EXPECT_NE(result.Message.find(path), std::string::npos) << result.Message;
  EXPECT_NE(result.Message.find(std::strerror(EACCES)), std::string::npos) << result.Message;
  EXPECT_EQ(TempFolder::ReadBytes(path), kOldText);
  EXPECT_EQ(folder.Listing(), std::string(kCalcLogName) + "\n");
}

}  // namespace
