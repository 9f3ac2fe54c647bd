// A door names its pictures by file, and a file may declare any size. Whatever it declares,
// the picture is decoded at no more than kMaxPictureSide on its longer side, keeping its
// shape, so no door can make the program allocate gigabytes for its pictures.

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QString>

#include "DoorPictures.h"
#include "support/TempFolder.h"

namespace {

// A drawing of a few bytes that declares a huge page.
std::string HugeDrawing(int width, int height) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
         "\" height=\"" + std::to_string(height) + "\"><rect width=\"9\" height=\"9\"/></svg>";
}

struct DeclaredSize {
  const char* Name;
  int Width, Height;
  int ExpectedWidth, ExpectedHeight;
};

class PictureBounds : public ::testing::TestWithParam<DeclaredSize> {};
class BitmapBounds : public PictureBounds {};

TEST_P(PictureBounds, ADrawingIsDecodedWithinTheBound) {
  const TempFolder folder;
  const std::string path = folder.File("front.svg");
  TempFolder::WriteBytes(path, HugeDrawing(GetParam().Width, GetParam().Height));
  const QPixmap picture = DoorPictures::LoadPicture(QString::fromStdString(path));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.width(), GetParam().ExpectedWidth);
  EXPECT_EQ(picture.height(), GetParam().ExpectedHeight);
}

TEST_P(BitmapBounds, ABitmapIsDecodedWithinTheBound) {
  const TempFolder folder;
  const std::string path = folder.File("front.png");
  QImage image(GetParam().Width, GetParam().Height, QImage::Format_RGB32);
  image.fill(Qt::gray);
  ASSERT_TRUE(image.save(QString::fromStdString(path), "PNG"));
  const QPixmap picture = DoorPictures::LoadPicture(QString::fromStdString(path));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.width(), GetParam().ExpectedWidth);
  EXPECT_EQ(picture.height(), GetParam().ExpectedHeight);
}

constexpr DeclaredSize kSmall{"Small", 300, 200, 300, 200};
constexpr DeclaredSize kAtTheBound{"AtTheBound", 4096, 10, 4096, 10};
constexpr DeclaredSize kWide{"Wide", 8192, 16, 4096, 8};
constexpr DeclaredSize kTall{"Tall", 20, 20000, 4, 4096};

INSTANTIATE_TEST_SUITE_P(Sizes, PictureBounds,
                         ::testing::Values(kSmall, kAtTheBound, kWide, kTall,
                                           DeclaredSize{"Huge", 23170, 23170, 4096, 4096}),
                         [](const auto& info) { return std::string(info.param.Name); });
// A real bitmap of a huge size would be the very thing to avoid making; long and thin ones
// stand for it.
INSTANTIATE_TEST_SUITE_P(Sizes, BitmapBounds, ::testing::Values(kSmall, kAtTheBound, kWide, kTall),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(PictureBounds, DecodedSizeKeepsTheShapeAndAtLeastOnePixel) {
  EXPECT_EQ(DoorPictures::DecodedSize(QSize(100, 50), 40), QSize(40, 20));
  EXPECT_EQ(DoorPictures::DecodedSize(QSize(100000, 1), 4096), QSize(4096, 1));
  EXPECT_EQ(DoorPictures::DecodedSize(QSize(0, 10)), QSize());
}

}  // namespace
