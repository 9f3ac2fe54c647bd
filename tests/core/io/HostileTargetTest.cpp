// A save must never turn something that is not a door file into one: a FIFO, a socket, a
// device or a folder named as the target stays what it is, and so does a file made
// read-only, also when the program runs as root. Every refusal names the reason, and nothing
// is left in the folder but what was there.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "io/AtomicFileWriter.h"
#include "io/DoorFileWriter.h"
#include "model/DoorInputs.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// Makes the hostile thing at `path`; false when this machine does not allow it.
using Maker = std::function<bool(const std::string& path)>;

struct HostileCase {
  const char* Name;
  Maker Make;
  const char* Reason;  // what the message says
};

bool MakeFifo(const std::string& path) {
  return ::mkfifo(path.c_str(), 0666) == 0;
}

bool MakeSocket(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::strcpy(address.sun_path, path.c_str());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);  // the socket file stays
  return bound;
}

// A node for the null device inside the test's own folder, never the system's.
bool MakeDevice(const std::string& path) {
  return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

bool MakeFolder(const std::string& path) {
  return fs::create_directory(path);
}

bool MakeReadOnly(const std::string& path) {
  TempFolder::WriteBytes(path, "kept\n");
  return ::chmod(path.c_str(), 0444) == 0;
}

bool MakeLinkToFifo(const std::string& path) {
  return MakeFifo(path + ".fifo") && ::symlink((path + ".fifo").c_str(), path.c_str()) == 0;
}

class HostileTarget : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileTarget, IsRefusedAndLeftAsItWas) {
  const TempFolder folder;
  const std::string path = folder.File("door.brd");
  if (!GetParam().Make(path)) GTEST_SKIP() << "this machine cannot make " << GetParam().Name;
  const std::string before = folder.Listing();
  struct stat old {};
  ASSERT_EQ(::lstat(path.c_str(), &old), 0);

  const std::optional<std::string> problem = AtomicFileWriter().Replace(path, "new content\n");
  ASSERT_TRUE(problem.has_value());
  EXPECT_NE(problem->find(GetParam().Reason), std::string::npos) << *problem;

  struct stat now {};
  ASSERT_EQ(::lstat(path.c_str(), &now), 0);
  EXPECT_EQ(now.st_mode, old.st_mode);
  EXPECT_EQ(now.st_ino, old.st_ino);
  EXPECT_EQ(folder.Listing(), before);
}

TEST_P(HostileTarget, IsNotSavedAsADoor) {
  const TempFolder folder;
  const std::string path = folder.File("door.brd");
  if (!GetParam().Make(path)) GTEST_SKIP() << "this machine cannot make " << GetParam().Name;
  const DoorFileResult saved = DoorFileWriter().Save(path, DoorInputs(), ViewSettings{});
  EXPECT_FALSE(saved.Ok);
  EXPECT_EQ(saved.Message.rfind(path + ": not saved: ", 0), 0u) << saved.Message;
  EXPECT_NE(saved.Message.find(GetParam().Reason), std::string::npos) << saved.Message;
}

INSTANTIATE_TEST_SUITE_P(
    Targets, HostileTarget,
    ::testing::Values(HostileCase{"Fifo", MakeFifo, "not a regular file but a FIFO"},
                      HostileCase{"Socket", MakeSocket, "not a regular file but a socket"},
                      HostileCase{"Device", MakeDevice, "not a regular file but a device"},
                      HostileCase{"Folder", MakeFolder, "it is a folder"},
                      HostileCase{"ReadOnlyFile", MakeReadOnly, "read-only (Permission denied)"},
                      HostileCase{"LinkToFifo", MakeLinkToFifo, "not a regular file but a FIFO"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(HostileTarget, AFileWithAWriteBitIsReplaced) {
  const TempFolder folder;
  const std::string path = folder.File("door.brd");
  TempFolder::WriteBytes(path, "old\n");
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  EXPECT_EQ(AtomicFileWriter().Replace(path, "new\n"), std::nullopt);
  EXPECT_EQ(TempFolder::ReadBytes(path), "new\n");
}

// Full disk, failing device: whatever the program was writing, the user reads the system's
// own reason, and the temporary file is gone.
TEST(HostileTarget, AFullDiskIsNamedAsSuch) {
  const TempFolder folder;
  const std::string path = folder.File("picture.png");
  TempFolder::WriteBytes(path, "old\n");
  AtomicFileWriter::DiskIo io;
  io.Write = [](int, const char*, std::size_t) -> long {
    errno = ENOSPC;
    return -1;
  };
  io.Sync = [](int) { return 0; };
  const auto problem = AtomicFileWriter(io).Replace(path, std::string(100000, 'x'));
  ASSERT_TRUE(problem.has_value());
  EXPECT_NE(problem->find("No space left on device"), std::string::npos) << *problem;
  EXPECT_EQ(TempFolder::ReadBytes(path), "old\n");
  EXPECT_EQ(folder.Listing(), "picture.png\n");
}

}  // namespace
