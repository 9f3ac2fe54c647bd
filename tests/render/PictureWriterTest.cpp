// The pictures are encoded in memory and written by the one writer of every file: a full
// disk is reported as the system reports it, whatever the encoder would have said, and a
// FIFO named as the picture stays a FIFO.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include <QString>

#include "ThreeViewPicture.h"
#include "io/AtomicFileWriter.h"
#include "model/TBoard.h"
#include "support/TempFolder.h"

namespace {

AtomicFileWriter FullDisk() {
  AtomicFileWriter::DiskIo io;
  io.Write = [](int, const char*, std::size_t) -> long {
    errno = ENOSPC;
    return -1;
  };
  io.Sync = [](int) { return 0; };
  return AtomicFileWriter(io);
}

class PictureWriter : public ::testing::TestWithParam<const char*> {
 protected:
  PictureWriter() { board_.Evaluate(0, 0, 0); }
  ThreeViewPicture Picture() const { return ThreeViewPicture(board_, ViewFlags{}, {0, 0, 0}); }

  TBoard board_;
};

TEST_P(PictureWriter, AFullDiskIsNamedAndTheOldPictureKept) {
  const TempFolder folder;
  const std::string path = folder.File(std::string("views.") + GetParam());
  TempFolder::WriteBytes(path, "old picture");
  const auto problem = Picture().Save(QString::fromStdString(path), FullDisk());
  ASSERT_TRUE(problem.has_value());
  EXPECT_TRUE(problem->contains("No space left on device")) << problem->toStdString();
  EXPECT_EQ(TempFolder::ReadBytes(path), "old picture");
  EXPECT_EQ(folder.Listing(), std::string("views.") + GetParam() + "\n");
}

TEST_P(PictureWriter, AFifoIsNotReplaced) {
  const TempFolder folder;
  const std::string path = folder.File(std::string("views.") + GetParam());
  ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0);
  const auto problem = Picture().Save(QString::fromStdString(path));
  ASSERT_TRUE(problem.has_value());
  EXPECT_TRUE(problem->contains("FIFO")) << problem->toStdString();
  struct stat info {};
  ASSERT_EQ(::lstat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_P(PictureWriter, APictureIsWrittenWhole) {
  const TempFolder folder;
  const std::string path = folder.File(std::string("views.") + GetParam());
  ASSERT_EQ(Picture().Save(QString::fromStdString(path)), std::nullopt);
  const std::string bytes = TempFolder::ReadBytes(path);
  const bool svg = std::string(GetParam()) == "svg";
  EXPECT_EQ(bytes.substr(0, svg ? 5 : 4), svg ? "<?xml" : "\x89PNG");
  EXPECT_EQ(folder.Listing(), std::string("views.") + GetParam() + "\n");
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureWriter, ::testing::Values("png", "svg"));

}  // namespace
