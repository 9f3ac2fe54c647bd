#include "render/PictureProbe.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>
#include <QTransform>

namespace {

// The engine claims every feature, so the painter hands it the primitives untransformed
// (and text as text items, not paths); it applies the painter's combined transform itself.
class RecordingEngine : public QPaintEngine {
 public:
  explicit RecordingEngine(PictureProbe& probe)
      : QPaintEngine(QPaintEngine::AllFeatures), m_probe(probe) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  Type type() const override { return QPaintEngine::User; }

  void drawLines(const QLineF* lines, int lineCount) override {
    for (int i = 0; i < lineCount; ++i)
      AddLine(lines[i].p1(), lines[i].p2());
  }

  void drawPoints(const QPointF* points, int pointCount) override {
    const QPen pen = painter()->pen();
    for (int i = 0; i < pointCount; ++i) {
      ProbePoint point;
      point.At = Map(points[i]);
      point.Colour = pen.color();
      point.Width = pen.widthF();
      point.Cap = pen.capStyle();
      m_probe.Points.push_back(point);
    }
    m_lastWasFill = false;
  }

  void drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) override {
    if (mode == PolylineMode) {
      for (int i = 1; i < pointCount; ++i)
        AddLine(points[i - 1], points[i]);
      return;
    }
    AddFill(QPolygonF(QList<QPointF>(points, points + pointCount)), false);
  }

  void drawRects(const QRectF* rects, int rectCount) override {
    for (int i = 0; i < rectCount; ++i)
      AddFill(QPolygonF(rects[i]), true);
  }

  void drawEllipse(const QRectF& rect) override {
    QPainterPath path;
    path.addEllipse(rect);
    AddFill(path.toFillPolygon(), false);
  }

  void drawPath(const QPainterPath& path) override { AddFill(path.toFillPolygon(), false); }

  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    ProbeText text;
    text.Text = item.text();
    text.Font = item.font();
    text.Baseline = Map(p);
    const QFontMetricsF metrics(item.font(), painter()->device());
    text.TopLeft = Map(QPointF(p.x(), p.y() - metrics.ascent()));
    text.Colour = painter()->pen().color();
    text.Opaque = painter()->backgroundMode() == Qt::OpaqueMode;
    text.Background = painter()->background().color();
    // A recorded picture keeps no background mode: the painter that recorded it drew the
    // opaque background as a box filled just before the text, from its start and its top.
    if (!text.Opaque && m_lastWasFill && !m_probe.Fills.empty()) {
      ProbeFill& box = m_probe.Fills.back();
      const QRectF bounds = box.Points.boundingRect();
      if (std::abs(bounds.left() - text.Baseline.x()) <= 1 &&
          std::abs(bounds.top() - text.TopLeft.y()) <= 1.5 &&
          bounds.bottom() >= text.Baseline.y()) {
        box.TextBackground = true;
        text.Opaque = true;
        text.Background = box.BrushColour;
      }
    }
    m_probe.Texts.push_back(text);
    m_lastWasFill = false;
  }

  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}

 private:
  QPointF Map(QPointF p) const { return painter()->combinedTransform().map(p); }

  void AddLine(QPointF from, QPointF to) {
    const QPen pen = painter()->pen();
    if (pen.style() == Qt::NoPen) return;
    ProbeLine line;
    line.From = Map(from);
    line.To = Map(to);
    line.Colour = pen.color();
    line.Width = pen.widthF();
    line.Cosmetic = pen.isCosmetic();
    line.Style = pen.style();
    line.Cap = pen.capStyle();
    m_probe.Lines.push_back(line);
    m_lastWasFill = false;
  }

  void AddFill(const QPolygonF& polygon, bool rect) {
    ProbeFill fill;
    fill.Points = painter()->combinedTransform().map(polygon);
    fill.BrushColour = painter()->brush().color();
    fill.BrushStyle = painter()->brush().style();
    fill.PenColour = painter()->pen().color();
    fill.PenStyle = painter()->pen().style();
    fill.Rect = rect;
    m_probe.Fills.push_back(fill);
    m_lastWasFill = true;
  }

  PictureProbe& m_probe;
  bool m_lastWasFill = false;  // the primitive drawn last was a fill
};

// A paint device of the picture's resolution that hands everything to the engine.
class RecordingDevice : public QPaintDevice {
 public:
  RecordingDevice(PictureProbe& probe, int dpiX, int dpiY)
      : m_engine(probe), m_dpiX(dpiX), m_dpiY(dpiY) {}
  QPaintEngine* paintEngine() const override { return &m_engine; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    constexpr int kSize = 1 << 20;
    switch (metric) {
      case PdmWidth:
      case PdmHeight:
        return kSize;
      case PdmWidthMM:
        return static_cast<int>(kSize * 25.4 / m_dpiX);
      case PdmHeightMM:
        return static_cast<int>(kSize * 25.4 / m_dpiY);
      case PdmNumColors:
        return 0x7fffffff;
      case PdmDepth:
        return 32;
      case PdmDpiX:
      case PdmPhysicalDpiX:
        return m_dpiX;
      case PdmDpiY:
      case PdmPhysicalDpiY:
        return m_dpiY;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:
        return QPaintDevice::metric(metric);
    }
  }

