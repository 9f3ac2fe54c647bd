#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "support/TempFolder.h"

namespace {

// Where the page puts the views, in its 550 x 550 units.
const QRect kSide(0, 0, 344, 347);
const QRect kFront(349, 0, 201, 347);
const QRect kPlan(0, 352, 344, 198);
constexpr int kPage = 550;
// A view with the door, axes and keel in it has far more ink than this.
constexpr int kMinInkPixels = 200;

QRect Scaled(const QRect& rect, QSize size) {
  const double sx = static_cast<double>(size.width()) / kPage;
  const double sy = static_cast<double>(size.height()) / kPage;
  return QRect(static_cast<int>(rect.x() * sx), static_cast<int>(rect.y() * sy),
               static_cast<int>(rect.width() * sx), static_cast<int>(rect.height() * sy));
}

int InkPixels(const QImage& image, const QRect& rect) {
  int count = 0;
  const QRect r = rect.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ++count;
  return count;
}

int Lines(const std::string& text) {
  int count = 0;
  for (char c : text)
    count += c == '\n';
  return count;
}

void ExpectEveryViewDrawn(const std::string& path, QSize size) {
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(path), "PNG")) << path;
  EXPECT_EQ(image.size(), size);
  EXPECT_GE(InkPixels(image, Scaled(kSide, size)), kMinInkPixels) << "side";
  EXPECT_GE(InkPixels(image, Scaled(kFront, size)), kMinInkPixels) << "front";
  EXPECT_GE(InkPixels(image, Scaled(kPlan, size)), kMinInkPixels) << "plan";
}

TEST(CliRender, PngShowsTheThreeViews) {
  TempFolder folder;
  const std::string out = folder.File("door.png");
  CliRun run = RunCliProgram({"render", "--angles", "5", "-3", "30", "--png", out});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  ExpectEveryViewDrawn(out, QSize(550, 550));

  const std::string big = folder.File("big.png");
  run = RunCliProgram({"render", "--midwater", "--points", "--hidden", "--no-labels", "--size",
                       "1100x700", "--png", big});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  ExpectEveryViewDrawn(big, QSize(1100, 700));
}

TEST(CliRender, SolvedDoorWithoutForces) {
  TempFolder folder;
  const std::string out = folder.File("balanced.png");
  const CliRun run = RunCliProgram({"render", "--solve", "--no-forces", "--png", out});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  ExpectEveryViewDrawn(out, QSize(550, 550));
}

TEST(CliRender, UnbalancedDoorIsDrawnAndExitsThree) {
  TempFolder folder;
  const std::string out = folder.File("unbalanced.png");
  const CliRun run = RunCliProgram({"render", "--set", "R=1", "--solve", "--png", out});
  EXPECT_EQ(run.ExitCode, 3) << run.Err;
  EXPECT_EQ(Lines(run.Err), 1) << run.Err;
  ExpectEveryViewDrawn(out, QSize(550, 550));
}

TEST(CliRender, SvgParses) {
  TempFolder folder;
  const std::string out = folder.File("door.svg");
  const CliRun run =
      RunCliProgram({"render", "--angles", "0", "0", "25", "--size", "600x500", "--svg", out});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  ASSERT_TRUE(std::filesystem::exists(out));
  QSvgRenderer svg(QString::fromStdString(out));
  EXPECT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox(), QRect(0, 0, 600, 500));
}

TEST(CliRender, UnwritablePictureExitsFour) {
  TempFolder folder;
  for (const char* option : {"--png", "--svg"}) {
    const std::string out = folder.File("no-such-folder/door.picture");
    const CliRun run = RunCliProgram({"render", option, out});
    EXPECT_EQ(run.ExitCode, 4) << option;
    EXPECT_EQ(Lines(run.Err), 1) << run.Err;
    EXPECT_NE(run.Err.find("no-such-folder"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST(CliRender, BadArgumentsExitTwo) {
  TempFolder folder;
  const std::string out = folder.File("door.png");
  const std::vector<std::vector<std::string>> cases = {
      {"render", "--angles", "1", "2", "3", "--solve", "--png", out},
      {"render"},
      {"render", "--png", out, "--svg", folder.File("door.svg")},
      {"render", "--size", "0x300", "--png", out},
      {"render", "--size", "300", "--png", out},
      {"render", "--angles", "1", "x", "3", "--png", out},
      {"render", "--set", "nosuchfield=1", "--png", out},
  };
  for (const auto& args : cases) {
    const CliRun run = RunCliProgram(args);
    EXPECT_EQ(run.ExitCode, 2) << args.size() << ": " << run.Err;
    EXPECT_EQ(Lines(run.Err), 1) << run.Err;
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(CliRender, OtherCommandsNeedNoDisplay) {
  // A platform that does not exist would stop any command that started Qt.
  ASSERT_EQ(setenv("QT_QPA_PLATFORM", "no-such-platform", 1), 0);
  const CliRun run = RunCliProgram({"evaluate", "--json"});
  unsetenv("QT_QPA_PLATFORM");
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
}

}  // namespace
