#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "TestTolerances.h"
#include "io/DoorFileReader.h"
#include "io/DoorFileWriter.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "support/DoorCompare.h"
#include "support/TempFolder.h"

namespace {

const std::string kData = DOORTRIM_TEST_DATA;
const std::string kSamples = DOORTRIM_SAMPLE_DOORS;

// Lines of the default door's file, numbered as in the file (index 0 is line 1).
constexpr int kModeLine = 54;
constexpr int kFrontPictureLine = 55;
constexpr int kViewTabLine = 58;
constexpr int kFirstProjectionSwitchLine = 59;
constexpr int kFirstBalanceSwitchLine = 64;
constexpr int kFirstAngleLine = 69;
constexpr int kLineCount = 71;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& end = "\n") {
  std::string text;
  for (const std::string& line : lines)
    text += line + end;
  return text;
}

std::vector<std::string> DefaultLines() {
  std::vector<std::string> lines = SplitLines(DoorFileWriter::Text(DoorInputs(), ViewSettings{}));
  EXPECT_EQ(lines.size(), static_cast<std::size_t>(kLineCount));
  return lines;
}

std::string& Line(std::vector<std::string>& lines, int number) {
  return lines.at(static_cast<std::size_t>(number - 1));
}

// A door that differs from the default one in everything a load could touch, so that a failed
// load that changed anything shows.
DoorInputs OtherDoor() {
  DoorInputs door;
  const DoorFileResult loaded = DoorFileReader::Load(kSamples + "/oval.brd", door);
  EXPECT_TRUE(loaded.Ok) << loaded.Message;
  door.FrontPicture = "front.bmp";
  door.Bottom = false;
  return door;
}

ViewSettings OtherView() {
  ViewSettings view;
  view.ViewTab = 2;
  view.ProjectionSwitches = {true, true, false, true, true};
  view.BalanceSwitches = {true, true, false, false, true};
  view.Angles = {1.5L, -2.5L, 33};
  return view;
}

struct BadFile {
  const char* File;
  int Line;
  const char* Message;  // after "<path>: line N: "
};

void PrintTo(const BadFile& bad, std::ostream* os) {
  *os << bad.File;
}

class BadDataFile : public ::testing::TestWithParam<BadFile> {};

void ExpectRefused(const std::string& path, const BadFile& bad) {
  DoorInputs door = OtherDoor();
  const DoorInputs before = door;
  ViewSettings view = OtherView();
  const DoorFileResult result = DoorFileReader::Load(path, door, &view);
  EXPECT_FALSE(result.Ok);
  EXPECT_FALSE(result.NotFound);
  EXPECT_EQ(result.Line, bad.Line);
  EXPECT_EQ(result.Message, path + ": line " + std::to_string(bad.Line) + ": " + bad.Message);
  ExpectSameInputs(before, door, "after the refused load");
  EXPECT_EQ(view, OtherView());
}

TEST_P(BadDataFile, NamesFileLineAndExpectationAndChangesNothing) {
  ExpectRefused(kData + "/" + GetParam().File, GetParam());
}

TEST_P(BadDataFile, SameProblemWithWindowsLineEndsAndByteOrderMark) {
  const TempFolder folder;
  const std::string plain = TempFolder::ReadBytes(kData + "/" + GetParam().File);
  std::string windows = "\xEF\xBB\xBF";
  for (const char c : plain) {
    if (c == '\n') windows += '\r';
    windows += c;
  }
  const std::string path = folder.File(GetParam().File);
  TempFolder::WriteBytes(path, windows);
  ExpectRefused(path, GetParam());
}