 private:
  mutable RecordingEngine m_engine;
  int m_dpiX;
  int m_dpiY;
};

qreal Distance(QPointF a, QPointF b) {
  return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QString Name(const QColor& c) {
  return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString Pt(QPointF p) {
  return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

}  // namespace

PictureProbe::PictureProbe(const QPicture& picture) {
  if (picture.isNull()) return;
  RecordingDevice device(*this, picture.logicalDpiX(), picture.logicalDpiY());
  QPainter painter(&device);
  painter.drawPicture(0, 0, picture);
  painter.end();
}

bool PictureProbe::SameColour(const QColor& a, const QColor& b) {
  return a.rgb() == b.rgb();
}

bool PictureProbe::HasLine(const QColor& colour, QPointF a, QPointF b, qreal tolerance) const {
  for (const ProbeLine& line : Lines) {
    if (!SameColour(line.Colour, colour)) continue;
    if ((Distance(line.From, a) <= tolerance && Distance(line.To, b) <= tolerance) ||
        (Distance(line.From, b) <= tolerance && Distance(line.To, a) <= tolerance))
      return true;
  }
  return false;
}

std::vector<ProbeLine> PictureProbe::LinesOf(const QColor& colour) const {
  std::vector<ProbeLine> result;
  for (const ProbeLine& line : Lines)
    if (SameColour(line.Colour, colour)) result.push_back(line);
  return result;
}

bool PictureProbe::HasPoint(const QColor& colour, QPointF at, qreal width, qreal tolerance) const {
  for (const ProbePoint& point : Points) {
    if (!SameColour(point.Colour, colour) || Distance(point.At, at) > tolerance) continue;
    if (width == 0 || point.Width == width) return true;
  }
  return false;
}

bool PictureProbe::HasDot(const QColor& colour, QPointF at, qreal diameter, qreal tolerance) const {
  for (const ProbePoint& point : Points) {
    if (!SameColour(point.Colour, colour) || Distance(point.At, at) > tolerance) continue;
    if (diameter == 0 || std::abs(std::max<qreal>(point.Width, 1) - diameter) <= 1) return true;
  }
  for (const ProbeFill& fill : Fills) {
    if (fill.BrushStyle == Qt::NoBrush || !SameColour(fill.BrushColour, colour)) continue;
    const QRectF box = fill.Points.boundingRect();
    if (Distance(box.center(), at) > tolerance) continue;
    if (diameter == 0 ||
        (std::abs(box.width() - diameter) <= 1 && std::abs(box.height() - diameter) <= 1))
      return true;
  }
  return false;
}

const ProbeText* PictureProbe::FindText(const QString& text) const {
  for (const ProbeText& item : Texts)
    if (item.Text == text) return &item;
  return nullptr;
}

std::vector<ProbeText> PictureProbe::TextsOf(const QString& text) const {
  std::vector<ProbeText> result;
  for (const ProbeText& item : Texts)
    if (item.Text == text) result.push_back(item);
  return result;
}

std::vector<ProbeFill> PictureProbe::FillsOf(const QColor& brushColour) const {
  std::vector<ProbeFill> result;
  for (const ProbeFill& fill : Fills)
    if (fill.BrushStyle != Qt::NoBrush && SameColour(fill.BrushColour, brushColour))
      result.push_back(fill);
  return result;
}

QString PictureProbe::Dump() const {
  QString out;
  for (const ProbeLine& line : Lines)
    out += QStringLiteral("line %1 -> %2 %3 width %4\n")
               .arg(Pt(line.From), Pt(line.To), Name(line.Colour))
               .arg(line.Width);
  for (const ProbePoint& point : Points)
    out += QStringLiteral("point %1 %2 width %3\n")
               .arg(Pt(point.At), Name(point.Colour))
               .arg(point.Width);
  for (const ProbeFill& fill : Fills) {
    QString corners;
    for (const QPointF& p : fill.Points)
      corners += Pt(p);
    out +=
        QStringLiteral("%1 %2 brush %3\n")
            .arg(fill.Rect ? QStringLiteral("rect") : QStringLiteral("polygon"), corners,
                 fill.BrushStyle == Qt::NoBrush ? QStringLiteral("none") : Name(fill.BrushColour));
  }
  for (const ProbeText& text : Texts)
    out += QStringLiteral("text '%1' top-left %2 baseline %3 %4%5\n")
               .arg(text.Text, Pt(text.TopLeft), Pt(text.Baseline), Name(text.Colour),
                    text.Opaque ? QStringLiteral(" opaque") : QString());
  return out;
}
