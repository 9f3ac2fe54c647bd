#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <map>

// The program's resources live in a static library; registering them is up to the user.
static void RegisterPictureResources() {
  Q_INIT_RESOURCE(resources);
}

namespace {

// Every picture of the dialogs with the size its dialog shows it at.
const std::map<QString, QSize>& PictureSizes() {
  static const std::map<QString, QSize> sizes = {
      {"proj_front.svg", {400, 300}},        {"proj_plan.svg", {400, 300}},
      {"proj_side.svg", {400, 300}},         {"oval_front.svg", {200, 300}},
      {"oval_plan.svg", {420, 240}},         {"oval_side.svg", {470, 300}},
      {"spherical_front.svg", {206, 387}},   {"spherical_plan.svg", {400, 280}},
      {"spherical_side.svg", {403, 374}},    {"vshape_front.svg", {180, 250}},
      {"vshape_plan.svg", {420, 250}},       {"vshape_side.svg", {420, 282}},
      {"rectangular_front.svg", {150, 430}}, {"rectangular_plan.svg", {380, 240}},
      {"rectangular_side.svg", {350, 430}},  {"keel_scheme.svg", {200, 200}},
      {"envir_midwater.svg", {200, 200}},    {"envir_bottom.svg", {200, 200}},
      {"trawl_influence.svg", {420, 300}},   {"keel_position.svg", {250, 250}}};
  return sizes;
}

// The pictures the Picture menu puts on the three pages of the projections dialog.
const char* const kDoorShapePictures[] = {
    "oval_front.svg",     "oval_plan.svg",         "oval_side.svg",        "spherical_front.svg",
    "spherical_plan.svg", "spherical_side.svg",    "vshape_front.svg",     "vshape_plan.svg",
    "vshape_side.svg",    "rectangular_front.svg", "rectangular_plan.svg", "rectangular_side.svg"};

constexpr double kAspectTolerance = 0.02;  // relative
// Opaque: the dialogs lay labels on the pictures, nothing behind may show through.
constexpr double kMinOpaqueShare = 0.99;
// Drawn on: at least this share of dark pixels (lines, letters, deep water).
constexpr double kMinInkShare = 0.002;
constexpr int kInkGray = 110;
// A plain area keeps at most this share of pixels that are not near white.
constexpr double kMaxPlainInkShare = 0.02;
constexpr int kNearWhiteGray = 225;

QString PicturePath(const QString& name) {
  return ":/pictures/" + name;
}

QImage Render(const QString& name, QSize size) {
  QSvgRenderer renderer(PicturePath(name));
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

template <typename Counts>
double Share(const QImage& image, const QRect& area, Counts counts) {
  qsizetype hits = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (counts(image.pixel(x, y))) ++hits;
    }
  }
  return static_cast<double>(hits) / (static_cast<double>(area.width()) * area.height());
}

struct Colour {
  double red = 0, green = 0, blue = 0;
  double Gray() const { return (red * 11 + green * 16 + blue * 5) / 32; }
  double Spread() const { return std::max({red, green, blue}) - std::min({red, green, blue}); }
};

Colour MeanColour(const QImage& image, const QRect& area) {
  Colour sum;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      sum.red += qRed(pixel);
      sum.green += qGreen(pixel);
      sum.blue += qBlue(pixel);
    }
  }
  const double n = static_cast<double>(area.width()) * area.height();
  return {sum.red / n, sum.green / n, sum.blue / n};
}

// Water is clearly blue, the sea bed a middle grey, the sky light.
constexpr double kBlueOverRed = 50;
constexpr double kMaxGreySpread = 30;
constexpr double kMinBedGray = 80;
constexpr double kMaxBedGray = 200;
constexpr double kMinSkyGray = 170;

void ExpectWater(const QImage& image, const QRect& area) {
  const Colour c = MeanColour(image, area);
  EXPECT_GT(c.blue - c.red, kBlueOverRed);
  EXPECT_GT(c.blue, c.green);
}

void ExpectSeaBed(const QImage& image, const QRect& area) {
  const Colour c = MeanColour(image, area);
  EXPECT_LT(c.Spread(), kMaxGreySpread);
  EXPECT_GT(c.Gray(), kMinBedGray);
  EXPECT_LT(c.Gray(), kMaxBedGray);
}

