#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>
#include <functional>

class QLabel;
class QWidget;

// Lays out the pages of the projections dialog on top of each other, each a picture area
// beside a column of fields. Every page is placed, shown or not, and the column width is the
// widest column's, so that the three picture areas always have one size. In its area a
// picture keeps its aspect ratio (FittedPicture) and a drawing surface fills it.
class ProjPagesLayout : public QLayout {
 public:
  struct Page {
    QWidget* Page;
    QWidget* Area;
    QWidget* Column;
    QLabel* Picture;
    QWidget* Surface;
  };

  explicit ProjPagesLayout(QWidget* host);
  ~ProjPagesLayout() override;

  void AddPage(const Page& page);
  // Called once everything is placed, to draw on surfaces of their new size.
  void SetOnPlaced(std::function<void()> onPlaced) { onPlaced_ = std::move(onPlaced); }
  // Places everything again in the present rectangle (after new pictures).
  void Replace();

  // Where a picture of that size goes in an area of that size: as large as fits with its
  // aspect ratio kept, centred along the other direction. Empty for an empty picture or area.
  static QRect FittedPicture(QSize picture, QSize area);

  void addItem(QLayoutItem* item) override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  int count() const override;
  QSize sizeHint() const override;
  QSize minimumSize() const override;
  void setGeometry(const QRect& rect) override;

 private:
  int ColumnWidth() const;

  QList<QLayoutItem*> items_;  // the pages
  QList<Page> pages_;
  std::function<void()> onPlaced_;
};
