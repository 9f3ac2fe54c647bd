#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

#include "PictureEncoding.h"
#include "ThreeViewDrawing.h"
#include "io/AtomicFileWriter.h"

class QPainter;
class TBoard;

// The balance window's three views as one picture for a file: side view top left, front view
// top right, plan view below the side view, a few lines naming the position beside it. Drawn
// from the door as it stands (no evaluation), as the window draws them: the balance window
// saves it, and the command line's render command writes it.
class ThreeViewPicture {
 public:
  // The picture's own size, pixels: the window's views at their design sizes.
  static QSize PageSize();

  ThreeViewPicture(const TBoard& board, const ViewFlags& flags,
                   const ThreeViewDrawing::Angles& angleRad);

  // A line added to the notes beside the views (how the search ended, say).
  void SetState(const QString& state) { state_ = state; }

  // Paints the picture scaled into a device of the given size.
  void Paint(QPainter& painter, const QSize& size) const;

  // The picture encoded in memory at `size`: a PNG image (painted as the window paints its
  // views, without antialiasing), or an SVG drawing with `title`. Nothing when it could not
  // be encoded (no memory for the image, say).
  std::optional<QByteArray> PngBytes(const QSize& size) const;
  std::optional<QByteArray> SvgBytes(const QSize& size, const QString& title) const;

  // Writes an SVG drawing when the path ends in ".svg" (any case), else a PNG image, through
  // `writer` (AtomicFileWriter): an existing file is replaced only by a complete picture, and
  // a full disk is reported as the system reports it. Returns why it failed, or nothing.
  std::optional<QString> Save(const QString& path,
                              const AtomicFileWriter& writer = AtomicFileWriter()) const;

 private:
  // The painting of this picture, for the encoder.
  PictureEncoding::Painting AsPainting() const;
  const TBoard& board_;
  ViewFlags flags_;
  ThreeViewDrawing::Angles angleRad_;
  QString state_;
};
