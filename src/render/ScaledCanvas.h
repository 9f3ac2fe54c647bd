#pragma once

#include <memory>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPicture>
#include <QPoint>
#include <QSize>
#include <QString>

struct NiceTicks;
class QFontMetrics;
class QPaintDevice;
class QPainter;

// The scaled drawing surface's canvas: it holds a world rectangle (lower-left corner XMin,
// YMin and extents XExtent, YExtent, plus pixel margins), maps it onto a surface of a given
// pixel size with the vertical axis pointing up, and offers drawing operations in world
// coordinates. It needs Qt Gui only: the command line draws on one without any widget, and
// the ScPic widget shows one on screen.
//
// Platform mapping:
// - itMetafile: drawing goes into a QPicture recorded through a QPainter opened by
//   DrawCanvas(); Finish() ends the recording and the finished QPicture becomes the picture
//   shown. Drawing without a final Finish() leaves the previous picture on show. Every new
//   recording starts with a fresh canvas state (default pen, brush, font, text colour).
// - itBitmap: a QImage of the surface's size painted directly through a QPainter that stays
//   open (its pen, brush and font persist); drawing is visible at the next repaint and
//   Finish() only asks for one. A monochrome canvas uses QImage::Format_Mono with the
//   palette black (index 0), white (index 1), and Clear() does not paint it.
//
// Shown, the surface is white with the shown picture at its top-left corner, 1:1 (so before
// the first drawing it is a blank white area).
//
// Canvas defaults, as on a classic GDI canvas: black solid pen 1 px wide with round caps
// and joins, white solid brush, the surface's font, text colour black, transparent
// background mode. Text is written in the text colour (the canvas font's colour), not in
// the pen colour; in opaque background mode its background is the painter's background.
// A pen width of 0 is the thinnest (cosmetic 1 px) pen.
//
// All mappings are safe with zero or non-finite extents: an offset that is not a number
// maps to the start of the axis and pixel values are clamped to +-PixelLimit, so no call
// divides into NaN pixel coordinates or crashes.
class ScaledCanvas {
 public:
  enum TImageType { itBitmap, itMetafile };

  // Pixel coordinates produced by the mappings never leave [-PixelLimit, PixelLimit].
  static constexpr int PixelLimit = 1 << 22;

  // Bitmap mode in colour, world (0, 1, 0, 1), zero margins, an empty surface.
  ScaledCanvas();
  explicit ScaledCanvas(TImageType imageType);
  virtual ~ScaledCanvas();

  ScaledCanvas(const ScaledCanvas&) = delete;
  ScaledCanvas& operator=(const ScaledCanvas&) = delete;

  TImageType ImageType() const { return imageType_; }
  // Changing the type discards the picture, any open canvas and the shown picture.
  void SetImageType(TImageType type);
  // Bitmap mode: a 1-bit black and white bitmap instead of a colour one. Takes effect for
  // the bitmap at once (converting an existing one) and for later ones.
  bool Monochrome() const { return monochrome_; }
  void SetMonochrome(bool monochrome);

  // Called once the surface is complete: in metafile mode opens a recording at once; in
  // bitmap mode makes an existing bitmap follow the monochrome setting.
  void Loaded();

  // The surface's size in pixels and its font. A canvas of its own keeps what it is given;
  // a widget showing the canvas answers with its own size and font.
  virtual QSize SurfaceSize() const { return size_; }
  void SetSurfaceSize(QSize size) { size_ = size; }
  virtual QFont SurfaceFont() const { return font_; }
  void SetSurfaceFont(const QFont& font) { font_ = font; }

  // World rectangle and margins; callers set them directly before drawing.
  long double XMin = 0;
  long double XExtent = 1;
  long double YMin = 0;
  long double YExtent = 1;
  int MarginLeft = 0;
  int MarginRight = 0;
  int MarginTop = 0;
  int MarginBottom = 0;

