#pragma once

#include <functional>

#include <QString>
#include <QWidget>
#include <vector>

#include "lang/TextCatalogue.h"
#include "model/SweepPoint.h"

class QPainter;

// The curves of a parameter sweep against the swept value, in three bands sharing the value
// axis: the wing attack angle and the three rotation angles (degrees), the spread force,
// resistance and vertical force (kN), and spread over resistance. A point whose search did not
// balance the door is marked with a red ring on every curve.
class SweepPlot : public QWidget {
  Q_OBJECT

 public:
  explicit SweepPlot(QWidget* parent = nullptr);

  // The swept value's name and the ends of its axis; the points come as the sweep runs.
  void SetAxis(const QString& variable, long double from, long double to);
  void SetPoints(const std::vector<SweepPoint>& points);
  const std::vector<SweepPoint>& Points() const { return points_; }

  // Paints the plot into any device (the widget, an image, an SVG drawing).
  void Paint(QPainter& painter, const QSize& size) const;

  // The texts of the language in use: the band titles and curve names.
  void SetTexts(const TextCatalogue& texts) {
    texts_ = texts;
    update();
  }

  QSize sizeHint() const override { return {520, 420}; }
  // What the tool tip says about the value under the mouse.
  void SetPointHint(const std::function<QString(const SweepPoint&)>& hint);
  // The value whose column lies within a few pixels of x, or none.
  const SweepPoint* PointAt(int x) const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<QString(const SweepPoint&)> hint_;
  QString variable_;
  TextCatalogue texts_ = TextCatalogue::English();
  long double from_ = 0, to_ = 1;
  std::vector<SweepPoint> points_;
};
