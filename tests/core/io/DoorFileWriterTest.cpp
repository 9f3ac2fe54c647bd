#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <locale>
#include <random>
#include <string>

#include "io/DoorFileReader.h"
#include "io/DoorFileWriter.h"
#include "model/DoorInputs.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "model/ViewSettings.h"
#include "support/DoorCompare.h"
#include "support/TempFolder.h"

namespace {

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;
const char* const kSampleNames[] = {"default", "oval", "vshape", "spherical", "rectangular"};

ViewSettings OtherView() {
  ViewSettings view;
  view.ViewTab = 1;
  view.ProjectionSwitches = {true, false, false, true, true};
  view.BalanceSwitches = {true, true, false, false, true};
  view.Angles = {7.176L, -4.289L, 37.41L};
  return view;
}

// Saves, loads into a fresh door, saves again: the two files must be the same bytes and the
// loaded door the saved one, bit for bit.
void ExpectRoundTrip(const DoorInputs& door, const ViewSettings& view, const std::string& what) {
  SCOPED_TRACE(what);
  const TempFolder folder;
  const std::string first = folder.File("first.brd");
  const std::string second = folder.File("second.brd");
  const DoorFileResult saved = DoorFileWriter().Save(first, door, view);
  ASSERT_TRUE(saved.Ok) << saved.Message;

  DoorInputs loaded;
  loaded.StringerHydro = door.StringerHydro;  // not in the file
  loaded.bs = door.bs;
  ViewSettings loadedView;
  const DoorFileResult read = DoorFileReader::Load(first, loaded, &loadedView);
  ASSERT_TRUE(read.Ok) << read.Message;

  ExpectSameInputs(door, loaded, "loaded back");
  EXPECT_EQ(loadedView.ViewTab, view.ViewTab);
  EXPECT_EQ(loadedView.ProjectionSwitches, view.ProjectionSwitches);
  EXPECT_EQ(loadedView.BalanceSwitches, view.BalanceSwitches);
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(SameBits(loadedView.Angles[i], view.Angles[i])) << "angle " << i;

  ASSERT_TRUE(DoorFileWriter().Save(second, loaded, loadedView).Ok);
  EXPECT_EQ(TempFolder::ReadBytes(first), TempFolder::ReadBytes(second));
}

TEST(DoorFileRoundTrip, DefaultDoor) {
  ExpectRoundTrip(DoorInputs(), ViewSettings{}, "default door, default settings");
  ExpectRoundTrip(DoorInputs(), OtherView(), "default door, other settings");
}

TEST(DoorFileRoundTrip, EverySampleDoor) {
  for (const char* name : kSampleNames) {
    const std::string path = kSamples + "/" + name + ".brd";
    DoorInputs door;
    ViewSettings view;
    const DoorFileResult loaded = DoorFileReader::Load(path, door, &view);
    ASSERT_TRUE(loaded.Ok) << loaded.Message;
    ExpectRoundTrip(door, view, name);

    // The samples are kept exactly as the writer writes them.
    const TempFolder folder;
    ASSERT_TRUE(DoorFileWriter().Save(folder.File("again.brd"), door, view).Ok);
    EXPECT_EQ(TempFolder::ReadBytes(folder.File("again.brd")), TempFolder::ReadBytes(path)) << name;
  }
}

TEST(DoorFileRoundTrip, DefaultSampleIsTheBuiltInDoor) {
  DoorInputs door;
  door.Bottom = false;
  door.y0 = 3;
  ViewSettings view = OtherView();
  ASSERT_TRUE(DoorFileReader::Load(kSamples + "/default.brd", door, &view).Ok);
  ExpectSameInputs(DoorInputs(), door, "default.brd");
  EXPECT_EQ(view, ViewSettings{});
}

TEST(DoorFileRoundTrip, AwkwardValuesComeBackBitForBit) {
  DoorInputs door;
  const long double third = 1.0L / 3;
  door.y0 = third;
  door.yc0 = -0.0L;
  // The extremes each field admits.
  door.G = std::nextafter(100000.0L, 0.0L);
  door.R = std::numeric_limits<long double>::min();  // smallest normal
  door.x0 = std::nextafter(-10.0L, 0.0L);
  door.v = 2.15L * (1 + LDBL_EPSILON);
  door.b = 1e-300L;
  door.F = std::nextafter(10.0L, 0.0L);
  door.H = door.b * 1e300L;
  door.Ranges[3] = {-third, 12345678901234567890.0L, 1e-4000L};
  door.WaterDensity = 3.14159265358979323846264338327950288L;
  door.BridleAngleH = std::nextafter(89.0L, 0.0L);
  door.BridleAngleV = -std::nextafter(89.0L, 0.0L);
  door.Hydro.At(2, kHydroCx) = std::nextafter(0.27L, 1.0L);
  door.KeelGeom.At(5, kKeelYi) = 0.22L / 3;
  door.Bottom = false;
  door.FrontPicture = "  with blanks.bmp ";
  door.PlanPicture = "plan #1.bmp";
  door.SidePicture = "\xC3\xA6\xC3\xB8\xC3\xA5.bmp";  // UTF-8
  ViewSettings view = OtherView();
  view.Angles = {-0.0L, third, std::nextafter(37.41L, 0.0L)};
  view.ViewTab = -7;
  ExpectRoundTrip(door, view, "awkward values");
}

TEST(DoorFileRoundTrip, FullTablesOfRandomValues) {
  std::mt19937_64 random(20240607);
  std::uniform_real_distribution<long double> value(-1e6L, 1e6L);
  DoorInputs door;
  door.Hydro.Count = door.Ground.Count = door.KeelGeom.Count = kTableCapacity;
  for (int i = 0; i < kTableCapacity; ++i) {
    door.Hydro.At(i, kHydroAngle) = i * 0.9L - 45 + value(random) * 1e-9L;
    door.Hydro.At(i, kHydroCx) = value(random);
    door.Hydro.At(i, kHydroCy) = value(random) / 3;
    door.Hydro.At(i, kHydroCd) = value(random) * 1e-7L;
    door.Ground.At(i, kGroundAngle) = i / 7.0L;
    door.Ground.At(i, kGroundCx) = value(random);
    door.KeelGeom.At(i, kKeelZi) = i * 1e-3L / 3;
    // A keel's chord and thickness are never negative.
    door.KeelGeom.At(i, kKeelXi) = std::fabs(value(random));
    door.KeelGeom.At(i, kKeelYi) = std::fabs(value(random));
  }
  // Anywhere within the range of each field.
  for (const EditableField& field : kMainParams) {
    const FieldLimits limits = *LimitsOfField(field.Name);
    const long double share = (value(random) + 1e6L) / 2e6L;  // 0 .. 1
    door.*field.Field = std::clamp(limits.Lower + share * (limits.Upper - limits.Lower),
                                   std::nextafter(limits.Lower, limits.Upper),
                                   std::nextafter(limits.Upper, limits.Lower));
  }
  ExpectRoundTrip(door, ViewSettings{}, "random tables");
}

// The text.

std::vector<std::string> TextLines(const DoorInputs& door, const ViewSettings& view) {
  const std::string text = DoorFileWriter::Text(door, view);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

TEST(DoorFileText, EveryRecordNamesItselfAndPictureLinesStayBare) {
  DoorInputs door;
  door.FrontPicture = "front.bmp";
  door.PlanPicture = "plan.bmp";
  door.SidePicture = "side.bmp";
  const std::vector<std::string> lines = TextLines(door, ViewSettings{});
  ASSERT_EQ(lines.size(), 71u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i >= 54 && i <= 56) continue;
    EXPECT_NE(lines[i].find("  # "), std::string::npos) << "line " << i + 1 << ": " << lines[i];
  }
  EXPECT_EQ(lines[0], "7  # Hydro rows: Angle Cx Cy Cd");
  EXPECT_EQ(lines[1], "0 0.1 0.01 0.6  # Hydro row 1");
  EXPECT_EQ(lines[22], "0.6 0 10 0.1  # y0 From To Step");
  EXPECT_EQ(lines[45], "1035  # WaterDensity");
  EXPECT_EQ(lines[53].substr(0, 4), "1  #");
  EXPECT_EQ(lines[54], "front.bmp");
  EXPECT_EQ(lines[55], "plan.bmp");
  EXPECT_EQ(lines[56], "side.bmp");
  EXPECT_EQ(lines[68], "0  # balance angle X, degrees");

  door.Bottom = false;
  EXPECT_EQ(TextLines(door, ViewSettings{})[53].substr(0, 4), "0  #");
}

// A numeric punctuation that writes "," for the decimal point and groups thousands.
class CommaPunct : public std::numpunct<char> {
 protected:
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(DoorFileText, DoesNotDependOnTheLocale) {
  DoorInputs door;
  door.G = 11513.25L;
  const std::string before = DoorFileWriter::Text(door, OtherView());
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
  const std::string during = DoorFileWriter::Text(door, OtherView());
  std::locale::global(previous);
  EXPECT_EQ(during, before);
  EXPECT_NE(before.find("11513.25 "), std::string::npos);
}

// What the writer refuses, so that every file it writes can be read back.

struct Unwritable {
  const char* Name;
  std::function<void(DoorInputs&, ViewSettings&)> Spoil;
  const char* Reason;
};

TEST(DoorFileSave, RefusesADoorThatWouldNotReadBack) {
  const Unwritable cases[] = {
      {"keys",
       [](DoorInputs& d, ViewSettings&) {
         d.Hydro.At(3, kHydroAngle) = d.Hydro.At(2, kHydroAngle);
       },
       "Hydro table, row 4: Angle 20 must be greater than the previous row's 20"},
      {"one row", [](DoorInputs& d, ViewSettings&) { d.Ground.Count = 1; },
       "Ground table: the table needs at least 2 rows, it has 1"},
      {"nan", [](DoorInputs& d, ViewSettings&) { d.G = std::nanl(""); },
       "G must be a finite number"},
      {"range", [](DoorInputs& d, ViewSettings&) { d.Ranges[11].To = HUGE_VALL; },
       "R range To is not a finite number"},
      {"tiny", [](DoorInputs& d, ViewSettings&) { d.b = LDBL_TRUE_MIN; },
       "b is too small (below the smallest normal number)"},
      {"bridle", [](DoorInputs& d, ViewSettings&) { d.BridleAngleH = 90; },
       "BridleAngleH is out of range: ]0..89[ (the range of its field)"},
      {"angle", [](DoorInputs&, ViewSettings& v) { v.Angles[2] = -HUGE_VALL; },
       "balance angle Z is not a finite number"},
      {"picture", [](DoorInputs& d, ViewSettings&) { d.SidePicture = "two\nlines.bmp"; },
       "the side picture file name holds a line break"},
  };
  for (const Unwritable& c : cases) {
    SCOPED_TRACE(c.Name);
    const TempFolder folder;
    DoorInputs door;
    ViewSettings view;
    c.Spoil(door, view);
    const std::string path = folder.File("door.brd");
    const DoorFileResult result = DoorFileWriter().Save(path, door, view);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Message, path + ": not saved: " + c.Reason);
    EXPECT_EQ(folder.Listing(), "");
  }
}

// Saving never destroys the previous file.

constexpr const char* kOldText = "the previous file\n";

class AtomicSave : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = folder_.File("door.brd");
    TempFolder::WriteBytes(path_, kOldText);
  }
  void ExpectOldFileAlone() {
    EXPECT_EQ(TempFolder::ReadBytes(path_), kOldText);
    EXPECT_EQ(folder_.Listing(), "door.brd\n");  // no temporary file left behind
  }

  TempFolder folder_;
  std::string path_;
  DoorInputs door_;
};

