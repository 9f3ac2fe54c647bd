#include "TextProbe.h"

#include <cmath>
#include <memory>

#include <QFont>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

namespace {

constexpr double kPointsPerInch = 72;

// How many times the letters' size a line of the font stands high (ascent and descent): the
// same for every size of one font, so a line's height gives its letters' size back.
double LineToEm(const QFont& font) {
  QFont sized(font);
  constexpr int kPixels = 100;
  sized.setPixelSize(kPixels);
  const QFontMetricsF metrics(sized);
  const double line = metrics.ascent() + metrics.descent();
  return line > 0 ? line / kPixels : 1;
}

}  // namespace

class TextProbe::Engine : public QPaintEngine {
 public:
  explicit Engine(TextProbe& device) : QPaintEngine(QPaintEngine::AllFeatures), device_(device) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
  void drawLines(const QLineF*, int) override {}
  void drawLines(const QLine*, int) override {}
  void drawRects(const QRectF*, int) override {}
  void drawRects(const QRect*, int) override {}
  void drawEllipse(const QRectF&) override {}
  void drawPoints(const QPointF*, int) override {}
  void drawPoints(const QPoint*, int) override {}
  void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
  Type type() const override { return QPaintEngine::User; }

  void drawTextItem(const QPointF& at, const QTextItem& item) override {
    const QString text = item.text();
    if (text.trimmed().isEmpty()) return;
    const QTransform transform = painter()->combinedTransform();
    const QRectF local(at.x(), at.y() - item.ascent(), item.width(),
                       item.ascent() + item.descent());
    const QRectF box = transform.mapRect(local);
    // The line's height on the device gives its letters' size there.
    const double linePixels = std::abs(transform.m22()) * local.height();
    const double points = linePixels / LineToEm(item.font()) * kPointsPerInch /
                          static_cast<double>(device_.dotsPerInch_);
    device_.texts_.push_back({box, points, text});
  }

 private:
  TextProbe& device_;
};

TextProbe::TextProbe(QSize size, int dotsPerInch)
    : size_(size), dotsPerInch_(dotsPerInch), engine_(new Engine(*this)) {}

TextProbe::~TextProbe() {
  delete engine_;
}

QPaintEngine* TextProbe::paintEngine() const {
  return engine_;
}

int TextProbe::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
      return size_.width();
    case PdmHeight:
      return size_.height();
    case PdmWidthMM:
      return static_cast<int>(std::lround(size_.width() * 25.4 / dotsPerInch_));
    case PdmHeightMM:
      return static_cast<int>(std::lround(size_.height() * 25.4 / dotsPerInch_));
    case PdmNumColors:
      return 1 << 24;
    case PdmDepth:
      return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return dotsPerInch_;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    default:
      return QPaintDevice::metric(metric);
  }
}

std::vector<TextProbe::Found> TextProbe::TextsOf(QSize size, int dotsPerInch,
                                                 const QTransform& transform,
                                                 const std::function<void(QPainter&)>& paint) {
  TextProbe probe(size, dotsPerInch);
  {
    QPainter painter(&probe);
    if (!painter.isActive()) return {};
    painter.setTransform(transform);
    paint(painter);
  }
  return probe.texts_;
}