const BadFile kBadFiles[] = {
    {"bad_empty.brd", 1, "expected a Hydro row count from 2 to 101, found the end of the file"},
    {"bad_hydro_count_token.brd", 1, "expected a Hydro row count from 2 to 101, found 'seven'"},
    {"bad_hydro_count_zero.brd", 1, "expected a Hydro row count from 2 to 101, found '0'"},
    {"bad_hydro_count_one.brd", 1, "expected a Hydro row count from 2 to 101, found '1'"},
    {"bad_hydro_count_over_capacity.brd", 1,
     "expected a Hydro row count from 2 to 101, found '150'"},
    {"bad_ground_count_over_capacity.brd", 9,
     "expected a Ground row count from 2 to 101, found '102'"},
    {"bad_keel_count_negative.brd", 16, "expected a KeelGeom row count from 2 to 101, found '-6'"},
    {"bad_hydro_token.brd", 5, "expected 4 numbers (Angle Cx Cy Cd), found 'abc'"},
    {"bad_hydro_token_invalid_utf8.brd", 4,
     "expected 4 numbers (Angle Cx Cy Cd), found '0.27\\xFF'"},
    {"bad_hydro_token_long.brd", 4,
     "expected 4 numbers (Angle Cx Cy Cd), found '0.27000000000000000000000000000000000000\u2026'"},
    {"bad_hydro_short_row.brd", 5, "expected 4 numbers (Angle Cx Cy Cd), found only 3"},
    {"bad_hydro_infinity_word.brd", 4, "expected 4 numbers (Angle Cx Cy Cd), found 'inf'"},
    {"bad_hydro_angles_not_increasing.brd", 5,
     "Hydro table, row 4: Angle 15 must be greater than the previous row's 20"},
    {"bad_ground_angles_repeated.brd", 12,
     "Ground table, row 3: Angle 10 must be greater than the previous row's 10"},
    {"bad_keel_depths_not_increasing.brd", 19,
     "KeelGeom table, row 3: Zi 0.05 must be greater than the previous row's 0.073"},
    {"bad_keel_depths_negative.brd", 17,
     "KeelGeom table, row 1: Zi -0.3 must not be negative (depths count up from the keel tip)"},
    {"bad_keel_chord_negative.brd", 20, "KeelGeom table, row 4: Xi -2.342 must not be negative"},
    {"bad_keel_thickness_negative.brd", 18, "KeelGeom table, row 2: Yi -0.11 must not be negative"},
    {"bad_hydro_overflow.brd", 3,
     "expected 4 numbers (Angle Cx Cy Cd), found '1e99999', which is too large (not a finite "
     "number)"},
    {"bad_keel_underflow.brd", 18,
     "expected 3 numbers (Zi Xi Yi), found '1e-99999', which is too small (below the smallest "
     "normal number)"},
    {"bad_ground_comma_decimal.brd", 11, "expected 2 numbers (Angle Cx), found '5,86'"},
    {"bad_param_token.brd", 29, "expected 4 numbers (G From To Step), found '11513N'"},
    {"bad_param_missing_range.brd", 37, "expected 4 numbers (b From To Step), found only 3"},
    {"bad_param_overflow.brd", 34,
     "expected 4 numbers (R From To Step), found '1e5000', which is too large (not a finite "
     "number)"},
    {"bad_param_token_too_long.brd", 23,
     "expected 4 numbers (y0 From To Step), found a token of 69 characters (at most 64 "
     "allowed)"},
    {"bad_env_token.brd", 46, "expected 1 number (WaterDensity), found '1035kg'"},
    {"bad_bridle_angle_h_90.brd", 49,
     "BridleAngleH is out of range: ]0..89[ (the range of its field), found '90'"},
    {"bad_bridle_angle_v_beyond.brd", 50,
     "BridleAngleV is out of range: ]-89..89[ (the range of its field), found '-120'"},
    {"bad_param_beyond_field.brd", 35,
     "v is out of range: ]-10..10[ (the range of its field), found '1e308'"},
    {"bad_keel_beyond_field.brd", 52,
     "yk is out of range: ]0..10[ (the range of its field), found '-0.5'"},
    {"bad_mode_token.brd", 54,
     "expected an integer (trawling mode: 1 bottom, other midwater), found 'bottom'"},
    {"bad_mode_real.brd", 54,
     "expected an integer (trawling mode: 1 bottom, other midwater), found '1.0'"},
    {"bad_mode_out_of_range.brd", 54,
     "expected an integer (trawling mode: 1 bottom, other midwater), found '99999999999', "
     "which is out of range"},
    {"bad_tab_token.brd", 58, "expected an integer (view tab), found 'front'"},
    {"bad_projection_switch_token.brd", 61,
     "expected an integer (projections switch: points), found 'yes'"},
    {"bad_balance_switch_token.brd", 66,
     "expected an integer (balance switch: show forces), found 'on'"},
    {"bad_angle_comma_decimal.brd", 70,
     "expected 1 number (balance angle Y, degrees), found '-4,289'"},
    {"bad_ends_in_hydro_rows.brd", 6,
     "expected 4 numbers (Angle Cx Cy Cd), found the end of the file"},
    {"bad_ends_in_params.brd", 31,
     "expected 4 numbers (xc0 From To Step), found the end of the file"},
    {"bad_ends_before_pictures.brd", 55,
     "expected a line (front picture file name), found the end of the file"},
    {"bad_ends_before_angles.brd", 69,
     "expected 1 number (balance angle X, degrees), found the end of the file"},
    {"bad_ends_in_last_angle.brd", 71,
     "expected 1 number (balance angle Z, degrees), found the end of the file"},
};

