#include <gtest/gtest.h>

#include "print/LinkImageBox.h"

namespace {

constexpr double kMm = 1e-9;

struct FitCase {
  const char* Name;
  LinkImageBox::Rect Box;
  double PictureWidth;
  double PictureHeight;
  LinkImageBox::Rect Expected;
};

class LinkImageBoxFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(LinkImageBoxFitTest, FitsWithoutDistortionCentredAlongTheFreeDirection) {
  const FitCase& c = GetParam();
  LinkImageBox box;
  box.Remember(c.Box);
  const LinkImageBox::Rect placed = box.Place(c.PictureWidth, c.PictureHeight);
  EXPECT_NEAR(placed.Left, c.Expected.Left, kMm);
  EXPECT_NEAR(placed.Top, c.Expected.Top, kMm);
  EXPECT_NEAR(placed.Width, c.Expected.Width, kMm);
  EXPECT_NEAR(placed.Height, c.Expected.Height, kMm);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, LinkImageBoxFitTest,
    ::testing::Values(
        // Full height, centred across: (100 - 50) / 2 to the right.
        FitCase{"SquareInWideBox", {10, 20, 100, 50}, 300, 300, {35, 20, 50, 50}},
        // Full width, height 40 / 3 cut to 13, centred down: (90 - 13) / 2.
        FitCase{"WidePictureInTallBox", {0, 0, 40, 90}, 300, 100, {0, 38.5, 40, 13}},
        FitCase{"SameShape", {5, 5, 80, 40}, 200, 100, {5, 5, 80, 40}},
        FitCase{"NoHeightCountsAsSquare", {0, 0, 60, 30}, 10, 0, {15, 0, 30, 30}}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.Name); });

TEST(LinkImageBoxTest, RemembersTheFirstBoxOnly) {
  LinkImageBox box;
  EXPECT_FALSE(box.Remembered());
  box.Remember({10, 20, 100, 50});
  const LinkImageBox::Rect first = box.Place(300, 300);
  // A later printing passes the place its picture took; the box stays the first one.
  box.Remember(first);
  const LinkImageBox::Rect second = box.Place(300, 300);
  EXPECT_TRUE(box.Remembered());
  EXPECT_NEAR(box.DesignBox().Width, 100, kMm);
  EXPECT_NEAR(second.Left, first.Left, kMm);
  EXPECT_NEAR(second.Width, first.Width, kMm);
}

}  // namespace