TEST_F(AtomicSave, ReplacesTheOldFileWhenAllGoesWell) {
  ASSERT_TRUE(DoorFileWriter().Save(path_, door_, ViewSettings{}).Ok);
  EXPECT_EQ(TempFolder::ReadBytes(path_), DoorFileWriter::Text(door_, ViewSettings{}));
  EXPECT_EQ(folder_.Listing(), "door.brd\n");
}

TEST_F(AtomicSave, FullDiskKeepsTheOldFile) {
  // The disk takes a few bytes, then has no room left.
  DoorFileWriter::DiskIo io;
  std::size_t room = 100;
  io.Write = [&room](int fd, const char* data, std::size_t size) -> long {
    if (room == 0) {
      errno = ENOSPC;
      return -1;
    }
    const std::size_t taken = std::min(size, room);
    room -= taken;
    return static_cast<long>(::write(fd, data, taken));
  };
  io.Sync = [](int fd) { return ::fsync(fd); };
  const DoorFileResult result = DoorFileWriter(io).Save(path_, door_, ViewSettings{});
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, path_ + ": not saved: writing failed: " + std::strerror(ENOSPC) +
                                "; the previous file is unchanged");
  ExpectOldFileAlone();
}

TEST_F(AtomicSave, AWriteThatMakesNoProgressCountsAsAFullDisk) {
  DoorFileWriter::DiskIo io;
  io.Write = [](int, const char*, std::size_t) -> long { return 0; };
  io.Sync = [](int) { return 0; };
  const DoorFileResult result = DoorFileWriter(io).Save(path_, door_, ViewSettings{});
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Message.find(std::strerror(ENOSPC)), std::string::npos) << result.Message;
  ExpectOldFileAlone();
}