INSTANTIATE_TEST_SUITE_P(Fixtures, BadDataFile, ::testing::ValuesIn(kBadFiles),
                         [](const ::testing::TestParamInfo<BadFile>& info) {
                           std::string name = info.param.File;
                           name = name.substr(0, name.find('.'));
                           std::string camel;
                           bool upper = true;
                           for (const char c : name) {
                             if (c == '_') {
                               upper = true;
                             } else {
                               camel += upper ? static_cast<char>(std::toupper(c)) : c;
                               upper = false;
                             }
                           }
                           return camel;
                         });

TEST(BadDataFileTable, EveryFixtureInTheDataFolderIsChecked) {
  std::set<std::string> listed;
  for (const BadFile& bad : kBadFiles)
    listed.insert(bad.File);
  std::set<std::string> present;
  for (const auto& entry : std::filesystem::directory_iterator(kData)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("bad_")) present.insert(name);
  }
  EXPECT_EQ(present, listed);
  EXPECT_GE(listed.size(), 20u);
}

// Files the reader cannot read at all.

TEST(LoadFromFile, MissingFileIsReportedButChangesNothing) {
  const TempFolder folder;
  DoorInputs door = OtherDoor();
  const DoorInputs before = door;
  ViewSettings view = OtherView();
  const std::string path = folder.File("no such door.brd");
  const DoorFileResult result = DoorFileReader::Load(path, door, &view);
  EXPECT_FALSE(result.Ok);
  EXPECT_TRUE(result.NotFound);
  EXPECT_EQ(result.Line, 0);
  EXPECT_EQ(result.Message, path + ": not found");
  ExpectSameInputs(before, door, "after loading a missing file");
  EXPECT_EQ(view, OtherView());
}

TEST(LoadFromFile, FolderIsNotADoorFile) {
  const TempFolder folder;
  DoorInputs door = OtherDoor();
  const DoorInputs before = door;
  const std::string path = folder.Path().string();
  const DoorFileResult result = DoorFileReader::Load(path, door);
  EXPECT_FALSE(result.Ok);
  EXPECT_FALSE(result.NotFound);
  EXPECT_EQ(result.Message, path + ": is a folder, not a door data file");
  ExpectSameInputs(before, door, "after loading a folder");
}

