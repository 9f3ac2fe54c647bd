#include "report/CalcLog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "report/ResultsReport.h"
#include "support/ShippedTexts.h"
#include "support/TempFolder.h"

namespace {

const std::string kTitle = "Trawl Door Forces Calculation =============== ";

std::string ReportOf(long double rotZ, int language = 0) {
  TBoard door;
  door.SetRotation(0, 0, rotZ);
  door.Evaluate(0, 0, rotZ * kDegree);
  return ResultsReportText(door, ShippedTexts(DOORTRIM_LANGUAGE_FILES, language).Texts,
                           "01.02.2024", "10:11:12");
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Plays a disk that takes a few bytes and then has no room left.
AtomicFileWriter FullDisk(std::size_t room) {
  AtomicFileWriter::DiskIo io;
  io.Write = [room](int fd, const char* data, std::size_t size) mutable -> long {
    if (room == 0) {
      errno = ENOSPC;
      return -1;
    }
    const std::size_t taken = std::min(size, room);
    room -= taken;
    return static_cast<long>(::write(fd, data, taken));
  };
  io.Sync = [](int fd) { return ::fsync(fd); };
  return AtomicFileWriter(io);
}

TEST(CalcLog, IsCreatedWhenMissing) {
  const TempFolder folder;
  const std::string path = folder.File(kCalcLogName);
  const std::string report = ReportOf(20, 1);  // Russian: stored byte for byte, UTF-8
  const CalcLogResult result = AppendToCalcLog(path, report);
  ASSERT_TRUE(result) << result.Message;
  EXPECT_EQ(TempFolder::ReadBytes(path), report);
  EXPECT_EQ(folder.Listing(), "Calc_brd.log\n");
}

TEST(CalcLog, TwoAppendsLeaveTwoCompleteReports) {
  const TempFolder folder;
  const std::string path = folder.File(kCalcLogName);
  const std::string first = ReportOf(10);
  const std::string second = ReportOf(30);
  ASSERT_TRUE(AppendToCalcLog(path, first));
  ASSERT_TRUE(AppendToCalcLog(path, second));
  const std::string log = TempFolder::ReadBytes(path);
  EXPECT_EQ(log, first + second);
  // Each report starts with five empty lines and its title, and ends with the last total.
  const std::string start = "\n\n\n\n\n" + kTitle;
  EXPECT_EQ(log.find(start), 0u);
  EXPECT_EQ(log.find(start, 1), first.size());
  EXPECT_EQ(log.find(start, first.size() + 1), std::string::npos);
  EXPECT_TRUE(
      Contains(log.substr(first.size() - 100, 100), "       Vertical force of OtterBoard [kN] : "));
  EXPECT_EQ(log.back(), '\n');
}

class FailingAppend : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = folder_.File(kCalcLogName);
    TempFolder::WriteBytes(path_, old_);
  }
  void ExpectLogAsItWas() {
    EXPECT_EQ(TempFolder::ReadBytes(path_), old_);
    EXPECT_EQ(folder_.Listing(), "Calc_brd.log\n");  // no temporary file left behind
  }

  TempFolder folder_;
  std::string path_;
  const std::string old_ = ReportOf(15) + "a line the user added by hand\n";
};

TEST_F(FailingAppend, FullDiskKeepsTheLogAsItWas) {
  const CalcLogResult result = AppendToCalcLog(path_, ReportOf(25), FullDisk(old_.size() + 40));
  EXPECT_FALSE(result);
  EXPECT_EQ(result.Message, path_ + ": the report was not added to the log: writing failed: " +
                                std::strerror(ENOSPC) + "; the previous file is unchanged");
  ExpectLogAsItWas();
}

TEST_F(FailingAppend, FailedFlushKeepsTheLogAsItWas) {
  AtomicFileWriter::DiskIo io;
  io.Write = [](int fd, const char* data, std::size_t size) -> long {
    return static_cast<long>(::write(fd, data, size));
  };
  io.Sync = [](int) {
    errno = EIO;
    return -1;
  };
  const CalcLogResult result = AppendToCalcLog(path_, ReportOf(25), AtomicFileWriter(io));
  EXPECT_FALSE(result);
  EXPECT_TRUE(Contains(result.Message, std::strerror(EIO))) << result.Message;
  ExpectLogAsItWas();
}

TEST_F(FailingAppend, ALogThatIsNotAFileIsLeftAlone) {
  ASSERT_EQ(::unlink(path_.c_str()), 0);
  ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
  const CalcLogResult result = AppendToCalcLog(path_, ReportOf(25));
  EXPECT_FALSE(result);
  EXPECT_EQ(result.Message,
            path_ + ": the report was not added to the log: it is not a regular file");
  struct stat st {};
  ASSERT_EQ(::stat(path_.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(CalcLog, MissingFolderIsReported) {
  const TempFolder folder;
  const std::string missing = folder.File("gone");
  const std::string path = missing + "/" + kCalcLogName;
  const CalcLogResult result = AppendToCalcLog(path, ReportOf(5));
  EXPECT_FALSE(result);
  EXPECT_EQ(result.Message, path +
                                ": the report was not added to the log: cannot create a file "
                                "in the folder '" +
                                missing + "': " + std::strerror(ENOENT));
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(CalcLog, AFolderInTheLogsPlaceIsNotTouched) {
  const TempFolder folder;
  const std::string path = folder.File(kCalcLogName);
  std::filesystem::create_directory(path);
  TempFolder::WriteBytes(path + "/inside.txt", "kept");

  const CalcLogResult appended = AppendToCalcLog(path, ReportOf(5));
  EXPECT_FALSE(appended);
  EXPECT_EQ(appended.Message, path + ": the report was not added to the log: it is a folder");

  const CalcLogResult cleared = ClearCalcLog(path);
  EXPECT_FALSE(cleared);
  EXPECT_EQ(cleared.Message, path + ": the log was not deleted: it is a folder");
  EXPECT_EQ(TempFolder::ReadBytes(path + "/inside.txt"), "kept");
  EXPECT_EQ(folder.Listing(), "Calc_brd.log\n");
}

TEST(CalcLog, ClearDeletesTheLogAndAMissingLogIsFine) {
  const TempFolder folder;
  const std::string path = folder.File(kCalcLogName);
  ASSERT_TRUE(AppendToCalcLog(path, ReportOf(5)));
  const CalcLogResult cleared = ClearCalcLog(path);
  EXPECT_TRUE(cleared) << cleared.Message;
  EXPECT_FALSE(std::filesystem::exists(path));

  const CalcLogResult again = ClearCalcLog(path);
  EXPECT_TRUE(again) << again.Message;
  EXPECT_EQ(again.Message, "");

  // After clearing, the next report starts a new log.
  const std::string report = ReportOf(12);
  ASSERT_TRUE(AppendToCalcLog(path, report));
  EXPECT_EQ(TempFolder::ReadBytes(path), report);
}

TEST(CalcLog, ClearFailureIsReported) {
  const TempFolder folder;
  const std::string path = folder.File("not-a-folder") + "/" + kCalcLogName;
  TempFolder::WriteBytes(folder.File("not-a-folder"), "x");
  const CalcLogResult cleared = ClearCalcLog(path);
  EXPECT_FALSE(cleared);
  EXPECT_EQ(cleared.Message,
            path + ": the log was not deleted: cannot delete it: " + std::strerror(ENOTDIR));
}

}  // namespace