  // The canvas to draw on: opens the recording (metafile mode) or creates the bitmap of
  // the surface's size and its painter (bitmap mode) when needed. Never null.
  QPainter* DrawCanvas();
  // Metafile mode: ends the open recording, which becomes the picture shown. Both modes:
  // asks for a repaint.
  void Finish();
  // Fits the bitmap to the surface's size and paints the whole area white (a monochrome
  // bitmap is fitted but not painted); in metafile mode finishes any open recording first and
  // then starts a new one with the white background rectangle.
  void Clear();

  int XToPixel(long double x) const;
  int YToPixel(long double y) const;
  long double PixelToX(int column) const;
  long double PixelToY(int row) const;
  long double WorldTextWidth(const QString& text) const;
  long double WorldTextHeight(const QString& text) const;

  void MoveTo(long double x, long double y);
  void LineTo(long double x, long double y);
  void Line(const QColor& colour, long double x1, long double y1, long double x2, long double y2);
  void TextOut(const QString& text, long double x, long double y);
  void FillQuad(long double x1, long double y1, long double x2, long double y2, long double x3,
                long double y3, long double x4, long double y4);
  void EqualizeScales();
  // The drawing region (lower-left corner and extents), widened to equal scales.
  void SetEqualScaleRegion(long double xMin, long double xExtent, long double yMin,
                           long double yExtent);
  void DrawGrid(int xDecimals, int yDecimals, long double xStep, long double yStep);
  // A graph's frame: the world becomes the two axes' ranges, the margins make room for the
  // tick labels outside the plot (the values at the left, under the plot), grey grid lines
  // stand at every tick and the zero lines are black. The right and top margins are kept as
  // set, at least half a text line.
  void DrawAxes(const NiceTicks& x, const NiceTicks& y);
  // A dot: MoveTo and LineTo to the same point with a round pen of the given width and
  // colour. The pen is restored afterwards.
  void Dot(long double x, long double y, int width, const QColor& colour);

  // The colour of the canvas font: text is written in it, not in the pen colour.
  QColor TextColor() const { return textColor_; }
  void SetTextColor(const QColor& colour) { textColor_ = colour; }
  // The current pen position in pixels (MoveTo, LineTo and TextOut move it).
  QPoint PenPosition() const { return penPosition_; }
  // Metafile mode: a recording is open (drawing goes into it, not yet shown).
  bool IsRecording() const;

  // The picture shown in metafile mode (null before the first Finish).
  const QPicture& Picture() const { return shown_; }
  // The bitmap of bitmap mode (null before the first drawing).
  const QImage& Image() const { return image_; }
  // The surface as it would be shown now: white, then the shown picture. Size is the
  // surface's size (at least 1 x 1), format RGB32.
  QImage Snapshot() const;

 protected:
  // Paints the shown picture at the painter's origin, 1:1.
  void RenderShown(QPainter& painter) const;
  // The device whose resolution the font is measured for; none: the screen's.
  virtual const QPaintDevice* MetricsDevice() const { return nullptr; }
  // The shown picture changed or will at the next repaint: a widget repaints.
  virtual void SurfaceChanged() {}

 private:
  struct CanvasState {
    QPen pen;
    QBrush brush;
    QFont font;
    QBrush background;
    Qt::BGMode backgroundMode = Qt::TransparentMode;
  };

  int Width() const { return SurfaceSize().width(); }
  int Height() const { return SurfaceSize().height(); }
  void InitCanvas();
  CanvasState SaveCanvas() const;
  void RestoreCanvas(const CanvasState& state);
  QImage NewImage(int width, int height) const;
  void ReplaceImage(QImage image);
  void DiscardCanvas();
  QFontMetrics CanvasFontMetrics() const;
  QPoint ToPixel(long double x, long double y) const;
  void TextAt(const QString& text, QPoint topLeft);

  TImageType imageType_ = itBitmap;
  bool monochrome_ = false;
  QSize size_{0, 0};
  QFont font_;
  std::unique_ptr<QPainter> painter_;  // the open canvas (recording or bitmap painter)
  QPicture recording_;                 // metafile mode: the picture being recorded
  QPicture shown_;                     // metafile mode: the picture shown
  QImage image_;                       // bitmap mode: the bitmap
  QPoint penPosition_;
  QColor textColor_ = Qt::black;
};