void ExpectSky(const QImage& image, const QRect& area) {
  const Colour c = MeanColour(image, area);
  EXPECT_GT(c.Gray(), kMinSkyGray);
  EXPECT_GE(c.blue, c.red);
}

class PicturesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterPictureResources(); }
};

TEST_F(PicturesTest, ResourcesHoldExactlyTheListedPictures) {
  QSet<QString> found;
  QDirIterator it(":/pictures", QDir::Files);
  while (it.hasNext()) {
    it.next();
    found << it.fileName();
  }
  QSet<QString> listed;
  for (const auto& [name, size] : PictureSizes())
    listed << name;
  EXPECT_EQ(found, listed);
}

TEST_F(PicturesTest, EveryPictureDrawsOpaqueAtItsSize) {
  for (const auto& [name, size] : PictureSizes()) {
    SCOPED_TRACE(name.toStdString());
    QSvgRenderer renderer(PicturePath(name));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), size);
    const QImage picture = Render(name, size);
    const QRect all = picture.rect();
    EXPECT_GT(Share(picture, all, [](QRgb p) { return qAlpha(p) == 255; }), kMinOpaqueShare);
    EXPECT_GT(Share(picture, all, [](QRgb p) { return qAlpha(p) > 0 && qGray(p) < kInkGray; }),
              kMinInkShare);
  }
}

TEST_F(PicturesTest, DoorShapePicturesKeepTheShapeOfTheirPlace) {
  for (const char* name : kDoorShapePictures) {
    SCOPED_TRACE(name);
    const QSize size = PictureSizes().at(name);
    QSvgRenderer renderer(PicturePath(name));
    ASSERT_TRUE(renderer.isValid());
    const QRectF box = renderer.viewBoxF();
    ASSERT_FALSE(box.isEmpty());
    const double wanted = static_cast<double>(size.width()) / size.height();
    EXPECT_NEAR(box.width() / box.height() / wanted, 1.0, kAspectTolerance);
  }
}

// Where the Environment dialog lays its labels over the pictures.
constexpr int kLabelLeft = 4;
constexpr int kLabelWidth = 120;
constexpr int kLabelHeight = 30;
QRect LabelAt(int top) {
  return {kLabelLeft, top, kLabelWidth, kLabelHeight};
}

TEST_F(PicturesTest, EnvironmentLabelsSitOnTheirPartOfThePicture) {
  const QRect sky(0, 0, 200, 55);
  {
    SCOPED_TRACE("bottom trawling");
    const QImage bottom = Render("envir_bottom.svg", {200, 200});
    ExpectSky(bottom, sky);
    ExpectWater(bottom, LabelAt(68));
    ExpectSeaBed(bottom, LabelAt(124));
    ExpectSeaBed(bottom, LabelAt(160));
  }
  {
    SCOPED_TRACE("midwater trawling");
    const QImage midwater = Render("envir_midwater.svg", {200, 200});
    ExpectSky(midwater, sky);
    ExpectWater(midwater, LabelAt(124));
    ExpectWater(midwater, QRect(0, 160, 200, 40));
  }
}

TEST_F(PicturesTest, TrawlPictureLeavesTheFieldCornersPlain) {
  const QImage picture = Render("trawl_influence.svg", {420, 300});
  const auto notWhite = [](QRgb p) { return qGray(p) < kNearWhiteGray; };
  // The horizontal angle's caption and field at the top right, the vertical one's at the
  // bottom left.
  EXPECT_LT(Share(picture, QRect(268, 6, 148, 56), notWhite), kMaxPlainInkShare);
  EXPECT_LT(Share(picture, QRect(6, 236, 148, 56), notWhite), kMaxPlainInkShare);
  // The views themselves are drawn on.
  EXPECT_GT(Share(picture, QRect(0, 0, 420, 150), notWhite), kMaxPlainInkShare);
  EXPECT_GT(Share(picture, QRect(0, 150, 420, 150), notWhite), kMaxPlainInkShare);
}

}  // namespace
