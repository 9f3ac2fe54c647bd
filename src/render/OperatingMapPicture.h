#pragma once

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "PictureEncoding.h"
#include "analysis/MapAxis.h"
#include "analysis/MapNode.h"
#include "io/AtomicFileWriter.h"

class QPainter;

// What an operating map shows in colour at each node.
enum class MapQuantity { Attack, Heel, Pitch, Spread, SpreadOverResistance, Stability };

// An operating map as a picture: one coloured cell per node (the X setting across, the Y
// setting upwards), a legend of the colours, the nodes whose search did not balance the door
// crossed out in grey, nodes not yet balanced left blank, and the good region (the wing attack
// angle within a band and the balance stable) outlined. Qt Gui only: the map window paints it,
// and so could the command line.
class OperatingMapPicture {
 public:
  // The words the picture writes; English unless a window gives its language's.
  struct Words {
    QString Stable = QStringLiteral("stable");
    QString Unstable = QStringLiteral("unstable");
    QString Unbalanced = QStringLiteral("not balanced");
    QString GoodRegion = QStringLiteral("attack in band, stable");
    QString Quantity;  // the legend's title
  };

  OperatingMapPicture(const MapAxis& x, const MapAxis& y, const std::vector<MapNode>& nodes);

  void SetQuantity(MapQuantity quantity) { quantity_ = quantity; }
  MapQuantity Quantity() const { return quantity_; }
  // The band of the wing attack angle of the good region, degrees.
  void SetAttackBand(long double from, long double to);
  void SetWords(Words words) { words_ = std::move(words); }

  // The value of a quantity at a balanced node; nothing where the node was not balanced.
  // The stability verdict is 1 for stable, 0 for unstable.
  static std::optional<long double> ValueOf(const MapNode& node, MapQuantity quantity);
  // The node is balanced, stable, and its attack angle lies within the band.
  bool InGoodRegion(const MapNode& node) const;

  // Paints the picture into a device of the given size.
  void Paint(QPainter& painter, const QSize& size) const;
  // The node (X index, Y index) whose cell holds `point` in a picture of `size`.
  std::optional<std::pair<int, int>> NodeAt(const QPointF& point, const QSize& size) const;
  // The cell of a node in a picture of `size`.
  QRectF CellOf(int ix, int iy, const QSize& size) const;

  // The picture as PNG bytes, or as an SVG drawing with `title`; nothing when it could not be
  // encoded.
  std::optional<QByteArray> PngBytes(const QSize& size) const;
  std::optional<QByteArray> SvgBytes(const QSize& size, const QString& title) const;
  // Writes an SVG drawing when the path ends in ".svg" (any case), else a PNG image, through
  // the one writer; returns why it failed, or nothing.
  std::optional<QString> Save(const QString& path, const QSize& size, const QString& title,
                              const AtomicFileWriter& writer = AtomicFileWriter()) const;

 private:
  // The painting of this picture, for the encoder.
  PictureEncoding::Painting AsPainting() const;
  const MapNode& Node(int ix, int iy) const;
  QRectF PlotArea(const QSize& size) const;
  // The range of the quantity over the balanced nodes.
  std::pair<long double, long double> Range() const;
  QColor ColourOf(const MapNode& node, long double low, long double high) const;
  void PaintAxes(QPainter& painter, const QRectF& area) const;
  void PaintOutline(QPainter& painter, const QSize& size) const;
  void PaintLegend(QPainter& painter, const QRectF& area, long double low, long double high) const;

  MapAxis x_, y_;
  const std::vector<MapNode>& nodes_;
  MapQuantity quantity_ = MapQuantity::Attack;
  long double bandFrom_ = 30, bandTo_ = 40;
  Words words_;
};