TEST_F(AtomicSave, InterruptedWritesAreResumed) {
  DoorFileWriter::DiskIo io;
  int calls = 0;
  io.Write = [&calls](int fd, const char* data, std::size_t size) -> long {
    if (++calls % 2 == 1) {
      errno = EINTR;
      return -1;
    }
    return static_cast<long>(::write(fd, data, std::min<std::size_t>(size, 7)));
  };
  io.Sync = [](int fd) { return ::fsync(fd); };
  ASSERT_TRUE(DoorFileWriter(io).Save(path_, door_, ViewSettings{}).Ok);
  EXPECT_EQ(TempFolder::ReadBytes(path_), DoorFileWriter::Text(door_, ViewSettings{}));
  EXPECT_GT(calls, 10);
}

TEST_F(AtomicSave, FailedFlushKeepsTheOldFile) {
  DoorFileWriter::DiskIo io;
  io.Write = [](int fd, const char* data, std::size_t size) -> long {
    return static_cast<long>(::write(fd, data, size));
  };
  io.Sync = [](int) {
    errno = EIO;
    return -1;
  };
  const DoorFileResult result = DoorFileWriter(io).Save(path_, door_, ViewSettings{});
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, path_ + ": not saved: flushing to disk failed: " + std::strerror(EIO) +
                                "; the previous file is unchanged");
  ExpectOldFileAlone();
}

