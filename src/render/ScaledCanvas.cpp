#include "ScaledCanvas.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "UserLocale.h"
#include "numbers/NiceTicks.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"

namespace {

// No grid draws more lines than this on one axis (a step that is tiny against the range,
// or one so small that adding it no longer changes the tick, would loop for ever).
constexpr int kMaxTicks = 4096;

const QColor kSilver(192, 192, 192);

// v rounded half to even, as a pixel coordinate: NaN gives 0 and everything is clamped to
// the pixel limit before rounding.
int PixelOf(long double v) {
  if (std::isnan(v)) return 0;
  const long double limit = ScaledCanvas::PixelLimit;
  v = std::clamp(v, -limit, limit);
  return static_cast<int>(RoundHalfEven(v));
}

// The offset part of a mapping; a quotient that is not a number (0/0 with a zero extent)
// counts as no offset.
long double Finite(long double v) {
  return std::isnan(v) ? 0.0L : v;
}

QVector<QRgb> MonoPalette() {
  return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
}

}  // namespace

ScaledCanvas::ScaledCanvas() = default;

ScaledCanvas::ScaledCanvas(TImageType imageType) : imageType_(imageType) {}

ScaledCanvas::~ScaledCanvas() {
  DiscardCanvas();
}

void ScaledCanvas::SetImageType(TImageType type) {
  if (type == imageType_) return;
  DiscardCanvas();
  image_ = QImage();
  shown_ = QPicture();
  recording_ = QPicture();
  imageType_ = type;
  SurfaceChanged();
}

void ScaledCanvas::SetMonochrome(bool monochrome) {
  monochrome_ = monochrome;
  if (imageType_ != itBitmap || image_.isNull()) return;
  if (monochrome == (image_.depth() == 1)) return;
  ReplaceImage(monochrome
                   ? image_.convertToFormat(QImage::Format_Mono, MonoPalette(), Qt::ThresholdDither)
                   : image_.convertToFormat(QImage::Format_RGB32));
  SurfaceChanged();
}

void ScaledCanvas::Loaded() {
  if (imageType_ == itMetafile) {
    DrawCanvas();
  } else {
    SetMonochrome(monochrome_);
  }
}

bool ScaledCanvas::IsRecording() const {
  return imageType_ == itMetafile && painter_ != nullptr;
}

// ---------------------------------------------------------------------------------------
// Canvas

void ScaledCanvas::InitCanvas() {
  painter_->setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter_->setBrush(QBrush(Qt::white, Qt::SolidPattern));
  painter_->setFont(SurfaceFont());
  painter_->setBackground(QBrush(Qt::white));
  painter_->setBackgroundMode(Qt::TransparentMode);
  textColor_ = Qt::black;
  penPosition_ = QPoint(0, 0);
}

ScaledCanvas::CanvasState ScaledCanvas::SaveCanvas() const {
  CanvasState state;
  state.pen = painter_->pen();
  state.brush = painter_->brush();
  state.font = painter_->font();
  state.background = painter_->background();
  state.backgroundMode = painter_->backgroundMode();
  return state;
}

void ScaledCanvas::RestoreCanvas(const CanvasState& state) {
  painter_->setPen(state.pen);
  painter_->setBrush(state.brush);
  painter_->setFont(state.font);
  painter_->setBackground(state.background);
  painter_->setBackgroundMode(state.backgroundMode);
}

