#pragma once

#include <QWidget>
#include <optional>
#include <utility>

class OperatingMapPicture;

// The operating map window's drawing: paints the map picture given and tells which node the
// mouse is over.
class OperatingMapView : public QWidget {
  Q_OBJECT

 public:
  explicit OperatingMapView(QWidget* parent = nullptr);

  // The picture to paint, nothing for an empty view; the caller keeps it alive.
  void SetPicture(const OperatingMapPicture* picture);
  // The node whose cell holds `point` of the widget.
  std::optional<std::pair<int, int>> NodeAt(const QPoint& point) const;
  // The centre of a node's cell, in the widget's coordinates.
  QPoint CentreOf(int ix, int iy) const;

  QSize sizeHint() const override { return {560, 400}; }
  QSize minimumSizeHint() const override { return {320, 220}; }

 signals:
  void nodeHovered(int ix, int iy);
  // The mouse left the cells.
  void nodeLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const OperatingMapPicture* picture_ = nullptr;
};