TEST_F(AtomicSave, KeepsThePermissionsOfTheOldFile) {
  ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
  ASSERT_TRUE(DoorFileWriter().Save(path_, door_, ViewSettings{}).Ok);
  struct stat st {};
  ASSERT_EQ(::stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(AtomicSave, SavingThroughALinkReplacesTheFileItPointsTo) {
  const std::string link = folder_.File("link.brd");
  std::filesystem::create_symlink("door.brd", link);
  ASSERT_TRUE(DoorFileWriter().Save(link, door_, ViewSettings{}).Ok);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(TempFolder::ReadBytes(path_), DoorFileWriter::Text(door_, ViewSettings{}));
}

TEST(DoorFileSave, MissingFolderIsReported) {
  const TempFolder folder;
  const std::string missing = folder.File("missing");
  const std::string path = missing + "/door.brd";
  const DoorFileResult result = DoorFileWriter().Save(path, DoorInputs(), ViewSettings{});
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, path + ": not saved: cannot create a file in the folder '" + missing +
                                "': " + std::strerror(ENOENT));
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(DoorFileSave, AFolderIsNotReplaced) {
  const TempFolder folder;
  const std::string target = folder.File("door.brd");
  std::filesystem::create_directory(target);
  TempFolder::WriteBytes(target + "/inside.txt", "kept");
  const DoorFileResult result = DoorFileWriter().Save(target, DoorInputs(), ViewSettings{});
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, target + ": not saved: it is a folder");
  EXPECT_EQ(TempFolder::ReadBytes(target + "/inside.txt"), "kept");
  EXPECT_EQ(folder.Listing(), "door.brd\n");
}

TEST(DoorFileSave, NoFileName) {
  const DoorFileResult result = DoorFileWriter().Save("", DoorInputs(), ViewSettings{});
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, ": not saved: no file name given");
}

}  // namespace