TEST(LoadFromFile, DamagedFilesLoadWholeOrNotAtAll) {
  const TempFolder folder;
  const std::string path = folder.File("damaged.brd");
  const std::string original = TempFolder::ReadBytes(kSamples + "/oval.brd");
  const std::string alphabet = "0123456789 .-+eE\t\nx#,";
  std::mt19937 random(1234);
  int refused = 0;
  for (int round = 0; round < 300; ++round) {
    std::string text = original;
    const int damages = 1 + static_cast<int>(random() % 3);
    for (int d = 0; d < damages && !text.empty(); ++d) {
      const std::size_t at = random() % text.size();
      switch (random() % 3) {
        case 0:
          text[at] = alphabet[random() % alphabet.size()];
          break;
        case 1:
          text.erase(at, 1 + random() % 40);
          break;
        default:
          text.resize(at);
          break;
      }
    }
    TempFolder::WriteBytes(path, text);
    DoorInputs door = OtherDoor();
    const DoorInputs before = door;
    const DoorFileResult result = DoorFileReader::Load(path, door);
    if (result.Ok) continue;
    ++refused;
    EXPECT_GT(result.Line, 0) << result.Message;
    EXPECT_TRUE(result.Message.starts_with(path + ": line ")) << result.Message;
    ExpectSameInputs(before, door, "round " + std::to_string(round) + ": " + result.Message);
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_GT(refused, 100);  // the damage does reach the reader's checks
}

// A good load.

TEST(LoadFromFile, ReplacesTheDoorAndRecomputesGeometry) {
  DoorInputs door;
  ViewSettings view = OtherView();
  const DoorFileResult result = DoorFileReader::Load(kSamples + "/oval.brd", door, &view);
  ASSERT_TRUE(result.Ok) << result.Message;
  EXPECT_FALSE(result.NotFound);
  EXPECT_TRUE(result.Message.empty());

  // Values as written in the sample.
  EXPECT_EQ(door.Hydro.Count, 11);
  EXPECT_EQ(door.Hydro.At(5, kHydroCy), 1.45L);
  EXPECT_EQ(door.y0, 0.72L);
  EXPECT_EQ(door.x0, 0.9L);
  EXPECT_EQ(door.G, 13500);
  EXPECT_EQ(door.v, 2.15L);
  EXPECT_EQ(door.WaterDensity, 1027);
  EXPECT_EQ(door.Ranges[6].To, 100000);  // G
  EXPECT_TRUE(door.Bottom);
  EXPECT_EQ(view, ViewSettings{});

  // The body-frame points of the mechanics follow the loaded inputs.
  const TBoard board(door);
  EXPECT_NEAR(board.Body().PtGravity.X, door.x0 - door.xg, kGeometryTol);
  EXPECT_NEAR(board.Body().PtGravity.Y, door.y0 + door.yg, kGeometryTol);
  EXPECT_NEAR(board.Body().PtGravity.Z, door.zg - door.z0, kGeometryTol);
  EXPECT_NEAR(board.Body().WingOutline[2].X, door.x0 - door.b, kGeometryTol);
  EXPECT_NEAR(board.Body().WingOutline[2].Z, door.H - door.z0, kGeometryTol);
  EXPECT_NEAR(board.Body().PtKeelOrigin.X, door.x0 - door.xk, kGeometryTol);
}

TEST(LoadFromFile, KeepsWhatTheFileDoesNotCarry) {
  DoorInputs door;
  door.StringerHydro.At(2, kHydroCy) = -0.5L;
  door.bs = 2.75L;
  ASSERT_TRUE(DoorFileReader::Load(kSamples + "/spherical.brd", door).Ok);
  EXPECT_EQ(door.StringerHydro.Count, DoorInputs().StringerHydro.Count);
  EXPECT_EQ(door.StringerHydro.At(2, kHydroCy), -0.5L);
  EXPECT_EQ(door.bs, 2.75L);
}

// Variants of a good file, written to a temporary folder and loaded.
class DoorFileVariant : public ::testing::Test {
 protected:
  DoorFileResult Load(const std::string& text) {
    const std::string path = folder_.File("variant.brd");
    TempFolder::WriteBytes(path, text);
    view_ = ViewSettings{};
    door_ = DoorInputs();
    return DoorFileReader::Load(path, door_, &view_);
  }

  TempFolder folder_;
  DoorInputs door_;
  ViewSettings view_;
};

TEST_F(DoorFileVariant, ModeOneIsBottomTrawlingAnyOtherValueMidwater) {
  const std::pair<const char*, bool> cases[] = {
      {"1", true}, {"+1", true}, {"0", false}, {"2", false}, {"-1", false}};
  for (const auto& [mode, bottom] : cases) {
    std::vector<std::string> lines = DefaultLines();
    Line(lines, kModeLine) = mode;
    ASSERT_TRUE(Load(JoinLines(lines)).Ok) << mode;
    EXPECT_EQ(door_.Bottom, bottom) << mode;
  }
}

TEST_F(DoorFileVariant, SwitchesAreTickedOnlyByOne) {
  std::vector<std::string> lines = DefaultLines();
  const char* projection[] = {"1", "2", "0", "-1", "1"};
  const char* balance[] = {"0", "1", "7", "1", "+1"};
  for (int i = 0; i < 5; ++i) {
    Line(lines, kFirstProjectionSwitchLine + i) = projection[i];
    Line(lines, kFirstBalanceSwitchLine + i) = balance[i];
  }
  Line(lines, kViewTabLine) = "2";
  ASSERT_TRUE(Load(JoinLines(lines)).Ok);
  EXPECT_EQ(view_.ViewTab, 2);
  EXPECT_EQ(view_.ProjectionSwitches, (std::array<bool, 5>{true, false, false, false, true}));
  EXPECT_EQ(view_.BalanceSwitches, (std::array<bool, 5>{false, true, false, true, true}));
}

TEST_F(DoorFileVariant, BalanceAnglesGoToTheCaller) {
  std::vector<std::string> lines = DefaultLines();
  Line(lines, kFirstAngleLine) = "7.176";
  Line(lines, kFirstAngleLine + 1) = "-4.289";
  Line(lines, kFirstAngleLine + 2) = "37.41";
  ASSERT_TRUE(Load(JoinLines(lines)).Ok);
  EXPECT_EQ(view_.Angles[0], 7.176L);
  EXPECT_EQ(view_.Angles[1], -4.289L);
  EXPECT_EQ(view_.Angles[2], 37.41L);

  DoorInputs door;
  EXPECT_TRUE(DoorFileReader::Load(folder_.File("variant.brd"), door).Ok);  // no settings wanted
}

TEST_F(DoorFileVariant, ExtraNumbersAndCommentsAfterTheValuesAreIgnored) {
  const std::vector<std::string> plain = DefaultLines();
  std::vector<std::string> noisy = plain;
  for (int number = 1; number <= kLineCount; ++number) {
    if (number >= kFrontPictureLine && number < kFrontPictureLine + 3) continue;
    std::string& line = Line(noisy, number);
    line = line.substr(0, line.find("  #")) + " 12 -3.5e7 99\t; anything at all";
  }
  ASSERT_TRUE(Load(JoinLines(plain)).Ok);
  const DoorInputs expected = door_;
  const ViewSettings expectedView = view_;
  const DoorFileResult noisyResult = Load(JoinLines(noisy));
  ASSERT_TRUE(noisyResult.Ok) << noisyResult.Message;
  ExpectSameInputs(expected, door_, "extra numbers");
  EXPECT_EQ(view_, expectedView);
}

TEST_F(DoorFileVariant, BlankLinesBeforeANumericRecordAreSkipped) {
  std::vector<std::string> lines = DefaultLines();
  Line(lines, 1) = "\n  \t\n" + Line(lines, 1);
  Line(lines, 9) = "\n" + Line(lines, 9);
  Line(lines, kModeLine) = "   \n" + Line(lines, kModeLine);
  ASSERT_TRUE(Load(JoinLines(lines)).Ok);
  ExpectSameInputs(DoorInputs(), door_, "blank lines");
}

TEST_F(DoorFileVariant, ARecordSpreadOverTwoLinesIsRefused) {
  std::vector<std::string> lines = DefaultLines();
  Line(lines, 2) = "0 0.1\n0.01 0.6";
  const DoorFileResult result = Load(JoinLines(lines));
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Line, 2);
  EXPECT_NE(result.Message.find("line 2: expected 4 numbers (Angle Cx Cy Cd), found only 2"),
            std::string::npos)
      << result.Message;
}

