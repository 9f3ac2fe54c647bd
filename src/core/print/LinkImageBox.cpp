#include "print/LinkImageBox.h"

#include <cmath>

void LinkImageBox::Remember(const Rect& designBox) {
  if (remembered_) return;
  design_ = designBox;
  remembered_ = true;
}

LinkImageBox::Rect LinkImageBox::Place(double pictureWidth, double pictureHeight) const {
  const double aspect = pictureHeight > 0 ? pictureWidth / pictureHeight : 1.0;
  Rect placed = design_;
  if (design_.Height > 0 && aspect >= design_.Width / design_.Height) {
    placed.Height = std::trunc(design_.Width / aspect);
    placed.Top = design_.Top + (design_.Height - placed.Height) / 2;
  } else {
    placed.Width = aspect * design_.Height;
    placed.Left = design_.Left + (design_.Width - placed.Width) / 2;
  }
  return placed;
}
