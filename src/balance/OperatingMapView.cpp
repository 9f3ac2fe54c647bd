#include "OperatingMapView.h"

#include <QMouseEvent>
#include <QPainter>

#include "OperatingMapPicture.h"

OperatingMapView::OperatingMapView(QWidget* parent) : QWidget(parent) {
  setObjectName("OpMapView");
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void OperatingMapView::SetPicture(const OperatingMapPicture* picture) {
  picture_ = picture;
  update();
}

std::optional<std::pair<int, int>> OperatingMapView::NodeAt(const QPoint& point) const {
  if (picture_ == nullptr) return std::nullopt;
  return picture_->NodeAt(QPointF(point), size());
}

QPoint OperatingMapView::CentreOf(int ix, int iy) const {
  if (picture_ == nullptr) return {};
  return picture_->CellOf(ix, iy, size()).center().toPoint();
}

void OperatingMapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_ == nullptr) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  picture_->Paint(painter, size());
}

void OperatingMapView::mouseMoveEvent(QMouseEvent* event) {
  if (const auto node = NodeAt(event->position().toPoint())) {
    emit nodeHovered(node->first, node->second);
  } else {
    emit nodeLeft();
  }
  QWidget::mouseMoveEvent(event);
}

void OperatingMapView::leaveEvent(QEvent* event) {
  emit nodeLeft();
  QWidget::leaveEvent(event);
}
