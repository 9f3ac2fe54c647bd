#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <optional>
#include <vector>

#include "OperatingMapPicture.h"
#include "model/EditableFields.h"

// The operating map as a picture: cells where the nodes are, the colours of the values, the
// nodes that did not balance, the outline of the good region.
namespace {

const QSize kSize(600, 400);

// A 4 x 3 map of towing speed against the warp point's abscissa: the attack angle rises along
// X, the door is stable except in the last column, the node (1, 2) did not balance.
class MapPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    x_ = MapAxis{*FindEditableField("v"), 1, 2.5, 3};
    y_ = MapAxis{*FindEditableField("x0"), 1, 1.2, 2};
    for (int iy = 0; iy < y_.Count(); ++iy) {
      for (int ix = 0; ix < x_.Count(); ++ix) {
        MapNode n;
        n.XValue = x_.ValueAt(ix);
        n.YValue = y_.ValueAt(iy);
        n.Done = true;
        n.Balance.Converged = !(ix == 1 && iy == 2);
        n.Balance.WingAttackDeg = 25 + 5 * ix + iy;  // 25 ... 42
        n.Balance.RotX = ix - iy;
        n.Stable = ix < 3;
        nodes_.push_back(n);
      }
    }
  }
  QImage Painted(const OperatingMapPicture& picture) const {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Paint(painter, kSize);
    return image;
  }
  // A point of a node's cell away from its centre (where an unbalanced node's cross runs) and
  // its edges (where the outline runs).
  QPoint InsideCell(const OperatingMapPicture& picture, int ix, int iy) const {
    const QRectF cell = picture.CellOf(ix, iy, kSize);
    return QPointF(cell.left() + cell.width() * 0.5, cell.top() + cell.height() * 0.15).toPoint();
  }

  MapAxis x_, y_;
  std::vector<MapNode> nodes_;
};

TEST_F(MapPictureTest, EachCellLeadsBackToItsNodeAndYRisesUpwards) {
  const OperatingMapPicture picture(x_, y_, nodes_);
  for (int iy = 0; iy < y_.Count(); ++iy)
    for (int ix = 0; ix < x_.Count(); ++ix)
      EXPECT_EQ(picture.NodeAt(picture.CellOf(ix, iy, kSize).center(), kSize),
                std::make_pair(ix, iy));
  EXPECT_LT(picture.CellOf(0, 1, kSize).top(), picture.CellOf(0, 0, kSize).top());
  EXPECT_LT(picture.CellOf(0, 0, kSize).left(), picture.CellOf(1, 0, kSize).left());
  EXPECT_EQ(picture.NodeAt(QPointF(1, 1), kSize), std::nullopt);  // the margin
  EXPECT_EQ(picture.NodeAt(QPointF(kSize.width() - 2, kSize.height() / 2), kSize),
            std::nullopt);  // the legend
}

TEST_F(MapPictureTest, ValuesOfBalancedNodesOnly) {
  const MapNode& unbalanced = nodes_[2 * 4 + 1];
  for (const MapQuantity q :
       {MapQuantity::Attack, MapQuantity::Heel, MapQuantity::Pitch, MapQuantity::Spread,
        MapQuantity::SpreadOverResistance, MapQuantity::Stability})
    EXPECT_EQ(OperatingMapPicture::ValueOf(unbalanced, q), std::nullopt);
  EXPECT_EQ(OperatingMapPicture::ValueOf(nodes_[0], MapQuantity::Attack), 25);
  EXPECT_EQ(OperatingMapPicture::ValueOf(nodes_[0], MapQuantity::Stability), 1);
  EXPECT_EQ(OperatingMapPicture::ValueOf(nodes_[3], MapQuantity::Stability), 0);
  MapNode undone = nodes_[0];
  undone.Done = false;
  EXPECT_EQ(OperatingMapPicture::ValueOf(undone, MapQuantity::Attack), std::nullopt);
}

