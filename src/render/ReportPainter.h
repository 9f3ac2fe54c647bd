#pragma once

#include <vector>

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;
class ReportPicture;

// Writing on a printed page in millimetres measured from the top-left corner of the page's
// body: the area inside the margins below the running head that every page carries. Headings
// are bold and underlined, the general title 14 points, data 10 points, value rows run as
// description, symbol and value from left to right, and tables of numbers have a head.
// Everything is converted to the device's own units, so text and pictures keep their
// resolution.
//
// Every text is set without ligatures, so that a reader searching the printed file for
// "Coefficient" finds it, and a text that needs more lines than its box grows its box
// downwards (each writer returns the height it took): no text prints over the next row.
//
// The painter keeps the layout of what it wrote: each text's box on the page, the size of
// its letters and its words, including the texts the pictures write. The report's tests and
// its own checks read the layout rather than pixels.
class ReportPainter {
 public:
  // Who wrote a text of the page: the page itself, a graph or a scheme drawing on it, or a
  // picture of the door.
  enum class Writer { Page, Graph, Scheme, Picture };

  struct TextBox {
    QRectF Box;     // millimetres in the page's body (the running head above it is negative)
    double Points;  // the size of its letters
    QString Text;
    Writer From;
  };

  // The height of the running head above the page's body, millimetres.
  static constexpr double kHeadHeight = 8.0;
  static constexpr double kLineHeight = 5.0;  // a 10-point line with its leading

  ReportPainter(QPainter& painter, const QPagedPaintDevice& device);

  // The page's body, millimetres.
  double Width() const { return width_; }
  double Height() const { return height_; }
  QRectF ToDevice(const QRectF& millimetres) const;

  // The running head: the door at the left, the date in the middle and the page's number at
  // the right, over a rule.
  void RunningHead(const QString& door, const QString& date, const QString& page);

  // Each returns the height it took, millimetres.
  double Heading(double x, double y, const QString& text);
  double Title(const QRectF& box, const QString& text);
  double Text(const QRectF& box, const QString& text, int flags = 0);
  double ValueRow(double y, const QString& description, const QString& symbol,
                  const QString& value);
  // One row of a table: the cells in columns of the given width from x, right-aligned. A head
  // row is bold and two lines high, its texts wrapped and standing on its foot.
  double TableRow(double x, double y, double columnWidth, const QStringList& cells,
                  bool head = false);
  void Frame(const QRectF& box);
  // A short line in a curve's colour, the key of a legend.
  void Key(const QRectF& box, const QColor& colour);
  void Picture(const QRectF& box, const ReportPicture& picture, Writer from);

  const std::vector<TextBox>& Texts() const { return texts_; }

 private:
  QFont Font(double points, bool bold = false, bool underline = false) const;
  // Writes the text into the box, grown downwards as far as the text needs; the box it took.
  QRectF Write(const QRectF& box, const QString& text, int flags, const QFont& font);
  QRectF ToPage(const QRectF& device) const;

  QPainter& painter_;
  int dotsPerInch_ = 72;
  double dotsPerMm_ = 1;
  double width_ = 0;
  double height_ = 0;
  std::vector<TextBox> texts_;
};
