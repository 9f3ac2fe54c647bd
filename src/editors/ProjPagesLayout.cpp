#include "ProjPagesLayout.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <QWidgetItem>
#include <algorithm>

namespace {

// The smallest picture area worth showing.
constexpr int kMinimumArea = 80;

}  // namespace

ProjPagesLayout::ProjPagesLayout(QWidget* host) : QLayout(host) {
  setContentsMargins(0, 0, 0, 0);
}

ProjPagesLayout::~ProjPagesLayout() {
  while (QLayoutItem* item = takeAt(0))
    delete item;
}

void ProjPagesLayout::AddPage(const Page& page) {
  pages_.append(page);
  addWidget(page.Page);
}

void ProjPagesLayout::addItem(QLayoutItem* item) {
  items_.append(item);
}

QLayoutItem* ProjPagesLayout::itemAt(int index) const {
  return items_.value(index);
}

QLayoutItem* ProjPagesLayout::takeAt(int index) {
  if (index < 0 || index >= items_.size()) return nullptr;
  return items_.takeAt(index);
}

int ProjPagesLayout::count() const {
  return static_cast<int>(items_.size());
}

int ProjPagesLayout::ColumnWidth() const {
  int width = 0;
  for (const Page& page : pages_)
    width = std::max(width, page.Column->sizeHint().width());
  return width;
}

QSize ProjPagesLayout::minimumSize() const {
  int height = kMinimumArea;
  for (const Page& page : pages_)
    height = std::max(height, page.Column->sizeHint().height());
  return {ColumnWidth() + kMinimumArea, height};
}

QSize ProjPagesLayout::sizeHint() const {
  return minimumSize();
}

QRect ProjPagesLayout::FittedPicture(QSize picture, QSize area) {
  if (picture.isEmpty() || area.isEmpty()) return {};
  const long double ratio = static_cast<long double>(picture.width()) / picture.height();
  const long double areaRatio = static_cast<long double>(area.width()) / area.height();
  if (ratio >= areaRatio) {
    const int height = static_cast<int>(area.width() / ratio);
    return {0, (area.height() - height) / 2, area.width(), height};
  }
  const int width = static_cast<int>(ratio * area.height());
  return {(area.width() - width) / 2, 0, width, area.height()};
}

void ProjPagesLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  const int areaWidth = std::max(0, rect.width() - ColumnWidth());
  const QSize area(areaWidth, rect.height());
  for (const Page& page : pages_) {
    page.Page->setGeometry(rect);
    page.Area->setGeometry(QRect(QPoint(0, 0), area));
    page.Surface->setGeometry(QRect(QPoint(0, 0), area));
    page.Column->setGeometry(areaWidth, 0, rect.width() - areaWidth, rect.height());
    page.Picture->setGeometry(FittedPicture(page.Picture->pixmap().size(), area));
  }
  if (onPlaced_) onPlaced_();
}

void ProjPagesLayout::Replace() {
  setGeometry(geometry());
}