TEST_F(DoorFileVariant, CountsOfZeroAreRefusedForEveryTable) {
  const std::pair<int, const char*> counts[] = {{1, "Hydro"}, {9, "Ground"}, {16, "KeelGeom"}};
  for (const auto& [number, table] : counts) {
    std::vector<std::string> lines = DefaultLines();
    Line(lines, number) = "0";
    const DoorFileResult result = Load(JoinLines(lines));
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Line, number);
    EXPECT_NE(result.Message.find(std::string("expected a ") + table +
                                  " row count from 2 to 101, found '0'"),
              std::string::npos)
        << result.Message;
  }
}

TEST_F(DoorFileVariant, TablesOfTwoAndOfFullCapacityAreAccepted) {
  std::vector<std::string> lines = DefaultLines();
  // Hydro: 101 rows at angles -10 .. 90.
  std::string hydro = "101";
  for (int i = 0; i < 101; ++i)
    hydro.append("\n").append(std::to_string(i - 10)).append(" 0.5 0.5 0.4");
  Line(lines, 1) = hydro;
  for (int number = 2; number <= 8; ++number)
    Line(lines, number).clear();  // blank lines are skipped before the next count
  // Ground: the first two rows only.
  Line(lines, 9) = "2";
  for (int number = 12; number <= 15; ++number)
    Line(lines, number).clear();
  const DoorFileResult result = Load(JoinLines(lines));
  ASSERT_TRUE(result.Ok) << result.Message;
  EXPECT_EQ(door_.Hydro.Count, 101);
  EXPECT_EQ(door_.Hydro.At(100, kHydroAngle), 90);
  EXPECT_EQ(door_.Ground.Count, 2);
  EXPECT_EQ(door_.Ground.At(1, kGroundCx), 5.86L);
  EXPECT_EQ(door_.Ground.At(2, kGroundCx), 0);  // rows past the count are cleared
}

