#pragma once

#include <vector>

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPicture>
#include <QPointF>
#include <QPolygonF>
#include <QString>

// Test helper: replays a QPicture (for instance ScaledCanvas::Picture()) through a recording
// paint engine and collects what it draws, in the picture's pixel coordinates (the
// painter's transforms applied), so that a test can assert "a red line from A to B was
// drawn" or "the text 'Wx' was drawn with its top-left corner at P".
//
//   PictureProbe probe(pic.Picture());
//   EXPECT_TRUE(probe.HasLine(Qt::red, {0, 199}, {267, 0}));
//   const ProbeText* label = probe.FindText("Wx");
//   ASSERT_NE(label, nullptr);
//   EXPECT_EQ(label->TopLeft.toPoint(), QPoint(10, 20));
//
// Recorded primitives:
// - Lines: every line segment (polylines are split into segments), with the pen.
// - Points: drawPoint calls with a thin pen. A QPicture records a point drawn with a wide
//   pen as a filled disc (or square) instead, which lands in Fills; HasDot finds either.
// - Fills: filled shapes — polygons, rectangles (fillRect and drawRect), ellipses and paths
//   (as their fill polygon) — with the brush and the pen.
// - Texts: every text item with its baseline start and its top-left corner (baseline minus
//   the font's ascent), the pen colour it is written in and whether it was written opaque.
//
// Colours compare by RGB only (alpha ignored); positions compare with a tolerance.

struct ProbeLine {
  QPointF From;
  QPointF To;
  QColor Colour;
  qreal Width = 0;  // pen width; 0 for the cosmetic thinnest pen
  bool Cosmetic = false;
  Qt::PenStyle Style = Qt::SolidLine;
  Qt::PenCapStyle Cap = Qt::SquareCap;
};

struct ProbePoint {
  QPointF At;
  QColor Colour;
  qreal Width = 0;
  Qt::PenCapStyle Cap = Qt::SquareCap;
};

struct ProbeFill {
  QPolygonF Points;
  QColor BrushColour;
  Qt::BrushStyle BrushStyle = Qt::NoBrush;
  QColor PenColour;
  Qt::PenStyle PenStyle = Qt::NoPen;
  bool Rect = false;            // drawn as a rectangle (fillRect, drawRect)
  bool TextBackground = false;  // the opaque background box of the text drawn next
};

struct ProbeText {
  QString Text;
  QPointF Baseline;  // start of the baseline
  QPointF TopLeft;   // Baseline minus the ascent of the font
  QColor Colour;     // the pen colour the text is written in
  QFont Font;
  // Written in opaque background mode: either the painter said so or (as in a replayed
  // QPicture, which keeps no background mode) a box of the background colour was filled
  // right before the text, from its start and top.
  bool Opaque = false;
  QColor Background;  // the background colour (meaningful when Opaque)
};

class PictureProbe {
 public:
  explicit PictureProbe(const QPicture& picture);

  std::vector<ProbeLine> Lines;
  std::vector<ProbePoint> Points;
  std::vector<ProbeFill> Fills;
  std::vector<ProbeText> Texts;

  // A line of that colour between a and b (either direction), within tolerance pixels.
  bool HasLine(const QColor& colour, QPointF a, QPointF b, qreal tolerance = 0.5) const;
  // The lines of that colour, in drawing order.
  std::vector<ProbeLine> LinesOf(const QColor& colour) const;
  // A point of that colour at `at`, within tolerance; width 0 accepts any width.
  bool HasPoint(const QColor& colour, QPointF at, qreal width = 0, qreal tolerance = 0.5) const;
  // A dot of that colour centred on `at`: a point, or a filled disc or square whose box is
  // centred there; with a non-zero diameter the point's pen width or the box's width must
  // match it within a pixel.
  bool HasDot(const QColor& colour, QPointF at, qreal diameter = 0, qreal tolerance = 0.5) const;
  // The first text item equal to `text`, or null.
  const ProbeText* FindText(const QString& text) const;
  // All text items equal to `text`, in drawing order.
  std::vector<ProbeText> TextsOf(const QString& text) const;
  // The fills with a brush of that colour, in drawing order.
  std::vector<ProbeFill> FillsOf(const QColor& brushColour) const;

  // A readable listing of everything recorded, for failure messages.
  QString Dump() const;

  static bool SameColour(const QColor& a, const QColor& b);
};