QImage ScaledCanvas::NewImage(int width, int height) const {
  width = std::max(1, width);
  height = std::max(1, height);
  if (monochrome_) {
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable(MonoPalette());
    image.fill(1);  // white
    return image;
  }
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Installs another bitmap; an open bitmap painter moves to it with its pen, brush and font.
void ScaledCanvas::ReplaceImage(QImage image) {
  const bool hadPainter = painter_ != nullptr;
  CanvasState state;
  if (hadPainter) {
    state = SaveCanvas();
    painter_->end();
    painter_.reset();
  }
  image_ = std::move(image);
  if (hadPainter) {
    painter_ = std::make_unique<QPainter>();
    painter_->begin(&image_);
    RestoreCanvas(state);
  }
}

// Ends the open canvas without showing anything it recorded.
void ScaledCanvas::DiscardCanvas() {
  if (painter_) {
    if (painter_->isActive()) painter_->end();
    painter_.reset();
  }
  recording_ = QPicture();
}

QPainter* ScaledCanvas::DrawCanvas() {
  if (imageType_ == itMetafile) {
    if (!painter_) {
      recording_ = QPicture();
      painter_ = std::make_unique<QPainter>();
      // When the recording cannot be opened the painter stays inactive: the drawing in
      // progress is silently lost and Finish keeps the previous picture.
      if (painter_->begin(&recording_)) InitCanvas();
    }
  } else {
    if (image_.isNull()) {
      DiscardCanvas();
      image_ = NewImage(Width(), Height());
    }
    if (!painter_) {
      painter_ = std::make_unique<QPainter>();
      if (painter_->begin(&image_)) InitCanvas();
    }
  }
  return painter_.get();
}

void ScaledCanvas::Finish() {
  if (imageType_ == itMetafile && painter_) {
    const bool recorded = painter_->isActive();
    if (recorded) painter_->end();
    painter_.reset();
    if (recorded) shown_ = recording_;
    recording_ = QPicture();
  }
  SurfaceChanged();
}

void ScaledCanvas::Clear() {
  const int w = Width();
  const int h = Height();
  // The bitmap follows the control's size (a metafile plays 1:1 at any size).
  if (imageType_ == itBitmap && !image_.isNull() &&
      image_.size() != QSize(std::max(1, w), std::max(1, h))) {
    QImage fitted = NewImage(w, h);
    {
      QPainter copier(&fitted);
      copier.drawImage(0, 0, image_);
    }
    ReplaceImage(std::move(fitted));
  }
  // A metafile starts a new recording; a monochrome bitmap keeps what it holds.
  if (imageType_ == itMetafile) {
    Finish();
  } else {
    DrawCanvas();
    if (image_.depth() == 1) {
      SurfaceChanged();
      return;
    }
  }
  // The white rectangle over the whole control; pen and brush are left as they were.
  QPainter* canvas = DrawCanvas();
  canvas->fillRect(QRect(0, 0, w, h), Qt::white);
  if (imageType_ == itBitmap) SurfaceChanged();
}

QFontMetrics ScaledCanvas::CanvasFontMetrics() const {
  if (painter_ && painter_->isActive()) return painter_->fontMetrics();
  const QPaintDevice* device = MetricsDevice();
  return device ? QFontMetrics(SurfaceFont(), device) : QFontMetrics(SurfaceFont());
}

// ---------------------------------------------------------------------------------------
// Mappings

int ScaledCanvas::XToPixel(long double x) const {
  const long double span = static_cast<long double>(Width() - MarginLeft - MarginRight - 1);
  const long double offset = Finite(span * (x - XMin) / XExtent);
  return PixelOf(MarginLeft + std::clamp(offset, -2.0L * PixelLimit, 2.0L * PixelLimit));
}

int ScaledCanvas::YToPixel(long double y) const {
  const long double a = static_cast<long double>(Height() - MarginBottom - 1);
  const long double offset = Finite((y - YMin) * (a - MarginTop) / YExtent);
  return PixelOf(a - std::clamp(offset, -2.0L * PixelLimit, 2.0L * PixelLimit));
}

long double ScaledCanvas::PixelToX(int column) const {
  const int c = Width() - MarginLeft - MarginRight;
  const long double offset = static_cast<long double>(column - MarginLeft) * XExtent;
  if (c == 1) return XMin + offset;
  return XMin + offset / static_cast<long double>(c - 1);
}

long double ScaledCanvas::PixelToY(int row) const {
  const int h = Height() - MarginBottom;
  const int d = h - MarginTop;
  if (d == 1) return YMin;
  return YMin + static_cast<long double>(h - row - 1) * YExtent / static_cast<long double>(d - 1);
}

QPoint ScaledCanvas::ToPixel(long double x, long double y) const {
  return QPoint(XToPixel(x), YToPixel(y));
}

long double ScaledCanvas::WorldTextWidth(const QString& text) const {
  return PixelToX(CanvasFontMetrics().horizontalAdvance(text)) - PixelToX(0);
}

long double ScaledCanvas::WorldTextHeight(const QString& text) const {
  Q_UNUSED(text);  // every text of a font is one line high
  return PixelToY(CanvasFontMetrics().height()) - PixelToY(0);
}

// ---------------------------------------------------------------------------------------
// Drawing

void ScaledCanvas::MoveTo(long double x, long double y) {
  DrawCanvas();
  penPosition_ = ToPixel(x, y);
}

void ScaledCanvas::LineTo(long double x, long double y) {
  QPainter* canvas = DrawCanvas();
  const QPoint to = ToPixel(x, y);
  // A zero-length line paints nothing with a round-capped pen; a point paints the dot.
  if (to == penPosition_) {
    canvas->drawPoint(to);
  } else {
    canvas->drawLine(penPosition_, to);
  }
  penPosition_ = to;
}

void ScaledCanvas::Line(const QColor& colour, long double x1, long double y1, long double x2,
                        long double y2) {
  QPainter* canvas = DrawCanvas();
  QPen pen = canvas->pen();
  pen.setColor(colour);
  canvas->setPen(pen);
  MoveTo(x1, y1);
  LineTo(x2, y2);
}

void ScaledCanvas::TextOut(const QString& text, long double x, long double y) {
  TextAt(text, ToPixel(x, y));
}

// The text with its top-left corner at the pixel, in the text colour; as on a GDI
// canvas the pen position moves to the end of the text.
void ScaledCanvas::TextAt(const QString& text, QPoint topLeft) {
  QPainter* canvas = DrawCanvas();
  const QFontMetrics metrics = canvas->fontMetrics();
  const QPen saved = canvas->pen();
  canvas->setPen(QPen(textColor_));
  canvas->drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
  canvas->setPen(saved);
  penPosition_ = QPoint(topLeft.x() + metrics.horizontalAdvance(text), topLeft.y());
}

void ScaledCanvas::FillQuad(long double x1, long double y1, long double x2, long double y2,
                            long double x3, long double y3, long double x4, long double y4) {
  QPainter* canvas = DrawCanvas();
  const QPolygon quad({ToPixel(x1, y1), ToPixel(x2, y2), ToPixel(x3, y3), ToPixel(x4, y4)});
  canvas->drawPolygon(quad);
}

void ScaledCanvas::Dot(long double x, long double y, int width, const QColor& colour) {
  QPainter* canvas = DrawCanvas();
  const QPen saved = canvas->pen();
  canvas->setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  MoveTo(x, y);
  LineTo(x, y);
  canvas->setPen(saved);
}

void ScaledCanvas::SetEqualScaleRegion(long double xMin, long double xExtent, long double yMin,
                                       long double yExtent) {
  XMin = xMin;
  XExtent = xExtent;
  YMin = yMin;
  YExtent = yExtent;
  EqualizeScales();
}

void ScaledCanvas::EqualizeScales() {
  if (XExtent == 0 && YExtent == 0) {
    XExtent = 1;
    YExtent = 1;
  } else if (XExtent == 0) {
    XExtent = YExtent;
  } else if (YExtent == 0) {
    YExtent = XExtent;
  }
  const long double pw = static_cast<long double>(Width() - MarginLeft - MarginRight);
  const long double ph = static_cast<long double>(Height() - MarginBottom - MarginTop);
  const long double sx = pw / XExtent;
  const long double sy = ph / YExtent;
  const long double ax = std::fabs(sx);
  const long double ay = std::fabs(sy);
  // An empty area or a non-finite extent has no scale to equalize.
  if (!std::isfinite(ax) || !std::isfinite(ay) || ax == 0 || ay == 0) return;
  if (std::fabs((ax - ay) / ax) <= 0.001L) return;
  if (ax > ay) {
    const long double extent = (sx < 0 ? -1.0L : 1.0L) * pw / ay;
    XMin -= (extent - XExtent) / 2;
    XExtent = extent;
  } else {
    const long double extent = (sy < 0 ? -1.0L : 1.0L) * ph / ax;
    YMin -= (extent - YExtent) / 2;
    YExtent = extent;
  }
}

void ScaledCanvas::DrawGrid(int xDecimals, int yDecimals, long double xStep, long double yStep) {
  QPainter* canvas = DrawCanvas();
  // Labels hide the lines beneath them: opaque text background in the brush colour.
  const QBrush savedBackground = canvas->background();
  const QBrush brush = canvas->brush();
  canvas->setBackground(QBrush(brush.style() == Qt::NoBrush ? QColor(Qt::white) : brush.color()));
  canvas->setBackgroundMode(Qt::OpaqueMode);

  // Labels are placed by the size of a text line and of one digit.
  const QFontMetrics metrics = canvas->fontMetrics();
  const int h = metrics.height();
  const int w0 = metrics.horizontalAdvance(QStringLiteral("0"));
  const long double xEnd = XMin + XExtent;
  const long double yEnd = YMin + YExtent;
  const NumberLocale locale = UserNumberLocale();

  auto usableStep = [](long double step, long double from, long double to) {
    return std::isfinite(step) && step > 0 && std::isfinite(from) && std::isfinite(to);
  };

  // The row of the x labels: by the bottom edge, never below the x axis.
  const long double yL = std::max(0.0L, YMin + 1.5L * (PixelToY(h) - PixelToY(0)));

  // x ticks; the first from a truncation toward zero.
  if (usableStep(xStep, XMin, xEnd)) {
    long double t = xStep * std::trunc(XMin / xStep + 1);
    for (int n = 0; t < xEnd && n < kMaxTicks; ++n, t += xStep) {
      Line(kSilver, t, YMin, t, yEnd);
      const QString text = QString::fromStdString(FormatNumber(15, xDecimals, true, t, locale));
      TextAt(text, QPoint(XToPixel(t) - metrics.horizontalAdvance(text) / 2, YToPixel(yL) + h / 2));
    }
  }

  // The column of the y labels: the left edge, never left of the y axis.
  const long double xL = std::max(0.0L, XMin);

  // y ticks, likewise.
  if (usableStep(yStep, YMin, yEnd)) {
    long double s = yStep * std::trunc(YMin / yStep + 1);
    for (int n = 0; s < yEnd && n < kMaxTicks; ++n, s += yStep) {
      Line(kSilver, XMin, s, xEnd, s);
      const QString text = QString::fromStdString(FormatNumber(20, yDecimals, true, s, locale));
      TextAt(text, QPoint(XToPixel(xL) + w0, YToPixel(s) - h / 2));
    }
  }

  // The axes over the grid lines.
  Line(Qt::black, 0, YMin, 0, yEnd);
  Line(Qt::black, XMin, 0, xEnd, 0);

  // The canvas leaves as it came: transparent text background.
  canvas->setBackgroundMode(Qt::TransparentMode);
  canvas->setBackground(savedBackground);
}

void ScaledCanvas::DrawAxes(const NiceTicks& x, const NiceTicks& y) {
  QPainter* canvas = DrawCanvas();
  const QFontMetrics metrics = canvas->fontMetrics();
  const int h = metrics.height();
  const int w0 = metrics.horizontalAdvance(QStringLiteral("0"));
  const NumberLocale locale = UserNumberLocale();
  // Every label of an axis with the step's decimals: "0", "0.5", "1.0".
  const auto label = [&](long double value, int decimals) {
    const std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
    return UserNumberText(pattern.c_str(), value, locale);
  };
  const std::vector<long double> xs = x.Values();
  const std::vector<long double> ys = y.Values();
  int widest = 0;
  for (long double value : ys)
    widest = std::max(widest, metrics.horizontalAdvance(label(value, y.Decimals())));
  MarginLeft = widest + w0;
  // The x labels stand clear of the lowest y label, which is centred on the plot's foot.
  MarginBottom = h + h / 2 + 2;
  MarginTop = std::max(MarginTop, h / 2);
  // The last x label stands half outside the plot.
  if (!xs.empty())
    MarginRight =
        std::max(MarginRight, metrics.horizontalAdvance(label(xs.back(), x.Decimals())) / 2 + 1);
  XMin = x.Low;
  XExtent = x.High - x.Low;
  YMin = y.Low;
  YExtent = y.High - y.Low;

  const long double xEnd = x.High;
  const long double yEnd = y.High;
  for (long double t : xs) {
    Line(kSilver, t, YMin, t, yEnd);
    const QString text = label(t, x.Decimals());
    TextAt(text,
           QPoint(XToPixel(t) - metrics.horizontalAdvance(text) / 2, YToPixel(YMin) + h / 2 + 1));
  }
  for (long double s : ys) {
    Line(kSilver, XMin, s, xEnd, s);
    const QString text = label(s, y.Decimals());
    TextAt(text,
           QPoint(XToPixel(XMin) - w0 / 2 - metrics.horizontalAdvance(text), YToPixel(s) - h / 2));
  }
  // The zero lines over the grid, where the ranges hold them.
  if (YMin <= 0 && yEnd >= 0) Line(Qt::black, XMin, 0, xEnd, 0);
  if (XMin <= 0 && xEnd >= 0) Line(Qt::black, 0, YMin, 0, yEnd);
}

// ---------------------------------------------------------------------------------------
// Display

void ScaledCanvas::RenderShown(QPainter& painter) const {
  if (imageType_ == itMetafile) {
    if (!shown_.isNull()) painter.drawPicture(0, 0, shown_);
  } else if (!image_.isNull()) {
    painter.drawImage(0, 0, image_);
  }
}

QImage ScaledCanvas::Snapshot() const {
  QImage image(std::max(1, Width()), std::max(1, Height()), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  RenderShown(painter);
  return image;
}