TEST_F(DoorFileVariant, PictureNamesAreWholeLinesWithTheirBlanks) {
  std::vector<std::string> lines = DefaultLines();
  Line(lines, kFrontPictureLine) = "  front view.bmp  ";
  Line(lines, kFrontPictureLine + 1) = "C:\\doors\\plan.bmp  # not a comment";
  Line(lines, kFrontPictureLine + 2) = "";
  ASSERT_TRUE(Load(JoinLines(lines)).Ok);
  EXPECT_EQ(door_.FrontPicture, "  front view.bmp  ");
  EXPECT_EQ(door_.PlanPicture, "C:\\doors\\plan.bmp  # not a comment");
  EXPECT_EQ(door_.SidePicture, "");

  ASSERT_TRUE(Load("\xEF\xBB\xBF" + JoinLines(lines, "\r\n")).Ok);
  EXPECT_EQ(door_.FrontPicture, "  front view.bmp  ");
  EXPECT_EQ(door_.PlanPicture, "C:\\doors\\plan.bmp  # not a comment");
}

TEST_F(DoorFileVariant, WindowsLineEndsAndByteOrderMarkReadAsPlainText) {
  std::vector<std::string> lines = SplitLines(TempFolder::ReadBytes(kSamples + "/vshape.brd"));
  lines[lines.size() - 3] = "1.5";  // balance angle X
  ASSERT_TRUE(Load(JoinLines(lines)).Ok);
  const DoorInputs plain = door_;
  const ViewSettings plainView = view_;
  const DoorFileResult crlf = Load("\xEF\xBB\xBF" + JoinLines(lines, "\r\n"));
  ASSERT_TRUE(crlf.Ok) << crlf.Message;
  ExpectSameInputs(plain, door_, "CR LF and byte-order mark");
  EXPECT_EQ(view_, plainView);
}

// A file passed through two line-end converters: what opens must also save, picture names
// included, and read back the same.
TEST_F(DoorFileVariant, LineEndsWithSeveralCarriageReturnsOpenAndSaveBack) {
  std::vector<std::string> lines = DefaultLines();
  Line(lines, kFrontPictureLine) = "front.bmp";
  Line(lines, kFrontPictureLine + 1) = "plan view.bmp";
  for (const std::string end : {"\r\r\n", "\r\r\r\n"}) {
    const DoorFileResult loaded = Load(JoinLines(lines, end));
    ASSERT_TRUE(loaded.Ok) << loaded.Message;
    EXPECT_EQ(door_.FrontPicture, "front.bmp");
    EXPECT_EQ(door_.PlanPicture, "plan view.bmp");
    const std::string saved = folder_.File("saved.brd");
    const DoorFileResult written = DoorFileWriter().Save(saved, door_, view_);
    ASSERT_TRUE(written.Ok) << written.Message;
    DoorInputs back;
    ViewSettings backView;
    ASSERT_TRUE(DoorFileReader::Load(saved, back, &backView).Ok);
    ExpectSameInputs(door_, back, "saved after CR CR LF");
    EXPECT_EQ(backView, view_);
  }
}

TEST_F(DoorFileVariant, WhateverFollowsTheLastRecordIsNotRead) {
  const std::string text = JoinLines(DefaultLines()) + "trailing words\n1 2 3\n";
  ASSERT_TRUE(Load(text).Ok);
  ExpectSameInputs(DoorInputs(), door_, "trailing lines");
}

TEST_F(DoorFileVariant, NumbersMayTakeEveryFormOfTheSyntax) {
  std::vector<std::string> lines = DefaultLines();
  Line(lines, 23) = "+.5 -0 1E1 5.";        // y0 From To Step
  Line(lines, 29) = "1.1513e+4 0 1e5 1e3";  // G
  ASSERT_TRUE(Load(JoinLines(lines)).Ok);
  EXPECT_EQ(door_.y0, 0.5L);
  EXPECT_TRUE(SameBits(door_.Ranges[0].From, -0.0L));
  EXPECT_EQ(door_.Ranges[0].To, 10);
  EXPECT_EQ(door_.Ranges[0].Step, 5);
  EXPECT_EQ(door_.G, 11513);
  EXPECT_EQ(door_.Ranges[6].Step, 1000);
}

}  // namespace
