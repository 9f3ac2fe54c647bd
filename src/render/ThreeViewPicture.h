#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "ThreeViewDrawing.h"

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

  // Writes an SVG drawing when the path ends in ".svg" (any case), else a PNG image. Returns
  // why it failed, or nothing. An existing file is replaced only by a complete picture.
  std::optional<QString> Save(const QString& path) const;

 private:
  const TBoard& board_;
  ViewFlags flags_;
  ThreeViewDrawing::Angles angleRad_;
  QString state_;
};
