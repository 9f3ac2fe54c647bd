#pragma once

#include <memory>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPicture>
#include <QPoint>
#include <QString>
#include <QWidget>

class QPainter;
class QFontMetrics;

// The scaled drawing surface: a picture control that draws in world coordinates. It holds a world
// rectangle (lower-left corner XMin, YMin and extents XExtent, YExtent, plus pixel margins), maps
// it onto the widget's client area with the vertical axis pointing up, and offers drawing
// operations in world coordinates.
//
// Platform mapping:
// - itMetafile: drawing goes into a QPicture recorded through a QPainter opened by
//   DrawCanvas(); Finish() ends the recording and the finished QPicture becomes the picture
//   shown. Drawing without a final Finish() leaves the previous picture on screen. Every new
//   recording starts with a fresh canvas state (default pen, brush, font, text colour).
// - itBitmap: a QImage of the widget's size painted directly through a QPainter that stays
//   open (its pen, brush and font persist); drawing is visible at the next repaint and
//   Finish() only schedules one. With PixelFormat pf1bit the image is QImage::Format_Mono
//   with the palette black (index 0), white (index 1), and Clear() does not paint it.
//
// The widget paints a white background and then the shown picture at its top-left corner,
// 1:1 (so before the first drawing it shows a blank white area).
//
// Canvas defaults, as on a classic GDI canvas: black solid pen 1 px wide with round caps
// and joins, white solid brush, the widget's font, text colour black, transparent
// background mode. Text is written in the text colour (the canvas font's colour), not in
// the pen colour; in opaque background mode its background is the painter's background.
// A pen width of 0 is the thinnest (cosmetic 1 px) pen.
//
// All mappings are safe with zero or non-finite extents: an offset that is not a number
// maps to the start of the axis and pixel values are clamped to +-PixelLimit, so no call
// divides into NaN pixel coordinates or crashes.
class ScPic : public QWidget {
  Q_OBJECT
  Q_PROPERTY(TImageType ImageType READ ImageType WRITE SetImageType)
  Q_PROPERTY(TPixelFormat PixelFormat READ PixelFormat WRITE SetPixelFormat)

 public:
  enum TImageType { itBitmap, itMetafile };
  Q_ENUM(TImageType)

  // The platform's bitmap pixel formats; only pf1bit has an effect (see above).
  enum TPixelFormat {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
  };
  Q_ENUM(TPixelFormat)

  // Pixel coordinates produced by the mappings never leave [-PixelLimit, PixelLimit].
  static constexpr int PixelLimit = 1 << 22;

  // Creation: bitmap mode, device format, world (0, 1, 0, 1), zero margins.
  explicit ScPic(QWidget* parent = nullptr);
  // Creation with the form's properties, followed by Loaded().
  ScPic(TImageType imageType, TPixelFormat pixelFormat, QWidget* parent = nullptr);
  ~ScPic() override;

  ScPic(const ScPic&) = delete;
  ScPic& operator=(const ScPic&) = delete;

  TImageType ImageType() const { return m_imageType; }
  // Changing the type discards the picture, any open canvas and the shown picture.
  void SetImageType(TImageType type);
  TPixelFormat PixelFormat() const { return m_pixelFormat; }
  // Takes effect for the bitmap at once (converting an existing one) and for later ones.
  void SetPixelFormat(TPixelFormat format);

  // Called once the properties are set: in metafile mode opens a recording at once; in
  // bitmap mode with pf1bit makes an existing bitmap monochrome with the black/white
  // palette (a bitmap created later gets that format anyway).
  void Loaded();

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
  // the widget's size and its painter (bitmap mode) when needed. Never null.
  QPainter* DrawCanvas();
  // Metafile mode: ends the open recording, which becomes the picture shown. Both modes:
  // schedules a repaint.
  void Finish();
  // Fits the bitmap to the widget's size and paints the whole area white (a 1-bit bitmap
  // is fitted but not painted); in metafile mode finishes any open recording first and
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
  // A dot: MoveTo and LineTo to the same point with a round pen of the given width and
  // colour. The pen is restored afterwards.
  void Dot(long double x, long double y, int width, const QColor& colour);

  // The colour of the canvas font: text is written in it, not in the pen colour.
  QColor TextColor() const { return m_textColor; }
  void SetTextColor(const QColor& colour) { m_textColor = colour; }
  // The current pen position in pixels (MoveTo, LineTo and TextOut move it).
  QPoint PenPosition() const { return m_penPos; }
  // Metafile mode: a recording is open (drawing goes into it, not yet shown).
  bool IsRecording() const;

  // The picture shown in metafile mode (null before the first Finish).
  const QPicture& Picture() const { return m_shown; }
  // The bitmap of bitmap mode (null before the first drawing).
  const QImage& Image() const { return m_image; }
  // The widget's content as it would be painted now: white, then the shown picture.
  // Size is the widget's size (at least 1 x 1), format RGB32.
  QImage Snapshot() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct CanvasState {
    QPen pen;
    QBrush brush;
    QFont font;
    QBrush background;
    Qt::BGMode backgroundMode = Qt::TransparentMode;
  };

  void InitCanvas();
  CanvasState SaveCanvas() const;
  void RestoreCanvas(const CanvasState& state);
  QImage NewImage(int width, int height) const;
  void ReplaceImage(QImage image);
  void DiscardCanvas();
  void RenderShown(QPainter& painter) const;
  QFontMetrics CanvasFontMetrics() const;
  QPoint ToPixel(long double x, long double y) const;
  void TextAt(const QString& text, QPoint topLeft);

  TImageType m_imageType = itBitmap;
  TPixelFormat m_pixelFormat = pfDevice;
  std::unique_ptr<QPainter> m_painter;  // the open canvas (recording or bitmap painter)
  QPicture m_recording;                 // metafile mode: the picture being recorded
  QPicture m_shown;                     // metafile mode: the picture shown
  QImage m_image;                       // bitmap mode: the bitmap
  QPoint m_penPos;
  QColor m_textColor = Qt::black;
};
