#pragma once

#include <functional>
#include <vector>

#include <QPaintDevice>
#include <QRectF>
#include <QString>

class QPaintEngine;
class QPainter;

// A paint device that keeps nothing but the texts painted on it: where each line of text
// landed (its box in the device's pixels, after every transformation of the painter), the
// size its letters came out at and the words. The printed report uses it to know the layout
// of what a picture writes on its page, and tests check that layout rather than pixels.
class TextProbe : public QPaintDevice {
 public:
  struct Found {
    QRectF Box;     // device pixels
    double Points;  // the letters' size as it comes out on the device, typographic points
    QString Text;
  };

  // A device of `size` pixels at `dotsPerInch`.
  TextProbe(QSize size, int dotsPerInch);
  ~TextProbe() override;

  TextProbe(const TextProbe&) = delete;
  TextProbe& operator=(const TextProbe&) = delete;

  const std::vector<Found>& Texts() const { return texts_; }

  // The texts that `paint` writes on a fresh probe; the painter starts with `transform`.
  static std::vector<Found> TextsOf(QSize size, int dotsPerInch, const QTransform& transform,
                                    const std::function<void(QPainter&)>& paint);

  QPaintEngine* paintEngine() const override;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  class Engine;

  QSize size_;
  int dotsPerInch_;
  Engine* engine_;
  std::vector<Found> texts_;
};
