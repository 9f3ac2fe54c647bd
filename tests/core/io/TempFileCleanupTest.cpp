// No hidden temporary file outlives a save: not when the save fails, not when it is cut short
// by an exception or by a signal that can be caught, and one left by a process killed
// outright goes with the next save into the same folder.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <string>

#include "io/AtomicFileWriter.h"
#include "io/TempFileRegistry.h"
#include "support/TempFolder.h"

namespace {

// Sets a file's modification time `age` into the past.
void MakeOld(const std::string& path, std::chrono::seconds age) {
  const auto when = std::chrono::system_clock::now() - age;
  timespec times[2];
  times[0].tv_sec = std::chrono::system_clock::to_time_t(when);
  times[0].tv_nsec = 0;
  times[1] = times[0];
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// A process number no process has: above the largest the system hands out.
constexpr long kGonePid = 999999999;

struct LeftOver {
  const char* Name;
  std::string File;  // the name in the folder
  std::chrono::seconds Age;
  bool Removed;
};

class StaleTempFiles : public ::testing::TestWithParam<LeftOver> {};

TEST_P(StaleTempFiles, AreRemovedByTheNextSaveOnlyWhenTheyAreOurs) {
  const TempFolder folder;
  const std::string leftOver = folder.File(GetParam().File);
  TempFolder::WriteBytes(leftOver, "half a door");
  MakeOld(leftOver, GetParam().Age);
  ASSERT_EQ(AtomicFileWriter().Replace(folder.File("door.brd"), "whole door\n"), std::nullopt);
  EXPECT_EQ(std::filesystem::exists(leftOver), !GetParam().Removed) << folder.Listing();
  EXPECT_EQ(TempFolder::ReadBytes(folder.File("door.brd")), "whole door\n");
}

const std::string kGone = std::to_string(kGonePid);
const std::string kAlive = std::to_string(::getpid());

INSTANTIATE_TEST_SUITE_P(
    Folder, StaleTempFiles,
    ::testing::Values(LeftOver{"OldOfAGoneProcess", ".door.brd." + kGone + "-1a2b-0.tmp",
                               std::chrono::seconds(120), true},
                      LeftOver{"OldOfAnotherTarget", ".oval.brd." + kGone + "-ff-3.tmp",
                               std::chrono::seconds(3600), true},
                      LeftOver{"YoungOfAGoneProcess", ".door.brd." + kGone + "-1a2b-0.tmp",
                               std::chrono::seconds(5), false},
                      LeftOver{"OldOfALiveProcess", ".door.brd." + kAlive + "-1a2b-0.tmp",
                               std::chrono::seconds(120), false},
                      LeftOver{"NotOurPattern", ".door.brd.tmp", std::chrono::seconds(3600), false},
                      LeftOver{"UpperCaseHex", ".door.brd." + kGone + "-1A2B-0.tmp",
                               std::chrono::seconds(120), false},
                      LeftOver{"UserFile", "notes-1-2.tmp", std::chrono::seconds(3600), false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TempFileCleanup, TheNameOfATempFileTellsItsProcess) {
  EXPECT_EQ(AtomicFileWriter::TempFileOwner(".door.brd.1234-abc-0.tmp"), 1234);
  EXPECT_EQ(AtomicFileWriter::TempFileOwner(".a.b.c.77-0-12.tmp"), 77);
  EXPECT_EQ(AtomicFileWriter::TempFileOwner("door.brd.1234-abc-0.tmp"), std::nullopt);
  EXPECT_EQ(AtomicFileWriter::TempFileOwner(".door.brd.12x4-abc-0.tmp"), std::nullopt);
  EXPECT_EQ(AtomicFileWriter::TempFileOwner(".door.brd.1234-abc.tmp"), std::nullopt);
}

TEST(TempFileCleanup, AnExceptionInTheMiddleOfASaveLeavesNothing) {
  const TempFolder folder;
  const std::string path = folder.File("door.brd");
  TempFolder::WriteBytes(path, "old\n");
  AtomicFileWriter::DiskIo io;
  io.Write = [](int, const char*, std::size_t) -> long { throw std::runtime_error("encoder"); };
  io.Sync = [](int) { return 0; };
  EXPECT_THROW(AtomicFileWriter(io).Replace(path, "new\n"), std::runtime_error);
  EXPECT_EQ(folder.Listing(), "door.brd\n");
  EXPECT_EQ(TempFolder::ReadBytes(path), "old\n");
  EXPECT_EQ(TempFileRegistry::Count(), 0);
}

TEST(TempFileCleanup, ASaveHoldsItsTempFileInTheRegistryOnlyWhileItRuns) {
  const TempFolder folder;
  int seen = -1;
  AtomicFileWriter::DiskIo io;
  io.Write = [&seen](int fd, const char* data, std::size_t size) -> long {
    seen = TempFileRegistry::Count();
    return static_cast<long>(::write(fd, data, size));
  };
  io.Sync = [](int fd) { return ::fsync(fd); };
  ASSERT_EQ(AtomicFileWriter(io).Replace(folder.File("door.brd"), "door\n"), std::nullopt);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(TempFileRegistry::Count(), 0);
}

// The save is interrupted by a signal half way through its writing: the process ends by that
// signal, as it would have without the cleanup, and takes its temporary file with it.
class InterruptedSave : public ::testing::TestWithParam<int> {};

TEST_P(InterruptedSave, EndsByTheSignalAndLeavesNoTempFile) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const TempFolder folder;
  const std::string path = folder.File("door.brd");
  TempFolder::WriteBytes(path, "old\n");
  const int signal = GetParam();
  EXPECT_EXIT(
      {
        TempFileRegistry::InstallSignalCleanup();
        AtomicFileWriter::DiskIo io;
        io.Write = [signal](int fd, const char* data, std::size_t size) -> long {
          const long written = static_cast<long>(::write(fd, data, size / 2));
          ::raise(signal);
          return written;
        };
        io.Sync = [](int fd) { return ::fsync(fd); };
        (void)AtomicFileWriter(io).Replace(path, std::string(4096, 'd'));
        std::exit(0);  // not reached when the signal ends the process
      },
      ::testing::KilledBySignal(signal), "");
  EXPECT_EQ(folder.Listing(), "door.brd\n");
  EXPECT_EQ(TempFolder::ReadBytes(path), "old\n");
}

INSTANTIATE_TEST_SUITE_P(Signals, InterruptedSave, ::testing::Values(SIGINT, SIGTERM, SIGHUP),
                         [](const auto& info) {
                           return info.param == SIGINT    ? std::string("Interrupt")
                                  : info.param == SIGTERM ? std::string("Terminate")
                                                          : std::string("HangUp");
                         });

}  // namespace