struct RegionCase {
  int Node;  // index in the map's order
  bool Good;
};

class GoodRegion : public MapPictureTest, public ::testing::WithParamInterface<RegionCase> {};

// Attack within 30 to 40 degrees, stable, balanced.
TEST_P(GoodRegion, AttackInTheBandAndStable) {
  OperatingMapPicture picture(x_, y_, nodes_);
  picture.SetAttackBand(40, 30);  // either order
  EXPECT_EQ(picture.InGoodRegion(nodes_[static_cast<std::size_t>(GetParam().Node)]),
            GetParam().Good);
}

INSTANTIATE_TEST_SUITE_P(Nodes, GoodRegion,
                         ::testing::Values(RegionCase{0, false},     // 25: below the band
                                           RegionCase{1, true},      // 30: its lower edge
                                           RegionCase{2, true},      // 35
                                           RegionCase{3, false},     // 40 but unstable
                                           RegionCase{6, true},      // 36
                                           RegionCase{9, false},     // not balanced
                                           RegionCase{10, true},     // 37
                                           RegionCase{11, false}));  // 42: above, and unstable

TEST_F(MapPictureTest, ColoursTellLowFromHighAndMarkUnbalancedNodes) {
  OperatingMapPicture picture(x_, y_, nodes_);
  const QImage image = Painted(picture);
  // The lowest attack angle takes the scale's dark end, the highest its light end.
  const QColor low = image.pixelColor(InsideCell(picture, 0, 0));
  const QColor high = image.pixelColor(InsideCell(picture, 2, 2));
  EXPECT_LT(low.lightness(), high.lightness());
  EXPECT_EQ(image.pixelColor(InsideCell(picture, 1, 2)), QColor(170, 170, 170));
  // The cross over the unbalanced node runs through its centre.
  const QPoint centre = picture.CellOf(1, 2, kSize).center().toPoint();
  EXPECT_EQ(image.pixelColor(centre), QColor(Qt::black));

  picture.SetQuantity(MapQuantity::Stability);
  const QImage verdict = Painted(picture);
  EXPECT_NE(verdict.pixelColor(InsideCell(picture, 0, 0)),
            verdict.pixelColor(InsideCell(picture, 3, 0)));
  EXPECT_EQ(verdict.pixelColor(InsideCell(picture, 0, 0)),
            verdict.pixelColor(InsideCell(picture, 2, 1)));
}

TEST_F(MapPictureTest, TheGoodRegionIsOutlined) {
  OperatingMapPicture picture(x_, y_, nodes_);
  picture.SetQuantity(MapQuantity::Stability);
  const QImage image = Painted(picture);
  // Between node (0, 0) (outside) and node (1, 0) (inside): the outline.
  const QRectF inside = picture.CellOf(1, 0, kSize);
  const QPoint edge = QPointF(inside.left(), inside.center().y()).toPoint();
  EXPECT_EQ(image.pixelColor(edge), QColor(Qt::black));
  // Between two nodes of the region, (1, 0) and (2, 0): none.
  const QRectF next = picture.CellOf(2, 0, kSize);
  const QPoint within = QPointF(next.left(), next.center().y() + next.height() * 0.3).toPoint();
  EXPECT_NE(image.pixelColor(within), QColor(Qt::black));
}

TEST_F(MapPictureTest, EncodesAsPngAndSvg) {
  const OperatingMapPicture picture(x_, y_, nodes_);
  const std::optional<QByteArray> png = picture.PngBytes(kSize);
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(QImage::fromData(*png, "PNG").size(), kSize);
  const std::optional<QByteArray> svg = picture.SvgBytes(kSize, "Map");
  ASSERT_TRUE(svg.has_value());
  EXPECT_TRUE(svg->contains("<svg"));
  EXPECT_TRUE(svg->contains("<title>Map</title>"));
}

}  // namespace
